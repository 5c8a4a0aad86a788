#include "ArranjoJanelas.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

QWidget *QuadroMdi(QWidget *janela)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela->parentWidget()))
        return sub;
    return janela;
}

void EscondeFilha(QWidget *janela)
{
    QWidget *quadro = QuadroMdi(janela);
    auto *sub = qobject_cast<QMdiSubWindow *>(quadro);
    QMdiArea *area = sub ? sub->mdiArea() : nullptr;
    const bool eraAtiva = area && area->currentSubWindow() == sub;
    quadro->hide();
    if (!eraAtiva || area->currentSubWindow() != sub)
        return;
    // A hidden child stays the area's current one: hand the activation on.
    area->setActiveSubWindow(nullptr);
    const QList<QMdiSubWindow *> recentes = area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = recentes.crbegin(); it != recentes.crend(); ++it) {
        if (*it != sub && (*it)->isVisible()) {
            area->setActiveSubWindow(*it);
            return;
        }
    }
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

bool AtalhoDoMenu(const QMenuBar *barra, const QKeyEvent *tecla)
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

bool MenuAntesDaCaixa(const QMenuBar *barra, QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::ShortcutOverride || !qobject_cast<QLineEdit *>(objeto)
        || !AtalhoDoMenu(barra, static_cast<QKeyEvent *>(evento)))
        return false;
    evento->ignore();
    return true;
}
