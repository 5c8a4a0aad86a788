#pragma once
// The report window of one case: a header the user may edit (date, service order, client),
// the column header and the data sheet list, in a fixed-pitch font. The case's calculation
// window creates it hidden, fills the list and the header, sets the caption and shows it;
// from here the data sheet is printed or exported as a text file. Closing it by its close box
// or "Fechar" only hides it; it goes away with its calculation window (Unload) or when
// the main window closes. Add it to the main window with ChildWindowHost::AddChild.

#include "calculation/ReportSheet.h"
#include "calculation/windows/ChildWindowMenus.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/MdiArrangement.h"

#include <QWidget>

class QAction;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

class frmRelatorio : public QWidget, public ChildWindow, public ChildWindowMenus
{
    Q_OBJECT

public:
    explicit frmRelatorio(QWidget *parent = nullptr);
    ~frmRelatorio() override;

    // Members the calculation window uses by name.
    QListWidget *lstRelatorio = nullptr; // the data sheet, one blank in front of each line
    QLineEdit *txtData = nullptr;        // "Abrindo" until a header has been filled
    QLineEdit *txtOS = nullptr;
    QLineEdit *txtCliente = nullptr;

    QString Caption() const;
    void setCaption(const QString &caption);
    // Shows the window (its MDI frame too) and brings it to the front.
    void Show();
    void ZOrder();
    // The unload that goes through: the calculation window's closing or the program's end.
    void Unload();

    // Public procedures the main window calls by name on its active child.
    void mnuArquivoExportarRelatorio_Click() override;
    void mnuArquivoImprimir_Click() override;
    void Atualiza() override;
    QMenuBar *OwnMenuBar() const override { return ownMenuBar; }

    // Activation and its loss in the main window's document area.
    void Form_Activate() override;
    void Form_Deactivate() override;

    QLabel *lblData = nullptr;
    QLabel *lblOS = nullptr;
    QLabel *lblCliente = nullptr;
    QLabel *lblMenu = nullptr;
    QPushButton *cmdAgora = nullptr;

    // Its menu bar's entries beyond those of every child window (ChildWindowMenus).
    QAction *mnuArquivoSalvarTodos = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void createControls();
    void createMenus();
    void cmdAgora_Click();
    void mnuArquivoFechar_Click();
    // The window, or the MDI frame that holds it.
    QWidget *mdiFrame();
    void SetBusy(bool ocupado);
    calculation::ReportHeader Header() const;
    QStringList Items() const;

    bool unloading = false;
    bool active = false;
    BusyWindow busyState;
};
