#include "frmCalculadora.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

using namespace calculator;
using platform::Pixels;

namespace {

// A picture control: shows its picture stretched over its whole area and takes no focus.
class PictureButton final : public QWidget
{
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap &pixmap)
    {
        picture = pixmap;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), picture);
    }

private:
    QPixmap picture;
};

// A 36 x 29 button face in black, white and the greys 127, 191 and 223: raised for the
// normal look, sunken for the pressed one.
QPixmap ButtonFace(bool pressionado)
{
    const QColor preto(0, 0, 0), branco(255, 255, 255);
    const QColor escuro(127, 127, 127), face(191, 191, 191), claro(223, 223, 223);
    QPixmap pixmap(36, 29);
    pixmap.fill(face);
    QPainter p(&pixmap);
    const int r = pixmap.width() - 1, b = pixmap.height() - 1;
    auto moldura = [&](int inset, const QColor &luz, const QColor &sombra) {
        p.setPen(luz);
        p.drawLine(inset, inset, r - inset - 1, inset);
        p.drawLine(inset, inset, inset, b - inset - 1);
        p.setPen(sombra);
        p.drawLine(inset, b - inset, r - inset, b - inset);
        p.drawLine(r - inset, inset, r - inset, b - inset);
    };
    if (pressionado) {
        moldura(0, preto, branco);
        moldura(1, escuro, claro);
    } else {
        moldura(0, branco, preto);
        moldura(1, claro, escuro);
    }
    return pixmap;
}

QFont ArialFont()
{
    QFont fonte(QStringLiteral("Arial"));
    fonte.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    fonte.setPointSizeF(9.75);
    return fonte;
}

QPointer<frmCalculadora> instance;

} // namespace

frmCalculadora *frmCalculadora::Load()
{
    // A window that is closing (its deletion still pending) is not reused.
    if (!instance || instance->closing)
        instance = new frmCalculadora;
    return instance;
}

frmCalculadora *frmCalculadora::Instance()
{
    return instance;
}

