#include "calculation/windows/AcoesMenuFilha.h"

#include "calculation/windows/AbreJanela.h"
#include "frame/ProgramState.h"
#include "frame/modBase.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void AcoesMenuFilha::BuildMenuBar(QWidget *janela, std::span<const platform::MenuRow> linhas)
{
    barraMenu = new QMenuBar(janela);
    barraMenu->hide();
    barraMenu->addActions(platform::BuildMenus(barraMenu, linhas));

    const auto entrada = [this](const QString &nome) {
        return barraMenu->findChild<QAction *>(nome);
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
    mnuJanela = barraMenu->findChild<QMenu *>(QStringLiteral("mnuJanela"));
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

void AcoesMenuFilha::CopyViewChecks()
{
    const ChildWindowHost *principal = ChildWindowHost::Loaded();
    if (!principal)
        return;
    mnuExibirStatusBar->setChecked(principal->StatusBarVisivel());
    mnuExibirBarraPadrao->setChecked(principal->BarraPadraoVisivel());
    mnuExibirBarraCalculo->setChecked(principal->BarraCalculoVisivel());
    mnuExibirEtiqueta->setChecked(principal->EtiquetasVisiveis());
}

namespace {

void RunOnFrame(ChildWindowHost::Command comando)
{
    if (ChildWindowHost *principal = ChildWindowHost::Loaded())
        principal->RunCommand(comando);
}

} // namespace

std::function<void()> AcoesMenuFilha::FrameCommand(ChildWindowHost::Command comando)
{
    return [comando] { RunOnFrame(comando); };
}

void AcoesMenuFilha::NewCase()
{
    QString caminho;
    AbreJanela(false, caminho);
}

void AcoesMenuFilha::OpenCase()
{
    QString caminho;
    AbreJanela(true, caminho);
}

std::function<void()> AcoesMenuFilha::OpenRecentCase(int n)
{
    return [n] {
        QString caminho = ListaMRU()[n - 1];
        AbreJanela(true, caminho);
    };
}

void AcoesMenuFilha::PrintSetup()
{
    ConfiguraImpressora(true);
}

void AcoesMenuFilha::Options()
{
    RunOnFrame(ChildWindowHost::Options);
}

void AcoesMenuFilha::CascadeWindows()
{
    RunOnFrame(ChildWindowHost::CascadeWindows);
}

void AcoesMenuFilha::ArrangeIcons()
{
    RunOnFrame(ChildWindowHost::ArrangeIcons);
}

std::function<void()> AcoesMenuFilha::SteamTable(int index)
{
    return FrameCommand(index == 0 ? ChildWindowHost::SteamMassTable
                                   : ChildWindowHost::SteamVolumeTable);
}
