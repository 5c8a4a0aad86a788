#include "frame/windows/SharedMenus.h"

#include "frame/modBase.h"

std::vector<platform::MenuRow> SharedMenus::Rows() const
{
    using enum platform::MenuFlag;
    using Host = ChildWindowHost;
    // The main window names its menus and submenus; a child window names only "Janela", where
    // the main window lists the open windows.
    const auto menuName = [this](const char *name) { return mainWindow ? name : ""; };
    const platform::MenuFlags noFlags;
    const platform::MenuFlags windowEntry = mainWindow ? platform::MenuFlags(Disabled) : noFlags;
    const auto windowCommand = [this](Host::Command command) {
        return mainWindow ? Command() : frameCommand(command);
    };
    // A View entry's tick is the main window's bar as it is: the click leaves it to the main
    // window's toggle, which ticks the entry in every window.
    const platform::MenuFlags viewEntry = Checked | CommandSetsCheck;
    const QKeySequence none;
    return {
        {1, mainWindow ? "mnuArquivoPageSetup" : "mnuArquivoConfigurarImpressao",
         "Configurar impressão...", {}, {}, [] { ConfiguraImpressora(true); }},
        {1, mainWindow ? "mnuArquivoPrint" : "mnuArquivoImprimir", captions.print,
         Qt::CTRL | Qt::Key_P, print ? noFlags : Disabled, print},
        {1, "", "-"},
        {1, menuName("mnuArquivoRecentFiles"), "Arquivos recentes"},
        {2, "mnuArquivoMRU1", "&1 RecentFile", {}, {}, openRecent(1)},
        {2, "mnuArquivoMRU2", "&2 RecentFile", {}, {}, openRecent(2)},
        {2, "mnuArquivoMRU3", "&3 RecentFile", {}, {}, openRecent(3)},
        {2, "mnuArquivoMRU4", "&4 RecentFile", {}, {}, openRecent(4)},
        {2, "mnuArquivoMRUVazio", "Vazio", {}, Disabled},
        {1, "", "-"},
        {1, "mnuArquivoSair", "Sai&r", {}, mainWindow ? noFlags : AfterMenu,
         frameCommand(Host::Exit)},
        {0, menuName("mnuExibir"), "E&xibir"},
        {1, menuName("mnuExibirBarra"), "&Barra de ferramentas"},
        {2, "mnuExibirBarraPadrao", "Botões &padrão", {}, viewEntry,
         frameCommand(Host::ToggleStandardBar)},
        {2, "mnuExibirBarraCalculo", "Barra de &calculo", {}, viewEntry,
         frameCommand(Host::ToggleCalculationBar)},
        {2, "", "-"},
        {2, "mnuExibirEtiqueta", captions.labels, {}, viewEntry,
         frameCommand(Host::ToggleLabels)},
        {1, "mnuExibirStatusBar", "Barra de &status", {}, viewEntry,
         frameCommand(Host::ToggleStatusBar)},
        {1, "", "-"},
        {1, "mnuExibirRelatorio", captions.reportsFolder,
         mainWindow ? none : QKeySequence(Qt::CTRL | Qt::Key_R), {},
         frameCommand(Host::OpenReportsFolder)},
        {1, "", "-"},
        {1, mainWindow ? "mnuExibirOptions" : "mnuFerramentasOpcoes", captions.options, {}, {},
         frameCommand(Host::Options)},
        {0, "mnuJanela", "&Janela"},
        {1, "mnuJanelaCascata", captions.cascade, {}, windowEntry,
         windowCommand(Host::CascadeWindows)},
        {1, mainWindow ? "mnuJanelaArrangeIcons" : "mnuJanelaOrganizarIcones",
         "&Organizar ícones", {}, windowEntry, windowCommand(Host::ArrangeIcons)},
        {0, menuName("mnuAjuda"), "Aj&uda"},
        {1, "mnuAjudaConteudo", "&Conteúdo e índice...",
         mainWindow ? none : QKeySequence(Qt::Key_F1), Disabled,
         frameCommand(Host::HelpContents)},
        {1, "mnuAjudaComoUsar", captions.howToUseHelp, {}, {},
         frameCommand(Host::HowToUseHelp)},
        {1, "mnuAjudaDicas", captions.tips, {}, {}, frameCommand(Host::TipOfTheDay)},
        {1, "", "-"},
        {1, menuName("mnuAjudaDocumentacao"), "D&ocumentação"},
        {2, "mnuAjudaDocumentacaoTabela0", "&Massa do Vapor Superaquecido", {}, {},
         frameCommand(Host::SteamMassTable)},
        {2, "mnuAjudaDocumentacaoTabela1", "&Volume do Vapor Superaquecido", {}, {},
         frameCommand(Host::SteamVolumeTable)},
        {1, "", "-"},
        {1, "mnuAjudaSobre", captions.about, {}, {}, frameCommand(Host::About)},
    };
}
