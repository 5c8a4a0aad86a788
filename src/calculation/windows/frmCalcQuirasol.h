#pragma once
// The document window of one case. The user picks plate type, fluid class and tap position
// (in that order); the fluid class lays out the data grid (one row per field number, rows
// stacked by GridRules and scrolled by barraV), and every unit list or value box change runs
// its rule at once. "Calcular" takes a snapshot of the grid and runs the sizing calculation
// with this window as its host, which fills this case's own report window (Relatorio).
// QuraSave/QuraOpen map the controls to and from the case file through CaseMapping; Alterado
// tracks unsaved changes and AtualizaBarra keeps the Save commands and the main toolbar in step.
// frmCalcQuirasolGrid.cpp builds the controls (ValueBox, SelectorList, GridRow) and holds the
// grid's procedures and scrolling.

#include "calculation/CaseMapping.h"
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

    // Window variables.
    int Placa = 0;
    int Fluido = -1;
    int Tomada = 0;
    float FatorDP = 1.0f;
    QString Material;
    QString Arquivo;
    bool TemArquivo = false;
    bool Carregando = false;
    QString Data;
    QString OS;
    QString Cliente;
    int Campo = 0;
    int Escala = 0;
    double DiamTubo = 0;
    QPointer<frmRelatorio> Relatorio;

    bool Alterado() const { return alterado; }

    // Grid procedures (frmCalcQuirasolGrid.cpp).
    void CampoDados(int campo, bool aplicavel);
    void AlteraEscalas(int classeFluido);
    void AddItemCombo(int campo, int codigoUnidade);
    void Lista(bool habilitar);

    // Value fields and the calculator hand-off.
    void txtDados_DblClick(int indice) override;

    // Case file, title and refresh.
    void QuraOpen(QString &caminho);
    bool QuraSave(bool salvarComo);
    int QuraFecha();
    // The open dialog of a case file, in the case folder.
    static platform::FileDialogRequest OpenRequest();
    void Atualiza() override;
    void AtualizaBarra();
    void mnuArquivoSalvar_Click() override;
    void cmdCalcular_Click();
    // The grid's state as the controls show it: what a calculation and a save are made of.
    calculation::GridState gridState() const;

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
    std::array<QWidget *, 31> picDados = {};
    std::array<QLabel *, 31> lblDados = {};
    std::array<ValueBox *, 31> txtDados = {};
    std::array<SelectorList *, 31> cboDados = {};
    QLabel *lblTag = nullptr;
    QLineEdit *txtTag = nullptr;
    QLabel *lblMassaDensidade = nullptr;
    SelectorList *cboMassaDensidade = nullptr;

    // The calculation's host side.
    void focusField(int campo) override;
    void writeField(int campo, const QString &texto) override;
    void clearReport() override;
    void addReportItem(const QString &item) override;
    void showReport(const QString &data, const QString &os, const QString &cliente,
                    const QString &caption) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    void createControls();
    void createGrid(QWidget *corpo);
    void createRow(int campo, int posicao);
    void createMenus();
    void Form_Load();
    bool Form_QueryUnload() override;
    void Form_Unload();
    void setAlterado(bool valor);
    void CarregaUnidades();
    void OrganizaCampos();
    void SyncReportHeader();

    void cboQuirasol_Click();
    void cboFluido_Click();
    void cboTomada_Click();
    void cboMassaDensidade_Click();
    void cboDados_Click(int indice);
    void barraV_Change();
    void txtDados_Change(int indice);
    void txtDados_GotFocus(int indice, Qt::FocusReason motivo);
    void txtDados_LostFocus(int indice, Qt::FocusReason motivo);
    void ScrollToRow(QWidget *linha);
    void txtTag_GotFocus();
    void mnuArquivoSalvarComo_Click();
    void mnuArquivoFechar_Click();

    calculation::CaseSnapshot Snapshot() const;
    void applyLoadStep(const calculation::LoadStep &step);
    void SetBusy(bool ocupado);

    bool alterado = false;
    bool unloading = false;
    // While a case file is read or written: the window is disabled, focus moves are not the
    // user's, and the control that had the focus gets it back.
    bool busy = false;
    BusyWindow busyState;
    // Arquivo was made from the title (a case never read nor written): it follows the title.
    bool pathFromTitle = true;
};
