#include "calculation/GridRules.h"

#include <gtest/gtest.h>
#include <map>

using namespace calculation;

namespace {

// The flags a class choice leaves: 1 to 5 on, 6 to 30 off, the class's fields and 28, 29 on,
// then the flow-unit rule when the flow list was rebuilt (its first entry selected).
std::map<int, bool> FlagsAfterClass(int classe, bool rebuilt)
{
    std::map<int, bool> flags;
    for (int n = 1; n <= 5; ++n)
        flags[n] = true;
    for (int n = 6; n <= UltimoCampo; ++n)
        flags[n] = false;
    for (int n : CamposDaClasse(classe))
        flags[n] = true;
    flags[28] = flags[29] = true;
    if (rebuilt)
        for (const MarcaCampo &m : RegraUnidadeVazao(UnidadesDoCampo(2, classe).first(), classe))
            flags[m.campo] = m.aplicavel;
    return flags;
}

// The visible rows by position: positions 0 to 3 stay the tag row and fields 2, 4 and 5.
QList<int> RowsByPosition(const Disposicao &d)
{
    std::map<int, int> byPosition = {{0, 0}, {1, 2}, {2, 4}, {3, 5}};
    if (d.posicaoMassaDensidade >= 0)
        byPosition[d.posicaoMassaDensidade] = CampoMassaDensidade;
    for (const PosicaoLinha &l : d.linhas)
        if (l.visivel)
            byPosition[l.posicao] = l.campo;
    QList<int> rows;
    for (const auto &[position, field] : byPosition) {
        EXPECT_EQ(position, rows.size());
        rows << field;
    }
    return rows;
}

Disposicao Layout(const std::map<int, bool> &flags)
{
    return OrganizaCampos([&](int n) { return flags.count(n) && flags.at(n); });
}

} // namespace

TEST(GridRules, RowsAndScrollMaximumPerClass)
{
    const struct {
        const char *name;
        std::map<int, bool> flags;
        QList<int> rows;
        int maximum;
    } cases[] = {
        {"liquid", FlagsAfterClass(FluidoLiquido, true),
         {0, 2, 4, 5, 8, 9, 1, 17, 18, 20, 28, 29}, 3},
        {"gas", FlagsAfterClass(FluidoGas, true),
         {0, 2, 4, 5, 8, 9, 10, 12, 14, 16, 1, 17, 19, 20, 25, 26, 27, 28, 29}, 10},
        {"steam", FlagsAfterClass(FluidoVapor, true), {0, 2, 4, 5, 9, 12, 1, 18, 20, 27, 28, 29}, 3},
        {"gas after liquid", FlagsAfterClass(FluidoGas, false),
         {0, 2, 4, 5, 8, 9, 10, 12, 14, 16, 1, 19, 20, 25, 26, 27, 28, 29}, 9},
        {"liquid after gas", FlagsAfterClass(FluidoLiquido, false),
         {0, 2, 4, 5, 8, 9, 1, 17, 18, 20, 28, 29}, 3},
    };
    for (const auto &c : cases) {
        const Disposicao d = Layout(c.flags);
        EXPECT_EQ(RowsByPosition(d), c.rows) << c.name;
        EXPECT_EQ(d.posicoes, c.rows.size()) << c.name;
        EXPECT_EQ(d.alturaPainel, 25 * c.rows.size()) << c.name;
        EXPECT_TRUE(d.barraHabilitada) << c.name;
        EXPECT_EQ(d.maximoBarra, c.maximum) << c.name;
    }
}

TEST(GridRules, FewRowsDisableTheScrollBar)
{
    // Only the fixed rows and 28, 29: 6 positions fit the 9 visible rows.
    const Disposicao d = OrganizaCampos([](int n) { return n == 28 || n == 29; });
    EXPECT_FALSE(d.barraHabilitada);
    EXPECT_EQ(d.posicoes, 7); // the mass/density row goes before 28
    EXPECT_EQ(d.posicaoMassaDensidade, 4);
    // Exactly nine positions: still nothing to scroll.
    EXPECT_FALSE(OrganizaCampos([](int n) { return n == 8 || n == 9 || n == 28 || n == 29; })
                     .barraHabilitada);
}

TEST(GridRules, FlowUnitRule)
{
    using M = MarcaCampo;
    EXPECT_EQ(RegraUnidadeVazao(1, FluidoLiquido), (QList<M>{{8, true}, {17, true}}));
    EXPECT_EQ(RegraUnidadeVazao(2, FluidoLiquido), (QList<M>{{8, false}, {17, false}}));
    EXPECT_EQ(RegraUnidadeVazao(1, FluidoGas),
              (QList<M>{{8, true}, {17, true}, {10, true}, {25, true}}));
    EXPECT_EQ(RegraUnidadeVazao(3, FluidoGas),
              (QList<M>{{8, false}, {17, false}, {10, false}, {25, false}}));
    EXPECT_EQ(RegraUnidadeVazao(2, FluidoVapor), (QList<M>{{8, false}, {17, false}}));
}

