#include "frame/windows/ChildWindow.h"

#include <QAction>
#include <QObject>

void ChildWindow::SetViewCheck(const QString &nome, bool marcado)
{
    auto *objeto = dynamic_cast<QObject *>(this);
    if (!objeto)
        return;
    if (auto *acao = objeto->findChild<QAction *>(nome); acao && acao->isCheckable())
        acao->setChecked(marcado);
}
