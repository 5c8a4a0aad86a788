#pragma once
// The menu bar a calculation window and a report window carry, named after the controls.
// The frame shows its menus in its own menu bar while the window is the active child. Both
// windows' menus are one table: the head of the File menu below, the rest the rows every
// window shares (frame/windows/SharedMenus.h); a window gives only what is its own
// (OwnEntries), and BuildMenuBar finds the entries below in what the table built. The
// frame's own commands run through ChildWindowHost.

#include "frame/windows/SharedMenus.h"

#include <functional>

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

    // What a window's menus give of its own; a command left empty leaves its entry disabled.
    struct OwnEntries {
        const char *openCaption = "&Abrir";
        std::function<void()> close = {};
        std::function<void()> save = {};   // "Salvar"
        std::function<void()> saveAs = {}; // "Salvar como..."
        bool saveAll = false;              // a hidden, disabled "Salvar todos" after them
        std::function<void()> exportReport = {};
        std::function<void()> print = {};
        SharedMenuCaptions captions = {};
    };

    // Builds the window's menu bar, hidden (the frame shows its menus), and finds the entries
    // above in it by their object names.
    void BuildMenuBar(QWidget *window, const OwnEntries &own);
    // The four View entries take the state of the main window's bars, if it is loaded.
    void CopyViewChecks();
};
