#pragma once
// The program's identity, kept in one place: title, version, file name and maker.

#include <QString>

namespace platform {

inline const QString AppTitle = QStringLiteral("Cálculo de Quirasol");
inline const QString AppExeName = QStringLiteral("quirasol");
inline const QString AppMaker = QStringLiteral("Morvane");
constexpr int AppMajor = 2;
constexpr int AppMinor = 0;
constexpr int AppRevision = 0;

} // namespace platform
