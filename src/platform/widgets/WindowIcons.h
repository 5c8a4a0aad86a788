#pragma once
// The program's icons for windows: the program's own for the main window and every window
// and dialog that has none of its own (set once as the application's window icon), the
// case-file icon for case windows. Made of the PNG renderings of platform/Icons.h.

#include <QIcon>

namespace platform {

QIcon ProgramIcon();
QIcon CaseIcon();

} // namespace platform
