#pragma once
// The menu bar a calculation window and a report window carry, named after the controls.
// The frame shows its menus in its own menu bar while the window is the active child; each
// window writes its menus as a table (platform/widgets/MenuTable.h) over the commands below,
// and BuildMenuBar finds the entries in what the table built. The frame's own commands run
// through ChildWindowHost.

#include "frame/windows/ChildWindowHost.h"
#include "platform/widgets/MenuTable.h"

#include <functional>
#include <span>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

struct ChildWindowMenus {
    QMenuBar *ownMenuBar = nullptr;
    QAction *mnuArquivoNovo = nullptr;
    QAction *mnuArquivoAbrir = nullptr;
    QAction *mnuArquivoFechar = nullptr;
    QAction *mnuArquivoFecharTodos = nullptr;
    QAction *mnuArquivoSalvar = nullptr;
    QAction *mnuArquivoSalvarComo = nullptr;
    QAction *mnuArquivoExportarRelatorio = nullptr;
    QAction *mnuArquivoConfigurarImpressao = nullptr;
    QAction *mnuArquivoImprimir = nullptr;
    QAction *mnuArquivoMRU[5] = {}; // elements 1 to 4
    QAction *mnuArquivoMRUVazio = nullptr;
    QAction *mnuArquivoSair = nullptr;
    QAction *mnuExibirBarraPadrao = nullptr;
    QAction *mnuExibirBarraCalculo = nullptr;
    QAction *mnuExibirEtiqueta = nullptr;
    QAction *mnuExibirStatusBar = nullptr;
    QAction *mnuExibirRelatorio = nullptr;
    QAction *mnuFerramentasOpcoes = nullptr;
    QMenu *mnuJanela = nullptr; // the main window lists the open windows in it
    QAction *mnuJanelaCascata = nullptr;
    QAction *mnuJanelaOrganizarIcones = nullptr;
    QAction *mnuAjudaConteudo = nullptr;
    QAction *mnuAjudaComoUsar = nullptr;
    QAction *mnuAjudaDicas = nullptr;
    QAction *mnuAjudaDocumentacaoTabela[2] = {};
    QAction *mnuAjudaSobre = nullptr;

    // Builds the window's menu bar from its table, hidden (the frame shows its menus), and
    // finds the entries above in it by their object names.
    void BuildMenuBar(QWidget *janela, std::span<const platform::MenuRow> linhas);
    // The four View entries take the state of the main window's bars, if it is loaded.
    void CopyViewChecks();

    // Commands the menus of both windows give.
    // The main window's command, while the main window is loaded.
    static std::function<void()> FrameCommand(ChildWindowHost::Command comando);
    // A new untitled case, or a case picked in the open dialog.
    static void NewCase();
    static void OpenCase();
    // The case of recent-files entry n (1 to 4).
    static std::function<void()> OpenRecentCase(int n);
    static void PrintSetup();
    static void Options();
    static void CascadeWindows();
    static void ArrangeIcons();
    // Steam table `index` (0 mass, 1 volume), through the main window.
    static std::function<void()> SteamTable(int index);
    // The View entries: a click leaves the tick to the main window's toggle, which ticks the
    // entry of every window after the bar's new state.
    static constexpr platform::MenuFlags ViewEntry =
        platform::MenuFlag::Checked | platform::MenuFlag::CommandSetsCheck;
};
