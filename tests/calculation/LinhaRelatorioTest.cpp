#include "calculation/LinhaRelatorio.h"
#include "calculation/modCalculo.h"

#include <gtest/gtest.h>

using namespace calculation;

namespace {

class LinhaRelatorioTest : public ::testing::Test
{
protected:
    void SetUp() override { IniciaTabelas(); }
};

TEST_F(LinhaRelatorioTest, Layout)
{
    const struct {
        QString label, value, unit;
        qsizetype length;
    } cases[] = {
        // with a unit: 78 columns, the unit ends in column 78
        {QStringLiteral("Pressão Absoluta (leit)"), QStringLiteral("101,325"),
         QStringLiteral("kPa"), 78},
        // V + U = 41: two blanks and no leader between value and unit
        {QStringLiteral("Tag"), QString(38, QLatin1Char('9')), QStringLiteral("kPa"), 78},
        // V + U = 42: no second leader, no unit
        {QStringLiteral("Tag"), QString(39, QLatin1Char('9')), QStringLiteral("kPa"), 35 + 39},
        // the longest unit
        {NomeCampo[29], QStringLiteral("1,0034"), NomeUnidade[29], 78},
        // no unit: ends after the value
        {NomeCampo[27], QStringLiteral("1,4"), QString(), 35 + 3},
        // an empty value with a unit
        {NomeCampo[2], QString(), NomeUnidade[1], 78},
        // a 33-character label: one blank, no leader
        {QString(33, QLatin1Char('L')), QStringLiteral("5"), QString(), 36},
    };
    for (const auto &c : cases) {
        const QString line = LinhaRelatorio(c.label, c.value, c.unit);
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(line.size(), c.length);
        EXPECT_EQ(line.left(c.label.size()), c.label);
        EXPECT_EQ(line.mid(c.label.size(), 1), QStringLiteral(" "));
        EXPECT_EQ(line.mid(34, 1), QStringLiteral(" "));
        EXPECT_EQ(line.mid(35, c.value.size()), c.value); // value from column 36
        if (c.length == 78 && !c.unit.isEmpty()) {
            EXPECT_TRUE(line.endsWith(QLatin1Char(' ') + c.unit));
        }
    }
}

TEST_F(LinhaRelatorioTest, ExampleFromTheLayout)
{
    const QString line = LinhaRelatorio(QStringLiteral("Pressão Absoluta (leit)"),
                                        QStringLiteral("1234567"), QStringLiteral("kPa"));
    EXPECT_EQ(line, QStringLiteral("Pressão Absoluta (leit) ") + QString(10, QLatin1Char('_'))
                        + QStringLiteral(" 1234567 ") + QString(31, QLatin1Char('_'))
                        + QStringLiteral(" kPa"));
}

TEST_F(LinhaRelatorioTest, ValueAndUnitOfFortyOneCharactersTouch)
{
    const QString value(38, QLatin1Char('1'));
    const QString line = LinhaRelatorio(QStringLiteral("Tag"), value, QStringLiteral("kPa"));
    EXPECT_TRUE(line.endsWith(value + QStringLiteral("  kPa")));
}

TEST_F(LinhaRelatorioTest, TitlesAreCentredHalvesToEven)
{
    const struct {
        QString title;
        int fill;
    } cases[] = {
        {QStringLiteral(" Dados para cálculo - Placa de quirasol "), 19},
        {QStringLiteral(" Dados para cálculo - Quirasol de restricão "), 17},
        {QStringLiteral(" Cálculos efetuados "), 29},
        {QStringLiteral(" Resultado de processamento "), 25},
        {QString(39, QLatin1Char('x')), 20}, // 19,5 goes to 20
        {QString(41, QLatin1Char('x')), 18}, // 18,5 goes to 18
        {QString(37, QLatin1Char('x')), 20}, // 20,5 goes to 20
    };
    for (const auto &c : cases) {
        const QString line = TitleLine(c.title);
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(line, QString(c.fill, QLatin1Char('=')) + c.title
                            + QString(c.fill, QLatin1Char('=')));
    }
}

TEST_F(LinhaRelatorioTest, ItemHasOneLeadingBlank)
{
    const QString line = LinhaRelatorio(NomeCampo[4], QStringLiteral("100"), NomeUnidade[4]);
    const QString item = ReportItem(line);
    EXPECT_EQ(item.size(), 79);
    EXPECT_EQ(item.mid(1), line);
    EXPECT_EQ(item.mid(36, 3), QStringLiteral("100")); // value in column 37 of the item
    EXPECT_EQ(ReportItem(QString()), QStringLiteral(" "));
}

TEST(LinhaRelatorioArredondaTest, SignificantDigits)
{
    const struct {
        double value;
        int digits;
        double expected;
    } cases[] = {
        {0.654321, 4, 0.65432}, {65.43219, 4, 65.432}, {1234.56, 1, 1200},
        {23040, 1, 23000},      {5.123456, 4, 5.1235}, {5000, 1, 5000},
        {0.012345678, 4, 0.012346},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(Arredonda(c.value, c.digits), c.expected) << c.value;
}

TEST(LinhaRelatorioArredondaTest, ValuesAtOrBelowZeroStayUnrounded)
{
    for (double v : {0.0, -0.0, -1234.5678, -0.001})
        EXPECT_EQ(Arredonda(v, 1), v);
}

} // namespace
