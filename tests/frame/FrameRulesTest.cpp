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
                    QStringLiteral("\"/tmp/a b.qzv\"")},
        LineExample{"AbsolutePathLikeASwitch", QStringLiteral("/Casos/bomba.qzv"),
                    QStringLiteral("/Casos/bomba.qzv")}),
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
        LineExample{"AbsolutePathLikeASwitch", QStringLiteral("/Arquivos/a.qzv"),
                    QStringLiteral("/Arquivos/a.qzv")},
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

// A second start's switch goes as on a first start; a path that merely starts like one stays.
TEST(FrameRulesTest, ParseCommandTakesTheSwitchOfTheHandedOverLine)
{
    EXPECT_EQ(ParseCommand(QStringLiteral("/P /C /tmp/a.qzv")).file,
              QStringLiteral("/tmp/a.qzv"));
    EXPECT_EQ(ParseCommand(QStringLiteral("/P /A \"/tmp/a b.qzv\"")).file,
              QStringLiteral("\"/tmp/a b.qzv\""));
    EXPECT_TRUE(ParseCommand(QStringLiteral("/P /A")).file.isEmpty());
    EXPECT_EQ(ParseCommand(QStringLiteral("/P /Casos/a.qzv")).file,
              QStringLiteral("/Casos/a.qzv"));
    EXPECT_EQ(ParseCommand(QStringLiteral("/P /c a.qzv")).file, QStringLiteral("/c a.qzv"));
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

TEST(FrameRulesTest, FitPlacementKeepsWhatFitsAndBringsBackWhatTheScreensCannotShow)
{
    const QMargins frame(1, 20, 1, 5); // left, title bar, right, bottom
    const QRect tela(0, 0, 1280, 900);
    const QRect segunda(1280, 0, 1920, 1080);
    const QSize janela(519, 382);
    const QSize enorme(66666667, 66666667); // 999999999 twips
    const QSize telaInteira(1278, 875);
    using Place = std::optional<QPoint>;
    const struct {
        const char *name;
        WindowPlacement stored;
        QList<QRect> areas;
        WindowPlacement shown;
    } casos[] = {
        {"whole window on the screen", {QPoint(100, 50), janela}, {tela}, {}},
        {"left to the window manager", {Place(), janela}, {tela}, {}},
        {"a usable part past the right edge", {QPoint(1180, 50), janela}, {tela}, {}},
        {"a usable part past the left edge", {QPoint(-421, 50), janela}, {tela}, {}},
        {"a usable part past the bottom", {QPoint(100, 800), janela}, {tela}, {}},
        {"less than a usable part past the right edge",
         {QPoint(1181, 50), janela}, {tela}, {Place(), janela}},
        {"less than a usable part past the bottom",
         {QPoint(100, 801), janela}, {tela}, {Place(), janela}},
        {"title bar above the screen", {QPoint(100, -1), janela}, {tela}, {Place(), janela}},
        {"only a corner", {QPoint(1230, 865), janela}, {tela}, {Place(), janela}},
        {"far beyond", {QPoint(66666667, 66666667), janela}, {tela}, {Place(), janela}},
        {"small window whole", {QPoint(1200, 820), QSize(78, 55)}, {tela}, {}},
        {"small window not whole",
         {QPoint(1201, 820), QSize(78, 55)}, {tela}, {Place(), QSize(78, 55)}},
        {"too large", {Place(), enorme}, {tela}, {Place(), telaInteira}},
        {"too wide at a place that fits",
         {QPoint(10, 10), QSize(5000, 382)}, {tela}, {QPoint(10, 10), QSize(1278, 382)}},
        {"too large far beyond", {QPoint(66666667, 66666667), enorme}, {tela},
         {Place(), telaInteira}},
        {"on the second screen", {QPoint(2000, 500), janela}, {tela, segunda}, {}},
        {"too large on the second screen", {QPoint(1300, 20), enorme}, {tela, segunda},
         {QPoint(1300, 20), QSize(1918, 1055)}},
        {"less than a usable part on the second screen",
         {QPoint(1281, 1000), janela}, {tela, segunda}, {Place(), janela}},
        {"no screen known", {QPoint(66666667, 0), enorme}, {}, {}},
    };
    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.name);
        const WindowPlacement esperada =
            caso.shown.size.isValid() ? caso.shown : caso.stored; // {}: as stored
        const WindowPlacement mostrada = FitPlacement(caso.stored, frame, caso.areas);
        EXPECT_EQ(mostrada.place, esperada.place);
        EXPECT_EQ(mostrada.size, esperada.size);
    }
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
