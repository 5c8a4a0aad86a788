#include "frmCalcQuirasol.h"

#include "calculation/ArquivoCalculo.h"
#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"
#include "calculator/windows/frmCalculadora.h"
#include "EnabledProperty.h"
#include "frame/modBase.h"
#include "frame/windows/ChildWindowHost.h"
#include "frame/windows/MdiArrangement.h"
#include "frame/windows/modBaseWindows.h"
#include "frmRelatorio.h"
#include "GridRow.h"
#include "platform/Interaction.h"
#include "platform/widgets/FramePlacement.h"
#include "platform/widgets/WindowIcons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

using namespace calculation;

namespace {

const QString OpeningText = QStringLiteral("Abrindo");

void EnableButton(const QString &key, bool enabled)
{
    if (ChildWindowHost *frame = ChildWindowHost::Loaded())
        frame->EnableButton(key, enabled);
}

// The folder part of a path, up to and including its last separator, and the name after it.
QString FolderOf(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

// ---------------------------------------------------------------------------------------
// Window

frmCalcQuirasol::frmCalcQuirasol(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Form1"));
    createControls();
    createMenus();
    Form_Load();
}

frmCalcQuirasol::~frmCalcQuirasol()
{
    // The controls go after this object: a value box losing the focus then must not reach
    // the handlers of a window that is gone.
    for (QObject *control : findChildren<QObject *>()) {
        control->disconnect(this);
        control->removeEventFilter(this);
    }
    // A report window outside the document area has no other owner.
    if (Relatorio && !Relatorio->parentWidget())
        delete Relatorio.data();
}

void frmCalcQuirasol::createMenus()
{
    BuildMenuBar(this, {.close = [this] { mnuArquivoFechar_Click(); },
                        .save = [this] { mnuArquivoSalvar_Click(); },
                        .saveAs = [this] { mnuArquivoSalvarComo_Click(); }});
}

void frmCalcQuirasol::Form_Load()
{
    Relatorio = new frmRelatorio;
    if (ChildWindowHost *frame = ChildWindowHost::Loaded())
        frame->AddChild(Relatorio)->hide();

    barraV->setMaximum(InitialRowOrder().size() - 12);
    barraV->setPageStep(InitialRowOrder().size() - 12);
    setWindowIcon(platform::CaseIcon());

    for (int n = FlowField; n <= LastField; ++n)
        if (lblDados[n])
            lblDados[n]->setText(NomeCampo[n]);

    for (int i = 1; i <= GridModel::PlateEntryCount; ++i)
        cboQuirasol->AddItem(NomePlaca[i]);
    for (int i = 0; i < GridModel::FluidEntryCount; ++i)
        cboFluido->AddItem(grid.fluidEntry(i));
    for (int i = 1; i <= GridModel::TapEntryCount; ++i)
        cboTomada->AddItem(NomeTomada[i]);
    SetControlEnabled(lblFluido, false);
    SetControlEnabled(cboFluido, false);
    SetControlEnabled(lblTomada, false);
    SetControlEnabled(cboTomada, false);

    // The grid not in use (Lista), every unit list on its first entry, specific mass.
    Show(grid.Load());

    setAlterado(false);
    Atualiza();
}

// ---------------------------------------------------------------------------------------
// The user's actions, handed to the grid's model

void frmCalcQuirasol::cboQuirasol_Click()
{
    Show(grid.choosePlate(cboQuirasol->currentIndex()));
}

void frmCalcQuirasol::cboFluido_Click()
{
    Show(grid.chooseFluid(cboFluido->currentIndex()));
}

void frmCalcQuirasol::cboTomada_Click()
{
    Show(grid.chooseTap(cboTomada->currentIndex()));
}

void frmCalcQuirasol::cboMassaDensidade_Click()
{
    Show(grid.chooseMassDensity(cboMassaDensidade->currentIndex()));
}

void frmCalcQuirasol::cboDados_Click(int index)
{
    Show(grid.chooseUnit(index, cboDados[index]->currentIndex()));
}

void frmCalcQuirasol::txtDados_Change(int index)
{
    Show(grid.typeText(index, txtDados[index]->text()));
}

// ---------------------------------------------------------------------------------------
// Value fields

void frmCalcQuirasol::txtDados_GotFocus(int index, Qt::FocusReason reason)
{
    if (busy)
        return;
    EnableButton(QStringLiteral("Calculadora"), true);
    // Coming back to the window or from a pop-up menu is no move of the user's: the rows stay.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        ScrollToRow(picDados[index]);
    // A click puts the caret under the pointer, and the box's own pop-up menu leaves the text
    // as it was; every other way in selects the whole text, the focus coming back after a
    // prompt, a message box or the calculator too.
    if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason)
        SelecionaTexto(txtDados[index]);
}

void frmCalcQuirasol::txtDados_LostFocus(int index, Qt::FocusReason reason)
{
    if (busy || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    EnableButton(QStringLiteral("Calculadora"), false);
    const QString formatted = FormattedText(txtDados[index]->text());
    if (formatted != txtDados[index]->text())
        txtDados[index]->setText(formatted);
}

void frmCalcQuirasol::txtTag_GotFocus()
{
    if (barraV->value() >= 1)
        barraV->setValue(0);
    SelecionaTexto(txtTag);
}

bool frmCalcQuirasol::eventFilter(QObject *object, QEvent *event)
{
    // The menu's shortcuts come before a text box's own keys: Ctrl+A opens a case, it does
    // not select the box's text.
    if (MenuBeforeTextBox(ownMenuBar, object, event))
        return true;
    // The wheel over the grid scrolls its rows; a unit list takes it only while in use.
    if (event->type() == QEvent::Wheel) {
        auto *list = qobject_cast<SelectorList *>(object);
        if (object == picLista || (list && !list->hasFocus())) {
            if (barraV->isEnabled())
                QApplication::sendEvent(barraV, event);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && !busy) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (object == txtTag)
                txtTag_GotFocus();
            else if (object == cboMassaDensidade)
                ScrollToRow(picDados[MassDensityField]);
            else
                for (int n = 0; n <= LastField; ++n)
                    if (object == cboDados[n])
                        ScrollToRow(picDados[n]);
        }
    }
    return QWidget::eventFilter(object, event);
}

void frmCalcQuirasol::txtDados_DblClick(int index)
{
    if (index < 0 || index > LastField || !txtDados[index])
        return;
    ValueBox *box = txtDados[index];
    QPointer<frmCalculadora> calculator = frmCalculadora::Load();
    if (!box->text().isEmpty())
        calculator->Cola(box->text());
    QWidget *window = mdiFrame();
    const QRect windowRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    const QRect boxRect(box->mapToGlobal(QPoint(0, 0)), box->size());
    // By its outer height, title bar counted: the frame it will have, and again when its
    // frame arrives from the window manager.
    platform::PlaceFrame(calculator, [windowRect, boxRect](const QSize &outer) {
        return CalculatorPosition(windowRect, boxRect, outer.height());
    });
    // The result goes to the focused control of this window: the value box.
    box->setFocus(Qt::OtherFocusReason);
    calculator->Inicia(this);
}

// ---------------------------------------------------------------------------------------
// The calculation

CaseSnapshot frmCalcQuirasol::Snapshot() const
{
    CaseSnapshot snapshot = SnapshotFromGrid(grid.state());
    snapshot.drawing = chkDesenho->isChecked();
    snapshot.caption = Caption();
    return snapshot;
}

void frmCalcQuirasol::cmdCalcular_Click()
{
    CaseSnapshot snapshot = Snapshot();
    const CalculationResult r = calculation::cmdCalcular_Click(snapshot, *this);
    Campo = r.Campo;
    Escala = r.Escala;
    if (r.DiamTubo)
        DiamTubo = *r.DiamTubo;
}

void frmCalcQuirasol::PressCalculate()
{
    if (IsControlEnabled(cmdCalcular))
        cmdCalcular->click();
}

std::optional<int> frmCalcQuirasol::ActiveFieldIndex() const
{
    if (auto *box = qobject_cast<ValueBox *>(focusWidget()))
        return box->Index;
    return std::nullopt;
}

void frmCalcQuirasol::focusField(int field)
{
    if (field >= 0 && field <= LastField && txtDados[field])
        txtDados[field]->setFocus(Qt::OtherFocusReason);
}

void frmCalcQuirasol::writeField(int field, const QString &text)
{
    if (field >= 0 && field <= LastField && txtDados[field])
        txtDados[field]->setText(text);
}

void frmCalcQuirasol::clearReport()
{
    if (Relatorio)
        Relatorio->lstRelatorio->clear();
}

void frmCalcQuirasol::addReportItem(const QString &item)
{
    if (Relatorio)
        Relatorio->lstRelatorio->addItem(item);
}

void frmCalcQuirasol::showReport(const QString &date, const QString &serviceOrder,
                                 const QString &client, const QString &caption)
{
    if (!Relatorio)
        return;
    Relatorio->txtData->setText(date);
    Relatorio->txtOS->setText(serviceOrder);
    Relatorio->txtCliente->setText(client);
    Relatorio->setCaption(caption);
    Relatorio->Show();
}

// ---------------------------------------------------------------------------------------
// Modified state, toolbar and activation

void frmCalcQuirasol::setAlterado(bool value)
{
    if (value == alterado)
        return;
    alterado = value;
    AtualizaBarra();
}

void frmCalcQuirasol::AtualizaBarra()
{
    const bool inUse = IsControlEnabled(txtTag);
    // The main toolbar speaks for the active child only; a case changing in the background
    // (saved while the frame closes, or writing its data sheet) leaves it alone.
    ChildWindowHost *frame = ChildWindowHost::Loaded();
    if (!frame || !frame->ActiveForm() || frame->ActiveForm() == this) {
        EnableButton(QStringLiteral("Calcular"), IsControlEnabled(cmdCalcular));
        EnableButton(QStringLiteral("Salvar"), inUse && alterado);
    }
    mnuArquivoSalvar->setEnabled(inUse && alterado);
    mnuArquivoSalvarComo->setEnabled(inUse);
    CopyViewChecks();
}

void frmCalcQuirasol::SyncReportHeader()
{
    if (!Relatorio || Relatorio->txtData->text() == OpeningText)
        return;
    const QString date = Relatorio->txtData->text();
    const QString serviceOrder = Relatorio->txtOS->text();
    const QString client = Relatorio->txtCliente->text();
    if (date == Data() && serviceOrder == OS() && client == Cliente())
        return;
    grid.setReportHeader(date, serviceOrder, client);
    setAlterado(true);
}

void frmCalcQuirasol::Form_Activate()
{
    Atualiza();
    SyncReportHeader();
    // Back with the focus in a value box (the window that lost the activation turned the
    // button off after the box had the focus again).
    if (ActiveFieldIndex())
        EnableButton(QStringLiteral("Calculadora"), true);
}

void frmCalcQuirasol::Form_Deactivate()
{
    EnableButton(QStringLiteral("Calcular"), false);
    EnableButton(QStringLiteral("Salvar"), false);
    EnableButton(QStringLiteral("Calculadora"), false);
}

bool frmCalcQuirasol::Form_QueryUnload()
{
    SyncReportHeader();
    return QuraFecha() != platform::vbCancel;
}

void frmCalcQuirasol::Form_Unload()
{
    Form_Deactivate();
    if (Relatorio) {
        Relatorio->Unload();
        Relatorio = nullptr;
    }
}

void frmCalcQuirasol::closeEvent(QCloseEvent *event)
{
    if (unloading) {
        event->accept();
        return;
    }
    // The closing main window has asked already, and every window agreed.
    const ChildWindowHost *frame = ChildWindowHost::Loaded();
    const bool agreed = frame && frame->IsUnloadingChildren();
    if (!agreed && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    unloading = true;
    Form_Unload();
    event->accept();
}

void frmCalcQuirasol::mnuArquivoFechar_Click()
{
    mdiFrame()->close();
}

QString frmCalcQuirasol::Caption() const
{
    return windowTitle();
}

void frmCalcQuirasol::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QWidget *frmCalcQuirasol::mdiFrame()
{
    return MdiFrame(this);
}

void frmCalcQuirasol::SetBusy(bool on)
{
    // Disabling the window takes the focus from its box. That is no move of the user's: the
    // box keeps its text as typed (a reformat would mark a case just saved as modified) and
    // has the focus again afterwards.
    if (on) {
        busy = true;
        busyState.Begin(this);
        return;
    }
    busyState.End();
    busy = false;
}

// ---------------------------------------------------------------------------------------
// Case file

void frmCalcQuirasol::Atualiza()
{
    if (!Caption().isEmpty()) {
        if (Arquivo.isEmpty() || pathFromTitle) {
            Arquivo = PathSaves() + QLatin1Char('/') + FileNameOf(Caption());
            pathFromTitle = true;
        }
        setCaption(FileNameOf(Arquivo));
    }
    AtualizaBarra();
    AtualizaMRU(this);
}

void frmCalcQuirasol::mnuArquivoSalvar_Click()
{
    QuraSave(!TemArquivo);
}

void frmCalcQuirasol::mnuArquivoSalvarComo_Click()
{
    QuraSave(true);
}

platform::FileDialogRequest frmCalcQuirasol::OpenRequest()
{
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Abrir Cálculo de Quirasol");
    request.filter = QStringLiteral("Arquivo de Cálculo de Quirasol (*.qzv)|*.qzv");
    request.flags = platform::FileDialogFlags;
    request.initialDir = PathSaves();
    return request;
}

int frmCalcQuirasol::QuraFecha()
{
    if (!alterado || !IsControlEnabled(txtTag))
        return -1;
    int answer = platform::MsgBox(
        QStringLiteral("Deseja salvar as alterações efetuadas neste Cálculo?"),
        platform::vbYesNoCancel + platform::vbQuestion, Arquivo);
    if (answer == platform::vbYes) {
        if (!QuraSave(!TemArquivo))
            answer = platform::vbCancel;
        else
            setAlterado(false);
    }
    return answer;
}

bool frmCalcQuirasol::QuraSave(bool saveAs)
{
    const bool modifiedBefore = alterado;
    const QString pathBefore = Arquivo;
    const bool fromTitleBefore = pathFromTitle;
    auto restore = [&] {
        Arquivo = pathBefore;
        pathFromTitle = fromTitleBefore;
        setAlterado(modifiedBefore);
    };
    setAlterado(false);

    if (saveAs) {
        QDir().mkpath(PathSaves());
        platform::FileDialogRequest request;
        request.title = QStringLiteral("Salvar Como");
        request.filter = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
        request.flags = platform::FileDialogFlags;
        request.initialDir = FolderOf(Arquivo);
        request.fileName = FileNameOf(Arquivo);
        const auto chosen = platform::ShowSave(request);
        if (!chosen) {
            restore();
            return false;
        }
        Arquivo = *chosen;
    }

    SetBusy(true);
    if (const auto error = WriteCaseFile(Arquivo, CaseFromGrid(grid.state()))) {
        SetBusy(false);
        restore();
        MostraErro(error->number, error->description);
        return false;
    }
    pathFromTitle = false;
    AddFileMRU(Arquivo);
    Atualiza();
    SetBusy(false);
    AtualizaBarra();
    return true;
}

void frmCalcQuirasol::QuraOpen(QString &path)
{
    if (QuraFecha() == platform::vbCancel)
        return;
    Carregando = true;
    Arquivo = path;
    pathFromTitle = false;
    setCaption(path);
    if (path.isEmpty()) {
        QDir().mkpath(PathSaves());
        const auto chosen = platform::ShowOpen(OpenRequest());
        if (!chosen) {
            TemArquivo = false;
            Carregando = false;
            return;
        }
        Arquivo = path = *chosen;
    }

    SetBusy(true);
    if (!QFileInfo(Arquivo).isFile()) {
        platform::MsgBox(QStringLiteral("Arquivo não encontrado"), platform::vbExclamation,
                         QStringLiteral("Arquivo: ") + Arquivo);
        Arquivo.clear();
    } else {
        const CaseFileReading reading = ReadCaseFile(Arquivo);
        TemArquivo = true;
        // The model takes each setting as the user's choice, from code: every list's and
        // box's handling runs, and the material's name is asked again.
        for (const LoadStep &step : LoadSteps(reading))
            Show(grid.apply(step));
        if (!reading.ok()) {
            SetBusy(false);
            TemArquivo = false;
            Carregando = false;
            // A refused file has nothing loaded: the box names it.
            const bool refused = reading.stop == CaseFileReading::BeyondLimits;
            MostraErro(reading.error.number,
                       reading.error.description + (refused ? QStringLiteral(": ") + Arquivo
                                                            : QString()));
            return;
        }
        if (Relatorio) {
            Relatorio->txtData->setText(Data());
            Relatorio->txtOS->setText(OS());
            Relatorio->txtCliente->setText(Cliente());
        }
        AddFileMRU(Arquivo);
    }
    Carregando = false;
    Atualiza();
    setAlterado(false);
    SetBusy(false);
}
