#pragma once
// The menu bar a calculation window and a report window carry, named after the controls.
// The frame shows its menus in its own menu bar while the window is the active child; each
// window builds the entries and connects them itself.

class QAction;
class QMenu;
class QMenuBar;

struct AcoesMenuFilha {
    QMenuBar *barraMenu = nullptr;
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
};
