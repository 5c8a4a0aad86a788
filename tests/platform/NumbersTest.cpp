#include "platform/Numbers.h"

#include <clocale>
#include <string>
#include <gtest/gtest.h>

using namespace platform;

TEST(NumbersTest, FormatDoubleGivesTheDefaultTextForm)
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
        EXPECT_EQ(FormatDouble(c.value), QString::fromUtf8(c.text)) << c.value;
}

TEST(NumbersTest, ParseNumberTakesTheDecimalCommaAndRefusesTheRest)
{
    EXPECT_DOUBLE_EQ(*ParseNumber(QStringLiteral("1,5")), 1.5);
    EXPECT_DOUBLE_EQ(*ParseNumber(QStringLiteral(" 250 ")), 250);
    EXPECT_DOUBLE_EQ(*ParseNumber(QStringLiteral("-3,")), -3);
    EXPECT_DOUBLE_EQ(*ParseNumber(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(*ParseNumber(QStringLiteral("05,")), 5);
    EXPECT_DOUBLE_EQ(*ParseNumber(QStringLiteral("1,5E+15")), 1.5e15);
    EXPECT_FALSE(ParseNumber(QString()).has_value());
    EXPECT_FALSE(ParseNumber(QStringLiteral("abc")).has_value());
    EXPECT_FALSE(ParseNumber(QStringLiteral("1,2,3")).has_value());
    EXPECT_FALSE(ParseNumber(QStringLiteral("-")).has_value());
    EXPECT_FALSE(ParseNumber(QStringLiteral("1e999")).has_value());
}

TEST(NumbersTest, LeadingNumberReadsThePointAsDecimalSeparator)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("  12abc")), 12);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1,5")), 1);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(LeadingNumber(QStringLiteral("x1")), 0);
    EXPECT_EQ(LeadingNumber(QString()), 0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1 2")), 12);
    EXPECT_EQ(LeadingNumber(QStringLiteral("+.5x")), 0.5);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1") + QString(400, QLatin1Char('0'))), 0);
}

// Under a comma-decimal C locale (the users' own), the point still separates the decimals.
TEST(NumbersTest, LeadingNumberIgnoresTheProcessLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "pt_BR.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no comma-decimal locale on this machine";
    const double lida = LeadingNumber(QStringLiteral("1.5"));
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(lida, 1.5);
}

TEST(NumbersTest, RoundHalfEvenTakesHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}
