// The value boxes of the case window's grid as the user meets them: typed, pasted, dropped
// and composed text through the key filter, and Enter acting on its own release.
#include "calculation/GridRules.h"
#include "calculation/windows/CaseWindowFixture.h"
#include "calculator/windows/frmCalculadora.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace calculation;
using testsupport::WaitFor;

namespace {

// A liquid case on the screen, its grid in use.
class ValueBoxTest : public testsupport::CaseWindowFixture
{
protected:
    void SetUp() override
    {
        CaseWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        Pick(0, Liquid, 0);
        ShowWindow();
    }
};

TEST_F(ValueBoxTest, KeyFilterAndEnter)
{
    ValueBox *caixa = w->txtDados[4];
    caixa->setFocus(Qt::TabFocusReason);
    testsupport::PressKey(caixa, Qt::Key_1, QStringLiteral("1"));
    testsupport::PressKey(caixa, Qt::Key_Period, QStringLiteral("."));
    testsupport::PressKey(caixa, Qt::Key_5, QStringLiteral("5"));
    testsupport::PressKey(caixa, Qt::Key_A, QStringLiteral("a"));
    testsupport::PressKey(caixa, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(caixa->text(), QStringLiteral("1,5"));
    testsupport::PressKey(caixa, Qt::Key_Plus, QStringLiteral("+"));
    testsupport::PressKey(caixa, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(caixa->text(), QStringLiteral("1,5"));
    EXPECT_TRUE(w->Alterado());

    // Enter, with or without Shift, opens the calculator on the box and types nothing.
    testsupport::PressKey(caixa, Qt::Key_Return, QStringLiteral("\r"), Qt::ShiftModifier);
    EXPECT_EQ(caixa->text(), QStringLiteral("1,5"));
    frmCalculadora *calculadora = frmCalculadora::Instance();
    ASSERT_NE(calculadora, nullptr);
    EXPECT_TRUE(calculadora->isVisible());
    calculadora->close();
    EXPECT_TRUE(WaitFor([] { return frmCalculadora::Instance() == nullptr; }));

    // Signs and operators in the box are handed over too, without harm.
    caixa->setText(QStringLiteral("-1+2*3"));
    w->txtDados_DblClick(4);
    ASSERT_NE(frmCalculadora::Instance(), nullptr);
    frmCalculadora::Instance()->close();
    EXPECT_TRUE(WaitFor([] { return frmCalculadora::Instance() == nullptr; }));
}

TEST_F(ValueBoxTest, PastedOrDroppedTextGoesThroughTheKeyFilter)
{
    ValueBox *caixa = w->txtDados[4];
    caixa->setFocus(Qt::MouseFocusReason);

    // A file name dragged from a file manager and dropped on the box, as the window system
    // hands a drop to the window.
    QMimeData arrastado;
    auto solta = [&](const QString &texto) {
        arrastado.setText(texto);
        const QPoint ponto = caixa->mapTo(w.get(), QPoint(5, 5));
        QDragEnterEvent entra(ponto, Qt::CopyAction | Qt::MoveAction, &arrastado,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->windowHandle(), &entra);
        QDropEvent solta(ponto, Qt::CopyAction | Qt::MoveAction, &arrastado, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w->windowHandle(), &solta);
        QApplication::processEvents(); // before checking that a refused drop changed nothing
        return solta.isAccepted();
    };
    EXPECT_TRUE(solta(QStringLiteral("2500kgh.qzv\b")));
    EXPECT_EQ(caixa->text(), QStringLiteral("2500,"));
    // Nothing the filter lets through: the drop is refused.
    EXPECT_FALSE(solta(QStringLiteral("kg")));
    EXPECT_EQ(caixa->text(), QStringLiteral("2500,"));

    // Paste from the box's context menu.
    caixa->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5 kg/h"));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           caixa->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(caixa, &menu);
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    QAction *colar = nullptr;
    for (QAction *acao : popup->actions())
        if (acao->text().startsWith(QStringLiteral("&Paste")))
            colar = acao;
    ASSERT_NE(colar, nullptr);
    colar->trigger();
    popup->close();
    EXPECT_TRUE(WaitFor([] { return !QApplication::activePopupWidget(); }));
    EXPECT_EQ(caixa->text(), QStringLiteral("1,5/"));

    // Letters composed with a dead key come from the input method, the point too.
    QInputMethodEvent composto;
    composto.setCommitString(QStringLiteral("á."));
    QApplication::sendEvent(caixa, &composto);
    EXPECT_EQ(caixa->text(), QStringLiteral("1,5/,"));
}

TEST_F(ValueBoxTest, EnterActsOnlyOnTheReleaseOfItsOwnPress)
{
    ValueBox *caixa = w->txtDados[4];
    caixa->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(WaitFor([caixa] { return caixa->hasFocus(); }));

    // Enter pressed in a box that closes, then released over the value box: the box that
    // closed took the press.
    QMessageBox caixaModal(QMessageBox::Warning, QStringLiteral("Arquivo: x.qzv"),
                           QStringLiteral("Arquivo não encontrado"), QMessageBox::Ok, w.get());
    QTimer::singleShot(0, &caixaModal, [&] { QTest::keyPress(&caixaModal, Qt::Key_Return); });
    caixaModal.exec();
    ShowWindow(); // the window system gives the activation back, and the box its focus
    ASSERT_TRUE(WaitFor([caixa] { return QApplication::focusWidget() == caixa; }));
    QTest::keyRelease(caixa, Qt::Key_Return);
    QApplication::processEvents(); // before checking that it opened nothing
    frmCalculadora *calculadora = frmCalculadora::Instance();
    EXPECT_TRUE(!calculadora || !calculadora->isVisible());

    // Its own press and release open the calculator, once.
    QTest::keyPress(caixa, Qt::Key_Enter);
    QTest::keyRelease(caixa, Qt::Key_Enter);
    ASSERT_TRUE(WaitFor([] { return frmCalculadora::Instance() != nullptr; }));
    calculadora = frmCalculadora::Instance();
    EXPECT_TRUE(calculadora->isVisible());
    calculadora->close();
    ASSERT_TRUE(WaitFor([] { return frmCalculadora::Instance() == nullptr; }));
    caixa->setFocus(Qt::TabFocusReason);
    QTest::keyRelease(caixa, Qt::Key_Enter);
    QApplication::processEvents(); // before checking that it opened nothing
    calculadora = frmCalculadora::Instance();
    EXPECT_TRUE(!calculadora || !calculadora->isVisible());
}

} // namespace
