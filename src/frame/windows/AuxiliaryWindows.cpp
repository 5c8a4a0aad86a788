#include "frame/windows/AuxiliaryWindows.h"

#include "frame/windows/frmDica.h"
#include "frame/windows/frmOpcao.h"
#include "frame/windows/frmSobre.h"
#include "frame/windows/frmTabela.h"
#include "frame/windows/mdiMenu.h"

#include <QAction>
#include <QMdiSubWindow>

namespace {

// The main window's view entry of bar i (frame::OptionBar order).
QAction *BarEntry(mdiMenu *principal, int i)
{
    switch (i) {
    case frame::OptionStandardBar:
        return principal->mnuExibirBarraPadrao;
    case frame::OptionCalculationBar:
        return principal->mnuExibirBarraCalculo;
    case frame::OptionLabels:
        return principal->mnuExibirEtiqueta;
    default:
        return principal->mnuExibirStatusBar;
    }
}

void ToggleBar(mdiMenu *principal, int i)
{
    switch (i) {
    case frame::OptionStandardBar:
        principal->mnuExibirBarraPadrao_Click();
        break;
    case frame::OptionCalculationBar:
        principal->mnuExibirBarraCalculo_Click();
        break;
    case frame::OptionLabels:
        principal->mnuExibirEtiqueta_Click();
        break;
    default:
        principal->mnuExibirStatusBar_Click();
        break;
    }
}

} // namespace

void ShowOptions(QWidget *owner)
{
    mdiMenu *principal = mdiMenu::Instance();
    frmOpcao::Bars barras{
        [principal](int i) { return BarEntry(principal, i)->isChecked(); },
        [principal](int i) { ToggleBar(principal, i); },
    };
    // Centred on its owner: the main window unless a caller names another.
    frmOpcao dialogo(std::move(barras), owner ? owner : principal);
    dialogo.exec();
}

void ShowSteamTable(int index)
{
    auto *tabela = new frmTabela;
    mdiMenu *principal = mdiMenu::Instance();
    QMdiSubWindow *moldura = principal->AddChild(tabela);
    tabela->TabelaInicia(index);
    // The area sized the window by its design size; while another child is maximised it
    // opens maximised instead, as the area opens it.
    principal->ActivateChild(moldura);
}

void ShowTipOfTheDay()
{
    frmDica::ShowIn(mdiMenu::Instance()->Area());
}

void ShowAbout(QWidget *owner)
{
    frmSobre sobre(owner ? owner : mdiMenu::Instance());
    sobre.exec();
}
