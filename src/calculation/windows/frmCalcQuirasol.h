#pragma once
// The document window of one case, a view of its grid's model (calculation::GridModel). The
// user picks plate type, fluid class and tap position (in that order), units, mass or density
// and types values; each handler hands the action to the model and shows the changes it
// reports, in their order: rows marked and stacked, lists rebuilt and set, texts written. The
// questions a change asks (the fluid's and the material's name), the enabling, the focus, the
// scrolling and the calculator are the window's. "Calcular" runs the sizing calculation on a
// snapshot of the model's state with this window as its host, which fills this case's own
// report window (Relatorio). QuraOpen hands a case file's settings to the model as the user's
// would be; QuraSave writes the model's state. Alterado tracks unsaved changes and
// AtualizaBarra keeps the Save commands and the main toolbar in step.
// frmCalcQuirasolGrid.cpp builds the controls (ValueBox, SelectorList, GridRow) and shows the
// model's changes in them.

#include "calculation/CaseMapping.h"
#include "calculation/GridModel.h"
#include "calculation/SizingCalculation.h"
#include "calculation/windows/ChildWindowMenus.h"
#include "calculation/windows/SelectorList.h"
#include "calculation/windows/ValueBox.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/MdiArrangement.h"
#include "platform/Interaction.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class frmRelatorio;

class frmCalcQuirasol : public QWidget,
                        public ChildWindow,
                        public ChildWindowMenus,
                        public calculation::CalculationHost
{
    Q_OBJECT

public:
    explicit frmCalcQuirasol(QWidget *parent = nullptr);
    ~frmCalcQuirasol() override;

    // Window variables; those of the grid are the model's.
    int Placa() const { return grid.Placa(); }
    int Fluido() const { return grid.Fluido(); }
    int Tomada() const { return grid.Tomada(); }
    float FatorDP() const { return grid.state().fatorDP; }
    const QString &Material() const { return grid.Material(); }
    const QString &Data() const { return grid.state().date; }
    const QString &OS() const { return grid.state().serviceOrder; }
    const QString &Cliente() const { return grid.state().client; }
    QString Arquivo;
    bool TemArquivo = false;
    bool Carregando = false;
    int Campo = 0;
    int Escala = 0;
    double DiamTubo = 0;
    QPointer<frmRelatorio> Relatorio;

    bool Alterado() const { return alterado; }

    // The grid shown (frmCalcQuirasolGrid.cpp): a row's mark, the grid in use or not.
    void CampoDados(int field, bool applicable);
    void Lista(bool enable);

    // Value fields and the calculator hand-off.
    void txtDados_DblClick(int index) override;

    // Case file, title and refresh.
    void QuraOpen(QString &path);
    bool QuraSave(bool saveAs);
    int QuraFecha();
    // The open dialog of a case file, in the case folder.
    static platform::FileDialogRequest OpenRequest();
    void Atualiza() override;
    void AtualizaBarra();
    void mnuArquivoSalvar_Click() override;
    void cmdCalcular_Click();
    // The grid's state: what a calculation and a save are made of.
    const calculation::GridState &gridState() const { return grid.state(); }

    // What the frame asks of its active child.
    void PressCalculate() override;
    std::optional<int> ActiveFieldIndex() const override;
    QMenuBar *OwnMenuBar() const override { return ownMenuBar; }
    bool IsCaseWindow() const override { return true; }

    QString Caption() const;
    void setCaption(const QString &caption);
    // The window, or the MDI frame that holds it.
    QWidget *mdiFrame();
    // Activation and its loss, called by the frame when the window becomes the active child.
    void Form_Activate() override;
    void Form_Deactivate() override;

    // Controls, named after the system's controls; arrays indexed by field number, null where
    // the field has no such control.
    QGroupBox *fraMisc = nullptr;
    QLabel *lblQuirasol = nullptr;
    SelectorList *cboQuirasol = nullptr;
    QLabel *lblFluido = nullptr;
    SelectorList *cboFluido = nullptr;
    QLabel *lblTomada = nullptr;
    SelectorList *cboTomada = nullptr;
    QCheckBox *chkDesenho = nullptr;
    QPushButton *cmdCalcular = nullptr;

    QWidget *picLista = nullptr;
    QWidget *picMenu = nullptr;
    std::array<QLabel *, 3> lblMenu = {};
    QScrollBar *barraV = nullptr;
    QWidget *picMove = nullptr;
    std::array<QWidget *, calculation::FieldCount> picDados = {};
    std::array<QLabel *, calculation::FieldCount> lblDados = {};
    std::array<ValueBox *, calculation::FieldCount> txtDados = {};
    std::array<SelectorList *, calculation::FieldCount> cboDados = {};
    QLabel *lblTag = nullptr;
    QLineEdit *txtTag = nullptr;
    QLabel *lblMassaDensidade = nullptr;
    SelectorList *cboMassaDensidade = nullptr;

    // The calculation's host side.
    void focusField(int field) override;
    void writeField(int field, const QString &text) override;
    void clearReport() override;
    void addReportItem(const QString &item) override;
    void showReport(const QString &date, const QString &serviceOrder, const QString &client,
                    const QString &caption) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void createControls();
    void createGrid(QWidget *body);
    void createRow(int field, int position);
    void createMenus();
    void Form_Load();
    bool Form_QueryUnload() override;
    void Form_Unload();
    void setAlterado(bool value);
    void SyncReportHeader();

    // The model's changes brought into the controls, in their order.
    void Show(const calculation::GridChanges &changes);
    void Show(const calculation::GridChange &change);
    void ShowSelector(SelectorList *selector, int position, QLabel *nextLabel,
                      SelectorList *next);
    void ShowUnitList(int field);
    void ShowRowLayout();

    void cboQuirasol_Click();
    void cboFluido_Click();
    void cboTomada_Click();
    void cboMassaDensidade_Click();
    void cboDados_Click(int index);
    void barraV_Change();
    void txtDados_Change(int index);
    void txtDados_GotFocus(int index, Qt::FocusReason reason);
    void txtDados_LostFocus(int index, Qt::FocusReason reason);
    void ScrollToRow(QWidget *row);
    void txtTag_GotFocus();
    void mnuArquivoSalvarComo_Click();
    void mnuArquivoFechar_Click();

    calculation::CaseSnapshot Snapshot() const;
    void SetBusy(bool on);

    calculation::GridModel grid;
    bool alterado = false;
    bool unloading = false;
    // While a case file is read or written: the window is disabled, focus moves are not the
    // user's, and the control that had the focus gets it back.
    bool busy = false;
    BusyWindow busyState;
    // Arquivo was made from the title (a case never read nor written): it follows the title.
    bool pathFromTitle = true;
};
