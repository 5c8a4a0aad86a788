#pragma once
// The single-byte code page of the program's own files (case files, exported reports, tips).

#include <QByteArray>
#include <QString>

namespace platform {

// Text to Windows-1252 bytes; a character the code page lacks becomes "?".
QByteArray ToCodepage1252(const QString &text);

// Windows-1252 bytes to text; the five bytes the code page leaves undefined map to the
// C1 control of the same value, so any file decodes.
QString FromCodepage1252(const QByteArray &bytes);

} // namespace platform
