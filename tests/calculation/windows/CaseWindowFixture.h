#pragma once
// Test help for the tests of a calculation window on its own (no main window): the
// vocabulary tables, a scripted interaction layer, a saves folder of the test's own and the
// window, deleted with whatever it left to delete later; the user's first three picks and the
// window shown and active.

#include "calculation/modCalculo.h"
#include "calculation/windows/frmCalcQuirasol.h"
#include "frame/modBase.h"
#include "frame/windows/MainWindowFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

// A key typed into a control: pressed and released, with the text it types.
inline void PressKey(QWidget *target, int key, const QString &text = {},
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }
}

class CaseWindowFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { calculation::IniciaTabelas(); }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        PathSaves() = folder.path() + QStringLiteral("/Saves");
        w = std::make_unique<frmCalcQuirasol>();
    }

    void TearDown() override
    {
        w.reset();
        QApplication::processEvents(); // the report windows go with their case windows
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The user's picks: plate, fluid (answering the name prompt) and tap.
    void Pick(int placa, int fluido, int tomada, const QString &nome = {})
    {
        w->cboQuirasol->pick(placa);
        ui.inputAnswers.push_back(nome);
        w->cboFluido->pick(fluido);
        w->cboTomada->pick(tomada);
    }

    void ShowWindow()
    {
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        EXPECT_TRUE(WaitFor([this] { return w->isActiveWindow(); }));
    }

    OwnProgramState programState;
    ScriptedInteraction ui;
    QTemporaryDir folder;
    std::unique_ptr<frmCalcQuirasol> w;
};

} // namespace testsupport
