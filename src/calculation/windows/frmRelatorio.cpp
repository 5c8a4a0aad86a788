#include "frmRelatorio.h"

#include "ReportPrinting.h"
#include "calculation/ReportSheet.h"
#include "platform/Interaction.h"
#include "platform/Numbers.h"
#include "platform/widgets/QtInteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Design positions are in twips, 15 to the pixel.
constexpr int Pixels(int twips)
{
    return twips / 15;
}

QFont FonteFixa(qreal pontos)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pontos);
    return font;
}

} // namespace

frmRelatorio::frmRelatorio(QWidget *parent)
    : QWidget(parent)
{
    criaControles();
    criaMenus();
}

frmRelatorio::~frmRelatorio() = default;

void frmRelatorio::criaControles()
{
    const calculation::ReportHeader rotulos = calculation::RotulosRelatorio();
    const QFont fixa = FonteFixa(9);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *picTodos = new QWidget(this);
    picTodos->setFixedSize(Pixels(8745), Pixels(4740));
    layout->addWidget(picTodos);

    auto rotulo = [&](const QString &texto, int top) {
        auto *label = new QLabel(texto, picTodos);
        label->setFont(fixa);
        label->setGeometry(Pixels(30), Pixels(top), Pixels(1995), Pixels(285));
        return label;
    };
    auto caixa = [&](const QString &texto, int top) {
        auto *edit = new QLineEdit(texto, picTodos);
        edit->setFont(fixa);
        edit->setGeometry(Pixels(2130), Pixels(top), Pixels(6435), Pixels(330));
        return edit;
    };
    lblData = rotulo(rotulos.rotuloData, 90);
    txtData = caixa(QStringLiteral("Abrindo"), 60);
    lblOS = rotulo(rotulos.rotuloOS, 480);
    txtOS = caixa(QString(), 450);
    lblCliente = rotulo(rotulos.rotuloCliente, 870);
    txtCliente = caixa(QString(), 840);

    cmdAgora = new QPushButton(QStringLiteral("..."), picTodos);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    arial.setBold(true);
    cmdAgora->setFont(arial);
    cmdAgora->setGeometry(Pixels(8250), Pixels(75), Pixels(315), Pixels(300));
    connect(cmdAgora, &QPushButton::clicked, this, &frmRelatorio::cmdAgora_Click);

    auto *shpMenu = new QFrame(picTodos);
    shpMenu->setFrameShape(QFrame::Box);
    shpMenu->setGeometry(0, Pixels(1260), Pixels(8715), Pixels(285));
    lblMenu = new QLabel(calculation::CabecalhoColunas(), picTodos);
    lblMenu->setFont(fixa);
    lblMenu->setGeometry(Pixels(30), Pixels(1275), Pixels(8685), Pixels(255));

    lstRelatorio = new QListWidget(picTodos);
    lstRelatorio->setFont(fixa);
    lstRelatorio->setGeometry(0, Pixels(1515), Pixels(8715), Pixels(3180));
}

