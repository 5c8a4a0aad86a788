#include "frmRelatorio.h"

#include "calculation/ReportSheet.h"
#include "frame/modBase.h"
#include "frame/windows/ChildWindowHost.h"
#include "frame/windows/MdiArrangement.h"
#include "frame/windows/modBaseWindows.h"
#include "platform/AtomicWrite.h"
#include "platform/Interaction.h"
#include "platform/Twips.h"
#include "platform/widgets/ProgramPrinter.h"
#include "ReportPrinting.h"

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
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using platform::Pixels;

namespace {

// The run-time error number of a failed print job.
constexpr int ErrorPrinter = 482;

// The fixed-pitch font of the header and the list: the printed text font, 9 points.
QFont FixedFont()
{
    QFont font = calculation::PrintFont(calculation::PrintedLine::Text);
    font.setPointSizeF(9);
    return font;
}

} // namespace

frmRelatorio::frmRelatorio(QWidget *parent)
    : QWidget(parent)
{
    createControls();
    createMenus();
}

frmRelatorio::~frmRelatorio() = default;

void frmRelatorio::createControls()
{
    const calculation::ReportHeader rotulos = calculation::ReportLabels();
    const QFont fixa = FixedFont();

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
    lblData = rotulo(rotulos.dateLabel, 90);
    txtData = caixa(QStringLiteral("Abrindo"), 60);
    lblOS = rotulo(rotulos.serviceOrderLabel, 480);
    txtOS = caixa(QString(), 450);
    lblCliente = rotulo(rotulos.clientLabel, 870);
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
    lblMenu = new QLabel(calculation::ColumnHeader(), picTodos);
    lblMenu->setFont(fixa);
    lblMenu->setGeometry(Pixels(30), Pixels(1275), largura - Pixels(30), Pixels(255));
}

void frmRelatorio::createMenus()
{
    BuildMenuBar(this, {.openCaption = "&Abrir...",
                        .close = [this] { mnuArquivoFechar_Click(); },
                        .saveAll = true,
                        .exportReport = [this] { mnuArquivoExportarRelatorio_Click(); },
                        .print = [this] { mnuArquivoImprimir_Click(); },
                        .captions = {.reportsFolder = "&Relatórios...",
                                     .options = "&Opções...",
                                     .tips = "Exibir &dicas..."}});
    mnuArquivoSalvarTodos =
        ownMenuBar->findChild<QAction *>(QStringLiteral("mnuArquivoSalvarTodos"));
}

QString frmRelatorio::Caption() const
{
    return windowTitle();
}

void frmRelatorio::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QWidget *frmRelatorio::mdiFrame()
{
    return MdiFrame(this);
}

void frmRelatorio::Show()
{
    show();
    QWidget *janela = mdiFrame();
    janela->show();
    // The document area may have been narrower than the sheet when the window was made: keep
    // its left and top edges, where the header labels are, inside the area.
    if (janela->x() < 0 || janela->y() < 0)
        janela->move(qMax(0, janela->x()), qMax(0, janela->y()));
    ZOrder();
}

void frmRelatorio::ZOrder()
{
    QWidget *janela = mdiFrame();
    janela->raise();
    janela->activateWindow();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

void frmRelatorio::Unload()
{
    unloading = true;
    Form_Deactivate();
    QWidget *janela = mdiFrame();
    janela->hide();
    janela->deleteLater();
}

bool frmRelatorio::eventFilter(QObject *objeto, QEvent *evento)
{
    // The menu's shortcuts come before the header boxes' own keys (Ctrl+A opens a case).
    if (MenuBeforeTextBox(ownMenuBar, objeto, evento))
        return true;
    return QWidget::eventFilter(objeto, evento);
}

void frmRelatorio::closeEvent(QCloseEvent *event)
{
    const ChildWindowHost *principal = ChildWindowHost::Loaded();
    if (unloading || (principal && principal->IsClosing())) {
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
    mdiFrame()->hide();
}

void frmRelatorio::cmdAgora_Click()
{
    txtData->setText(calculation::DateTimeText(QDateTime::currentDateTime()));
    txtData->setFocus();
}

void frmRelatorio::SetBusy(bool ocupado)
{
    if (ocupado)
        busyState.Begin(this);
    else
        busyState.End();
}

calculation::ReportHeader frmRelatorio::Header() const
{
    return {lblData->text(), txtData->text(), lblOS->text(),
            txtOS->text(), lblCliente->text(), txtCliente->text()};
}

QStringList frmRelatorio::Items() const
{
    QStringList itens;
    for (int i = 0; i < lstRelatorio->count(); ++i)
        itens << lstRelatorio->item(i)->text();
    return itens;
}

void frmRelatorio::mnuArquivoExportarRelatorio_Click()
{
    SetBusy(true);
    // A folder that cannot be made shows up as the file's write error below.
    QDir().mkpath(PathRelatorios());
    platform::FileDialogRequest pedido;
    pedido.title = QStringLiteral("Exportar relatório");
    pedido.filter = QStringLiteral(
        "Documentos de texto (*.txt)|*.txt|Documentos de Word (*.doc)|*.doc");
    pedido.flags = platform::FileDialogFlags;
    pedido.initialDir = PathRelatorios();
    pedido.fileName = calculation::ExportFileName(txtCliente->text());
    const std::optional<QString> escolhido = platform::ShowSave(pedido);
    Show();
    if (!escolhido) {
        SetBusy(false);
        return;
    }
    const QString erro = platform::WriteFileAtomically(
        *escolhido,
        calculation::ExportedBytes(calculation::ExportedLines(Header(), Items())));
    if (!erro.isEmpty()) {
        SetBusy(false);
        MostraErro(platform::ErrorFileAccess, erro);
        return;
    }
    platform::OpenExternal(*escolhido);
    SetBusy(false);
}

void frmRelatorio::mnuArquivoImprimir_Click()
{
    int copias = 1;
    if (!ConfiguraImpressora(false, &copias))
        return;
    QPrinter &printer = platform::ProgramPrinter();
    printer.setCopyCount(copias);
    SetBusy(true);
    const QString erro = calculation::PrintLines(
        printer, calculation::PrintLayout(Header(), lblMenu->text(), Items()));
    SetBusy(false);
    if (!erro.isEmpty())
        MostraErro(ErrorPrinter, erro);
}

void frmRelatorio::Atualiza()
{
    AtualizaMRU(this);
}

void frmRelatorio::Form_Activate()
{
    active = true;
    if (ChildWindowHost *principal = ChildWindowHost::Loaded()) {
        principal->EnableButton(QStringLiteral("Imprimir"), true);
        principal->EnableButton(QStringLiteral("Exportar"), true);
    }
    CopyViewChecks();
    Atualiza();
}

void frmRelatorio::Form_Deactivate()
{
    if (!active)
        return;
    active = false;
    if (ChildWindowHost *principal = ChildWindowHost::Loaded()) {
        principal->EnableButton(QStringLiteral("Imprimir"), false);
        principal->EnableButton(QStringLiteral("Exportar"), false);
    }
}
