#include "WindowIcons.h"

#include "platform/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace platform {

namespace {

// The SVG drawn at the sizes title bars, task bars and switchers ask for.
QIcon Draw(const QByteArray &svg)
{
    QSvgRenderer renderer(svg);
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ProgramIcon()
{
    return Draw(ProgramIconSvg());
}

QIcon CaseIcon()
{
    return Draw(CaseIconSvg());
}

} // namespace platform
