#include "frmCalcQuirasol.h"

#include "calculation/ArquivoCalculo.h"
#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"
#include "calculator/windows/frmCalculadora.h"
#include "frame/modBase.h"
#include "frame/windows/ArranjoJanelas.h"
#include "frame/windows/ChildWindowHost.h"
#include "frame/windows/modBaseJanelas.h"
#include "frmRelatorio.h"
#include "platform/Interaction.h"
#include "platform/widgets/FramePlacement.h"
#include "platform/widgets/WindowIcons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace calculation;

namespace {

const QString Verdadeiro = QStringLiteral("True");
const QString Falso = QStringLiteral("False");
const QString TextoAbrindo = QStringLiteral("Abrindo");

// The widget's own Enabled property, whatever its containers say.
bool Habilitado(const QWidget *w)
{
    return w && !w->testAttribute(Qt::WA_ForceDisabled);
}

void Habilita(QWidget *w, bool habilitado)
{
    if (w)
        w->setEnabled(habilitado);
}

void HabilitaBotao(const QString &chave, bool habilitado)
{
    if (ChildWindowHost *menu = ChildWindowHost::Loaded())
        menu->HabilitaBotao(chave, habilitado);
}

// The folder part of a path, up to and including its last separator, and the name after it.
QString PastaDe(const QString &caminho)
{
    return caminho.left(caminho.lastIndexOf(QLatin1Char('/')) + 1);
}

QString NomeDe(const QString &caminho)
{
    return caminho.mid(caminho.lastIndexOf(QLatin1Char('/')) + 1);
}

// A row panel: the two separator lines under the row, shadow above light.
class LinhaGrade : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(0, 23, width() - 1, 23);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, 24, width() - 1, 24);
    }
};

} // namespace

// ---------------------------------------------------------------------------------------
// Controls of the grid

CaixaValor::CaixaValor(int indice, QWidget *parent)
    : QLineEdit(parent)
    , Index(indice)
{
}

void CaixaValor::keyPressEvent(QKeyEvent *event)
{
    // Clipboard and undo shortcuts are control characters: the filter discards them.
    static const QKeySequence::StandardKey atalhos[] = {
        QKeySequence::Paste, QKeySequence::Copy,      QKeySequence::Cut,
        QKeySequence::Undo,  QKeySequence::Redo,      QKeySequence::SelectAll,
    };
    for (const auto atalho : atalhos)
        if (event->matches(atalho)) {
            event->accept();
            return;
        }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        enterPressed = true;
    const QString texto = event->text();
    if (texto.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event); // movement and deletion keys type no character
        return;
    }
    const int codigo = texto.at(0).unicode();
    const int filtrado = FiltroTecla(codigo);
    if (filtrado == 0) {
        event->accept();
        return;
    }
    if (filtrado != codigo) {
        QKeyEvent trocado(QEvent::KeyPress, Qt::Key_Comma, event->modifiers(),
                          QString(QChar(filtrado)));
        QLineEdit::keyPressEvent(&trocado);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CaixaValor::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat() && enterPressed) {
        enterPressed = false;
        Q_EMIT enterSolto(Index);
    }
}

void CaixaValor::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    Q_EMIT cliqueDuplo(Index);
}

void CaixaValor::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the desktop's selection where the system has one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && !isReadOnly()) {
        deselect();
        pasteFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CaixaValor::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu's Paste entry is the one Qt connects to its paste(), by name or by pointer.
    static const QMetaMethod colarQt = QLineEdit::staticMetaObject.method(
        QLineEdit::staticMetaObject.indexOfSlot("paste()"));
    const QMetaMethod disparada = QMetaMethod::fromSignal(&QAction::triggered);
    QMenu *menu = createStandardContextMenu();
    for (QAction *acao : menu->actions())
        if (disconnect(acao, disparada, this, colarQt)
            || disconnect(acao, &QAction::triggered, this, &QLineEdit::paste))
            connect(acao, &QAction::triggered, this,
                    [this] { pasteFiltered(QGuiApplication::clipboard()->text()); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CaixaValor::dropEvent(QDropEvent *event)
{
    // Text dragged within the box was typed here; text from elsewhere is filtered first.
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString filtrado = FilterPastedText(event->mimeData()->text());
    if (filtrado.isEmpty() || isReadOnly()) {
        event->ignore();
        return;
    }
    QMimeData dados;
    dados.setText(filtrado);
    QDropEvent trocado(event->position(), event->possibleActions(), &dados, event->buttons(),
                       event->modifiers());
    trocado.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&trocado);
    event->setDropAction(trocado.dropAction());
    event->setAccepted(trocado.isAccepted());
}

void CaixaValor::inputMethodEvent(QInputMethodEvent *event)
{
    const QString filtrado = FilterPastedText(event->commitString());
    if (filtrado == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent trocado(event->preeditString(), event->attributes());
    trocado.setCommitString(filtrado, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&trocado);
    event->setAccepted(trocado.isAccepted());
}

void CaixaValor::pasteFiltered(const QString &texto)
{
    // Like typed keys, a paste with nothing the filter lets through changes nothing.
    const QString filtrado = FilterPastedText(texto);
    if (!filtrado.isEmpty())
        insert(filtrado);
}

void CaixaValor::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT ganhouFoco(Index, event->reason());
}

void CaixaValor::focusOutEvent(QFocusEvent *event)
{
    enterPressed = false;
    QLineEdit::focusOutEvent(event);
    Q_EMIT perdeuFoco(Index, event->reason());
}

ListaSelecao::ListaSelecao(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT Click(); });
    connect(this, &QComboBox::activated, this, [this](int indice) {
        // A pick of the entry already selected changes nothing but still is a click.
        if (indice == indiceAntesDaEscolha)
            Q_EMIT Click();
        indiceAntesDaEscolha = -2;
    });
}

