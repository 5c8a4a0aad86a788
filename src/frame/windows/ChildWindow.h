#pragma once
// What the main window asks of its active child window. The frame's toolbars act on the
// active child through these members; a child that lacks one keeps the default, which does
// nothing, so the frame's command is skipped silently. Child windows are QWidgets that also
// derive from ChildWindow; the frame finds it with dynamic_cast.

#include <QString>
#include <optional>

class QMenuBar;

class ChildWindow
{
public:
    virtual ~ChildWindow() = default;

    // "Calcular": presses the window's calculate button (cmdCalcular = True).
    virtual void PressCalculate() {}
    // The field number of the focused value box, if the focused control has one.
    virtual std::optional<int> ActiveFieldIndex() const { return std::nullopt; }
    // "Calculadora": opens the desk calculator on value field `index`.
    virtual void txtDados_DblClick(int index) { (void)index; }
    // "Salvar": saves the case.
    virtual void mnuArquivoSalvar_Click() {}
    // "Imprimir" and "Exportar": print and export the data sheet.
    virtual void mnuArquivoImprimir_Click() {}
    virtual void mnuArquivoExportarRelatorio_Click() {}
    // The child's copy of a View check ("mnuExibirBarraPadrao", "mnuExibirBarraCalculo",
    // "mnuExibirEtiqueta", "mnuExibirStatusBar"). The default looks for a checkable QAction
    // of that object name among the window's children and sets it.
    virtual void SetViewCheck(const QString &nome, bool marcado);
    // The window's own menu bar, which replaces the frame's menus while the window is
    // active; nullptr: the frame's menus stay. The child owns it and keeps it hidden (out of
    // its layout): the frame shows its menus in the frame's own menu bar.
    virtual QMenuBar *OwnMenuBar() const { return nullptr; }
    // The window became the active child, or stopped being it (called by the frame).
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    // True for a case window, which "Fechar todos" closes.
    virtual bool IsCaseWindow() const { return false; }
    // Refresh of title, toolbar buttons and recent-files menu.
    virtual void Atualiza() {}
    // Asked in turn, before any child unloads, when the main window closes: false refuses,
    // and then every window stays open. A child that agreed is closed afterwards without
    // being asked again (mdiMenu::IsUnloadingChildren).
    virtual bool Form_QueryUnload() { return true; }
};
