// The splash window closes itself.
#include "frame/windows/frmAbertura.h"

#include <QElapsedTimer>
#include <QLabel>
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
    abertura.exec();
    EXPECT_GE(relogio.elapsed(), 1900);
    EXPECT_LT(relogio.elapsed(), 10000);
    EXPECT_FALSE(abertura.tmrLogin->isActive());
}

} // namespace
