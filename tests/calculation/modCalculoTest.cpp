#include "calculation/modCalculo.h"

#include <gtest/gtest.h>

using namespace calculation;

TEST(modCalculoTest, VocabularyAndLimits)
{
    IniciaTabelas();
    EXPECT_EQ(Sublinha, QStringLiteral("_"));
    EXPECT_EQ(Espaco, QStringLiteral(" "));
    EXPECT_TRUE(NomePlaca[0].isEmpty());
    EXPECT_EQ(NomePlaca[2], QStringLiteral("Quirasol de restricão"));
    EXPECT_EQ(NomeFluido[1], QStringLiteral("Liqüido"));
    EXPECT_TRUE(NomeFluido[0].isEmpty());
    EXPECT_TRUE(NomeTomada[0].isEmpty());
    EXPECT_EQ(NomeTomada[5], QStringLiteral("Pipe Taps(2 1/2D e 8D)"));
    EXPECT_TRUE(NomeUnidade[0].isEmpty());
    EXPECT_EQ(NomeUnidade[1], QStringLiteral("M³/h"));
    EXPECT_EQ(NomeCampo[19], QStringLiteral("Massa Específica (a 0ºC)"));
    for (const QString &label : NomeCampo)
        EXPECT_LE(label.size(), 27);
    for (const QString &unit : NomeUnidade)
        EXPECT_LE(unit.size(), 16);
    for (int n : CamposDados)
        EXPECT_FALSE(NomeCampo[n].isEmpty()) << n;
    for (int n : {0, 1, 3, 6, 7, 11, 13, 15, 21, 30})
        EXPECT_TRUE(NomeCampo[n].isEmpty()) << n;
    EXPECT_TRUE(HasUnitList(29));
    EXPECT_FALSE(HasUnitList(25));
    EXPECT_FALSE(HasUnitList(22));
}
