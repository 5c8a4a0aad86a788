#include "frame/SteamTables.h"

#include <gtest/gtest.h>

using namespace frame;

TEST(SteamTablesTest, HeaderHoldsTheSixteenTemperatures)
{
    const QStringList cabecalho = SteamTableHeader();
    ASSERT_EQ(cabecalho.size(), SteamTableColumns);
    EXPECT_EQ(cabecalho.first(), QString());
    EXPECT_EQ(cabecalho.at(1), QStringLiteral("200 ºC"));
    EXPECT_EQ(cabecalho.at(2), QStringLiteral("220 ºC"));
    EXPECT_EQ(cabecalho.last(), QStringLiteral("500 ºC"));
}

TEST(SteamTablesTest, CaptionsNameTheTable)
{
    EXPECT_EQ(SteamTableTitle(MassTable),
              QStringLiteral("Massa específica do vapor superaquecido - "
                             "Pressão (kgf/cm2) / Temperatura (ºC)"));
    EXPECT_EQ(SteamTableTitle(VolumeTable),
              QStringLiteral("Volume específico do vapor superaquecido - "
                             "Pressão (kgf/cm2) / Temperatura (ºC)"));
}

TEST(SteamTablesTest, RowsAreCutOrPaddedToTheGrid)
{
    QString longa = QStringLiteral("250");
    for (int i = 0; i < 9; ++i)
        longa += QStringLiteral("\t-");
    longa += QStringLiteral("\t\t0,006\t0,008\t0,009\t0,010\t0,011\t0,011\t\t\t\r\n");
    const QString texto = QStringLiteral("1\t0,451\t0,433\n\n") + longa;
    const QList<QStringList> linhas = SteamTableRows(texto);
    ASSERT_EQ(linhas.size(), 2);
    EXPECT_EQ(linhas[0].size(), SteamTableColumns);
    EXPECT_EQ(linhas[0].at(0), QStringLiteral("1"));
    EXPECT_EQ(linhas[0].at(2), QStringLiteral("0,433"));
    EXPECT_EQ(linhas[0].at(3), QString());
    EXPECT_EQ(linhas[1].size(), SteamTableColumns);
    EXPECT_EQ(linhas[1].at(9), QStringLiteral("-"));
    EXPECT_EQ(linhas[1].at(10), QString());
    EXPECT_EQ(linhas[1].at(16), QStringLiteral("0,011"));
}

TEST(SteamTablesTest, GridKeepsItsSizeWhenTheWindowIsTooSmallOrMinimised)
{
    // Margins: 420 twips (28 px) below, 135 twips (9 px) at the side.
    EXPECT_EQ(SteamGridSize(QSize(449, 258), 0, false), QSize(440, 230));
    EXPECT_EQ(SteamGridSize(QSize(449, 258), 10, false), QSize(440, 220));
    EXPECT_FALSE(SteamGridSize(QSize(449, 258), 0, true));
    EXPECT_FALSE(SteamGridSize(QSize(449, 28), 0, false));
    EXPECT_FALSE(SteamGridSize(QSize(9, 258), 0, false));
    EXPECT_EQ(SteamGridSize(QSize(10, 29), 0, false), QSize(1, 1));
}
