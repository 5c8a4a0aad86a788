#include "WindowIcons.h"

#include "platform/Icons.h"

namespace platform {

namespace {

QIcon FromPngs(const QString &name)
{
    QIcon icon;
    for (int size : IconSizes)
        icon.addFile(IconPngPath(name, size), QSize(size, size));
    return icon;
}

} // namespace

QIcon ProgramIcon()
{
    return FromPngs(ProgramIconName);
}

QIcon CaseIcon()
{
    // Every case window carries it: its renderings are read once.
    static const QIcon icon = FromPngs(CaseIconName);
    return icon;
}

} // namespace platform
