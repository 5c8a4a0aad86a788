#include "Icons.h"

#include <QFile>

// The resources live in a static library: named here, the linker keeps them. (The macro
// declares a function of the enclosing namespace, so this stands outside ours.)
static void LoadIconResources()
{
    Q_INIT_RESOURCE(icones);
}

namespace platform {

namespace {

QByteArray ReadIcon(const char *name)
{
    LoadIconResources();
    QFile file(QStringLiteral(":/icones/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray ProgramIconSvg()
{
    return ReadIcon("quirasol.svg");
}

QByteArray CaseIconSvg()
{
    return ReadIcon("application-x-quirasol.svg");
}

} // namespace platform