frmCalculadora::frmCalculadora()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , engine(ProgramCalculator())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmCalculadora"));
    setWindowTitle(QStringLiteral("Calculadora"));
    setFixedSize(Pixels(3105), Pixels(2550));
    setFocusPolicy(Qt::StrongFocus);
    looks.fill(Normal);
    imgBotao[Pressed] = ButtonFace(true);
    imgBotao[Normal] = ButtonFace(false);

    const QFont fonte = ArialFont();
    auto *lblFundoDigtal = new QLabel(this);
    lblFundoDigtal->setObjectName(QStringLiteral("lblFundoDigtal"));
    lblFundoDigtal->setGeometry(Pixels(75), Pixels(75), Pixels(2955), Pixels(375));
    lblFundoDigtal->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblFundoDigtal->setAutoFillBackground(true);
    QPalette branco = lblFundoDigtal->palette();
    branco.setColor(QPalette::Window, Qt::white);
    branco.setColor(QPalette::WindowText, Qt::black);
    lblFundoDigtal->setPalette(branco);

    Readout = new QLabel(this);
    Readout->setObjectName(QStringLiteral("Readout"));
    Readout->setGeometry(Pixels(165), Pixels(135), Pixels(2805), Pixels(240));
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setFont(fonte);
    QPalette preto = Readout->palette();
    preto.setColor(QPalette::WindowText, Qt::black);
    Readout->setPalette(preto);

    // Buttons: grid position (column, row), captions and colours.
    struct ButtonPlace {
        Botao button;
        int column, row;
        const char *caption;
    };
    const ButtonPlace posicoes[] = {
        {NumberButton(7), 0, 0, "7"},        {NumberButton(8), 1, 0, "8"},
        {NumberButton(9), 2, 0, "9"},        {CancelEntryButton, 3, 0, "CE"},
        {CancelButton, 4, 0, "C"},          {NumberButton(4), 0, 1, "4"},
        {NumberButton(5), 1, 1, "5"},        {NumberButton(6), 2, 1, "6"},
        {OperatorButton(OpMultiply), 3, 1, "*"}, {OperatorButton(OpDivide), 4, 1, "/"},
        {NumberButton(1), 0, 2, "1"},        {NumberButton(2), 1, 2, "2"},
        {NumberButton(3), 2, 2, "3"},        {OperatorButton(OpSubtract), 3, 2, "-"},
        {PercentButton, 4, 2, "%"},       {NumberButton(0), 0, 3, "0"},
        {DecimalButton, 2, 3, ","},          {OperatorButton(OpAdd), 3, 3, "+"},
        {OperatorButton(OpEquals), 4, 3, "="},
    };
    const int esquerdas[] = {75, 675, 1275, 1875, 2475};
    const int topos[] = {555, 1050, 1545, 2040};
    for (const ButtonPlace &p : posicoes) {
        const bool numero = p.button < NumberButton0 + 10;
        int esquerda = esquerdas[p.column];
        if (p.button == CancelButton)
            esquerda = 2490;
        const int largura = p.button == NumberButton(0) ? 1140 : 540;
        auto *botao = new PictureButton(this);
        botao->setGeometry(Pixels(esquerda), Pixels(topos[p.row]), Pixels(largura), Pixels(435));
        botao->setPicture(imgBotao[Normal]);
        botao->installEventFilter(this);
        buttons[p.button] = botao;

        auto *legenda = new QLabel(QString::fromUtf8(p.caption), this);
        legenda->setFont(fonte);
        QPalette cor = legenda->palette();
        const bool azul = numero || p.button == DecimalButton;
        cor.setColor(QPalette::WindowText, azul ? QColor(0, 0, 255) : QColor(255, 0, 0));
        legenda->setPalette(cor);
        legenda->installEventFilter(this);
        captions[p.button] = legenda;
    }
    auto nomeia = [this](Botao b, const QString &botao, const QString &legenda) {
        buttons[b]->setObjectName(botao);
        captions[b]->setObjectName(legenda);
    };
    for (int i = 0; i < 10; ++i)
        nomeia(NumberButton(i), QStringLiteral("Number_%1").arg(i),
               QStringLiteral("lblNumber_%1").arg(i));
    for (int i = 0; i <= OpEquals; ++i)
        nomeia(OperatorButton(i), QStringLiteral("cmdOperador_%1").arg(i),
               QStringLiteral("lblOperator_%1").arg(i));
    nomeia(DecimalButton, QStringLiteral("cmdDecimal"), QStringLiteral("lblDecimal"));
    nomeia(PercentButton, QStringLiteral("cmdPercent"), QStringLiteral("lblPercent"));
    nomeia(CancelButton, QStringLiteral("cmdCancel"), QStringLiteral("lblCancel"));
    nomeia(CancelEntryButton, QStringLiteral("cmdCancelEntry"),
           QStringLiteral("lblCancelEntry"));
    for (int b = 0; b < ButtonCount; ++b) {
        captions[b]->adjustSize();
        captions[b]->move(buttons[b]->geometry().center() - captions[b]->rect().center());
        captions[b]->raise();
    }

    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &frmCalculadora::ActiveWindowChanged);

    // Form_Load: the load reset.
    engine.Load(this);
}

frmCalculadora::~frmCalculadora()
{
    Unload();
}

void frmCalculadora::Unload()
{
    // Form_Unload: the target is forgotten; the engine keeps its operands.
    FormAlvo = nullptr;
    engine.Unload(this);
}

void frmCalculadora::Cola(const QString &Texto)
{
    engine.Cola(Texto);
}

