#pragma once
// Writing a whole file atomically: the target is replaced only when every byte reached the
// disk, so a failure (folder not writable, disk full, file too large) leaves an older file as
// it was and no half file beside it.

#include <QByteArray>
#include <QString>

namespace platform {

// The run-time error number of a file that cannot be opened, read or written.
constexpr int ErrorFileAccess = 75;

// Returns the error text, empty on success.
QString WriteFileAtomically(const QString &caminho, const QByteArray &conteudo);

} // namespace platform
