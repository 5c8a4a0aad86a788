#include "frame/windows/MdiArrangement.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

QWidget *MdiFrame(QWidget *janela)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela->parentWidget()))
        return sub;
    return janela;
}

void BusyWindow::Begin(QWidget *janela)
{
    window = janela;
    QWidget *foco = janela->window()->focusWidget();
    control = foco && (foco == janela || janela->isAncestorOf(foco)) ? foco : nullptr;
    janela->setEnabled(false);
    if (QWidget *moldura = MdiFrame(janela); control && moldura != janela)
        moldura->setFocus(Qt::OtherFocusReason);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void BusyWindow::End()
{
    if (window) {
        window->setEnabled(true);
        const QWidget *foco = window->window()->focusWidget();
        if (control && window->isAncestorOf(control) && (!foco || foco == MdiFrame(window)))
            control->setFocus(Qt::OtherFocusReason);
    }
    window = nullptr;
    control = nullptr;
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void ArrangeMinimizedChildren(QMdiArea *area)
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

bool IsMenuShortcut(const QMenuBar *barra, const QKeyEvent *tecla)
{
    if (!barra)
        return false;
    const QKeySequence sequencia(tecla->keyCombination());
    const QList<QAction *> acoes = barra->findChildren<QAction *>();
    for (const QAction *acao : acoes)
        if (acao->isEnabled() && !acao->shortcut().isEmpty() && acao->shortcut() == sequencia)
            return true;
    return false;
}

bool MenuBeforeTextBox(const QMenuBar *barra, QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::ShortcutOverride || !qobject_cast<QLineEdit *>(objeto)
        || !IsMenuShortcut(barra, static_cast<QKeyEvent *>(evento)))
        return false;
    evento->ignore();
    return true;
}
