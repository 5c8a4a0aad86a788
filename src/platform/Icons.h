#pragma once
// The program's two icons as SVG documents, compiled in from resources/: the program's own
// (an orifice plate in a pipe) and the case-file icon (the same on a sheet). The windows draw
// them (platform/widgets/WindowIcons.h); the association installs them for the desktop.

#include <QByteArray>
#include <QString>

namespace platform {

// Their names in the desktop's icon theme.
inline const QString NomeIconePrograma = QStringLiteral("quirasol");
inline const QString NomeIconeCaso = QStringLiteral("application-x-quirasol");

QByteArray ProgramIconSvg();
QByteArray CaseIconSvg();

} // namespace platform
