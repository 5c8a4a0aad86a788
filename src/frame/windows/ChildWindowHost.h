#pragma once
// The main window as its child windows see it. The case and report windows reach the frame
// only through this interface, never through mdiMenu itself: the frame's windows form a
// library of their own that knows nothing of theirs (the frame opens cases through the
// opener of the program's state, ProgramState::caseOpener). mdiMenu implements it; the other
// way round, the frame asks its children through ChildWindow.

class QMdiSubWindow;
class QString;
class QWidget;

class ChildWindowHost
{
public:
    // The frame's commands that the child windows' menus give as the frame's own.
    enum Command {
        CloseAllCases,        // "Fechar todos"
        Exit,                 // "Sair"
        ToggleStandardBar,    // the View entries: each toggles a bar of the frame
        ToggleCalculationBar,
        ToggleLabels,
        ToggleStatusBar,
        OpenReportsFolder,    // "Relatórios"
        Options,
        HelpContents,
        HowToUseHelp,
        TipOfTheDay,
        SteamMassTable,       // the two steam tables of "Documentação"
        SteamVolumeTable,
        About,
        CascadeWindows,       // the Window menu
        ArrangeIcons,
    };

    // The loaded main window, or nullptr: a child window never loads it.
    static ChildWindowHost *Loaded();

    virtual void RunCommand(Command comando) = 0;

    // The frame's bars as they are, which the View entries of every window tick.
    virtual bool StandardBarVisible() const = 0;
    virtual bool CalculationBarVisible() const = 0;
    virtual bool LabelsVisible() const = 0;
    virtual bool StatusBarVisible() const = 0;

    // Enables a toolbar button by its key ("Salvar", "Calcular", "Calculadora", "Imprimir",
    // "Exportar"...); an unknown key is passed over.
    virtual void EnableButton(const QString &chave, bool habilitado) = 0;

    // Wraps a child window in a sub-window of the document area, deleted when it closes; to
    // hide the child, hide its sub-window.
    virtual QMdiSubWindow *AddChild(QWidget *filha) = 0;
    // Shows a child and makes it the active one (once the frame is no longer busy).
    virtual void ActivateChild(QMdiSubWindow *filha) = 0;
    // The active child window's widget, or nullptr.
    virtual QWidget *ActiveForm() const = 0;
    // Refreshes the frame's title and recent-files menu.
    virtual void Atualiza() = 0;

    // True while the frame is closing: the children's unloads then go through.
    virtual bool IsClosing() const = 0;
    // True while the frame unloads its children after every one of them agreed to close: a
    // child then closes without asking again.
    virtual bool IsUnloadingChildren() const = 0;

protected:
    ~ChildWindowHost() = default;
};
