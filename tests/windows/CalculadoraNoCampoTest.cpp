// The calculator opened from a value field of a calculation window: its result goes back
// into that field and runs the field's change handling.
#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"
#include "calculator/windows/frmCalculadora.h"
#include "JanelaCalculoTeste.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace calculation;

namespace {

void Tecla(QWidget *alvo, int key, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent evento(tipo, key, mod);
        QApplication::sendEvent(alvo, &evento);
    }
}

class CalculadoraNoCampo : public testsupport::JanelaCalculoTeste
{
protected:
    void SetUp() override
    {
        JanelaCalculoTeste::SetUp();
        if (HasFatalFailure())
            return;
        w->Atualiza();
        w->cboQuirasol->pick(0);
        ui.inputAnswers.push_back(QString());
        w->cboFluido->pick(Liquid);
        w->cboTomada->pick(0);
        w->show();
        w->activateWindow();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        if (frmCalculadora *calc = frmCalculadora::Instance())
            calc->close();
        JanelaCalculoTeste::TearDown();
    }

    // Opens the calculator on field n, as a double click on the box does.
    QPointer<frmCalculadora> Abre(int n)
    {
        w->txtDados[n]->setFocus();
        w->txtDados_DblClick(n);
        return frmCalculadora::Instance();
    }
};

} // namespace

TEST_F(CalculadoraNoCampo, EnterWritesTheResultAndField29FollowsField9)
{
    w->txtDados[9]->setText(QStringLiteral("160"));
    QPointer<frmCalculadora> calc = Abre(9);
    ASSERT_FALSE(calc.isNull());
    EXPECT_EQ(calc->Readout->text(), QStringLiteral("160,"));
    Tecla(calc, Qt::Key_Asterisk, Qt::KeypadModifier);
    Tecla(calc, Qt::Key_2);
    Tecla(calc, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w->txtDados[9]->text(), QStringLiteral("320"));
    EXPECT_EQ(w->txtDados[29]->text(), QStringLiteral("1,0102"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calc.isNull());
}

TEST_F(CalculadoraNoCampo, EmptyFieldStartsFreshAndDeactivationWritesNothing)
{
    w->txtDados[4]->setText(QString());
    QPointer<frmCalculadora> calc = Abre(4);
    ASSERT_FALSE(calc.isNull());
    EXPECT_EQ(calc->Readout->text(), QStringLiteral("0,"));
    Tecla(calc, Qt::Key_7);
    // A click into the calculation window takes the activation away.
    Q_EMIT qApp->focusWindowChanged(w->window()->windowHandle());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calc.isNull());
    EXPECT_EQ(w->txtDados[4]->text(), QString());
}