TEST(GridRules, RowsListsAndBoxes)
{
    EXPECT_EQ(OrdemInicialLinhas().size(), 20);
    int boxes = 0, lists = 0;
    for (int n = 0; n <= UltimoCampo; ++n) {
        boxes += CampoDeValor(n);
        lists += CampoComUnidade(n);
        EXPECT_EQ(CampoComUnidade(n), !UnidadesDoCampo(n, 0).isEmpty()) << n;
    }
    EXPECT_EQ(boxes, 18);
    EXPECT_EQ(lists, 14);
    EXPECT_FALSE(CampoDeValor(0));
    EXPECT_FALSE(CampoDeValor(1));
    EXPECT_FALSE(TemLinha(22));
    EXPECT_EQ(UnidadesDoCampo(2), QList<int>{1});
    EXPECT_EQ(UnidadesDoCampo(2, FluidoVapor), (QList<int>{2, 3}));
    EXPECT_EQ(UnidadesDoCampo(2, FluidoGas), (QList<int>{1, 2, 3}));
    EXPECT_EQ(UnidadesDoCampo(17, FluidoGas), (QList<int>{17, 0}));
    EXPECT_EQ(EntradaMassaDensidade(FluidoGas), 1);
    EXPECT_EQ(EntradaMassaDensidade(FluidoVapor), 0);
    EXPECT_FALSE(EntradaMassaDensidade(FluidoLiquido));
}

TEST(GridRules, FatorDPInSinglePrecision)
{
    EXPECT_EQ(*FatorDP(0), 1.0f);
    EXPECT_EQ(*FatorDP(1), 0.102f);
    EXPECT_EQ(*FatorDP(2), 0.1022f);
    EXPECT_NE(double(*FatorDP(2)), 0.1022); // single, not double precision
    EXPECT_FALSE(FatorDP(-1));
}

TEST(GridRules, ScrollIntoView)
{
    const struct {
        float row;
        int current, expected;
    } cases[] = {
        {12, 0, 4}, {2, 4, 2}, {6, 2, 2}, {10, 2, 2}, {11, 2, 3},
        {0, 3, 0},  {3, 3, 3}, {18, 0, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RolagemParaVisivel(c.row, c.current), c.expected)
            << c.row << " from " << c.current;
}

TEST(GridRules, MaterialFactorFollowsDesignTemperature)
{
    const struct {
        const char *temperature, *factor;
    } cases[] = {
        {"120", "1,0034"}, {"320", "1,0102"}, {"20", "1"}, {"", ""},
        {"-", ""},         {"1+2", ""},       {"20,5", "1,000017"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextoFatorMaterial(QString::fromUtf8(c.temperature)),
                  QString::fromUtf8(c.factor))
            << c.temperature;
}

TEST(GridRules, ReadingPressureAndFluidNames)
{
    EXPECT_EQ(TextoPressaoLeitura(0), QStringLiteral("101,325"));
    EXPECT_EQ(TextoPressaoLeitura(1), QStringLiteral("1,03323"));

    EXPECT_EQ(NomeFluidoProposto(QStringLiteral("Liqüido")), QStringLiteral("Liqüido utilizado"));
    EXPECT_EQ(NomeFluidoProposto(QStringLiteral("Gas (methane)")), QStringLiteral("methane"));
    EXPECT_EQ(NomeFluidoProposto(QStringLiteral("Gas (")), QString());
    EXPECT_EQ(NomeFluidoProposto(QStringLiteral("Gas ()")), QString());
    EXPECT_EQ(TextoEntradaFluido(QStringLiteral("Gas"), QStringLiteral("methane")),
              QStringLiteral("Gas (methane)"));
    EXPECT_EQ(TextoEntradaFluido(QStringLiteral("Gas"), QString()), QStringLiteral("Gas"));
}

TEST(GridRules, KeyFilterAndFormatting)
{
    const struct {
        int in, out;
    } cases[] = {
        {'.', ','}, {',', ','}, {'5', '5'}, {'*', '*'}, {'+', '+'}, {'-', '-'}, {'/', '/'},
        {8, 8},     {13, 0},    {'a', 0},   {' ', 0},   {3, 0},     {22, 0},    {':', 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FiltroTecla(c.in), c.out) << c.in;

    EXPECT_EQ(TextoFormatado(QStringLiteral("1,50")), QStringLiteral("1,5"));
    EXPECT_EQ(TextoFormatado(QStringLiteral("007")), QStringLiteral("7"));
    EXPECT_EQ(TextoFormatado(QStringLiteral("1+2")), QStringLiteral("1+2"));
    EXPECT_EQ(TextoFormatado(QString()), QString());
}

TEST(GridRules, CalculatorPlacement)
{
    const QRect janela(100, 100, 600, 400); // bottom edge at 500
    // Near the top: directly below the box, left edges aligned.
    EXPECT_EQ(PosicaoCalculadora(janela, QRect(270, 150, 149, 22), 200), QPoint(270, 172));
    // Low in the window: directly above the box.
    EXPECT_EQ(PosicaoCalculadora(janela, QRect(270, 400, 149, 22), 200), QPoint(270, 200));
    // Exactly reaching the bottom edge does not fit.
    EXPECT_EQ(PosicaoCalculadora(janela, QRect(0, 278, 10, 22), 200), QPoint(0, 78));
}
