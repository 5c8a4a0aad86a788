#include "calculation/windows/ChildWindowMenus.h"

#include "calculation/windows/AbreJanela.h"
#include "frame/ProgramState.h"
#include "frame/modBase.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void ChildWindowMenus::BuildMenuBar(QWidget *janela, std::span<const platform::MenuRow> linhas)
{
    ownMenuBar = new QMenuBar(janela);
    ownMenuBar->hide();
    ownMenuBar->addActions(platform::BuildMenus(ownMenuBar, linhas));

    const auto entrada = [this](const QString &nome) {
        return ownMenuBar->findChild<QAction *>(nome);
    };
    mnuArquivoNovo = entrada(QStringLiteral("mnuArquivoNovo"));
    mnuArquivoAbrir = entrada(QStringLiteral("mnuArquivoAbrir"));
    mnuArquivoFechar = entrada(QStringLiteral("mnuArquivoFechar"));
    mnuArquivoFecharTodos = entrada(QStringLiteral("mnuArquivoFecharTodos"));
    mnuArquivoSalvar = entrada(QStringLiteral("mnuArquivoSalvar"));
    mnuArquivoSalvarComo = entrada(QStringLiteral("mnuArquivoSalvarComo"));
    mnuArquivoExportarRelatorio = entrada(QStringLiteral("mnuArquivoExportarRelatorio"));
    mnuArquivoConfigurarImpressao = entrada(QStringLiteral("mnuArquivoConfigurarImpressao"));
    mnuArquivoImprimir = entrada(QStringLiteral("mnuArquivoImprimir"));
    for (int n = 1; n <= 4; ++n)
        mnuArquivoMRU[n] = entrada(QStringLiteral("mnuArquivoMRU%1").arg(n));
    mnuArquivoMRUVazio = entrada(QStringLiteral("mnuArquivoMRUVazio"));
    mnuArquivoSair = entrada(QStringLiteral("mnuArquivoSair"));
    mnuExibirBarraPadrao = entrada(QStringLiteral("mnuExibirBarraPadrao"));
    mnuExibirBarraCalculo = entrada(QStringLiteral("mnuExibirBarraCalculo"));
    mnuExibirEtiqueta = entrada(QStringLiteral("mnuExibirEtiqueta"));
    mnuExibirStatusBar = entrada(QStringLiteral("mnuExibirStatusBar"));
    mnuExibirRelatorio = entrada(QStringLiteral("mnuExibirRelatorio"));
    mnuFerramentasOpcoes = entrada(QStringLiteral("mnuFerramentasOpcoes"));
    mnuJanela = ownMenuBar->findChild<QMenu *>(QStringLiteral("mnuJanela"));
    mnuJanelaCascata = entrada(QStringLiteral("mnuJanelaCascata"));
    mnuJanelaOrganizarIcones = entrada(QStringLiteral("mnuJanelaOrganizarIcones"));
    mnuAjudaConteudo = entrada(QStringLiteral("mnuAjudaConteudo"));
    mnuAjudaComoUsar = entrada(QStringLiteral("mnuAjudaComoUsar"));
    mnuAjudaDicas = entrada(QStringLiteral("mnuAjudaDicas"));
    for (int i = 0; i < 2; ++i) {
        mnuAjudaDocumentacaoTabela[i] =
            entrada(QStringLiteral("mnuAjudaDocumentacaoTabela%1").arg(i));
    }
    mnuAjudaSobre = entrada(QStringLiteral("mnuAjudaSobre"));
}

void ChildWindowMenus::CopyViewChecks()
{
    const ChildWindowHost *principal = ChildWindowHost::Loaded();
    if (!principal)
        return;
    mnuExibirStatusBar->setChecked(principal->StatusBarVisible());
    mnuExibirBarraPadrao->setChecked(principal->StandardBarVisible());
    mnuExibirBarraCalculo->setChecked(principal->CalculationBarVisible());
    mnuExibirEtiqueta->setChecked(principal->LabelsVisible());
}

namespace {

void RunOnFrame(ChildWindowHost::Command comando)
{
    if (ChildWindowHost *principal = ChildWindowHost::Loaded())
        principal->RunCommand(comando);
}

} // namespace

std::function<void()> ChildWindowMenus::FrameCommand(ChildWindowHost::Command comando)
{
    return [comando] { RunOnFrame(comando); };
}

void ChildWindowMenus::NewCase()
{
    QString caminho;
    AbreJanela(false, caminho);
}

void ChildWindowMenus::OpenCase()
{
    QString caminho;
    AbreJanela(true, caminho);
}

std::function<void()> ChildWindowMenus::OpenRecentCase(int n)
{
    return [n] {
        QString caminho = ListaMRU()[n - 1];
        AbreJanela(true, caminho);
    };
}

void ChildWindowMenus::PrintSetup()
{
    ConfiguraImpressora(true);
}

void ChildWindowMenus::Options()
{
    RunOnFrame(ChildWindowHost::Options);
}

void ChildWindowMenus::CascadeWindows()
{
    RunOnFrame(ChildWindowHost::CascadeWindows);
}

void ChildWindowMenus::ArrangeIcons()
{
    RunOnFrame(ChildWindowHost::ArrangeIcons);
}

std::function<void()> ChildWindowMenus::SteamTable(int index)
{
    return FrameCommand(index == 0 ? ChildWindowHost::SteamMassTable
                                   : ChildWindowHost::SteamVolumeTable);
}