void frmRelatorio::criaMenus()
{
    barraMenu = new QMenuBar(this);
    layout()->setMenuBar(barraMenu);

    QMenu *arquivo = barraMenu->addMenu(QStringLiteral("&Arquivo"));
    mnuArquivoNovo = arquivo->addAction(QStringLiteral("&Novo"));
    mnuArquivoNovo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuArquivoAbrir = arquivo->addAction(QStringLiteral("&Abrir..."));
    mnuArquivoAbrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuArquivoFechar = arquivo->addAction(QStringLiteral("Fechar"));
    connect(mnuArquivoFechar, &QAction::triggered, this, &frmRelatorio::mnuArquivoFechar_Click);
    mnuArquivoFecharTodos = arquivo->addAction(QStringLiteral("Fechar &todos"));
    arquivo->addSeparator();
    mnuArquivoSalvar = arquivo->addAction(QStringLiteral("&Salvar"));
    mnuArquivoSalvar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuArquivoSalvar->setEnabled(false);
    mnuArquivoSalvarComo = arquivo->addAction(QStringLiteral("Salvar &como..."));
    mnuArquivoSalvarComo->setEnabled(false);
    mnuArquivoSalvarTodos = arquivo->addAction(QStringLiteral("Salvar todos"));
    mnuArquivoSalvarTodos->setEnabled(false);
    mnuArquivoSalvarTodos->setVisible(false);
    arquivo->addSeparator();
    QMenu *exportar = arquivo->addMenu(QStringLiteral("Exportar"));
    mnuArquivoExportarRelatorio = exportar->addAction(QStringLiteral("Relatório..."));
    connect(mnuArquivoExportarRelatorio, &QAction::triggered, this,
            &frmRelatorio::mnuArquivoExportarRelatorio_Click);
    arquivo->addSeparator();
    mnuArquivoConfigurarImpressao = arquivo->addAction(QStringLiteral("Configurar impressão..."));
    mnuArquivoImprimir = arquivo->addAction(QStringLiteral("Imprimir..."));
    mnuArquivoImprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuArquivoImprimir, &QAction::triggered, this,
            &frmRelatorio::mnuArquivoImprimir_Click);
    arquivo->addSeparator();
    QMenu *recente = arquivo->addMenu(QStringLiteral("Arquivos recentes"));
    for (int n = 1; n <= 4; ++n)
        mnuArquivoMRU[n] = recente->addAction(QStringLiteral("&%1 RecentFile").arg(n));
    mnuArquivoMRUVazio = recente->addAction(QStringLiteral("Vazio"));
    mnuArquivoMRUVazio->setEnabled(false);
    arquivo->addSeparator();
    mnuArquivoSair = arquivo->addAction(QStringLiteral("Sai&r"));

    QMenu *exibir = barraMenu->addMenu(QStringLiteral("E&xibir"));
    QMenu *barras = exibir->addMenu(QStringLiteral("&Barra de ferramentas"));
    auto marcado = [](QMenu *menu, const QString &texto) {
        QAction *action = menu->addAction(texto);
        action->setCheckable(true);
        action->setChecked(true);
        return action;
    };
    mnuExibirBarraPadrao = marcado(barras, QStringLiteral("Botões &padrão"));
    mnuExibirBarraCalculo = marcado(barras, QStringLiteral("Barra de &calculo"));
    barras->addSeparator();
    mnuExibirEtiqueta = marcado(barras, QStringLiteral("&Etiquetas de texto"));
    mnuExibirStatusBar = marcado(exibir, QStringLiteral("Barra de &status"));
    exibir->addSeparator();
    mnuExibirRelatorio = exibir->addAction(QStringLiteral("&Relatórios..."));
    mnuExibirRelatorio->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    exibir->addSeparator();
    mnuFerramentasOpcoes = exibir->addAction(QStringLiteral("&Opções..."));

    mnuJanela = barraMenu->addMenu(QStringLiteral("&Janela"));
    mnuJanelaCascata = mnuJanela->addAction(QStringLiteral("Organizar em &cascata"));
    mnuJanelaOrganizarIcones = mnuJanela->addAction(QStringLiteral("&Organizar ícones"));

    QMenu *ajuda = barraMenu->addMenu(QStringLiteral("Aj&uda"));
    mnuAjudaConteudo = ajuda->addAction(QStringLiteral("&Conteúdo e índice..."));
    mnuAjudaConteudo->setShortcut(QKeySequence(Qt::Key_F1));
    mnuAjudaConteudo->setEnabled(false);
    mnuAjudaComoUsar = ajuda->addAction(QStringLiteral("Como utilizar a &ajuda..."));
    mnuAjudaDicas = ajuda->addAction(QStringLiteral("Exibir &dicas..."));
    ajuda->addSeparator();
    QMenu *documentacao = ajuda->addMenu(QStringLiteral("D&ocumentação"));
    mnuAjudaDocumentacaoTabela[0] =
        documentacao->addAction(QStringLiteral("&Massa do Vapor Superaquecido"));
    mnuAjudaDocumentacaoTabela[1] =
        documentacao->addAction(QStringLiteral("&Volume do Vapor Superaquecido"));
    ajuda->addSeparator();
    mnuAjudaSobre = ajuda->addAction(QStringLiteral("&Sobre o Calculo de Quirasol"));
}

QString frmRelatorio::Caption() const
{
    return windowTitle();
}

void frmRelatorio::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QWidget *frmRelatorio::quadro()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub;
    return this;
}

void frmRelatorio::Show()
{
    show();
    quadro()->show();
    ZOrder();
}

void frmRelatorio::ZOrder()
{
    QWidget *janela = quadro();
    janela->raise();
    janela->activateWindow();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

void frmRelatorio::Descarrega()
{
    descarregando = true;
    QWidget *janela = quadro();
    janela->close();
    janela->deleteLater();
}

void frmRelatorio::closeEvent(QCloseEvent *event)
{
    if (descarregando) {
        Form_Deactivate();
        event->accept();
        return;
    }
    // The close box only hides the window: its data sheet stays for the next showing.
    event->ignore();
    mnuArquivoFechar_Click();
}

void frmRelatorio::mnuArquivoFechar_Click()
{
    quadro()->hide();
    Form_Deactivate();
}

void frmRelatorio::cmdAgora_Click()
{
    const QLocale local = platform::LocalSistema();
    const QDateTime agora = QDateTime::currentDateTime();
    txtData->setText(local.toString(agora.time(), QLocale::ShortFormat) + QStringLiteral(" - ")
                     + local.toString(agora.date(), QLocale::LongFormat));
    txtData->setFocus();
}

void frmRelatorio::Ocupado(bool ocupado)
{
    setEnabled(!ocupado);
    if (ocupado)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

static calculation::ReportHeader CabecalhoDe(const frmRelatorio &janela)
{
    return {janela.lblData->text(), janela.txtData->text(), janela.lblOS->text(),
            janela.txtOS->text(), janela.lblCliente->text(), janela.txtCliente->text()};
}

static QStringList ItensDe(const QListWidget &lista)
{
    QStringList itens;
    for (int i = 0; i < lista.count(); ++i)
        itens << lista.item(i)->text();
    return itens;
}

void frmRelatorio::mnuArquivoExportarRelatorio_Click()
{
    // Filled in with the frame's paths and error box.
}

void frmRelatorio::mnuArquivoImprimir_Click()
{
    platform::PrinterDialogRequest pedido;
    if (!platform::ShowPrinter(pedido))
        return;
    QPrinter &printer = platform::Impressora();
    printer.setCopyCount(pedido.copies);
    Ocupado(true);
    const QString erro = calculation::ImprimeLinhas(
        printer, calculation::LayoutImpressao(CabecalhoDe(*this), lblMenu->text(),
                                              ItensDe(*lstRelatorio)));
    Ocupado(false);
    if (!erro.isEmpty())
        platform::MsgBox(erro, platform::vbCritical);
}

void frmRelatorio::Atualiza()
{
}

void frmRelatorio::Form_Activate()
{
}

void frmRelatorio::Form_Deactivate()
{
}
