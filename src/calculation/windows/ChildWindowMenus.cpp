#include "calculation/windows/ChildWindowMenus.h"

#include "calculation/windows/AbreJanela.h"
#include "frame/ProgramState.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <iterator>
#include <vector>

namespace {

using Command = std::function<void()>;

// The main window's command, while the main window is loaded.
Command FrameCommand(ChildWindowHost::Command command)
{
    return [command] {
        if (ChildWindowHost *host = ChildWindowHost::Loaded())
            host->RunCommand(command);
    };
}

// A new untitled case, or a case picked in the open dialog.
void NewCase()
{
    QString path;
    AbreJanela(false, path);
}

void OpenCase()
{
    QString path;
    AbreJanela(true, path);
}

// The case of recent-files entry n (1 to 4).
Command OpenRecentCase(int n)
{
    return [n] {
        QString path = ListaMRU()[n - 1];
        AbreJanela(true, path);
    };
}

// The entries BuildMenuBar finds by their object names.
using Entry = QAction *ChildWindowMenus::*;
const std::pair<const char *, Entry> Entries[] = {
    {"mnuArquivoNovo", &ChildWindowMenus::mnuArquivoNovo},
    {"mnuArquivoAbrir", &ChildWindowMenus::mnuArquivoAbrir},
    {"mnuArquivoFechar", &ChildWindowMenus::mnuArquivoFechar},
    {"mnuArquivoFecharTodos", &ChildWindowMenus::mnuArquivoFecharTodos},
    {"mnuArquivoSalvar", &ChildWindowMenus::mnuArquivoSalvar},
    {"mnuArquivoSalvarComo", &ChildWindowMenus::mnuArquivoSalvarComo},
    {"mnuArquivoExportarRelatorio", &ChildWindowMenus::mnuArquivoExportarRelatorio},
    {"mnuArquivoConfigurarImpressao", &ChildWindowMenus::mnuArquivoConfigurarImpressao},
    {"mnuArquivoImprimir", &ChildWindowMenus::mnuArquivoImprimir},
    {"mnuArquivoMRUVazio", &ChildWindowMenus::mnuArquivoMRUVazio},
    {"mnuArquivoSair", &ChildWindowMenus::mnuArquivoSair},
    {"mnuExibirBarraPadrao", &ChildWindowMenus::mnuExibirBarraPadrao},
    {"mnuExibirBarraCalculo", &ChildWindowMenus::mnuExibirBarraCalculo},
    {"mnuExibirEtiqueta", &ChildWindowMenus::mnuExibirEtiqueta},
    {"mnuExibirStatusBar", &ChildWindowMenus::mnuExibirStatusBar},
    {"mnuExibirRelatorio", &ChildWindowMenus::mnuExibirRelatorio},
    {"mnuFerramentasOpcoes", &ChildWindowMenus::mnuFerramentasOpcoes},
    {"mnuJanelaCascata", &ChildWindowMenus::mnuJanelaCascata},
    {"mnuJanelaOrganizarIcones", &ChildWindowMenus::mnuJanelaOrganizarIcones},
    {"mnuAjudaConteudo", &ChildWindowMenus::mnuAjudaConteudo},
    {"mnuAjudaComoUsar", &ChildWindowMenus::mnuAjudaComoUsar},
    {"mnuAjudaDicas", &ChildWindowMenus::mnuAjudaDicas},
    {"mnuAjudaSobre", &ChildWindowMenus::mnuAjudaSobre},
};

} // namespace

void ChildWindowMenus::BuildMenuBar(QWidget *window, const OwnEntries &own)
{
    using enum platform::MenuFlag;
    const auto ifEnabled = [](const Command &command) {
        return command ? platform::MenuFlags() : platform::MenuFlags(Disabled);
    };
    std::vector<platform::MenuRow> rows = {
        {0, "", "&Arquivo"},
        {1, "mnuArquivoNovo", "&Novo", Qt::CTRL | Qt::Key_O, {}, NewCase},
        {1, "mnuArquivoAbrir", own.openCaption, Qt::CTRL | Qt::Key_A, {}, OpenCase},
        {1, "mnuArquivoFechar", "Fechar", {}, AfterMenu, own.close},
        {1, "mnuArquivoFecharTodos", "Fechar &todos", {}, AfterMenu,
         FrameCommand(ChildWindowHost::CloseAllCases)},
        {1, "", "-"},
        {1, "mnuArquivoSalvar", "&Salvar", Qt::CTRL | Qt::Key_B, ifEnabled(own.save), own.save},
        {1, "mnuArquivoSalvarComo", "Salvar &como...", {}, ifEnabled(own.saveAs), own.saveAs},
    };
    if (own.saveAll)
        rows.push_back({1, "mnuArquivoSalvarTodos", "Salvar todos", {}, Disabled | Hidden});
    rows.insert(rows.end(), {
        {1, "", "-"},
        {1, "", "Exportar"},
        {2, "mnuArquivoExportarRelatorio", "Relatório...", {}, ifEnabled(own.exportReport),
         own.exportReport},
        {1, "", "-"},
    });
    const SharedMenus shared{
        .captions = own.captions,
        .frameCommand = FrameCommand,
        .openRecent = OpenRecentCase,
        .print = own.print,
    };
    std::ranges::move(shared.Rows(), std::back_inserter(rows));

    ownMenuBar = new QMenuBar(window);
    ownMenuBar->hide();
    ownMenuBar->addActions(platform::BuildMenus(ownMenuBar, rows));

    const auto find = [this](const QString &name) {
        return ownMenuBar->findChild<QAction *>(name);
    };
    for (const auto &[name, entry] : Entries)
        this->*entry = find(QString::fromLatin1(name));
    for (int n = 1; n <= 4; ++n)
        mnuArquivoMRU[n] = find(QStringLiteral("mnuArquivoMRU%1").arg(n));
    for (int i = 0; i < 2; ++i) {
        mnuAjudaDocumentacaoTabela[i] =
            find(QStringLiteral("mnuAjudaDocumentacaoTabela%1").arg(i));
    }
    mnuJanela = ownMenuBar->findChild<QMenu *>(QStringLiteral("mnuJanela"));
}

void ChildWindowMenus::CopyViewChecks()
{
    const ChildWindowHost *host = ChildWindowHost::Loaded();
    if (!host)
        return;
    mnuExibirStatusBar->setChecked(host->StatusBarVisible());
    mnuExibirBarraPadrao->setChecked(host->StandardBarVisible());
    mnuExibirBarraCalculo->setChecked(host->CalculationBarVisible());
    mnuExibirEtiqueta->setChecked(host->LabelsVisible());
}
