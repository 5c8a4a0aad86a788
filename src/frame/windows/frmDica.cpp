#include "frame/windows/frmDica.h"

#include "frame/modRegistro.h"
#include "frame/Options.h"
#include "frame/TipsOfTheDay.h"
#include "platform/AppInfo.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

using platform::PixelsRect;

namespace {

QPointer<frmDica> &TheInstance()
{
    static QPointer<frmDica> instancia;
    return instancia;
}

// The tips read in this run: they outlive the window.
frame::TipsOfTheDay &Tips()
{
    static frame::TipsOfTheDay dicas;
    return dicas;
}

} // namespace

frmDica::frmDica(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDica"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dica do dia"));
    setFixedSize(platform::Pixels(5415), platform::Pixels(3285));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(PixelsRect(4080, 120, 1215, 375));
    cmdOK->setDefault(true);

    picDicas = new QWidget(this);
    picDicas->setObjectName(QStringLiteral("picDicas"));
    picDicas->setGeometry(PixelsRect(120, 120, 3735, 2715));
    picDicas->setAutoFillBackground(true);
    QPalette branco = picDicas->palette();
    branco.setColor(QPalette::Window, Qt::white);
    branco.setColor(QPalette::WindowText, Qt::black);
    picDicas->setPalette(branco);
    picDicas->setFocusPolicy(Qt::TabFocus);
    auto *icone = new QLabel(picDicas);
    icone->setGeometry(0, 0, 32, 32);
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    lblVcSabia = new QLabel(QStringLiteral("Você sabia..."), picDicas);
    lblVcSabia->setObjectName(QStringLiteral("lblVcSabia"));
    QFont negrito = lblVcSabia->font();
    negrito.setBold(true);
    lblVcSabia->setFont(negrito);
    lblVcSabia->move(platform::Pixels(540), platform::Pixels(180));
    lblVcSabia->adjustSize();

    lblTipText = new QLabel(picDicas);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setGeometry(PixelsRect(180, 840, 3255, 1635));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdNextTip = new QPushButton(QStringLiteral("&Nova Dica"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdNextTip->setGeometry(PixelsRect(4080, 600, 1215, 375));

    chkDicasIniciar = new QCheckBox(QStringLiteral("&Mostrar dicas ao iniciar"), this);
    chkDicasIniciar->setObjectName(QStringLiteral("chkDicasIniciar"));
    chkDicasIniciar->setGeometry(PixelsRect(120, 2940, 2055, 315).adjusted(0, 0, 30, 0));

    setTabOrder(cmdOK, picDicas);
    setTabOrder(picDicas, cmdNextTip);
    setTabOrder(cmdNextTip, chkDicasIniciar);

    connect(cmdOK, &QPushButton::clicked, this, &frmDica::cmdOK_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmDica::DicaProxima);
    // Every change of the box, a check at load included, writes the switch.
    connect(chkDicasIniciar, &QCheckBox::toggled, this, &frmDica::chkDicasIniciar_Click);
}

frmDica *frmDica::Instance()
{
    return TheInstance().data();
}

frmDica *frmDica::ShowIn(QMdiArea *area)
{
    QPointer<frmDica> &instancia = TheInstance();
    if (!instancia) {
        instancia = new frmDica;
        instancia->Form_Load(area);
    }
    instancia->show();
    if (auto *moldura = qobject_cast<QMdiSubWindow *>(instancia->parentWidget())) {
        moldura->show();
        if (area)
            area->setActiveSubWindow(moldura);
    }
    instancia->cmdOK->setFocus();
    return instancia;
}

void frmDica::Form_Load(QMdiArea *area)
{
    if (frame::GetConfig(QStringLiteral("Config"), QStringLiteral("DicasIniciar"))
        != QLatin1String("0"))
        chkDicasIniciar->setChecked(true);
    if (area) {
        QMdiSubWindow *moldura = area->addSubWindow(
            this, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        moldura->setAttribute(Qt::WA_DeleteOnClose);
        moldura->setWindowIcon(windowIcon());
        // Maximised, the tip stays at the top left as at its own size.
        moldura->layout()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Center(area);
    }
    Tips().Seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    const QString arquivo = QDir(QCoreApplication::applicationDirPath()).filePath(
        frame::TipsFileName);
    if (!LoadTips(arquivo))
        lblTipText->setText(frame::NoTipsMessage(platform::AppTitle));
}

// Moves the window to the document area's origin, then centres it in the part of the main
// window right of and below that origin. A main window shown but not yet on screen gets its
// size and frame from the window manager on the way (a maximised start, above all): the tip
// is centred again on the main window as it first appears.
void frmDica::Center(QMdiArea *area)
{
    QWidget *moldura = parentWidget();
    QWidget *principal = area->window();
    moldura->move(0, 0);
    const QPoint origem =
        moldura->mapToGlobal(QPoint(0, 0)) - principal->frameGeometry().topLeft();
    moldura->move(frame::TipWindowPosition(principal->frameGeometry().size(),
                                           moldura->frameGeometry().size(), origem));
    QWindow *janela = principal->windowHandle();
    if (janela && principal->isVisible() && !janela->isExposed() && !centreWhenShown) {
        centreWhenShown = area;
        janela->installEventFilter(this);
    }
}

bool frmDica::eventFilter(QObject *objeto, QEvent *event)
{
    if (event->type() == QEvent::Expose && centreWhenShown
        && objeto == centreWhenShown->window()->windowHandle()
        && centreWhenShown->window()->windowHandle()->isExposed()) {
        objeto->removeEventFilter(this);
        QMdiArea *area = centreWhenShown;
        centreWhenShown = nullptr;
        Center(area);
    }
    return QWidget::eventFilter(objeto, event);
}

bool frmDica::LoadTips(const QString &NomeArquivo)
{
    if (!Tips().LoadTips(NomeArquivo))
        return false;
    DicaMostrarAtual();
    return true;
}

void frmDica::DicaMostrarAtual()
{
    if (!Tips().IsEmpty())
        lblTipText->setText(Tips().CurrentText());
}

void frmDica::DicaProxima()
{
    Tips().DicaProxima();
    DicaMostrarAtual();
}

void frmDica::cmdOK_Click()
{
    if (auto *moldura = qobject_cast<QMdiSubWindow *>(parentWidget()))
        moldura->close();
    else
        close();
}

void frmDica::chkDicasIniciar_Click()
{
    frame::SaveConfig(QStringLiteral("Config"), QStringLiteral("DicasIniciar"),
                      frame::OptionValue(chkDicasIniciar->isChecked()));
}

// OK is both the default and the cancel button: Enter and Escape press it, except that Enter
// on the focused "Nova Dica" presses that one.
void frmDica::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cmdOK->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (cmdNextTip->hasFocus() ? cmdNextTip : cmdOK)->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
