#include "frmRelatorio.h"

#include "ArranjoJanelas.h"
#include "ReportPrinting.h"
#include "calculation/ReportSheet.h"
#include "calculation/windows/AbreJanela.h"
#include "frame/modBase.h"
#include "frame/windows/JanelasAuxiliares.h"
#include "frame/windows/mdiMenu.h"
#include "frame/windows/modBaseJanelas.h"
#include "platform/Interaction.h"
#include "platform/Twips.h"
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
#include <QStyle>
#include <QVBoxLayout>

using platform::Pixels;

namespace {

// The run-time error number of a failed print job.
constexpr int ErroImpressora = 482;

// The fixed-pitch font of the header and the list: the printed text font, 9 points.
QFont FonteFixa()
{
    QFont font = calculation::FonteImpressa(calculation::PrintedLine::Texto);
    font.setPointSizeF(9);
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
    const QFont fixa = FonteFixa();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *picTodos = new QWidget(this);
    picTodos->setFixedSize(Pixels(8745), Pixels(4740));
    // At the top-left corner in any window size: the controls keep their design size.
    layout->addWidget(picTodos, 0, Qt::AlignLeft | Qt::AlignTop);

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
    for (QLineEdit *edit : {txtData, txtOS, txtCliente})
        edit->installEventFilter(this);

    cmdAgora = new QPushButton(QStringLiteral("..."), picTodos);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    arial.setBold(true);
    cmdAgora->setFont(arial);
    cmdAgora->setGeometry(Pixels(8250), Pixels(75), Pixels(315), Pixels(300));
    connect(cmdAgora, &QPushButton::clicked, this, &frmRelatorio::cmdAgora_Click);

    lstRelatorio = new QListWidget(picTodos);
    lstRelatorio->setFont(fixa);
    // The design width, or more where the fixed-pitch font needs it for a whole line.
    const int largura = qMax(Pixels(8715),
                             QFontMetrics(fixa).horizontalAdvance(QString(80, QLatin1Char('M')))
                                 + 2 * lstRelatorio->frameWidth()
                                 + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    lstRelatorio->setGeometry(0, Pixels(1515), largura, Pixels(3180));
    picTodos->setFixedSize(largura + Pixels(30), Pixels(4740));

    auto *shpMenu = new QFrame(picTodos);
    shpMenu->setFrameShape(QFrame::Box);
    shpMenu->setGeometry(0, Pixels(1260), largura, Pixels(285));
    lblMenu = new QLabel(calculation::CabecalhoColunas(), picTodos);
    lblMenu->setFont(fixa);
    lblMenu->setGeometry(Pixels(30), Pixels(1275), largura - Pixels(30), Pixels(255));
}

void frmRelatorio::criaMenus()
{
    // The menu bar stays hidden here: the main window shows it in place of its own while
    // this window is the active child.
    barraMenu = new QMenuBar(this);
    barraMenu->hide();
    // Commands that close or hide windows run once the menu is done with the command: they
    // may take this very window away.
    auto item = [this](QMenu *menu, const QString &nome, const QString &texto, auto acao,
                       Qt::ConnectionType tipo = Qt::AutoConnection) {
        QAction *action = menu->addAction(texto);
        action->setObjectName(nome);
        connect(action, &QAction::triggered, this, acao, tipo);
        return action;
    };
    auto marcado = [&](QMenu *menu, const QString &nome, const QString &texto, auto acao) {
        QAction *action = item(menu, nome, texto, acao);
        action->setCheckable(true);
        action->setChecked(true);
        return action;
    };
    auto frame = [](auto handler) {
        return [handler] {
            if (mdiMenu *principal = mdiMenu::Existente())
                (principal->*handler)();
        };
    };

    QMenu *arquivo = barraMenu->addMenu(QStringLiteral("&Arquivo"));
    mnuArquivoNovo = item(arquivo, QStringLiteral("mnuArquivoNovo"), QStringLiteral("&Novo"), [] {
        QString caminho;
        AbreJanela(false, caminho);
    });
    mnuArquivoNovo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuArquivoAbrir = item(arquivo, QStringLiteral("mnuArquivoAbrir"),
                           QStringLiteral("&Abrir..."), [] {
                               QString caminho;
                               AbreJanela(true, caminho);
                           });
    mnuArquivoAbrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuArquivoFechar = item(arquivo, QStringLiteral("mnuArquivoFechar"), QStringLiteral("Fechar"),
                            &frmRelatorio::mnuArquivoFechar_Click, Qt::QueuedConnection);
    mnuArquivoFecharTodos =
        item(arquivo, QStringLiteral("mnuArquivoFecharTodos"), QStringLiteral("Fechar &todos"),
             frame(&mdiMenu::mnuArquivoFecharTodos_Click), Qt::QueuedConnection);
    arquivo->addSeparator();
    auto nada = [] {};
    mnuArquivoSalvar =
        item(arquivo, QStringLiteral("mnuArquivoSalvar"), QStringLiteral("&Salvar"), nada);
    mnuArquivoSalvar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuArquivoSalvar->setEnabled(false);
    mnuArquivoSalvarComo = item(arquivo, QStringLiteral("mnuArquivoSalvarComo"),
                                QStringLiteral("Salvar &como..."), nada);
    mnuArquivoSalvarComo->setEnabled(false);
    mnuArquivoSalvarTodos = item(arquivo, QStringLiteral("mnuArquivoSalvarTodos"),
                                 QStringLiteral("Salvar todos"), nada);
    mnuArquivoSalvarTodos->setEnabled(false);
    mnuArquivoSalvarTodos->setVisible(false);
    arquivo->addSeparator();
    QMenu *exportar = arquivo->addMenu(QStringLiteral("Exportar"));
    mnuArquivoExportarRelatorio =
        item(exportar, QStringLiteral("mnuArquivoExportarRelatorio"),
             QStringLiteral("Relatório..."), &frmRelatorio::mnuArquivoExportarRelatorio_Click);
    arquivo->addSeparator();
    mnuArquivoConfigurarImpressao =
        item(arquivo, QStringLiteral("mnuArquivoConfigurarImpressao"),
             QStringLiteral("Configurar impressão..."), [] { ConfiguraImpressora(true); });
    mnuArquivoImprimir =
        item(arquivo, QStringLiteral("mnuArquivoImprimir"), QStringLiteral("Imprimir..."),
             &frmRelatorio::mnuArquivoImprimir_Click);
    mnuArquivoImprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    arquivo->addSeparator();
    QMenu *recente = arquivo->addMenu(QStringLiteral("Arquivos recentes"));
    for (int n = 1; n <= 4; ++n) {
        mnuArquivoMRU[n] = item(recente, QStringLiteral("mnuArquivoMRU%1").arg(n),
                                QStringLiteral("&%1 RecentFile").arg(n), [n] {
                                    QString caminho = ListaMRU()[n - 1];
                                    AbreJanela(true, caminho);
                                });
    }
    mnuArquivoMRUVazio =
        item(recente, QStringLiteral("mnuArquivoMRUVazio"), QStringLiteral("Vazio"), nada);
    mnuArquivoMRUVazio->setEnabled(false);
    arquivo->addSeparator();
    mnuArquivoSair = item(arquivo, QStringLiteral("mnuArquivoSair"), QStringLiteral("Sai&r"),
                          frame(&mdiMenu::mnuArquivoSair_Click), Qt::QueuedConnection);

    QMenu *exibir = barraMenu->addMenu(QStringLiteral("E&xibir"));
    QMenu *barras = exibir->addMenu(QStringLiteral("&Barra de ferramentas"));
    mnuExibirBarraPadrao =
        marcado(barras, QStringLiteral("mnuExibirBarraPadrao"), QStringLiteral("Botões &padrão"),
                frame(&mdiMenu::mnuExibirBarraPadrao_Click));
    mnuExibirBarraCalculo = marcado(barras, QStringLiteral("mnuExibirBarraCalculo"),
                                    QStringLiteral("Barra de &calculo"),
                                    frame(&mdiMenu::mnuExibirBarraCalculo_Click));
    barras->addSeparator();
    mnuExibirEtiqueta = marcado(barras, QStringLiteral("mnuExibirEtiqueta"),
                                QStringLiteral("&Etiquetas de texto"),
                                frame(&mdiMenu::mnuExibirEtiqueta_Click));
    mnuExibirStatusBar = marcado(exibir, QStringLiteral("mnuExibirStatusBar"),
                                 QStringLiteral("Barra de &status"),
                                 frame(&mdiMenu::mnuExibirStatusBar_Click));
    exibir->addSeparator();
    mnuExibirRelatorio = item(exibir, QStringLiteral("mnuExibirRelatorio"),
                              QStringLiteral("&Relatórios..."),
                              frame(&mdiMenu::mnuExibirRelatorio_Click));
    mnuExibirRelatorio->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    exibir->addSeparator();
    mnuFerramentasOpcoes = item(exibir, QStringLiteral("mnuFerramentasOpcoes"),
                                QStringLiteral("&Opções..."), [] { ShowOptions(nullptr); });

    mnuJanela = barraMenu->addMenu(QStringLiteral("&Janela"));
    mnuJanela->setObjectName(QStringLiteral("mnuJanela"));
    mnuJanelaCascata = item(mnuJanela, QStringLiteral("mnuJanelaCascata"),
                            QStringLiteral("Organizar em &cascata"), [] {
                                if (mdiMenu *principal = mdiMenu::Existente())
                                    principal->Area()->cascadeSubWindows();
                            });
    mnuJanelaOrganizarIcones = item(mnuJanela, QStringLiteral("mnuJanelaOrganizarIcones"),
                                    QStringLiteral("&Organizar ícones"), [] {
                                        if (mdiMenu *principal = mdiMenu::Existente())
                                            OrganizaIcones(principal->Area());
                                    });

    QMenu *ajuda = barraMenu->addMenu(QStringLiteral("Aj&uda"));
    mnuAjudaConteudo = item(ajuda, QStringLiteral("mnuAjudaConteudo"),
                            QStringLiteral("&Conteúdo e índice..."),
                            frame(&mdiMenu::mnuAjudaConteudo_Click));
    mnuAjudaConteudo->setShortcut(QKeySequence(Qt::Key_F1));
    mnuAjudaConteudo->setEnabled(false);
    mnuAjudaComoUsar = item(ajuda, QStringLiteral("mnuAjudaComoUsar"),
                            QStringLiteral("Como utilizar a &ajuda..."),
                            frame(&mdiMenu::mnuAjudaComoUsar_Click));
    mnuAjudaDicas =
        item(ajuda, QStringLiteral("mnuAjudaDicas"), QStringLiteral("Exibir &dicas..."),
             frame(&mdiMenu::mnuAjudaDicas_Click));
    ajuda->addSeparator();
    QMenu *documentacao = ajuda->addMenu(QStringLiteral("D&ocumentação"));
    const QString tabelas[2] = {QStringLiteral("&Massa do Vapor Superaquecido"),
                                QStringLiteral("&Volume do Vapor Superaquecido")};
    for (int index = 0; index < 2; ++index) {
        mnuAjudaDocumentacaoTabela[index] =
            item(documentacao, QStringLiteral("mnuAjudaDocumentacaoTabela%1").arg(index),
                 tabelas[index], [index] {
                     if (mdiMenu *principal = mdiMenu::Existente())
                         principal->mnuAjudaDocumentacaoTabela_Click(index);
                 });
    }
    ajuda->addSeparator();
    mnuAjudaSobre = item(ajuda, QStringLiteral("mnuAjudaSobre"),
                         QStringLiteral("&Sobre o Calculo de Quirasol"),
                         frame(&mdiMenu::mnuAjudaSobre_Click));
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
    return QuadroMdi(this);
}

void frmRelatorio::Show()
{
    show();
    QWidget *janela = quadro();
    janela->show();
    // The document area may have been narrower than the sheet when the window was made: keep
    // its left and top edges, where the header labels are, inside the area.
    if (janela->x() < 0 || janela->y() < 0)
        janela->move(qMax(0, janela->x()), qMax(0, janela->y()));
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
    Form_Deactivate();
    QWidget *janela = quadro();
    janela->hide();
    janela->deleteLater();
}

bool frmRelatorio::eventFilter(QObject *objeto, QEvent *evento)
{
    // The menu's shortcuts come before the header boxes' own keys (Ctrl+A opens a case).
    if (MenuAntesDaCaixa(barraMenu, objeto, evento))
        return true;
    return QWidget::eventFilter(objeto, evento);
}

void frmRelatorio::closeEvent(QCloseEvent *event)
{
    const mdiMenu *principal = mdiMenu::Existente();
    if (descarregando || (principal && principal->Encerrando())) {
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
    // The main window hands the activation on to the next child.
    Form_Deactivate();
    quadro()->hide();
}

void frmRelatorio::cmdAgora_Click()
{
    txtData->setText(calculation::TextoDataHora(QDateTime::currentDateTime()));
    txtData->setFocus();
}

void frmRelatorio::Ocupado(bool ocupado)
{
    setEnabled(!ocupado);
    if (ocupado)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

calculation::ReportHeader frmRelatorio::Cabecalho() const
{
    return {lblData->text(), txtData->text(), lblOS->text(),
            txtOS->text(), lblCliente->text(), txtCliente->text()};
}

QStringList frmRelatorio::Itens() const
{
    QStringList itens;
    for (int i = 0; i < lstRelatorio->count(); ++i)
        itens << lstRelatorio->item(i)->text();
    return itens;
}

void frmRelatorio::mnuArquivoExportarRelatorio_Click()
{
    Ocupado(true);
    // A folder that cannot be made shows up as the file's write error below.
    QDir().mkpath(PathRelatorios());
    platform::FileDialogRequest pedido;
    pedido.title = QStringLiteral("Exportar relatório");
    pedido.filter = QStringLiteral(
        "Documentos de texto (*.txt)|*.txt|Documentos de Word (*.doc)|*.doc");
    pedido.flags = 2054;
    pedido.initialDir = PathRelatorios();
    pedido.fileName = txtCliente->text();
    const std::optional<QString> escolhido = platform::ShowSave(pedido);
    Show();
    if (!escolhido) {
        Ocupado(false);
        return;
    }
    const QString erro = calculation::GravaRelatorio(
        *escolhido,
        calculation::TextoExportado(calculation::LinhasExportadas(Cabecalho(), Itens())));
    if (!erro.isEmpty()) {
        Ocupado(false);
        MostraErro(ErroAcessoArquivo, erro);
        return;
    }
    platform::OpenExternal(*escolhido);
    Ocupado(false);
}

void frmRelatorio::mnuArquivoImprimir_Click()
{
    int copias = 1;
    if (!ConfiguraImpressora(false, &copias))
        return;
    QPrinter &printer = platform::Impressora();
    printer.setCopyCount(copias);
    Ocupado(true);
    const QString erro = calculation::ImprimeLinhas(
        printer, calculation::LayoutImpressao(Cabecalho(), lblMenu->text(), Itens()));
    Ocupado(false);
    if (!erro.isEmpty())
        MostraErro(ErroImpressora, erro);
}

void frmRelatorio::Atualiza()
{
    AtualizaMRU(this);
}

void frmRelatorio::Form_Activate()
{
    ativa = true;
    if (mdiMenu *principal = mdiMenu::Existente()) {
        principal->HabilitaBotao(QStringLiteral("Imprimir"), true);
        principal->HabilitaBotao(QStringLiteral("Exportar"), true);
        mnuExibirStatusBar->setChecked(principal->StatusBarVisivel());
        mnuExibirBarraPadrao->setChecked(principal->BarraPadraoVisivel());
        mnuExibirBarraCalculo->setChecked(principal->BarraCalculoVisivel());
    }
    Atualiza();
}

void frmRelatorio::Form_Deactivate()
{
    if (!ativa)
        return;
    ativa = false;
    if (mdiMenu *principal = mdiMenu::Existente()) {
        principal->HabilitaBotao(QStringLiteral("Imprimir"), false);
        principal->HabilitaBotao(QStringLiteral("Exportar"), false);
    }
}
