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

QString ResourcePath(const QString &fileName)
{
    LoadIconResources();
    return QStringLiteral(":/icones/") + fileName;
}

QByteArray ReadSvg(const QString &name)
{
    QFile file(ResourcePath(name + QStringLiteral(".svg")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray ProgramIconSvg()
{
    return ReadSvg(ProgramIconName);
}

QByteArray CaseIconSvg()
{
    return ReadSvg(CaseIconName);
}

QString IconPngPath(const QString &name, int size)
{
    return ResourcePath(name + QLatin1Char('-') + QString::number(size) + QStringLiteral(".png"));
}

} // namespace platform
