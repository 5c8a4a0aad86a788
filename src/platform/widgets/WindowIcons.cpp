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
    return FromPngs(CaseIconName);
}

} // namespace platform
