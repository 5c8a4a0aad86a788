#include "frame/FrameRules.h"

#include <gtest/gtest.h>

namespace {

using namespace frame;

TEST(LinhaComandoTest, JoinsArgumentsAndQuotesThoseWithBlanks)
{
    EXPECT_EQ(CommandLine({}), QString());
    EXPECT_EQ(CommandLine({QStringLiteral("/A"), QStringLiteral("/tmp/caso.qzv")}),
              QStringLiteral("/A /tmp/caso.qzv"));
    EXPECT_EQ(CommandLine({QStringLiteral("/tmp/meus casos/bomba.qzv")}),
              QStringLiteral("\"/tmp/meus casos/bomba.qzv\""));
    EXPECT_EQ(CommandLine({QStringLiteral("a"), QString()}), QStringLiteral("a \"\""));
}

struct CasoLinha {
    const char *nome;
    QString linha;
    QString file;
};

class ArquivoDaLinhaTest : public ::testing::TestWithParam<CasoLinha> {};

TEST_P(ArquivoDaLinhaTest, TakesTheCasePath)
{
    EXPECT_EQ(CaseFileOfCommandLine(GetParam().linha), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArquivoDaLinhaTest,
    ::testing::Values(
        CasoLinha{"Empty", QString(), QString()},
        CasoLinha{"WholeLine", QStringLiteral("/tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        CasoLinha{"SwitchA", QStringLiteral("/A /tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        CasoLinha{"SwitchC", QStringLiteral("/C /tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        CasoLinha{"LowerCaseTakenWhole", QStringLiteral("/a /tmp/caso.qzv"),
                  QStringLiteral("/a /tmp/caso.qzv")},
        CasoLinha{"SwitchAlone", QStringLiteral("/A"), QString()},
        CasoLinha{"QuotesKept", QStringLiteral("\"/tmp/meus casos/b.qzv\""),
                  QStringLiteral("\"/tmp/meus casos/b.qzv\"")},
        CasoLinha{"SwitchThenQuotes", QStringLiteral("/C \"/tmp/a b.qzv\""),
                  QStringLiteral("\"/tmp/a b.qzv\"")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(CaminhoDoArquivoTest, OnePairOfEnclosingQuotesIsDropped)
{
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"/tmp/a b.qzv\"")),
              QStringLiteral("/tmp/a b.qzv"));
    EXPECT_EQ(UnquotedPath(QStringLiteral("/tmp/a.qzv")), QStringLiteral("/tmp/a.qzv"));
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"/a.qzv")), QStringLiteral("\"/a.qzv"));
}

class MakePathAbsoluteTest : public ::testing::TestWithParam<CasoLinha> {};

// The line column holds what was typed in the folder /casos/obra; the file column the line
// the program goes on with.
TEST_P(MakePathAbsoluteTest, AgainstTheWorkingFolder)
{
    EXPECT_EQ(MakePathAbsolute(GetParam().linha, QStringLiteral("/casos/obra")),
              GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MakePathAbsoluteTest,
    ::testing::Values(
        CasoLinha{"Relative", QStringLiteral("a.qzv"), QStringLiteral("/casos/obra/a.qzv")},
        CasoLinha{"Parent", QStringLiteral("../b/./a.qzv"), QStringLiteral("/casos/b/a.qzv")},
        CasoLinha{"SwitchKept", QStringLiteral("/A a.qzv"),
                  QStringLiteral("/A /casos/obra/a.qzv")},
        CasoLinha{"QuotesKept", QStringLiteral("/C \"x y.qzv\""),
                  QStringLiteral("/C \"/casos/obra/x y.qzv\"")},
        CasoLinha{"Absolute", QStringLiteral("\"/tmp/a.qzv\""), QStringLiteral("\"/tmp/a.qzv\"")},
        CasoLinha{"LowerCaseSwitchIsAnAbsoluteName", QStringLiteral("/a a.qzv"),
                  QStringLiteral("/a a.qzv")},
        CasoLinha{"NoName", QString(), QString()},
        CasoLinha{"SwitchAlone", QStringLiteral("/C"), QStringLiteral("/C")},
        CasoLinha{"EmptyQuotes", QStringLiteral("\"\""), QStringLiteral("\"\"")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(ComandoDDETest, PrefixesTheWholeLine)
{
    EXPECT_EQ(ComandoDDE(QString()), QStringLiteral("/P "));
    EXPECT_EQ(ComandoDDE(QStringLiteral("\"/x y.qzv\"")), QStringLiteral("/P \"/x y.qzv\""));
}

TEST(InterpretaComandoTest, SlashPRestoresAndStripsThreeCharacters)
{
    auto recebido = ParseCommand(QStringLiteral("/P /tmp/a.qzv"));
    EXPECT_EQ(recebido.file, QStringLiteral("/tmp/a.qzv"));
    EXPECT_TRUE(recebido.restoreState);
    recebido = ParseCommand(QStringLiteral("/P "));
    EXPECT_TRUE(recebido.file.isEmpty());
    EXPECT_TRUE(recebido.restoreState);
    // Without "/P" the whole text is the case name, and the state is not restored.
    recebido = ParseCommand(QStringLiteral("/tmp/b.qzv"));
    EXPECT_EQ(recebido.file, QStringLiteral("/tmp/b.qzv"));
    EXPECT_FALSE(recebido.restoreState);
}

TEST(DecideInicioTest, TipsSettingAndNamedFile)
{
    struct Example {
        QString dicas;
        QString file;
        bool openCase;
        bool named;
    };
    const Example casos[] = {
        {QStringLiteral("0"), QString(), true, false},
        {QStringLiteral("1"), QString(), false, false},
        {QString(), QString(), false, false},
        {QStringLiteral(" "), QString(), false, false},
        {QStringLiteral("00"), QString(), false, false},
        {QStringLiteral("1"), QStringLiteral("/x.qzv"), true, true},
        {QStringLiteral("0"), QStringLiteral("/x.qzv"), true, true},
    };
    for (const Example &caso : casos) {
        const StartupChoice inicio = DecideStartup(caso.dicas, caso.file);
        EXPECT_EQ(inicio.openCase, caso.openCase) << caso.dicas.toStdString();
        EXPECT_EQ(inicio.named, caso.named) << caso.dicas.toStdString();
    }
}

TEST(ValorPosicaoTest, OnlyPositiveLeadingNumbers)
{
    EXPECT_EQ(PlacementValue(QStringLiteral("1500")), 1500);
    EXPECT_EQ(PlacementValue(QStringLiteral(" 1500xyz")), 1500);
    EXPECT_EQ(PlacementValue(QStringLiteral("1500.5")), 1500);
    EXPECT_EQ(PlacementValue(QStringLiteral("1501.5")), 1502);
    EXPECT_EQ(PlacementValue(QStringLiteral("0")), std::nullopt);
    EXPECT_EQ(PlacementValue(QStringLiteral("-300")), std::nullopt);
    EXPECT_EQ(PlacementValue(QString()), std::nullopt);
    EXPECT_EQ(PlacementValue(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(PlacementValue(QStringLiteral("99999999999")), std::nullopt);
}

TEST(AjustaBandasTest, CaptionsHiddenGiveFixedWidthsShownFollowTheToolbars)
{
    const Bands ocultas = AjustaBandas(DesignBands(), false, 4000, 600, 5000);
    EXPECT_EQ(ocultas.standard.minWidth, 1600);
    EXPECT_EQ(ocultas.standard.width, 1600);
    EXPECT_EQ(ocultas.calculation.minWidth, 1500);
    EXPECT_EQ(ocultas.calculation.width, 1500);
    EXPECT_EQ(ocultas.standard.minHeight, 600);
    EXPECT_EQ(ocultas.calculation.minHeight, 600);

    const Bands visiveis = AjustaBandas(ocultas, true, 4100, 800, 5200);
    EXPECT_EQ(visiveis.standard.minWidth, 4100);
    EXPECT_EQ(visiveis.calculation.minWidth, 5200);
    EXPECT_EQ(visiveis.standard.width, 1600); // the width itself is left as it was
    EXPECT_EQ(visiveis.standard.minHeight, 800);
    EXPECT_EQ(visiveis.calculation.minHeight, 800);
}

TEST(NomeServidorTest, ASocketOfTitleAndTopicInTheRuntimeFolder)
{
    EXPECT_EQ(ServerName(QStringLiteral("Cálculo de Quirasol"), QStringLiteral("/run/user/7")),
              QStringLiteral("/run/user/7/Cálculo de Quirasol|Menu"));
    EXPECT_EQ(ServerName(QStringLiteral("a/b"), QStringLiteral("/run/user/7/")),
              QStringLiteral("/run/user/7/a_b|Menu"));
    EXPECT_TRUE(ServerName(QStringLiteral("Cálculo de Quirasol"), QString()).isEmpty());
}

} // namespace
