#include "ArranjoJanelas.h"

#include <QMdiArea>
#include <QMdiSubWindow>

QWidget *QuadroMdi(QWidget *janela)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela->parentWidget()))
        return sub;
    return janela;
}

void OrganizaIcones(QMdiArea *area)
{
    if (!area)
        return;
    const int largura = area->viewport()->width();
    int x = 0;
    int base = area->viewport()->height();
    const QList<QMdiSubWindow *> filhas = area->subWindowList();
    for (QMdiSubWindow *sub : filhas) {
        if (!sub->isVisible() || !sub->isMinimized())
            continue;
        if (x > 0 && x + sub->width() > largura) {
            x = 0;
            base -= sub->height();
        }
        sub->move(x, base - sub->height());
        x += sub->width();
    }
}
