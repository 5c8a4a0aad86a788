#pragma once
// The main window: the multiple-document frame that holds every case and report window.
//
// Main (Main.h) creates it hidden; its load restores the bar switches, the placement and the
// recent-files list from the settings store. The two toolbars sit side by side in the band
// container cobBarra above the document area (ToolbarBands); their buttons act on the active
// child window through ChildWindow, and the child windows enable them by key (EnableButton).
// Child windows reach the frame only through ChildWindowHost, which it implements; the frame
// opens cases through the program state's case opener. A child that has a menu bar of its
// own replaces the frame's menus while it is active. Closing the frame stores the recent
// files, asks every child in turn (a case with changes may refuse, and then every window
// stays open), unloads the children, then stores the bars and the placement. A second start
// of the program hands its command line over the local server started by StartServer,
// which arrives in MDIForm_LinkExecute.

#include "frame/FrameRules.h"
#include "frame/windows/ChildWindowHost.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class ChildWindow;
class CommandServer;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolBar;
class ToolbarBands;

class mdiMenu : public QMainWindow, public ChildWindowHost
{
    Q_OBJECT

public:
    // The single instance, created hidden (and loaded) on first use.
    static mdiMenu *Instance();
    // The instance when it exists, else nullptr (for windows that must not create it).
    static mdiMenu *Existing();

    ~mdiMenu() override;

    // Public procedures the start-up, RunCommand and the auxiliary windows' openers call.
    void mnuAjudaDicas_Click();
    void mnuAjudaDocumentacaoTabela_Click(int index);
    void mnuAjudaConteudo_Click();
    void mnuAjudaComoUsar_Click();
    void mnuArquivoFecharTodos_Click();
    void mnuExibirBarraCalculo_Click();
    void mnuExibirBarraPadrao_Click();
    void mnuExibirEtiqueta_Click();
    void mnuExibirRelatorio_Click();
    void mnuExibirStatusBar_Click();
    void mnuArquivoNew_Click();
    void Atualiza() override;

    // The other menu and toolbar handlers.
    void mnuArquivoOpen_Click();
    void mnuArquivoMRU_Click(int index);
    void mnuArquivoSair_Click();
    void mnuExibirOptions_Click();
    void mnuAjudaSobre_Click();
    void tbPadrao_ButtonClick(const QString &chave);
    void tbCalculo_ButtonClick(const QString &chave);

    // A second start's command ("/P " and its command line, or a case path).
    void MDIForm_LinkExecute(const QString &comando);
    // Starts answering second starts on the named local server; false when it cannot.
    bool StartServer(const QString &nome);

    // Toolbar buttons by key: "Novo", "Abrir", "Salvar", "Sair" (tbPadrao), "Calcular",
    // "Calculadora", "Imprimir", "Exportar" (tbCalculo). nullptr for an unknown key.
    QAction *Botao(const QString &chave) const;
    void EnableButton(const QString &chave, bool habilitado) override;

    // The view state the child windows copy into their own View menus.
    bool StandardBarVisible() const override;
    bool CalculationBarVisible() const override;
    bool LabelsVisible() const override;
    bool StatusBarVisible() const override;
    // The sizes of the two toolbar bands, in twips, as they were last fitted.
    frame::Bands Bands() const;

    // A frame command a child window's menu gives.
    void RunCommand(Command comando) override;

    // The document area; children are added with AddChild, which wraps the widget in a
    // sub-window that is deleted when it closes. To hide a child, hide its sub-window
    // (filha->parentWidget()).
    QMdiArea *Area() const { return mdiArea; }
    QMdiSubWindow *AddChild(QWidget *filha) override;
    // Shows a child and makes it the active one. While the frame is busy (disabled) no child
    // can become active: this one does as soon as the frame is enabled again.
    void ActivateChild(QMdiSubWindow *filha) override;
    // The active child window's widget, or nullptr.
    QWidget *ActiveForm() const override;
    // True while the frame is closing: the children's unloads then go through.
    bool IsClosing() const override { return closing; }
    // True while the frame unloads its children after every one of them agreed to close:
    // a child then closes without asking again.
    bool IsUnloadingChildren() const override { return unloadingChildren; }

    // The last window state other than minimised: 0 normal, 2 maximised.
    int UltimoEstado = 0;

    // Controls, public as the auxiliary windows' openers and the tests read them.
    QWidget *cobBarra = nullptr;
    QToolBar *tbPadrao = nullptr;
    QToolBar *tbCalculo = nullptr;
    QStatusBar *sbStatusBar = nullptr;
    QMenu *mnuExibirBarra = nullptr;
    QAction *mnuExibirBarraPadrao = nullptr;
    QAction *mnuExibirBarraCalculo = nullptr;
    QAction *mnuExibirEtiqueta = nullptr;
    QAction *mnuExibirStatusBar = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Watches the children: one that hides or closes hands the activation on.
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    mdiMenu();
    void createMenus();
    void createStatusBar();
    void UpdateClock();

    void MDIForm_Load();
    void MDIForm_QueryUnload();
    void MDIForm_Unload();
    // Closes one child window; false when it refused.
    bool UnloadChild(QMdiSubWindow *filha);

    void ChildActivated();
    void ChildHidden(QMdiSubWindow *filha);
    void ResumeActivation();
    void ShowChildMenus();
    void ListWindowsIn(QMenu *menu);

    void ToggleBand(QToolBar *banda, QAction *entrada);
    void CheckInChildren(QAction *entrada);

    struct Private;
    std::unique_ptr<Private> d;
    QMdiArea *mdiArea = nullptr;
    bool closing = false;
    bool unloadingChildren = false;
};
