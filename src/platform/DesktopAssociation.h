#pragma once
// The case-file association on a freedesktop desktop, in place of the registry values the
// program once kept under the classes root:
//   the ".qzv" class       the shared-mime-info package $XDG_DATA_HOME/mime/packages/
//                          quirasol.xml mapping the glob "*.qzv" to application/x-quirasol
//   the type description   the package's comment
//   the case-file icon     $XDG_DATA_HOME/icons/hicolor/scalable/mimetypes/
//                          application-x-quirasol.svg
//   the open command       the Exec line of $XDG_DATA_HOME/applications/quirasol.desktop,
//                          the default application of the type in $XDG_CONFIG_HOME/
//                          mimeapps.list; its Icon is the program's icon,
//                          $XDG_DATA_HOME/icons/hicolor/scalable/apps/quirasol.svg
// Failures are results, never messages. After writing, the desktop's caches are refreshed
// with update-mime-database and update-desktop-database when they are installed.

#include <QString>

namespace platform {

// The MIME type of case files (the "Quirasol.File" class).
inline const QString CaseMimeType = QStringLiteral("application/x-quirasol");
inline const QString CaseDesktopFile = QStringLiteral("quirasol.desktop");

// $XDG_DATA_HOME and $XDG_CONFIG_HOME, or their defaults under the home folder (in
// QStandardPaths' test mode, its test folders).
QString UserDataFolder();
QString UserConfigFolder();

// The type our package maps "*.qzv" to; empty when the package or the mapping is missing.
QString CaseExtensionType();
// Writes the package: the glob "*.qzv" as `tipo`, with its description.
bool WriteMimePackage(const QString &tipo, const QString &descricao);

// The Exec line (unescaped) of the type's default application, or of quirasol.desktop when
// mimeapps.list names none; empty when there is no such desktop file or line.
QString CaseOpenCommand();
// The open command of a program file: its path (quoted when it needs it) and "%f".
QString ProgramOpenCommand(const QString &programPath);
// Whether the user's mimeapps.list can take our default: there is none, or it can be read
// whole. One that cannot is never rewritten from a part of it.
bool MimeAppsReadable();
// Writes quirasol.desktop with `comando` and the program's icon and makes it the type's
// default application, changing only our type's lines in mimeapps.list; false, with nothing
// written, when mimeapps.list cannot be read whole.
bool WriteCaseApplication(const QString &nome, const QString &comando);

// Installs the program's icon and the case-file icon in the user's icon theme.
bool InstallIcons();

// Runs update-mime-database and update-desktop-database on the user's folders when they
// exist; their failures are ignored.
void UpdateDesktopCaches();

} // namespace platform
