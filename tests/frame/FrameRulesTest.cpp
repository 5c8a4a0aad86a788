#include "frame/FrameRules.h"

#include <gtest/gtest.h>

namespace {

using namespace frame;

TEST(FrameRulesTest, CommandLineJoinsArgumentsAndQuotesThoseWithBlanks)
{
    EXPECT_EQ(CommandLine({}), QString());
    EXPECT_EQ(CommandLine({QStringLiteral("/A"), QStringLiteral("/tmp/caso.qzv")}),
              QStringLiteral("/A /tmp/caso.qzv"));
    EXPECT_EQ(CommandLine({QStringLiteral("/tmp/meus casos/bomba.qzv")}),
              QStringLiteral("\"/tmp/meus casos/bomba.qzv\""));
    EXPECT_EQ(CommandLine({QStringLiteral("a"), QString()}), QStringLiteral("a \"\""));
}

struct LineExample {
    const char *name;
    QString line;
    QString file;
};

// A failure names the example.
void PrintTo(const LineExample &example, std::ostream *out)
{
    *out << example.name;
}

class FrameRulesCaseFileTest : public ::testing::TestWithParam<LineExample> {};

TEST_P(FrameRulesCaseFileTest, TakesTheCasePathOfTheCommandLine)
{
    EXPECT_EQ(CaseFileOfCommandLine(GetParam().line), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FrameRulesCaseFileTest,
    ::testing::Values(
        LineExample{"Empty", QString(), QString()},
        LineExample{"WholeLine", QStringLiteral("/tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        LineExample{"SwitchA", QStringLiteral("/A /tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        LineExample{"SwitchC", QStringLiteral("/C /tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        LineExample{"LowerCaseTakenWhole", QStringLiteral("/a /tmp/caso.qzv"),
                    QStringLiteral("/a /tmp/caso.qzv")},
        LineExample{"SwitchAlone", QStringLiteral("/A"), QString()},
        LineExample{"QuotesKept", QStringLiteral("\"/tmp/meus casos/b.qzv\""),
                    QStringLiteral("\"/tmp/meus casos/b.qzv\"")},
        LineExample{"SwitchThenQuotes", QStringLiteral("/C \"/tmp/a b.qzv\""),
                    QStringLiteral("\"/tmp/a b.qzv\"")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FrameRulesTest, UnquotedPathDropsOnePairOfEnclosingQuotes)
{
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"/tmp/a b.qzv\"")),
              QStringLiteral("/tmp/a b.qzv"));
    EXPECT_EQ(UnquotedPath(QStringLiteral("/tmp/a.qzv")), QStringLiteral("/tmp/a.qzv"));
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(UnquotedPath(QStringLiteral("\"/a.qzv")), QStringLiteral("\"/a.qzv"));
}

class FrameRulesMakePathAbsoluteTest : public ::testing::TestWithParam<LineExample> {};

// The line column holds what was typed in the folder /casos/obra; the file column the line
// the program goes on with.
TEST_P(FrameRulesMakePathAbsoluteTest, AgainstTheWorkingFolder)
{
    EXPECT_EQ(MakePathAbsolute(GetParam().line, QStringLiteral("/casos/obra")),
              GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FrameRulesMakePathAbsoluteTest,
    ::testing::Values(
        LineExample{"Relative", QStringLiteral("a.qzv"), QStringLiteral("/casos/obra/a.qzv")},
        LineExample{"Parent", QStringLiteral("../b/./a.qzv"), QStringLiteral("/casos/b/a.qzv")},
        LineExample{"SwitchKept", QStringLiteral("/A a.qzv"),
                    QStringLiteral("/A /casos/obra/a.qzv")},
        LineExample{"QuotesKept", QStringLiteral("/C \"x y.qzv\""),
                    QStringLiteral("/C \"/casos/obra/x y.qzv\"")},
        LineExample{"Absolute", QStringLiteral("\"/tmp/a.qzv\""), QStringLiteral("\"/tmp/a.qzv\"")},
        LineExample{"LowerCaseSwitchIsAnAbsoluteName", QStringLiteral("/a a.qzv"),
                    QStringLiteral("/a a.qzv")},
        LineExample{"NoName", QString(), QString()},
        LineExample{"SwitchAlone", QStringLiteral("/C"), QStringLiteral("/C")},
        LineExample{"EmptyQuotes", QStringLiteral("\"\""), QStringLiteral("\"\"")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FrameRulesTest, ComandoDDEPrefixesTheWholeLine)
{
    EXPECT_EQ(ComandoDDE(QString()), QStringLiteral("/P "));
    EXPECT_EQ(ComandoDDE(QStringLiteral("\"/x y.qzv\"")), QStringLiteral("/P \"/x y.qzv\""));
}

TEST(FrameRulesTest, ParseCommandRestoresAfterSlashPAndStripsThreeCharacters)
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

TEST(FrameRulesTest, DecideStartupByTheTipsSettingAndTheNamedFile)
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

TEST(FrameRulesTest, PlacementValueTakesOnlyPositiveLeadingNumbers)
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

TEST(FrameRulesTest, AjustaBandasFixedWithoutCaptionsFollowsTheToolbarsWithThem)
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

TEST(FrameRulesTest, ServerNameIsASocketOfTitleAndTopicInTheRuntimeFolder)
{
    EXPECT_EQ(ServerName(QStringLiteral("Cálculo de Quirasol"), QStringLiteral("/run/user/7")),
              QStringLiteral("/run/user/7/Cálculo de Quirasol|Menu"));
    EXPECT_EQ(ServerName(QStringLiteral("a/b"), QStringLiteral("/run/user/7/")),
              QStringLiteral("/run/user/7/a_b|Menu"));
    EXPECT_TRUE(ServerName(QStringLiteral("Cálculo de Quirasol"), QString()).isEmpty());
}

} // namespace
