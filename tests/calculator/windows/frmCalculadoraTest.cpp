#include "calculator/windows/frmCalculadora.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace calculator;

namespace {

// A window with two value fields standing in for a calculation window; it counts the
// change handling of the first field.
struct TargetWindow {
    QWidget window;
    QLineEdit *box = new QLineEdit(&window);
    QLineEdit *other = new QLineEdit(&window);
    QStringList changes;

    TargetWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        QObject::connect(box, &QLineEdit::textChanged, &window,
                         [this](const QString &texto) { changes << texto; });
        window.show();
        box->setFocus();
    }
};

// Mouse events delivered straight to a control, as the window system would.
void Mouse(QWidget *widget, QEvent::Type tipo, Qt::MouseButton botao, QPoint ponto = {-1, -1})
{
    if (ponto == QPoint(-1, -1))
        ponto = widget->rect().center();
    const Qt::MouseButtons apertados = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : botao;
    QMouseEvent evento(tipo, ponto, widget->mapToGlobal(ponto), botao, apertados,
                       Qt::NoModifier);
    QApplication::sendEvent(widget, &evento);
}

void Click(QWidget *widget, Qt::MouseButton botao = Qt::LeftButton)
{
    Mouse(widget, QEvent::MouseButtonPress, botao);
    Mouse(widget, QEvent::MouseButtonRelease, botao);
}

// The events so far, deferred deletes included: before checking that nothing happened.
void Drain()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class frmCalculadoraTest : public ::testing::Test
{
protected:
    void SetUp() override { calc = frmCalculadora::Load(); }
    void TearDown() override
    {
        if (calc)
            calc->close();
        ASSERT_TRUE(testsupport::WaitFor([] { return frmCalculadora::Instance() == nullptr; }));
    }

    // The calculator has closed and is deleted.
    bool Closed()
    {
        return testsupport::WaitFor([this] { return calc.isNull(); });
    }

    QString ReadoutText() const { return calc->Readout->text(); }

    void PressKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
            if (calc.isNull())
                return;
            QKeyEvent evento(tipo, key, mods);
            QApplication::sendEvent(calc.data(), &evento);
        }
    }

    testsupport::ScriptedInteraction ui;
    QPointer<frmCalculadora> calc;
};

} // namespace

