#pragma once
// The options dialog: the main window's four bars, the start-up association check and the tip
// of the day, kept in the settings store. Opening stores the bars as the main window shows
// them, then ticks each box from its stored switch; "Aplicar" (and OK after a change) stores
// every box and sets the main window's bars as the boxes show them. Modal, made afresh for
// every opening.

#include "frame/Options.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;

class frmOpcao : public QDialog
{
    Q_OBJECT

public:
    // What the dialog needs of the main window: whether bar i (frame::OptionBar) shows, and
    // the toggle of bar i. Without them the bars read as shown and are left alone.
    struct Bars
    {
        std::function<bool(int)> isShown;
        std::function<void(int)> toggle;
    };

    explicit frmOpcao(Bars bars, QWidget *parent = nullptr);

    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    QGroupBox *fraExibir = nullptr;
    QGroupBox *fraGeral = nullptr;
    std::array<QCheckBox *, frame::OptionCount> chkOpcao{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdApply = nullptr;

    bool OpcoesAlteradas() const { return state.Changed(); }

private:
    void Form_Load();
    void chkOpcao_Click();

    Bars bars;
    frame::OptionsState state;
};
