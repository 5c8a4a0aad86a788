#include "frame/modRegistro.h"
#include "frame/windows/frmOpcao.h"
#include "platform/SettingsFiles.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using frame::GetConfig;
using frame::SaveConfig;

namespace {

class frmOpcaoTest : public ::testing::Test
{
protected:
    void SetUp() override { platform::SettingsFiles::instance().setFolder(folder.path()); }
    void TearDown() override { platform::SettingsFiles::instance().setFolder({}); }

    // The main window's four bars, as the dialog sees them.
    frmOpcao::Bars MainBars()
    {
        return {[this](int i) { return bars[size_t(i)]; },
                [this](int i) {
                    bars[size_t(i)] = !bars[size_t(i)];
                    ++toggled;
                }};
    }

    QTemporaryDir folder;
    std::array<bool, 4> bars{true, false, true, true};
    int toggled = 0;
};

} // namespace

TEST_F(frmOpcaoTest, CancelStillStoresTheFourBarStates)
{
    SaveConfig("Config", "DicasIniciar", "0");
    {
        frmOpcao dialogo(MainBars());
        EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Opções"));
        EXPECT_EQ(dialogo.cmdCancel->text(), QStringLiteral("Cancela&r"));
        EXPECT_FALSE(dialogo.cmdApply->isEnabled());
        EXPECT_FALSE(dialogo.OpcoesAlteradas());
        dialogo.cmdCancel->click();
    }
    EXPECT_EQ(GetConfig("Config", "Barra0"), QStringLiteral("True"));
    EXPECT_EQ(GetConfig("Config", "Barra1"), QStringLiteral("False"));
    EXPECT_EQ(GetConfig("Config", "Barra2"), QStringLiteral("True"));
    EXPECT_EQ(GetConfig("Config", "Barra3"), QStringLiteral("True"));
    EXPECT_EQ(GetConfig("Config", "DicasIniciar"), QStringLiteral("0"));
    EXPECT_EQ(GetConfig("System", "Associa"), QString());
    EXPECT_EQ(toggled, 0);
}

TEST_F(frmOpcaoTest, BoxesShowTheBarsAndNeverStoredSwitchesTicked)
{
    SaveConfig("Config", "DicasIniciar", "0");
    frmOpcao dialogo(MainBars());
    const bool esperadas[] = {true, false, true, true, true, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(dialogo.chkOpcao[size_t(i)]->isChecked(), esperadas[i]) << i;
    EXPECT_EQ(dialogo.chkOpcao[4]->text(),
              QStringLiteral("Verificar se os arqivos '.qzv' estão associados a este programa"));
}

TEST_F(frmOpcaoTest, TickingAndUntickingCountsAsAChangeAndOkStoresAllSix)
{
    frmOpcao dialogo(MainBars());
    dialogo.chkOpcao[5]->click();
    dialogo.chkOpcao[5]->click();
    EXPECT_TRUE(dialogo.OpcoesAlteradas());
    EXPECT_TRUE(dialogo.cmdApply->isEnabled());
    dialogo.cmdOK->click();
    const char *esperados[][3] = {
        {"Config", "Barra0", "1"},  {"Config", "Barra1", "0"},  {"Config", "Barra2", "1"},
        {"Config", "Barra3", "1"},  {"System", "Associa", "1"}, {"Config", "DicasIniciar", "1"},
    };
    for (const auto &e : esperados)
        EXPECT_EQ(GetConfig(e[0], e[1]), QLatin1String(e[2])) << e[1];
    EXPECT_EQ(toggled, 0);
}

TEST_F(frmOpcaoTest, OkWithoutAChangeStoresNothingMore)
{
    frmOpcao dialogo(MainBars());
    dialogo.cmdOK->click();
    EXPECT_EQ(GetConfig("Config", "Barra0"), QStringLiteral("True"));
    EXPECT_EQ(GetConfig("System", "Associa"), QString());
}

TEST_F(frmOpcaoTest, ApplyTurnsCancelIntoCloseAndSetsTheBars)
{
    frmOpcao dialogo(MainBars());
    const QRect botao = dialogo.cmdApply->geometry();
    dialogo.chkOpcao[0]->click(); // hide the standard toolbar
    dialogo.chkOpcao[1]->click(); // show the calculation toolbar
    dialogo.cmdApply->click();
    EXPECT_EQ(dialogo.cmdCancel->text(), QStringLiteral("Fecha&r"));
    EXPECT_FALSE(dialogo.cmdApply->isEnabled());
    EXPECT_EQ(dialogo.cmdApply->geometry(), botao);
    EXPECT_EQ(bars, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_EQ(toggled, 2);
    EXPECT_EQ(GetConfig("Config", "Barra0"), QStringLiteral("0"));
    EXPECT_EQ(GetConfig("Config", "Barra1"), QStringLiteral("1"));

    // Closing stores nothing again; a further change enables "Aplicar" once more.
    SaveConfig("Config", "Barra0", "x");
    dialogo.chkOpcao[3]->click();
    EXPECT_TRUE(dialogo.cmdApply->isEnabled());
    dialogo.cmdCancel->click();
    EXPECT_EQ(GetConfig("Config", "Barra0"), QStringLiteral("x"));
    EXPECT_EQ(GetConfig("Config", "Barra3"), QStringLiteral("1"));
    EXPECT_TRUE(bars[3]);
}
