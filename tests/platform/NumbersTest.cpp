#include "platform/Codepage.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextoDouble, DefaultTextForm)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {1.0034, "1,0034"},
        {101.325, "101,325"},
        {1 + (320 - 20) * 3.4E-05, "1,0102"},
        {8, "8"},
        {0, "0"},
        {-2.5, "-2,5"},
        {0.15, "0,15"},
        {0.00001, "0,00001"},
        {0.000001, "1E-06"},
        {1.5E15, "1,5E+15"},
        {123456789012345.0, "123456789012345"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {1e100, "1E+100"},
        {-1.25e-7, "-1,25E-07"},
        {1234567.5, "1234567,5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextoDouble(c.value), QString::fromUtf8(c.text)) << c.value;
}

TEST(NumeroTexto, DecimalCommaAndFailures)
{
    EXPECT_DOUBLE_EQ(*NumeroTexto(QStringLiteral("1,5")), 1.5);
    EXPECT_DOUBLE_EQ(*NumeroTexto(QStringLiteral(" 250 ")), 250);
    EXPECT_DOUBLE_EQ(*NumeroTexto(QStringLiteral("-3,")), -3);
    EXPECT_DOUBLE_EQ(*NumeroTexto(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(*NumeroTexto(QStringLiteral("05,")), 5);
    EXPECT_DOUBLE_EQ(*NumeroTexto(QStringLiteral("1,5E+15")), 1.5e15);
    EXPECT_FALSE(NumeroTexto(QString()).has_value());
    EXPECT_FALSE(NumeroTexto(QStringLiteral("abc")).has_value());
    EXPECT_FALSE(NumeroTexto(QStringLiteral("1,2,3")).has_value());
    EXPECT_FALSE(NumeroTexto(QStringLiteral("-")).has_value());
    EXPECT_FALSE(NumeroTexto(QStringLiteral("1e999")).has_value());
}

TEST(ValorInicial, LeadingNumberWithPoint)
{
    EXPECT_EQ(ValorInicial(QStringLiteral("  12abc")), 12);
    EXPECT_EQ(ValorInicial(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(ValorInicial(QStringLiteral("1,5")), 1);
    EXPECT_EQ(ValorInicial(QStringLiteral("-3")), -3);
    EXPECT_EQ(ValorInicial(QStringLiteral("x1")), 0);
    EXPECT_EQ(ValorInicial(QString()), 0);
    EXPECT_EQ(ValorInicial(QStringLiteral("1 2")), 12);
}

TEST(ArredondaPar, HalvesToEven)
{
    EXPECT_EQ(ArredondaPar(2.5), 2);
    EXPECT_EQ(ArredondaPar(3.5), 4);
    EXPECT_EQ(ArredondaPar(-2.5), -2);
    EXPECT_EQ(ArredondaPar(2.6), 3);
}

TEST(Codepage, RoundTripAndUnknownCharacters)
{
    const QString text = QStringLiteral("Liqüido ºC M³/h Kg/m² € “x”");
    EXPECT_EQ(DeCodigo1252(ParaCodigo1252(text)), text);
    EXPECT_EQ(ParaCodigo1252(QStringLiteral("ação")), QByteArray("a\xE7\xE3o"));
    EXPECT_EQ(ParaCodigo1252(QStringLiteral("Газ")), QByteArray("???"));
    EXPECT_EQ(ParaCodigo1252(QString::fromUtf8("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(DeCodigo1252(QByteArray("\x81", 1)), QString(QChar(0x81)));
}