void frmCalculadora::Inicia(QWidget *alvo)
{
    FormAlvo = alvo;
    // Float above the target's window (and go with it), at the position the caller set.
    if (alvo && !parentWidget()) {
        const QPoint posicao = pos();
        setParent(alvo->window(), windowFlags());
        move(posicao);
    }
    show();
    QCoreApplication::processEvents();
    if (closing)
        return;
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void frmCalculadora::ShowReadout(const QString &texto)
{
    Readout->setText(texto);
}

void frmCalculadora::ShowDecimal(const QString &separador)
{
    QLabel *lblDecimal = captions[DecimalButton];
    lblDecimal->setText(separador);
    lblDecimal->adjustSize();
    lblDecimal->move(buttons[DecimalButton]->geometry().center() - lblDecimal->rect().center());
}

void frmCalculadora::DrawButton(Botao botao, EstadoBotao estado)
{
    looks[botao] = estado;
    static_cast<PictureButton *>(buttons[botao])->setPicture(imgBotao[estado]);
}

void frmCalculadora::WriteResult(const QString &texto)
{
    // The control that has the focus in the target window takes the text as its value, which
    // runs its change handling; anything else (no target, no such control) is ignored.
    if (!FormAlvo)
        return;
    if (auto *campo = qobject_cast<QLineEdit *>(FormAlvo->focusWidget()))
        campo->setText(texto);
}

void frmCalculadora::Close()
{
    if (closing)
        return;
    closing = true;
    close();
}

void frmCalculadora::closeEvent(QCloseEvent *event)
{
    closing = true;
    Unload();
    event->accept();
}

bool frmCalculadora::Run(Botao botao)
{
    running = true;
    const bool fechou = engine.Press(botao);
    running = false;
    return fechou || closing;
}

bool frmCalculadora::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type tipo = event->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonDblClick
        && tipo != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    // A caption label forwards its mouse events to the button under it.
    int botao = -1;
    for (int b = 0; b < ButtonCount; ++b) {
        if (watched == buttons[b] || watched == captions[b])
            botao = b;
    }
    if (botao < 0 || closing)
        return QWidget::eventFilter(watched, event);
    if (tipo == QEvent::MouseButtonRelease) {
        engine.Draw(Botao(botao), Normal); // MouseUp
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->rect().contains(mouse->position().toPoint()))
            Run(Botao(botao)); // Click
    } else {
        engine.Draw(Botao(botao), Pressed); // MouseDown
    }
    return true;
}

int frmCalculadora::KeyCode(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    const bool teclado = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (teclado ? 96 : 48) + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (teclado) {
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
        }
    }
    // Shift turns a main-keyboard digit into a symbol; the key itself is still the digit.
    // On X11 and Wayland the keys of the digit row have the scan codes 10 ("1") to 19 ("0").
    if (modifiers.testFlag(Qt::ShiftModifier) && scanCode >= 10 && scanCode <= 19)
        return 48 + int(scanCode - 9) % 10;
    return 0;
}

void frmCalculadora::keyPressEvent(QKeyEvent *event)
{
    // Form_KeyDown: the key's button shows the pressed look, again while the key repeats.
    const auto botao = ButtonOfKey(
        KeyCode(event->key(), event->modifiers(), event->nativeScanCode()));
    if (!botao || closing) {
        QWidget::keyPressEvent(event);
        return;
    }
    engine.Draw(*botao, Pressed);
    event->accept();
}

void frmCalculadora::keyReleaseEvent(QKeyEvent *event)
{
    // Form_KeyUp: the action once, when the key is really released, then the normal look.
    const auto botao = ButtonOfKey(
        KeyCode(event->key(), event->modifiers(), event->nativeScanCode()));
    if (!botao || closing) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    if (!Run(*botao))
        engine.Draw(*botao, Normal);
}

void frmCalculadora::ActiveWindowChanged(QWindow *ativa)
{
    // The window system's focus window is the active window of the program. A tool window
    // may count as active together with its parent for QWidget::isActiveWindow(), so the
    // calculator watches the focus window itself. Another program taking the activation
    // (no focus window of ours) leaves the calculator open.
    if (ativa == nullptr)
        return;
    if (ativa == windowHandle())
        wasActivated = true;
    else
        Form_Deactivate();
}

void frmCalculadora::Form_Deactivate()
{
    // Another window of the program took the activation: close without a result. A message
    // box of the calculator's own (division by zero) takes it only for a moment.
    if (!wasActivated || running || closing)
        return;
    Close();
}
