#include "calculation/GridRules.h"

#include <gtest/gtest.h>

using namespace calculation;

TEST(GridRulesTest, FewRowsDisableTheScrollBar)
{
    // The fixed rows, the mass/density row and 28, 29: 7 positions fit the 9 visible rows.
    const RowLayout d = OrganizaCampos([](int n) { return n == 28 || n == 29; });
    EXPECT_FALSE(d.scrollBarEnabled);
    EXPECT_EQ(d.positions, 7); // the mass/density row goes before 28
    EXPECT_EQ(d.massDensityPosition, 4);
    // Exactly nine positions: still nothing to scroll.
    EXPECT_FALSE(OrganizaCampos([](int n) { return n == 8 || n == 9 || n == 28 || n == 29; })
                     .scrollBarEnabled);
    // Ten positions scroll by one; a taller scroll bar shows more rows.
    const auto dez = [](int n) { return n == 8 || n == 9 || n == 10 || n == 28 || n == 29; };
    EXPECT_EQ(OrganizaCampos(dez).scrollBarMaximum, 1);
    EXPECT_FALSE(OrganizaCampos(dez, 249).scrollBarEnabled);
}

TEST(GridRulesTest, ScrollIntoView)
{
    const struct {
        float row;
        int current, expected;
    } cases[] = {
        {12, 0, 4}, {2, 4, 2}, {6, 2, 2}, {10, 2, 2}, {11, 2, 3},
        {0, 3, 0},  {3, 3, 3}, {18, 0, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ScrollToShow(c.row, c.current), c.expected)
            << c.row << " from " << c.current;
}

TEST(GridRulesTest, MaterialFactorFollowsDesignTemperature)
{
    const struct {
        const char *temperature, *factor;
    } cases[] = {
        {"120", "1,0034"}, {"320", "1,0102"}, {"20", "1"}, {"", ""},
        {"-", ""},         {"1+2", ""},       {"20,5", "1,000017"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MaterialFactorText(QString::fromUtf8(c.temperature)),
                  QString::fromUtf8(c.factor))
            << c.temperature;
}

TEST(GridRulesTest, KeyFilterAndFormatting)
{
    const struct {
        int in, out;
    } cases[] = {
        {'.', ','}, {',', ','}, {'5', '5'}, {'*', '*'}, {'+', '+'}, {'-', '-'}, {'/', '/'},
        {8, 8},     {13, 0},    {'a', 0},   {' ', 0},   {3, 0},     {22, 0},    {':', 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KeyFilter(c.in), c.out) << c.in;

    EXPECT_EQ(FormattedText(QStringLiteral("1,50")), QStringLiteral("1,5"));
    EXPECT_EQ(FormattedText(QStringLiteral("007")), QStringLiteral("7"));
    EXPECT_EQ(FormattedText(QStringLiteral("1+2")), QStringLiteral("1+2"));
    EXPECT_EQ(FormattedText(QString()), QString());
}

TEST(GridRulesTest, CalculatorPlacement)
{
    const QRect janela(100, 100, 600, 400); // bottom edge at 500
    // Near the top: directly below the box, left edges aligned.
    EXPECT_EQ(CalculatorPosition(janela, QRect(270, 150, 149, 22), 200), QPoint(270, 172));
    // Low in the window: directly above the box.
    EXPECT_EQ(CalculatorPosition(janela, QRect(270, 400, 149, 22), 200), QPoint(270, 200));
    // Exactly reaching the bottom edge does not fit.
    EXPECT_EQ(CalculatorPosition(janela, QRect(0, 278, 10, 22), 200), QPoint(0, 78));
}
