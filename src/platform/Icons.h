#pragma once
// The program's two icons, compiled in from resources/: the program's own (an orifice plate
// in a pipe) and the case-file icon (the same on a sheet). Each is an SVG document, which the
// association installs for the desktop, and PNG renderings of it at the sizes below, which
// the windows show (platform/widgets/WindowIcons.h). tools/render_icons.py writes the PNGs.

#include <QByteArray>
#include <QString>

namespace platform {

// Their names in the desktop's icon theme.
inline const QString ProgramIconName = QStringLiteral("quirasol");
inline const QString CaseIconName = QStringLiteral("application-x-quirasol");

QByteArray ProgramIconSvg();
QByteArray CaseIconSvg();

// The sizes title bars, task bars and switchers ask for.
inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The resource path of an icon's rendering (named by its theme name) at one of IconSizes.
QString IconPngPath(const QString &name, int size);

} // namespace platform
