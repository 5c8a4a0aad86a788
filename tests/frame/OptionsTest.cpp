#include "frame/modRegistro.h"
#include "frame/Options.h"
#include "platform/SettingsFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace frame;

TEST(OptionsTest, OnlyTheExactUntickedTextLeavesABoxUnticked)
{
    struct Example
    {
        int indice;
        QString guardado;
        bool marcada;
    };
    const Example casos[] = {
        {0, "False", false}, {0, "True", true},  {0, "0", true},    {0, "false", true},
        {0, "", true},       {3, "False", false}, {2, "1", true},   {4, "0", false},
        {4, "", true},       {4, "False", true},  {5, "0", false},  {5, "", true},
        {5, "1", true},      {5, " 0", true},
    };
    for (const Example &caso : casos)
        EXPECT_EQ(IsOptionTicked(caso.indice, caso.guardado), caso.marcada)
            << caso.indice << " '" << caso.guardado.toStdString() << "'";
}

TEST(OptionsTest, StoredTexts)
{
    EXPECT_EQ(OptionValue(true), QStringLiteral("1"));
    EXPECT_EQ(OptionValue(false), QStringLiteral("0"));
    EXPECT_EQ(BarStateText(true), QStringLiteral("True"));
    EXPECT_EQ(BarStateText(false), QStringLiteral("False"));
}

TEST(OptionsTest, ChangesWhileLoadingDoNotCount)
{
    OptionsState estado;
    estado.BeginLoad();
    EXPECT_FALSE(estado.OpcaoAlterada());
    EXPECT_FALSE(estado.Changed());
    estado.EndLoad();
    EXPECT_TRUE(estado.OpcaoAlterada());
    EXPECT_TRUE(estado.OpcaoAlterada());
    EXPECT_TRUE(estado.Changed());
}

namespace {
class OptionsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { platform::SettingsFiles::instance().setFolder(folder.path()); }
    void TearDown() override { platform::SettingsFiles::instance().setFolder({}); }
    QTemporaryDir folder;
};
} // namespace

TEST_F(OptionsStoreTest, OpeningStoresTheBarsAndTicksNeverStoredSwitches)
{
    const auto marcadas = ReadOptions({true, false, true, false});
    EXPECT_EQ(GetConfig("Config", "Barra0"), QStringLiteral("True"));
    EXPECT_EQ(GetConfig("Config", "Barra1"), QStringLiteral("False"));
    EXPECT_EQ(GetConfig("Config", "Barra2"), QStringLiteral("True"));
    EXPECT_EQ(GetConfig("Config", "Barra3"), QStringLiteral("False"));
    const std::array<bool, OptionCount> esperadas{true, false, true, false, true, true};
    EXPECT_EQ(marcadas, esperadas);
    EXPECT_EQ(GetConfig("System", "Associa"), QString()); // reading writes nothing
}

TEST_F(OptionsStoreTest, ApplyingStoresEveryBoxAsOneOrZero)
{
    WriteOptions({true, false, false, true, false, true});
    const char *esperados[][3] = {
        {"Config", "Barra0", "1"},  {"Config", "Barra1", "0"},  {"Config", "Barra2", "0"},
        {"Config", "Barra3", "1"},  {"System", "Associa", "0"}, {"Config", "DicasIniciar", "1"},
    };
    for (const auto &e : esperados)
        EXPECT_EQ(GetConfig(e[0], e[1]), QLatin1String(e[2])) << e[1];
    // "0" then keeps the box unticked at the next opening; "1" ticks a bar box.
    const auto marcadas = ReadOptions({true, true, true, true});
    EXPECT_FALSE(marcadas[OptionAssociate]);
    EXPECT_TRUE(marcadas[OptionTipsAtStart]);
}
