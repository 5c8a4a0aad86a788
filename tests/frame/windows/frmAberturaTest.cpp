// The splash window closes itself, also when its tick comes early on a slow start.
#include "frame/windows/frmAbertura.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(frmAberturaTest, CaptionsAndATwoSecondTimerFromLoad)
{
    QElapsedTimer relogio;
    relogio.start();
    frmAbertura abertura;
    EXPECT_EQ(abertura.size(), QSize(427, 283));
    EXPECT_EQ(abertura.lblVersion->text(), QStringLiteral("Versão 2.0.0"));
    EXPECT_EQ(abertura.lblProductName[0]->text(), QStringLiteral("Cálculo de Quirasol"));
    EXPECT_EQ(abertura.lblProductName[1]->text(), QStringLiteral("Cálculo de Quirasol"));
    EXPECT_EQ(abertura.lblProductName[1]->pos() - abertura.lblProductName[0]->pos(),
              QPoint(2, 2));
    EXPECT_EQ(abertura.lblPlatform->text(), QStringLiteral("for Windows 9X/ME/NT/2000 e XP"));
    EXPECT_TRUE(abertura.tmrLogin->isActive());
    EXPECT_EQ(abertura.tmrLogin->interval(), 2000);
    abertura.ShowUntilTick();
    EXPECT_GE(relogio.elapsed(), 1900);
    EXPECT_LT(relogio.elapsed(), 10000);
    EXPECT_FALSE(abertura.tmrLogin->isActive());
    EXPECT_FALSE(abertura.isVisible());
}

// A splash with a very short time on a start whose event loop is blocked meanwhile (loading,
// a busy machine): when events run again, the tick is overdue.
class frmAberturaLateTickTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        abertura.tmrLogin->start(1);
        while (abertura.tmrLogin->remainingTime() > 0) // blocked: no events run
            QThread::yieldCurrentThread();
        // A splash that has not returned by then never will: showing and closing it from
        // outside ends its modal display (hiding a hidden dialog would not), so the test fails
        // instead of hanging.
        QTimer::singleShot(60000, &abertura, [this] {
            preso = true;
            abertura.show();
            abertura.done(QDialog::Rejected);
        });
    }

    frmAbertura abertura;
    bool preso = false;
};

// Plays the window system, which may let events run while it shows a window.
class EventsWhileShown : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            QApplication::processEvents();
        return false;
    }
};

TEST_F(frmAberturaLateTickTest, TickWhileTheSplashIsShownStillReturns)
{
    EventsWhileShown filtro;
    abertura.installEventFilter(&filtro);
    abertura.ShowUntilTick();
    EXPECT_FALSE(preso);
    EXPECT_FALSE(abertura.tmrLogin->isActive());
    EXPECT_FALSE(abertura.isVisible());
}

TEST_F(frmAberturaLateTickTest, TickBeforeTheSplashIsShownStillReturns)
{
    QApplication::processEvents(); // the main window's loading lets events run
    EXPECT_FALSE(abertura.tmrLogin->isActive());
    abertura.ShowUntilTick();
    EXPECT_FALSE(preso);
    EXPECT_FALSE(abertura.isVisible());
}

} // namespace