TEST_F(frmCalculadoraTest, FixedToolWindowLaidOutInTwips)
{
    EXPECT_EQ(calc->size(), QSize(207, 170));
    EXPECT_EQ(calc->minimumSize(), calc->maximumSize());
    EXPECT_TRUE(calc->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(calc->windowTitle(), QStringLiteral("Calculadora"));
    EXPECT_EQ(calc->button(NumberButton(7))->geometry(), QRect(5, 37, 36, 29));
    EXPECT_EQ(calc->button(NumberButton(0))->geometry(), QRect(5, 136, 76, 29));
    EXPECT_EQ(calc->button(CancelButton)->geometry(), QRect(166, 37, 36, 29));
    EXPECT_EQ(calc->button(OperatorButton(OpEquals))->geometry(), QRect(165, 136, 36, 29));
    EXPECT_EQ(calc->caption(OperatorButton(OpDivide))->text(), QStringLiteral("/"));
    EXPECT_EQ(calc->caption(DecimalButton)->text(), QStringLiteral(","));
    EXPECT_EQ(calc->caption(NumberButton(3))->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
    EXPECT_EQ(calc->caption(CancelEntryButton)->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,"));
    for (int b = 0; b < ButtonCount; ++b) {
        EXPECT_EQ(calc->look(Botao(b)), Normal);
        EXPECT_EQ(calc->button(Botao(b))->focusPolicy(), Qt::NoFocus);
        // Every caption lies centred on its button.
        EXPECT_TRUE(calc->button(Botao(b))->geometry().contains(
            calc->caption(Botao(b))->geometry().center()));
    }
}

TEST_F(frmCalculadoraTest, CaptionClickActsLikeItsButton)
{
    Click(calc->caption(NumberButton(1)));
    Click(calc->button(NumberButton(2)));
    Click(calc->caption(DecimalButton));
    Click(calc->caption(NumberButton(5)));
    EXPECT_EQ(ReadoutText(), QStringLiteral("12,5"));
    Click(calc->caption(PercentButton));
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,125"));
    Click(calc->caption(CancelButton), Qt::RightButton);
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,"));
    Click(calc->caption(NumberButton(9)));
    Click(calc->caption(CancelEntryButton));
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,"));
    for (int b = 0; b < ButtonCount; ++b)
        EXPECT_EQ(calc->look(Botao(b)), Normal);
}

TEST_F(frmCalculadoraTest, PressedLookMovesFromButtonToButton)
{
    Mouse(calc->caption(NumberButton(4)), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(calc->look(NumberButton(4)), Pressed);
    Mouse(calc->button(OperatorButton(OpAdd)), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(calc->look(NumberButton(4)), Normal);
    EXPECT_EQ(calc->look(OperatorButton(OpAdd)), Pressed);
    // Released outside the button: the normal look, no action.
    Mouse(calc->button(OperatorButton(OpAdd)), QEvent::MouseButtonRelease, Qt::LeftButton,
          QPoint(-5, -5));
    EXPECT_EQ(calc->look(OperatorButton(OpAdd)), Normal);
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,"));
}

TEST_F(frmCalculadoraTest, KeypadAndMainKeyboardDigits)
{
    PressKey(Qt::Key_5, Qt::KeypadModifier);
    PressKey(Qt::Key_5);
    PressKey(Qt::Key_7, Qt::ShiftModifier);
    EXPECT_EQ(ReadoutText(), QStringLiteral("557,"));
    // The keypad decimal key is the decimal key, whatever character it sends.
    PressKey(Qt::Key_Period, Qt::KeypadModifier);
    PressKey(Qt::Key_1, Qt::KeypadModifier);
    PressKey(Qt::Key_Comma, Qt::KeypadModifier);
    PressKey(Qt::Key_2);
    EXPECT_EQ(ReadoutText(), QStringLiteral("557,12"));
    // Keypad operators.
    PressKey(Qt::Key_Asterisk, Qt::KeypadModifier);
    PressKey(Qt::Key_2, Qt::KeypadModifier);
    PressKey(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(ReadoutText(), QStringLiteral("1114,24"));
    PressKey(Qt::Key_4);
    PressKey(Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(ReadoutText(), QStringLiteral("1110,24"));
    PressKey(Qt::Key_2);
    PressKey(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(ReadoutText(), QStringLiteral("555,12"));
}

TEST_F(frmCalculadoraTest, KeysOutsideTheMapDoNothing)
{
    PressKey(Qt::Key_8);
    for (int key : {int(Qt::Key_A), int(Qt::Key_Minus), int(Qt::Key_Comma),
                    int(Qt::Key_Period), int(Qt::Key_Escape), int(Qt::Key_Delete),
                    int(Qt::Key_Percent), int(Qt::Key_Plus), int(Qt::Key_Exclam)})
        PressKey(key);
    EXPECT_EQ(ReadoutText(), QStringLiteral("8,"));
    EXPECT_FALSE(calc.isNull());
    EXPECT_EQ(frmCalculadora::KeyCode(Qt::Key_Exclam, Qt::ShiftModifier, 10), 49);
    EXPECT_EQ(frmCalculadora::KeyCode(Qt::Key_ParenRight, Qt::ShiftModifier, 19), 48);
    EXPECT_EQ(frmCalculadora::KeyCode(Qt::Key_Exclam, Qt::NoModifier, 10), 0);
}

TEST_F(frmCalculadoraTest, HeldKeyRepeatsOnlyThePressedLook)
{
    auto envia = [this](QEvent::Type tipo, bool repete) {
        QKeyEvent evento(tipo, Qt::Key_6, Qt::NoModifier, QStringLiteral("6"), repete);
        QApplication::sendEvent(calc.data(), &evento);
    };
    envia(QEvent::KeyPress, false);
    EXPECT_EQ(calc->look(NumberButton(6)), Pressed);
    for (int i = 0; i < 3; ++i) {
        envia(QEvent::KeyRelease, true);
        envia(QEvent::KeyPress, true);
        EXPECT_EQ(calc->look(NumberButton(6)), Pressed);
    }
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,"));
    envia(QEvent::KeyRelease, false);
    EXPECT_EQ(ReadoutText(), QStringLiteral("6,"));
    EXPECT_EQ(calc->look(NumberButton(6)), Normal);
}

TEST_F(frmCalculadoraTest, EnterWritesIntoTheFieldThatOpenedIt)
{
    TargetWindow alvo;
    alvo.box->setText(QStringLiteral("12,5"));
    alvo.changes.clear();
    calc->Cola(alvo.box->text());
    calc->move(40, 60);
    calc->Inicia(&alvo.window);
    EXPECT_TRUE(calc->isVisible());
    EXPECT_EQ(calc->pos(), QPoint(40, 60));
    EXPECT_EQ(ReadoutText(), QStringLiteral("12,5"));
    PressKey(Qt::Key_Plus, Qt::KeypadModifier);
    PressKey(Qt::Key_2);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(alvo.changes, QStringList{QStringLiteral("14,5")});
    EXPECT_EQ(alvo.other->text(), QString());
    EXPECT_TRUE(Closed());
}

TEST_F(frmCalculadoraTest, EqualsButtonWritesTypedNumberWithItsSeparator)
{
    TargetWindow alvo;
    calc->Inicia(&alvo.window);
    Click(calc->caption(NumberButton(5)));
    Click(calc->caption(OperatorButton(OpEquals)));
    EXPECT_EQ(alvo.box->text(), QStringLiteral("5,"));
    EXPECT_TRUE(Closed());
}

TEST_F(frmCalculadoraTest, DivisionByZeroWarnsAndStaysOpen)
{
    TargetWindow alvo;
    calc->Inicia(&alvo.window);
    for (int key : {Qt::Key_8, Qt::Key_Slash, Qt::Key_0, Qt::Key_Plus})
        PressKey(key, Qt::KeypadModifier);
    EXPECT_EQ(ui.messageTexts(),
              QStringList{QStringLiteral("Não é possível dividir por zero")});
    EXPECT_EQ(ReadoutText(), QStringLiteral("8,"));
    EXPECT_FALSE(calc.isNull());
    EXPECT_TRUE(alvo.changes.isEmpty());
}

TEST_F(frmCalculadoraTest, LosingActivationClosesWithoutWriting)
{
    TargetWindow alvo;
    calc->Inicia(&alvo.window);
    PressKey(Qt::Key_9);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(Closed());
    // "9 =" closed it with a result; open it again and leave it without one.
    alvo.changes.clear();
    calc = frmCalculadora::Load();
    calc->Inicia(&alvo.window);
    PressKey(Qt::Key_7);
    ASSERT_TRUE(testsupport::WaitFor(
        [this] { return QGuiApplication::focusWindow() == calc->windowHandle(); }));
    // Another window of the program takes the activation.
    alvo.window.activateWindow();
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(alvo.changes.isEmpty());
    EXPECT_EQ(alvo.box->text(), QStringLiteral("9,"));
}

TEST_F(frmCalculadoraTest, AnotherProgramTakingTheActivationLeavesItOpen)
{
    TargetWindow alvo;
    calc->Inicia(&alvo.window);
    // The window system reports no focus window of ours: another program is active.
    Q_EMIT qApp->focusWindowChanged(nullptr);
    Drain();
    EXPECT_FALSE(calc.isNull());
    // Coming back to the case window closes it.
    Q_EMIT qApp->focusWindowChanged(alvo.window.windowHandle());
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(alvo.changes.isEmpty());
}

TEST_F(frmCalculadoraTest, NotClosedBeforeItWasEverActive)
{
    TargetWindow alvo;
    calc->show(); // shown without Inicia: never active
    Q_EMIT qApp->focusWindowChanged(alvo.window.windowHandle());
    Drain();
    EXPECT_FALSE(calc.isNull());
}

TEST_F(frmCalculadoraTest, TitleBarCloseWritesNothingAndOperandsSurvive)
{
    TargetWindow alvo;
    calc->Inicia(&alvo.window);
    for (int key : {Qt::Key_2, Qt::Key_Plus, Qt::Key_3, Qt::Key_Plus})
        PressKey(key, Qt::KeypadModifier);
    EXPECT_EQ(ReadoutText(), QStringLiteral("5"));
    calc->close();
    ASSERT_TRUE(Closed());
    EXPECT_TRUE(alvo.changes.isEmpty());
    // The next opening starts fresh; the first operand of the last one is still there.
    calc = frmCalculadora::Load();
    EXPECT_EQ(ReadoutText(), QStringLiteral("0,"));
    EXPECT_EQ(CalculatorEngine::NumberOf(ProgramCalculator().Operando1()), 5);
}

TEST_F(frmCalculadoraTest, TargetGoneStillCloses)
{
    auto *alvo = new TargetWindow;
    calc->Inicia(&alvo->window);
    PressKey(Qt::Key_4);
    delete alvo; // the calculator floats above its target and goes with it
    EXPECT_TRUE(Closed());
}

TEST_F(frmCalculadoraTest, ReopenedWhileTheOldWindowIsStillBeingDeleted)
{
    QPointer<frmCalculadora> velha = calc;
    velha->close(); // deletion pending
    calc = frmCalculadora::Load();
    ASSERT_NE(calc.data(), velha.data());
    EXPECT_TRUE(testsupport::WaitFor([&] { return velha.isNull(); }));
    EXPECT_EQ(frmCalculadora::Instance(), calc.data());
    PressKey(Qt::Key_3);
    EXPECT_EQ(ReadoutText(), QStringLiteral("3,"));
}

TEST_F(frmCalculadoraTest, DoubleClickCountsAsTwoClicks)
{
    QWidget *sete = calc->caption(NumberButton(7));
    Mouse(sete, QEvent::MouseButtonPress, Qt::LeftButton);
    Mouse(sete, QEvent::MouseButtonRelease, Qt::LeftButton);
    Mouse(sete, QEvent::MouseButtonDblClick, Qt::LeftButton);
    Mouse(sete, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(ReadoutText(), QStringLiteral("77,"));
}
