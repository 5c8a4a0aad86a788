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

void EnableButton(const QString &chave, bool habilitado)
{
    if (ChildWindowHost *menu = ChildWindowHost::Loaded())
        menu->EnableButton(chave, habilitado);
}

// The folder part of a path, up to and including its last separator, and the name after it.
QString FolderOf(const QString &caminho)
{
    return caminho.left(caminho.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FileNameOf(const QString &caminho)
{
    return caminho.mid(caminho.lastIndexOf(QLatin1Char('/')) + 1);
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
    for (QObject *controle : findChildren<QObject *>()) {
        controle->disconnect(this);
        controle->removeEventFilter(this);
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
    if (ChildWindowHost *menu = ChildWindowHost::Loaded())
        menu->AddChild(Relatorio)->hide();

    barraV->setMaximum(InitialRowOrder().size() - 12);
    barraV->setPageStep(InitialRowOrder().size() - 12);
    setWindowIcon(platform::CaseIcon());

    for (int n = 2; n <= LastField; ++n)
        if (lblDados[n])
            lblDados[n]->setText(NomeCampo[n]);

    Lista(false);

    for (int i = 1; i <= 2; ++i)
        cboQuirasol->AddItem(NomePlaca[i]);
    for (int i = 1; i <= 3; ++i)
        cboFluido->AddItem(NomeFluido[i]);
    for (int i = 1; i <= 4; ++i)
        cboTomada->AddItem(NomeTomada[i]);
    SetControlEnabled(lblFluido, false);
    SetControlEnabled(cboFluido, false);
    SetControlEnabled(lblTomada, false);
    SetControlEnabled(cboTomada, false);

    CarregaUnidades();
    cboMassaDensidade->setListIndex(0);

    setAlterado(false);
    Atualiza();
}

// ---------------------------------------------------------------------------------------
// Selectors and unit lists

void frmCalcQuirasol::cboQuirasol_Click()
{
    setAlterado(true);
    const bool escolhido = cboQuirasol->currentIndex() != -1;
    SetControlEnabled(lblFluido, escolhido);
    SetControlEnabled(cboFluido, escolhido);
    Placa = cboQuirasol->currentIndex() + 1;
    Lista(cboQuirasol->currentIndex() > -1 && cboFluido->currentIndex() > -1
          && cboTomada->currentIndex() > -1);
}

void frmCalcQuirasol::cboFluido_Click()
{
    setAlterado(true);
    const int posicao = cboFluido->currentIndex();
    SetControlEnabled(lblTomada, posicao != -1);
    SetControlEnabled(cboTomada, posicao != -1);
    if (posicao < 0)
        return;
    Fluido = posicao;
    const QString entrada = cboFluido->itemText(posicao);
    const QString proposto = ProposedFluidName(entrada);
    if (!Carregando) {
        const QString resposta = platform::InputBox(
            QStringLiteral("Digite o nome do 'Fluido' utilizado"),
            QStringLiteral("Tipo de fluido: ") + entrada, proposto);
        cboFluido->setItemText(posicao, FluidSelectorEntry(NomeFluido[posicao + 1], resposta));
    }
    NomeFluido[0] = cboFluido->currentText();
    AlteraEscalas(posicao);
    Lista(cboQuirasol->currentIndex() > -1 && cboFluido->currentIndex() > -1
          && cboTomada->currentIndex() > -1);
}

void frmCalcQuirasol::cboTomada_Click()
{
    setAlterado(true);
    Tomada = cboTomada->currentIndex() + 1;
    NomeTomada[0] = cboTomada->currentText();
    Lista(cboQuirasol->currentIndex() > -1 && cboFluido->currentIndex() > -1
          && cboTomada->currentIndex() > -1);
}

void frmCalcQuirasol::cboMassaDensidade_Click()
{
    const int p = cboMassaDensidade->currentIndex();
    for (const int n : DensityFields) {
        if (lblDados[n])
            lblDados[n]->setText(FieldLabel(n, p != 0));
        if (cboDados[n])
            cboDados[n]->setListIndex(p);
    }
}

void frmCalcQuirasol::cboDados_Click(int indice)
{
    setAlterado(true);
    Fluido = cboFluido->currentIndex();
    SelectorList *lista = cboDados[indice];
    const int posicao = lista->currentIndex();
    switch (indice) {
    case 2:
        for (const FieldMark &m : FlowUnitRule(lista->currentData().toInt(), Fluido))
            CampoDados(m.field, m.applicable);
        break;
    case 5:
        if (const auto fator = calculation::FatorDP(posicao))
            FatorDP = *fator;
        break;
    case 10:
    case 12:
    case 14:
        for (const int n : AbsolutePressureFields)
            cboDados[n]->setListIndex(posicao);
        if (const auto texto = StandardReadingPressure(cboFluido->currentIndex(),
                                                       cboDados[2]->currentIndex(), posicao))
            txtDados[10]->setText(*texto);
        break;
    case 29:
        if (posicao == 0) {
            txtDados[29]->setReadOnly(true);
            txtDados_Change(9);
        } else if (posicao > 0) {
            const QString resposta = platform::InputBox(
                QStringLiteral("Digite o nome do material utilizado"),
                QStringLiteral("Material da placa"), lista->itemText(posicao));
            Material = resposta;
            if (!resposta.isEmpty())
                lista->setItemText(posicao, resposta);
            txtDados[29]->setReadOnly(false);
            txtDados[29]->setFocus();
        }
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Value fields

void frmCalcQuirasol::txtDados_Change(int indice)
{
    setAlterado(true);
    if (indice == 9 && cboDados[29] && cboDados[29]->currentIndex() == 0) {
        txtDados[29]->setText(QString());
        txtDados[29]->setText(MaterialFactorText(txtDados[9]->text()));
    }
}

void frmCalcQuirasol::txtDados_GotFocus(int indice, Qt::FocusReason motivo)
{
    if (busy)
        return;
    EnableButton(QStringLiteral("Calculadora"), true);
    // Coming back to the window or from a pop-up menu is no move of the user's: the rows stay.
    if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
        ScrollToRow(picDados[indice]);
    // A click puts the caret under the pointer, and the box's own pop-up menu leaves the text
    // as it was; every other way in selects the whole text, the focus coming back after a
    // prompt, a message box or the calculator too.
    if (motivo != Qt::MouseFocusReason && motivo != Qt::PopupFocusReason)
        SelecionaTexto(txtDados[indice]);
}

void frmCalcQuirasol::txtDados_LostFocus(int indice, Qt::FocusReason motivo)
{
    if (busy || motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason)
        return;
    EnableButton(QStringLiteral("Calculadora"), false);
    const QString formatado = FormattedText(txtDados[indice]->text());
    if (formatado != txtDados[indice]->text())
        txtDados[indice]->setText(formatado);
}

void frmCalcQuirasol::txtTag_GotFocus()
{
    if (barraV->value() >= 1)
        barraV->setValue(0);
    SelecionaTexto(txtTag);
}

bool frmCalcQuirasol::eventFilter(QObject *objeto, QEvent *event)
{
    // The menu's shortcuts come before a text box's own keys: Ctrl+A opens a case, it does
    // not select the box's text.
    if (MenuBeforeTextBox(ownMenuBar, objeto, event))
        return true;
    // The wheel over the grid scrolls its rows; a unit list takes it only while in use.
    if (event->type() == QEvent::Wheel) {
        auto *lista = qobject_cast<SelectorList *>(objeto);
        if (objeto == picLista || (lista && !lista->hasFocus())) {
            if (barraV->isEnabled())
                QApplication::sendEvent(barraV, event);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && !busy) {
        const auto motivo = static_cast<QFocusEvent *>(event)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            if (objeto == txtTag)
                txtTag_GotFocus();
            else if (objeto == cboMassaDensidade)
                ScrollToRow(picDados[MassDensityField]);
            else
                for (int n = 0; n <= LastField; ++n)
                    if (objeto == cboDados[n])
                        ScrollToRow(picDados[n]);
        }
    }
    return QWidget::eventFilter(objeto, event);
}

void frmCalcQuirasol::txtDados_DblClick(int indice)
{
    if (indice < 0 || indice > LastField || !txtDados[indice])
        return;
    ValueBox *caixa = txtDados[indice];
    QPointer<frmCalculadora> calculadora = frmCalculadora::Load();
    if (!caixa->text().isEmpty())
        calculadora->Cola(caixa->text());
    QWidget *janela = mdiFrame();
    const QRect retJanela(janela->mapToGlobal(QPoint(0, 0)), janela->size());
    const QRect retCampo(caixa->mapToGlobal(QPoint(0, 0)), caixa->size());
    // By its outer height, title bar counted: the frame it will have, and again when its
    // frame arrives from the window manager.
    platform::PlaceFrame(calculadora, [retJanela, retCampo](const QSize &externo) {
        return CalculatorPosition(retJanela, retCampo, externo.height());
    });
    // The result goes to the focused control of this window: the value box.
    caixa->setFocus(Qt::OtherFocusReason);
    calculadora->Inicia(this);
}

// ---------------------------------------------------------------------------------------
// The calculation

GridState frmCalcQuirasol::gridState() const
{
    GridState estado;
    estado.date = Data;
    estado.serviceOrder = OS;
    estado.client = Cliente;
    estado.plate = cboQuirasol->currentIndex();
    estado.fluid = cboFluido->currentIndex();
    estado.tap = cboTomada->currentIndex();
    estado.fluidText = cboFluido->currentText();
    estado.tapText = cboTomada->currentText();
    estado.tag = txtTag->text();
    for (int n = 0; n <= LastField; ++n) {
        GridField &campo = estado.fields[n];
        if (picDados[n])
            campo.applicable = RowApplies(picDados[n]);
        if (txtDados[n])
            campo.text = txtDados[n]->text();
        if (cboDados[n]) {
            campo.unitPosition = cboDados[n]->currentIndex();
            campo.unitCode = campo.unitPosition < 0 ? -1 : cboDados[n]->currentData().toInt();
        }
    }
    estado.massDensity = cboMassaDensidade->currentIndex();
    estado.fatorDP = FatorDP;
    return estado;
}

CaseSnapshot frmCalcQuirasol::Snapshot() const
{
    CaseSnapshot caso = SnapshotFromGrid(gridState());
    caso.drawing = chkDesenho->isChecked();
    caso.caption = Caption();
    return caso;
}

void frmCalcQuirasol::cmdCalcular_Click()
{
    CaseSnapshot caso = Snapshot();
    const CalculationResult r = calculation::cmdCalcular_Click(caso, *this);
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
    if (auto *caixa = qobject_cast<ValueBox *>(focusWidget()))
        return caixa->Index;
    return std::nullopt;
}

void frmCalcQuirasol::focusField(int campo)
{
    if (campo >= 0 && campo <= LastField && txtDados[campo])
        txtDados[campo]->setFocus(Qt::OtherFocusReason);
}

void frmCalcQuirasol::writeField(int campo, const QString &texto)
{
    if (campo >= 0 && campo <= LastField && txtDados[campo])
        txtDados[campo]->setText(texto);
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

void frmCalcQuirasol::showReport(const QString &data, const QString &os,
                                 const QString &cliente, const QString &caption)
{
    if (!Relatorio)
        return;
    Relatorio->txtData->setText(data);
    Relatorio->txtOS->setText(os);
    Relatorio->txtCliente->setText(cliente);
    Relatorio->setCaption(caption);
    Relatorio->Show();
}

// ---------------------------------------------------------------------------------------
// Modified state, toolbar and activation

void frmCalcQuirasol::setAlterado(bool valor)
{
    if (valor == alterado)
        return;
    alterado = valor;
    AtualizaBarra();
}

void frmCalcQuirasol::AtualizaBarra()
{
    const bool emUso = IsControlEnabled(txtTag);
    // The main toolbar speaks for the active child only; a case changing in the background
    // (saved while the frame closes, or writing its data sheet) leaves it alone.
    ChildWindowHost *principal = ChildWindowHost::Loaded();
    if (!principal || !principal->ActiveForm() || principal->ActiveForm() == this) {
        EnableButton(QStringLiteral("Calcular"), IsControlEnabled(cmdCalcular));
        EnableButton(QStringLiteral("Salvar"), emUso && alterado);
    }
    mnuArquivoSalvar->setEnabled(emUso && alterado);
    mnuArquivoSalvarComo->setEnabled(emUso);
    CopyViewChecks();
}

void frmCalcQuirasol::SyncReportHeader()
{
    if (!Relatorio || Relatorio->txtData->text() == OpeningText)
        return;
    const QString data = Relatorio->txtData->text();
    const QString os = Relatorio->txtOS->text();
    const QString cliente = Relatorio->txtCliente->text();
    if (data == Data && os == OS && cliente == Cliente)
        return;
    Data = data;
    OS = os;
    Cliente = cliente;
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
    const ChildWindowHost *principal = ChildWindowHost::Loaded();
    const bool consentido = principal && principal->IsUnloadingChildren();
    if (!consentido && !Form_QueryUnload()) {
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

void frmCalcQuirasol::SetBusy(bool ocupado)
{
    // Disabling the window takes the focus from its box. That is no move of the user's: the
    // box keeps its text as typed (a reformat would mark a case just saved as modified) and
    // has the focus again afterwards.
    if (ocupado) {
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
    platform::FileDialogRequest pedido;
    pedido.title = QStringLiteral("Abrir Cálculo de Quirasol");
    pedido.filter = QStringLiteral("Arquivo de Cálculo de Quirasol (*.qzv)|*.qzv");
    pedido.flags = 2054;
    pedido.initialDir = PathSaves();
    return pedido;
}

int frmCalcQuirasol::QuraFecha()
{
    if (!alterado || !IsControlEnabled(txtTag))
        return -1;
    int resposta = platform::MsgBox(
        QStringLiteral("Deseja salvar as alterações efetuadas neste Cálculo?"),
        platform::vbYesNoCancel + platform::vbQuestion, Arquivo);
    if (resposta == platform::vbYes) {
        if (!QuraSave(!TemArquivo))
            resposta = platform::vbCancel;
        else
            setAlterado(false);
    }
    return resposta;
}

bool frmCalcQuirasol::QuraSave(bool salvarComo)
{
    const bool alteradoAntes = alterado;
    const QString arquivoAntes = Arquivo;
    const bool doTituloAntes = pathFromTitle;
    auto desfaz = [&] {
        Arquivo = arquivoAntes;
        pathFromTitle = doTituloAntes;
        setAlterado(alteradoAntes);
    };
    setAlterado(false);

    if (salvarComo) {
        QDir().mkpath(PathSaves());
        platform::FileDialogRequest pedido;
        pedido.title = QStringLiteral("Salvar Como");
        pedido.filter = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
        pedido.flags = 2054;
        pedido.initialDir = FolderOf(Arquivo);
        pedido.fileName = FileNameOf(Arquivo);
        const auto escolhido = platform::ShowSave(pedido);
        if (!escolhido) {
            desfaz();
            return false;
        }
        Arquivo = *escolhido;
    }

    SetBusy(true);
    if (const auto erro = WriteCaseFile(Arquivo, CaseFromGrid(gridState()))) {
        SetBusy(false);
        desfaz();
        MostraErro(erro->number, erro->description);
        return false;
    }
    pathFromTitle = false;
    AddFileMRU(Arquivo);
    Atualiza();
    SetBusy(false);
    AtualizaBarra();
    return true;
}

void frmCalcQuirasol::QuraOpen(QString &caminho)
{
    if (QuraFecha() == platform::vbCancel)
        return;
    Carregando = true;
    Arquivo = caminho;
    pathFromTitle = false;
    setCaption(caminho);
    if (caminho.isEmpty()) {
        QDir().mkpath(PathSaves());
        const auto escolhido = platform::ShowOpen(OpenRequest());
        if (!escolhido) {
            TemArquivo = false;
            Carregando = false;
            return;
        }
        Arquivo = caminho = *escolhido;
    }

    SetBusy(true);
    if (!QFileInfo(Arquivo).isFile()) {
        platform::MsgBox(QStringLiteral("Arquivo não encontrado"), platform::vbExclamation,
                         QStringLiteral("Arquivo: ") + Arquivo);
        Arquivo.clear();
    } else {
        const CaseFileReading leitura = ReadCaseFile(Arquivo);
        TemArquivo = true;
        // Each setting runs its control's change handling, as the user's choice would.
        for (const LoadStep &step : LoadSteps(leitura))
            applyLoadStep(step);
        if (!leitura.ok()) {
            SetBusy(false);
            TemArquivo = false;
            Carregando = false;
            // A refused file has nothing loaded: the box names it.
            const bool recusado = leitura.stop == CaseFileReading::BeyondLimits;
            MostraErro(leitura.error.number,
                       leitura.error.description + (recusado ? QStringLiteral(": ") + Arquivo
                                                          : QString()));
            return;
        }
        if (Relatorio) {
            Relatorio->txtData->setText(Data);
            Relatorio->txtOS->setText(OS);
            Relatorio->txtCliente->setText(Cliente);
        }
        AddFileMRU(Arquivo);
    }
    Carregando = false;
    Atualiza();
    setAlterado(false);
    SetBusy(false);
}

void frmCalcQuirasol::applyLoadStep(const LoadStep &step)
{
    const int n = step.field;
    switch (step.kind) {
    case LoadStep::ReportDate:
        Data = step.text;
        break;
    case LoadStep::ServiceOrder:
        OS = step.text;
        break;
    case LoadStep::Client:
        Cliente = step.text;
        break;
    case LoadStep::Plate:
        cboQuirasol->setListIndex(step.position);
        break;
    case LoadStep::FluidEntryText:
        cboFluido->setItemText(step.position, step.text);
        break;
    case LoadStep::Fluid:
        cboFluido->setListIndex(step.position);
        break;
    case LoadStep::Tap:
        cboTomada->setListIndex(step.position);
        break;
    case LoadStep::Tag:
        txtTag->setText(step.text);
        break;
    case LoadStep::FieldText:
        if (n >= 0 && n <= LastField && txtDados[n])
            txtDados[n]->setText(step.text);
        break;
    case LoadStep::FieldUnit:
        if (n >= 0 && n <= LastField && cboDados[n])
            cboDados[n]->setListIndex(step.position);
        break;
    case LoadStep::MassDensity:
        cboMassaDensidade->setListIndex(step.position);
        break;
    }
}
