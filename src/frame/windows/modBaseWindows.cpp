#include "frame/windows/modBaseWindows.h"

#include "frame/modBase.h"
#include "frame/windows/mdiMenu.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMdiSubWindow>

namespace {

// The screen's pointer: the hourglass, or the default shape (any hourglass cleared).
void SetHourglass(bool ampulheta)
{
    if (ampulheta) {
        if (QApplication::overrideCursor())
            QApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

// A menu item of the window itself, by name: the items of windows inside it (the main
// window's children have recent-files items of their own) do not count.
QAction *OwnItem(QWidget *janela, const QString &nome)
{
    const QList<QAction *> itens = janela->findChildren<QAction *>(nome);
    for (QAction *item : itens) {
        QObject *dono = item->parent();
        while (dono && dono != janela && !qobject_cast<QMdiSubWindow *>(dono))
            dono = dono->parent();
        if (dono == janela)
            return item;
    }
    return nullptr;
}

} // namespace

void AtualizaMRU(QWidget *janela)
{
    if (!janela)
        return;
    bool primeiroVisivel = false;
    for (int n = 1; n <= 4; ++n) {
        QAction *item = OwnItem(janela, QStringLiteral("mnuArquivoMRU%1").arg(n));
        if (!item)
            continue;
        const QString &caminho = ListaMRU()[n - 1];
        item->setText(QStringLiteral("&%1 ").arg(n) + ShortenPath(caminho));
        item->setVisible(!caminho.isEmpty());
        if (n == 1)
            primeiroVisivel = item->isVisible();
    }
    if (QAction *vazio = OwnItem(janela, QStringLiteral("mnuArquivoMRUVazio")))
        vazio->setVisible(!primeiroVisivel);
}

void HabilitaMenu(bool estado)
{
    QApplication::processEvents();
    SetHourglass(!estado);
    if (mdiMenu *menu = mdiMenu::Existing())
        menu->setEnabled(estado);
    QApplication::processEvents();
}

void SelecionaTexto(QLineEdit *caixa)
{
    if (caixa)
        caixa->setSelection(0, caixa->text().size());
}

void RestoreDefaultPointer()
{
    SetHourglass(false);
}