void ListaSelecao::AddItem(const QString &texto, int itemData)
{
    const QSignalBlocker bloqueio(this);
    const int antes = currentIndex();
    addItem(texto, itemData);
    setCurrentIndex(antes);
}

void ListaSelecao::Clear()
{
    const QSignalBlocker bloqueio(this);
    clear();
}

void ListaSelecao::setListIndex(int indice)
{
    if (indice >= -1 && indice < count())
        setCurrentIndex(indice);
}

void ListaSelecao::escolhe(int indice)
{
    indiceAntesDaEscolha = currentIndex();
    setListIndex(indice);
    Q_EMIT activated(indice);
}

void ListaSelecao::wheelEvent(QWheelEvent *event)
{
    // The wheel over a list the user is not in leaves its entry alone.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ListaSelecao::showPopup()
{
    indiceAntesDaEscolha = currentIndex();
    QComboBox::showPopup();
}

// ---------------------------------------------------------------------------------------
// Window

frmCalcQuirasol::frmCalcQuirasol(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Form1"));
    criaControles();
    criaMenus();
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

void frmCalcQuirasol::criaControles()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *corpo = new QWidget(this);
    corpo->setFixedSize(464, 438);
    // The window's layout is in fixed pixels: a font of the design's size (Arial 8, or its
    // metric twin) keeps the longest labels and unit names inside their boxes.
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSizeF(8);
    corpo->setFont(fonte);
    // Maximised, the window keeps its controls where they are at design size.
    layout->addWidget(corpo, 0, Qt::AlignLeft | Qt::AlignTop);

    fraMisc = new QGroupBox(corpo);
    fraMisc->setGeometry(6, 2, 452, 116);
    auto seletor = [&](QLabel *&rotulo, ListaSelecao *&lista, const QString &texto, int top) {
        rotulo = new QLabel(texto, fraMisc);
        rotulo->setGeometry(10, top + 4, 150, 17);
        lista = new ListaSelecao(fraMisc);
        lista->setGeometry(165, top, 266, 22);
        rotulo->setBuddy(lista);
    };
    seletor(lblQuirasol, cboQuirasol, QStringLiteral("Tipo de quirasol"), 16);
    seletor(lblFluido, cboFluido, QStringLiteral("Fluido"), 48);
    seletor(lblTomada, cboTomada, QStringLiteral("Posição das tomadas"), 80);

    criaGrade(corpo);

    chkDesenho = new QCheckBox(
        QStringLiteral("Anexar dados para o desenho de fabricação ao relatório"), corpo);
    chkDesenho->setGeometry(6, 374, 452, 24);
    cmdCalcular = new QPushButton(QStringLiteral("Calcular"), corpo);
    cmdCalcular->setGeometry(358, 402, 100, 28);

    connect(cboQuirasol, &ListaSelecao::Click, this, &frmCalcQuirasol::cboQuirasol_Click);
    connect(cboFluido, &ListaSelecao::Click, this, &frmCalcQuirasol::cboFluido_Click);
    connect(cboTomada, &ListaSelecao::Click, this, &frmCalcQuirasol::cboTomada_Click);
    connect(cboMassaDensidade, &ListaSelecao::Click, this,
            &frmCalcQuirasol::cboMassaDensidade_Click);
    connect(barraV, &QScrollBar::valueChanged, this, &frmCalcQuirasol::barraV_Change);
    connect(cmdCalcular, &QPushButton::clicked, this, &frmCalcQuirasol::cmdCalcular_Click);
    connect(txtTag, &QLineEdit::textChanged, this, [this] { setAlterado(true); });
    txtTag->installEventFilter(this);
    picLista->installEventFilter(this);
    cboMassaDensidade->installEventFilter(this);
}

void frmCalcQuirasol::criaGrade(QWidget *corpo)
{
    picLista = new QWidget(corpo);
    picLista->setGeometry(6, 124, 452, 246);
    picLista->setAutoFillBackground(true);

    picMove = new QWidget(picLista);
    picMove->setGeometry(0, 18, 432, 530);

    // The header strip stays above the rows that scroll under it.
    picMenu = new QWidget(picLista);
    picMenu->setGeometry(0, 0, 449, 17);
    picMenu->setAutoFillBackground(true);
    const QString titulos[] = {QStringLiteral("Descrição"), QStringLiteral("Valor"),
                               QStringLiteral("Escala")};
    const int esquerdas[] = {4, 167, 319};
    for (int i = 0; i < 3; ++i) {
        lblMenu[i] = new QLabel(titulos[i], picMenu);
        lblMenu[i]->move(esquerdas[i], 1);
    }

    barraV = new QScrollBar(Qt::Vertical, picLista);
    barraV->setGeometry(431, 18, 17, AlturaBarraV);
    barraV->setMinimum(0);
    barraV->setSingleStep(1);

    const QList<int> &ordem = OrdemInicialLinhas();
    for (int p = 0; p < ordem.size(); ++p)
        criaLinha(ordem[p], p);
    picMenu->raise();
}

void frmCalcQuirasol::criaLinha(int campo, int posicao)
{
    auto *linha = new LinhaGrade(picMove);
    linha->setGeometry(0, PassoLinha * posicao, 432, PassoLinha);
    picDados[campo] = linha;

    if (campo == CampoTag) {
        lblTag = new QLabel(QStringLiteral("Tag"), linha);
        lblTag->move(4, 4);
        txtTag = new QLineEdit(linha);
        txtTag->setGeometry(165, 0, 149, 22);
        return;
    }
    if (campo == CampoMassaDensidade) {
        lblMassaDensidade = new QLabel(QStringLiteral("Massa / Densidade"), linha);
        lblMassaDensidade->move(4, 4);
        cboMassaDensidade = new ListaSelecao(linha);
        cboMassaDensidade->setGeometry(165, 0, 266, 22);
        cboMassaDensidade->AddItem(QStringLiteral("Massa Específica (Kg/m³)"));
        cboMassaDensidade->AddItem(QStringLiteral("Densidade Relativa"));
        return;
    }
    lblDados[campo] = new QLabel(linha);
    lblDados[campo]->setGeometry(4, 4, 160, 17);
    auto *caixa = new CaixaValor(campo, linha);
    caixa->setGeometry(165, 0, 149, 22);
    txtDados[campo] = caixa;
    connect(caixa, &QLineEdit::textChanged, this, [this, campo] { txtDados_Change(campo); });
    connect(caixa, &CaixaValor::enterSolto, this, &frmCalcQuirasol::txtDados_DblClick);
    connect(caixa, &CaixaValor::cliqueDuplo, this, &frmCalcQuirasol::txtDados_DblClick);
    connect(caixa, &CaixaValor::ganhouFoco, this, &frmCalcQuirasol::txtDados_GotFocus);
    connect(caixa, &CaixaValor::perdeuFoco, this, &frmCalcQuirasol::txtDados_LostFocus);
    caixa->installEventFilter(this);
    if (CampoComUnidade(campo)) {
        auto *lista = new ListaSelecao(linha);
        lista->setGeometry(316, 0, 114, 22);
        cboDados[campo] = lista;
        connect(lista, &ListaSelecao::Click, this, [this, campo] { cboDados_Click(campo); });
        lista->installEventFilter(this);
    }
}

void frmCalcQuirasol::criaMenus()
{
    using enum platform::MenuFlag;
    const platform::MenuRow linhas[] = {
        {0, "", "&Arquivo"},
        {1, "mnuArquivoNovo", "&Novo", Qt::CTRL | Qt::Key_O, {}, NewCase},
        {1, "mnuArquivoAbrir", "&Abrir", Qt::CTRL | Qt::Key_A, {}, OpenCase},
        {1, "mnuArquivoFechar", "Fechar", {}, AfterMenu, [this] { mnuArquivoFechar_Click(); }},
        {1, "mnuArquivoFecharTodos", "Fechar &todos", {}, AfterMenu,
         FrameCommand(ChildWindowHost::CloseAllCases)},
        {1, "", "-"},
        {1, "mnuArquivoSalvar", "&Salvar", Qt::CTRL | Qt::Key_B, {},
         [this] { mnuArquivoSalvar_Click(); }},
        {1, "mnuArquivoSalvarComo", "Salvar &como...", {}, {},
         [this] { mnuArquivoSalvarComo_Click(); }},
        {1, "", "-"},
        {1, "", "Exportar"},
        {2, "mnuArquivoExportarRelatorio", "Relatório...", {}, Disabled},
        {1, "", "-"},
        {1, "mnuArquivoConfigurarImpressao", "Configurar impressão...", {}, {}, PrintSetup},
        {1, "mnuArquivoImprimir", "Imprimir...", Qt::CTRL | Qt::Key_P, Disabled},
        {1, "", "-"},
        {1, "", "Arquivos recentes"},
        {2, "mnuArquivoMRU1", "&1 RecentFile", {}, {}, OpenRecentCase(1)},
        {2, "mnuArquivoMRU2", "&2 RecentFile", {}, {}, OpenRecentCase(2)},
        {2, "mnuArquivoMRU3", "&3 RecentFile", {}, {}, OpenRecentCase(3)},
        {2, "mnuArquivoMRU4", "&4 RecentFile", {}, {}, OpenRecentCase(4)},
        {2, "mnuArquivoMRUVazio", "Vazio", {}, Disabled},
        {1, "", "-"},
        {1, "mnuArquivoSair", "Sai&r", {}, AfterMenu,
         FrameCommand(ChildWindowHost::Exit)},
        {0, "", "E&xibir"},
        {1, "", "&Barra de ferramentas"},
        {2, "mnuExibirBarraPadrao", "Botões &padrão", {}, ViewEntry,
         FrameCommand(ChildWindowHost::ToggleStandardBar)},
        {2, "mnuExibirBarraCalculo", "Barra de &calculo", {}, ViewEntry,
         FrameCommand(ChildWindowHost::ToggleCalculationBar)},
        {2, "", "-"},
        {2, "mnuExibirEtiqueta", "&Etiquetas de texto", {}, ViewEntry,
         FrameCommand(ChildWindowHost::ToggleLabels)},
        {1, "mnuExibirStatusBar", "Barra de &status", {}, ViewEntry,
         FrameCommand(ChildWindowHost::ToggleStatusBar)},
        {1, "", "-"},
        {1, "mnuExibirRelatorio", "&Relatórios", Qt::CTRL | Qt::Key_R, {},
         FrameCommand(ChildWindowHost::OpenReportsFolder)},
        {1, "", "-"},
        {1, "mnuFerramentasOpcoes", "&Opções", {}, {}, Options},
        {0, "mnuJanela", "&Janela"},
        {1, "mnuJanelaCascata", "Organizar em &cascata", {}, {}, CascadeWindows},
        {1, "mnuJanelaOrganizarIcones", "&Organizar ícones", {}, {}, ArrangeIcons},
        {0, "", "Aj&uda"},
        {1, "mnuAjudaConteudo", "&Conteúdo e índice...", Qt::Key_F1, Disabled,
         FrameCommand(ChildWindowHost::HelpContents)},
        {1, "mnuAjudaComoUsar", "Como utilizar a &ajuda...", {}, {},
         FrameCommand(ChildWindowHost::HowToUseHelp)},
        {1, "mnuAjudaDicas", "Exibir &Dicas...", {}, {},
         FrameCommand(ChildWindowHost::TipOfTheDay)},
        {1, "", "-"},
        {1, "", "D&ocumentação"},
        {2, "mnuAjudaDocumentacaoTabela0", "&Massa do Vapor Superaquecido", {}, {},
         SteamTable(0)},
        {2, "mnuAjudaDocumentacaoTabela1", "&Volume do Vapor Superaquecido", {}, {},
         SteamTable(1)},
        {1, "", "-"},
        {1, "mnuAjudaSobre", "&Sobre o Calculo de Quirasol", {}, {},
         FrameCommand(ChildWindowHost::About)},
    };
    BuildMenuBar(this, linhas);
}

void frmCalcQuirasol::Form_Load()
{
    Relatorio = new frmRelatorio;
    if (ChildWindowHost *menu = ChildWindowHost::Loaded())
        menu->AdicionaFilha(Relatorio)->hide();

    barraV->setMaximum(OrdemInicialLinhas().size() - 12);
    barraV->setPageStep(OrdemInicialLinhas().size() - 12);
    setWindowIcon(platform::CaseIcon());

    for (int n = 2; n <= UltimoCampo; ++n)
        if (lblDados[n])
            lblDados[n]->setText(NomeCampo[n]);

    Lista(false);

    for (int i = 1; i <= 2; ++i)
        cboQuirasol->AddItem(NomePlaca[i]);
    for (int i = 1; i <= 3; ++i)
        cboFluido->AddItem(NomeFluido[i]);
    for (int i = 1; i <= 4; ++i)
        cboTomada->AddItem(NomeTomada[i]);
    Habilita(lblFluido, false);
    Habilita(cboFluido, false);
    Habilita(lblTomada, false);
    Habilita(cboTomada, false);

    CarregaUnidades();
    cboMassaDensidade->setListIndex(0);

    setAlterado(false);
    Atualiza();
}

// ---------------------------------------------------------------------------------------
// Grid procedures

void frmCalcQuirasol::CampoDados(int campo, bool aplicavel)
{
    if (campo < 0 || campo > UltimoCampo)
        return;
    if (QWidget *linha = picDados[campo]) {
        linha->setProperty("Tag", aplicavel ? Verdadeiro : Falso);
        linha->setEnabled(aplicavel);
    }
    const bool habilitar = Habilitado(picLista) && aplicavel;
    Habilita(lblDados[campo], habilitar);
    Habilita(txtDados[campo], habilitar);
    Habilita(cboDados[campo], habilitar);
}

void frmCalcQuirasol::AlteraEscalas(int classeFluido)
{
    for (int n = 1; n <= 5; ++n)
        CampoDados(n, true);
    for (int n = 6; n <= UltimoCampo; ++n)
        CampoDados(n, false);
    for (int n : CamposDaClasse(classeFluido))
        CampoDados(n, true);
    // Liquid runs the selector's handling again for the entry it stands on; gas and steam
    // set their entry, and its handling follows also when the entry was already chosen.
    const auto entrada = EntradaMassaDensidade(classeFluido);
    if (classeFluido == FluidoLiquido
        || (entrada && cboMassaDensidade->currentIndex() == *entrada))
        cboMassaDensidade_Click();
    else if (entrada)
        cboMassaDensidade->setListIndex(*entrada);
    CampoDados(28, true);
    CampoDados(29, true);

    const int entradas = classeFluido == FluidoVapor ? 2 : 3;
    if (cboDados[2]->count() != entradas) {
        cboDados[2]->Clear();
        for (int codigo : UnidadesDoCampo(2, classeFluido))
            AddItemCombo(2, codigo);
        cboDados[2]->setListIndex(0); // its unit handling applies the flow-unit rule
    }
    OrganizaCampos();
}

void frmCalcQuirasol::AddItemCombo(int campo, int codigoUnidade)
{
    if (campo < 0 || campo > UltimoCampo || !cboDados[campo] || codigoUnidade < 0
        || codigoUnidade > UltimoCampo)
        return;
    cboDados[campo]->AddItem(NomeUnidade[codigoUnidade], codigoUnidade);
}

void frmCalcQuirasol::CarregaUnidades()
{
    for (int n = 0; n <= UltimoCampo; ++n) {
        if (!cboDados[n])
            continue;
        cboDados[n]->Clear();
        for (int codigo : UnidadesDoCampo(n))
            AddItemCombo(n, codigo);
    }
    for (int n = 0; n <= UltimoCampo; ++n)
        if (cboDados[n])
            cboDados[n]->setListIndex(0);
}

void frmCalcQuirasol::OrganizaCampos()
{
    const Disposicao d = calculation::OrganizaCampos([this](int n) {
        return picDados[n] && picDados[n]->property("Tag").toString() == Verdadeiro;
    });
    for (const PosicaoLinha &l : d.linhas) {
        QWidget *linha = picDados[l.campo];
        if (l.visivel) {
            linha->move(0, PassoLinha * l.posicao);
            linha->setVisible(true);
        } else {
            linha->setVisible(false);
        }
    }
    if (d.posicaoMassaDensidade >= 0)
        picDados[CampoMassaDensidade]->move(0, PassoLinha * d.posicaoMassaDensidade);
    picMove->resize(picMove->width(), d.alturaPainel);
    if (!d.barraHabilitada) {
        if (barraV->value() != 0)
            barraV->setValue(0);
        barraV->setEnabled(false);
        return;
    }
    barraV->setEnabled(true);
    barraV->setMaximum(d.maximoBarra);
    barraV->setPageStep(d.maximoBarra);
}

void frmCalcQuirasol::Lista(bool habilitar)
{
    for (QWidget *w : {picLista, static_cast<QWidget *>(cmdCalcular),
                       static_cast<QWidget *>(barraV), static_cast<QWidget *>(lblTag),
                       static_cast<QWidget *>(txtTag), picDados[CampoMassaDensidade],
                       static_cast<QWidget *>(lblMassaDensidade),
                       static_cast<QWidget *>(cboMassaDensidade)})
        Habilita(w, habilitar);
    for (int n = 0; n <= UltimoCampo; ++n) {
        Habilita(lblDados[n], habilitar);
        Habilita(txtDados[n], habilitar);
        Habilita(cboDados[n], habilitar);
    }
    QPalette paleta = picMenu->palette();
    const QPalette::ColorGroup grupo = habilitar ? QPalette::Active : QPalette::Disabled;
    paleta.setColor(QPalette::Window, habilitar ? palette().color(grupo, QPalette::Highlight)
                                                : palette().color(grupo, QPalette::Mid));
    paleta.setColor(QPalette::WindowText, palette().color(grupo, QPalette::HighlightedText));
    picMenu->setPalette(paleta);
    AtualizaBarra();
}

// ---------------------------------------------------------------------------------------
// Selectors and unit lists

void frmCalcQuirasol::cboQuirasol_Click()
{
    setAlterado(true);
    const bool escolhido = cboQuirasol->currentIndex() != -1;
    Habilita(lblFluido, escolhido);
    Habilita(cboFluido, escolhido);
    Placa = cboQuirasol->currentIndex() + 1;
    Lista(cboQuirasol->currentIndex() > -1 && cboFluido->currentIndex() > -1
          && cboTomada->currentIndex() > -1);
}

void frmCalcQuirasol::cboFluido_Click()
{
    setAlterado(true);
    const int posicao = cboFluido->currentIndex();
    Habilita(lblTomada, posicao != -1);
    Habilita(cboTomada, posicao != -1);
    if (posicao < 0)
        return;
    Fluido = posicao;
    const QString entrada = cboFluido->itemText(posicao);
    const QString proposto = NomeFluidoProposto(entrada);
    if (!Carregando) {
        const QString resposta = platform::InputBox(
            QStringLiteral("Digite o nome do 'Fluido' utilizado"),
            QStringLiteral("Tipo de fluido: ") + entrada, proposto);
        cboFluido->setItemText(posicao, TextoEntradaFluido(NomeFluido[posicao + 1], resposta));
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
            lblDados[n]->setText(RotuloCampo(n, p != 0));
        if (cboDados[n])
            cboDados[n]->setListIndex(p);
    }
}

void frmCalcQuirasol::cboDados_Click(int indice)
{
    setAlterado(true);
    Fluido = cboFluido->currentIndex();
    ListaSelecao *lista = cboDados[indice];
    const int posicao = lista->currentIndex();
    switch (indice) {
    case 2:
        for (const MarcaCampo &m : RegraUnidadeVazao(lista->currentData().toInt(), Fluido))
            CampoDados(m.campo, m.aplicavel);
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

void frmCalcQuirasol::barraV_Change()
{
    picMove->move(picMove->x(), barraV->y() - PassoLinha * barraV->value());
}

// ---------------------------------------------------------------------------------------
// Value fields

void frmCalcQuirasol::txtDados_Change(int indice)
{
    setAlterado(true);
    if (indice == 9 && cboDados[29] && cboDados[29]->currentIndex() == 0) {
        txtDados[29]->setText(QString());
        txtDados[29]->setText(TextoFatorMaterial(txtDados[9]->text()));
    }
}

void frmCalcQuirasol::txtDados_GotFocus(int indice, Qt::FocusReason motivo)
{
    if (ocupadoAgora)
        return;
    HabilitaBotao(QStringLiteral("Calculadora"), true);
    // Coming back to the window or from a pop-up menu is no move of the user's.
    if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason)
        return;
    RolaParaLinha(picDados[indice]);
    SelecionaTexto(txtDados[indice]);
}

void frmCalcQuirasol::txtDados_LostFocus(int indice, Qt::FocusReason motivo)
{
    if (ocupadoAgora || motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason)
        return;
    HabilitaBotao(QStringLiteral("Calculadora"), false);
    const QString formatado = TextoFormatado(txtDados[indice]->text());
    if (formatado != txtDados[indice]->text())
        txtDados[indice]->setText(formatado);
}

void frmCalcQuirasol::RolaParaLinha(QWidget *linha)
{
    if (!linha)
        return;
    const float posicao = float(linha->y()) / float(PassoLinha);
    const int valor = RolagemParaVisivel(posicao, barraV->value());
    if (valor != barraV->value())
        barraV->setValue(valor);
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
    if (MenuAntesDaCaixa(barraMenu, objeto, event))
        return true;
    // The wheel over the grid scrolls its rows; a unit list takes it only while in use.
    if (event->type() == QEvent::Wheel) {
        auto *lista = qobject_cast<ListaSelecao *>(objeto);
        if (objeto == picLista || (lista && !lista->hasFocus())) {
            if (barraV->isEnabled())
                QApplication::sendEvent(barraV, event);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && !ocupadoAgora) {
        const auto motivo = static_cast<QFocusEvent *>(event)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            if (objeto == txtTag)
                txtTag_GotFocus();
            else if (objeto == cboMassaDensidade)
                RolaParaLinha(picDados[CampoMassaDensidade]);
            else
                for (int n = 0; n <= UltimoCampo; ++n)
                    if (objeto == cboDados[n])
                        RolaParaLinha(picDados[n]);
        }
    }
    return QWidget::eventFilter(objeto, event);
}

void frmCalcQuirasol::txtDados_DblClick(int indice)
{
    if (indice < 0 || indice > UltimoCampo || !txtDados[indice])
        return;
    CaixaValor *caixa = txtDados[indice];
    QPointer<frmCalculadora> calculadora = frmCalculadora::Carrega();
    if (!caixa->text().isEmpty())
        calculadora->Cola(caixa->text());
    QWidget *janela = quadro();
    const QRect retJanela(janela->mapToGlobal(QPoint(0, 0)), janela->size());
    const QRect retCampo(caixa->mapToGlobal(QPoint(0, 0)), caixa->size());
    // By its outer height, title bar counted: the frame it will have, and again when its
    // frame arrives from the window manager.
    platform::PlaceFrame(calculadora, [retJanela, retCampo](const QSize &externo) {
        return PosicaoCalculadora(retJanela, retCampo, externo.height());
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
    estado.data = Data;
    estado.os = OS;
    estado.cliente = Cliente;
    estado.plate = cboQuirasol->currentIndex();
    estado.fluid = cboFluido->currentIndex();
    estado.tap = cboTomada->currentIndex();
    estado.fluidText = cboFluido->currentText();
    estado.tapText = cboTomada->currentText();
    estado.tag = txtTag->text();
    for (int n = 0; n <= UltimoCampo; ++n) {
        GridField &campo = estado.fields[n];
        if (picDados[n])
            campo.applicable = picDados[n]->property("Tag").toString() == Verdadeiro;
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

CasoCalculo frmCalcQuirasol::Instantaneo() const
{
    CasoCalculo caso = SnapshotFromGrid(gridState());
    caso.desenho = chkDesenho->isChecked();
    caso.caption = Caption();
    return caso;
}

void frmCalcQuirasol::cmdCalcular_Click()
{
    CasoCalculo caso = Instantaneo();
    const ResultadoCalculo r = calculation::cmdCalcular_Click(caso, *this);
    Campo = r.Campo;
    Escala = r.Escala;
    if (r.DiamTubo)
        DiamTubo = *r.DiamTubo;
}

void frmCalcQuirasol::PressionaCalcular()
{
    if (Habilitado(cmdCalcular))
        cmdCalcular->click();
}

std::optional<int> frmCalcQuirasol::IndiceControleAtivo() const
{
    if (auto *caixa = qobject_cast<CaixaValor *>(focusWidget()))
        return caixa->Index;
    return std::nullopt;
}

void frmCalcQuirasol::focusField(int campo)
{
    if (campo >= 0 && campo <= UltimoCampo && txtDados[campo])
        txtDados[campo]->setFocus(Qt::OtherFocusReason);
}

void frmCalcQuirasol::writeField(int campo, const QString &texto)
{
    if (campo >= 0 && campo <= UltimoCampo && txtDados[campo])
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
    const bool emUso = Habilitado(txtTag);
    // The main toolbar speaks for the active child only; a case changing in the background
    // (saved while the frame closes, or writing its data sheet) leaves it alone.
    ChildWindowHost *principal = ChildWindowHost::Loaded();
    if (!principal || !principal->ActiveForm() || principal->ActiveForm() == this) {
        HabilitaBotao(QStringLiteral("Calcular"), Habilitado(cmdCalcular));
        HabilitaBotao(QStringLiteral("Salvar"), emUso && alterado);
    }
    mnuArquivoSalvar->setEnabled(emUso && alterado);
    mnuArquivoSalvarComo->setEnabled(emUso);
    CopyViewChecks();
}

void frmCalcQuirasol::SincronizaCabecalho()
{
    if (!Relatorio || Relatorio->txtData->text() == TextoAbrindo)
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
    SincronizaCabecalho();
}

void frmCalcQuirasol::Form_Deactivate()
{
    HabilitaBotao(QStringLiteral("Calcular"), false);
    HabilitaBotao(QStringLiteral("Salvar"), false);
    HabilitaBotao(QStringLiteral("Calculadora"), false);
}

bool frmCalcQuirasol::Form_QueryUnload()
{
    SincronizaCabecalho();
    return QuraFecha() != platform::vbCancel;
}

void frmCalcQuirasol::Form_Unload()
{
    Form_Deactivate();
    if (Relatorio) {
        Relatorio->Descarrega();
        Relatorio = nullptr;
    }
}

void frmCalcQuirasol::closeEvent(QCloseEvent *event)
{
    if (descarregando) {
        event->accept();
        return;
    }
    // The closing main window has asked already, and every window agreed.
    const ChildWindowHost *principal = ChildWindowHost::Loaded();
    const bool consentido = principal && principal->DescarregandoFilhas();
    if (!consentido && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    descarregando = true;
    Form_Unload();
    event->accept();
}

void frmCalcQuirasol::mnuArquivoFechar_Click()
{
    quadro()->close();
}

QString frmCalcQuirasol::Caption() const
{
    return windowTitle();
}

void frmCalcQuirasol::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QWidget *frmCalcQuirasol::quadro()
{
    return QuadroMdi(this);
}

void frmCalcQuirasol::Ocupado(bool ocupado)
{
    // Disabling the window takes the focus from its box. That is no move of the user's: the
    // box keeps its text as typed (a reformat would mark a case just saved as modified) and
    // has the focus again afterwards.
    if (ocupado) {
        focoAntesDeOcupado = focusWidget();
        ocupadoAgora = true;
        setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    setEnabled(true);
    if (focoAntesDeOcupado && !focusWidget())
        focoAntesDeOcupado->setFocus(Qt::OtherFocusReason);
    focoAntesDeOcupado = nullptr;
    ocupadoAgora = false;
    QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------------------
// Case file

void frmCalcQuirasol::Atualiza()
{
    if (!Caption().isEmpty()) {
        if (Arquivo.isEmpty() || caminhoDoTitulo) {
            Arquivo = PathSaves() + QLatin1Char('/') + NomeDe(Caption());
            caminhoDoTitulo = true;
        }
        setCaption(NomeDe(Arquivo));
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

platform::FileDialogRequest frmCalcQuirasol::PedidoAbrir()
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
    if (!alterado || !Habilitado(txtTag))
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
    const bool doTituloAntes = caminhoDoTitulo;
    auto desfaz = [&] {
        Arquivo = arquivoAntes;
        caminhoDoTitulo = doTituloAntes;
        setAlterado(alteradoAntes);
    };
    setAlterado(false);

    if (salvarComo) {
        QDir().mkpath(PathSaves());
        platform::FileDialogRequest pedido;
        pedido.title = QStringLiteral("Salvar Como");
        pedido.filter = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
        pedido.flags = 2054;
        pedido.initialDir = PastaDe(Arquivo);
        pedido.fileName = NomeDe(Arquivo);
        const auto escolhido = platform::ShowSave(pedido);
        if (!escolhido) {
            desfaz();
            return false;
        }
        Arquivo = *escolhido;
    }

    Ocupado(true);
    if (const auto erro = GravaArquivoCaso(Arquivo, CaseFromGrid(gridState()))) {
        Ocupado(false);
        desfaz();
        MostraErro(erro->numero, erro->descricao);
        return false;
    }
    caminhoDoTitulo = false;
    AddFileMRU(Arquivo);
    Atualiza();
    Ocupado(false);
    AtualizaBarra();
    return true;
}

void frmCalcQuirasol::QuraOpen(QString &caminho)
{
    if (QuraFecha() == platform::vbCancel)
        return;
    Carregando = true;
    Arquivo = caminho;
    caminhoDoTitulo = false;
    setCaption(caminho);
    if (caminho.isEmpty()) {
        QDir().mkpath(PathSaves());
        const auto escolhido = platform::ShowOpen(PedidoAbrir());
        if (!escolhido) {
            TemArquivo = false;
            Carregando = false;
            return;
        }
        Arquivo = caminho = *escolhido;
    }

    Ocupado(true);
    if (!QFileInfo(Arquivo).isFile()) {
        platform::MsgBox(QStringLiteral("Arquivo não encontrado"), platform::vbExclamation,
                         QStringLiteral("Arquivo: ") + Arquivo);
        Arquivo.clear();
    } else {
        const LeituraCaso leitura = LeArquivoCaso(Arquivo);
        TemArquivo = true;
        // Each setting runs its control's change handling, as the user's choice would.
        for (const LoadStep &step : LoadSteps(leitura))
            applyLoadStep(step);
        if (!leitura.ok()) {
            Ocupado(false);
            TemArquivo = false;
            Carregando = false;
            // A refused file has nothing loaded: the box names it.
            const bool recusado = leitura.parada == LeituraCaso::Limite;
            MostraErro(leitura.erro.numero,
                       leitura.erro.descricao + (recusado ? QStringLiteral(": ") + Arquivo
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
    Ocupado(false);
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
        if (n >= 0 && n <= UltimoCampo && txtDados[n])
            txtDados[n]->setText(step.text);
        break;
    case LoadStep::FieldUnit:
        if (n >= 0 && n <= UltimoCampo && cboDados[n])
            cboDados[n]->setListIndex(step.position);
        break;
    case LoadStep::MassDensity:
        cboMassaDensidade->setListIndex(step.position);
        break;
    }
}
