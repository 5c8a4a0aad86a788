#include "calculator/Calculadora.h"
#include "support/ScriptedInteraction.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace calculator;

namespace {

// A window that records what the engine shows and writes.
struct JanelaDeTeste final : JanelaCalculadora {
    QString visor, decimal;
    QStringList escritos;
    int fechamentos = 0;
    std::vector<std::pair<Botao, EstadoBotao>> desenhos;

    void MostraVisor(const QString &texto) override { visor = texto; }
    void MostraDecimal(const QString &separador) override { decimal = separador; }
    void DesenhaBotao(Botao botao, EstadoBotao estado) override
    {
        desenhos.emplace_back(botao, estado);
    }
    void EscreveResultado(const QString &texto) override { escritos << texto; }
    void Fecha() override { ++fechamentos; }
};

// Keys separated by blanks: digits, "," (decimal), the operators, "%", "C" and "CE".
bool Tecla(Calculadora &calc, const QString &tecla)
{
    if (tecla == QLatin1String(","))
        return calc.Decimal();
    if (tecla == QLatin1String("%"))
        return calc.Percentual();
    if (tecla == QLatin1String("C"))
        return calc.Cancela();
    if (tecla == QLatin1String("CE"))
        return calc.CancelaEntrada();
    for (int i = 0; i <= OpIgual; ++i) {
        if (tecla == SimboloOperador[i])
            return calc.Operacao(i);
    }
    return calc.Digito(tecla.toInt());
}

void Teclas(Calculadora &calc, const char *teclas)
{
    const QStringList lista = QString::fromUtf8(teclas).split(QLatin1Char(' '),
                                                              Qt::SkipEmptyParts);
    for (const QString &tecla : lista)
        Tecla(calc, tecla);
}

class CalculadoraTest : public ::testing::Test
{
protected:
    void SetUp() override { calc.Carrega(&janela); }
    testsupport::ScriptedInteraction interacao;
    JanelaDeTeste janela;
    Calculadora calc;
};

} // namespace

TEST_F(CalculadoraTest, FreshCalculatorShowsZeroWithSeparator)
{
    EXPECT_EQ(janela.visor, QStringLiteral("0,"));
    EXPECT_EQ(janela.decimal, QStringLiteral(","));
    EXPECT_EQ(calc.UltimaEntrada(), QStringLiteral("NONE"));
    EXPECT_EQ(calc.OperacaoPendente(), QStringLiteral(" "));
    EXPECT_EQ(calc.NumOperandos(), 0);
}

// Each row: keys, readout after the last key, the text written ("" when nothing is).
struct Sequencia {
    const char *teclas;
    const char *visor;
    const char *escrito;
};

void PrintTo(const Sequencia &s, std::ostream *os)
{
    *os << '"' << s.teclas << '"';
}

class SequenciasTest : public CalculadoraTest, public ::testing::WithParamInterface<Sequencia>
{
};

TEST_P(SequenciasTest, ReadoutAndWrittenResult)
{
    const Sequencia &s = GetParam();
    Teclas(calc, s.teclas);
    EXPECT_EQ(calc.Visor(), QString::fromUtf8(s.visor)) << s.teclas;
    EXPECT_EQ(janela.visor, calc.Visor());
    const QString escrito = QString::fromUtf8(s.escrito);
    if (escrito.isEmpty()) {
        EXPECT_TRUE(janela.escritos.isEmpty()) << s.teclas;
        EXPECT_EQ(janela.fechamentos, 0) << s.teclas;
    } else {
        EXPECT_EQ(janela.escritos, QStringList{escrito}) << s.teclas;
        EXPECT_EQ(janela.fechamentos, 1) << s.teclas;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSequences, SequenciasTest,
    ::testing::Values(Sequencia{"1 2 , 5", "12,5", ""}, Sequencia{"2 + 3 +", "5", ""},
                      Sequencia{"2 + 3 + 4 =", "9", "9"}, Sequencia{"5 =", "5,", "5,"},
                      Sequencia{"=", "0,", "0,"}, Sequencia{"5 + 3 % =", "0,15", "0,15"},
                      Sequencia{"5 + -", "-", ""}, Sequencia{"5 + - 3", "-3,", ""},
                      Sequencia{"5 + - 3 =", "2", "2"}, Sequencia{"- 5", "-5,", ""},
                      Sequencia{"5 + * 2 =", "10", "10"}, Sequencia{"8 / 0 =", "8,", "8,"},
                      Sequencia{"5 + 3 CE 4 =", "9", "9"}));

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, SequenciasTest,
    ::testing::Values(
        // The first digit replaces the fresh readout; digits go ahead of the separator
        // until the decimal key, then behind it; a leading zero stays.
        Sequencia{"5", "5,", ""}, Sequencia{"1 2", "12,", ""},
        Sequencia{"1 , 0 5", "1,05", ""}, Sequencia{"0 5", "05,", ""},
        // A second decimal key changes nothing.
        Sequencia{"1 , 5 , 2", "1,52", ""},
        // After an operator the decimal key starts 0,; after a waiting minus, -0,.
        Sequencia{"5 + ,", "0,", ""}, Sequencia{"5 + - ,", "-0,", ""},
        Sequencia{"5 + - , 5 =", "4,5", "4,5"},
        // A minus key first gives -0,; a second one changes nothing.
        Sequencia{"-", "-0,", ""}, Sequencia{"- -", "-0,", ""},
        Sequencia{"- , 5 =", "-0,5", "-0,5"},
        // Operator after operator: the last one is pending.
        Sequencia{"6 + / 3 =", "2", "2"}, Sequencia{"6 * - 3 =", "-18", "-18"},
        // Percent alone, and the percent key counting an operand.
        Sequencia{"5 %", "0,05", ""}, Sequencia{"5 % =", "0,05", "0,05"},
        Sequencia{"5 + 3 % 2 =", "2,", "2,"},
        // A computed result has no trailing separator, a typed number has one.
        Sequencia{"4 + 5 =", "9", "9"}, Sequencia{"9 =", "9,", "9,"},
        // An operator, even =, while a minus sign waits does not close.
        Sequencia{"5 + - =", "-", ""}, Sequencia{"- =", "-0,", ""},
        // The lone minus sign is no operand: the first operand stays.
        Sequencia{"5 + - * 3 =", "2", "2"}, Sequencia{"5 + - % =", "0", "0"},
        // Division results and the division by zero keeping the first operand.
        Sequencia{"1 / 3 =", "0,333333333333333", "0,333333333333333"},
        Sequencia{"8 / 0 + 2 =", "10", "10"},
        // CE keeps the pending operation and the first operand; C clears everything.
        Sequencia{"7 * 2 CE", "0,", ""}, Sequencia{"7 * 2 CE 3 =", "21", "21"},
        Sequencia{"7 * 2 C 3 =", "3,", "3,"}, Sequencia{"7 * 2 C", "0,", ""},
        // Chained computations.
        Sequencia{"1 0 - 4 * 3 =", "18", "18"}, Sequencia{"2 , 5 * 4 - 1 =", "9", "9"}));

TEST_F(CalculadoraTest, DivisionByZeroShowsTheMessage)
{
    Teclas(calc, "8 / 0 =");
    ASSERT_EQ(interacao.messages().size(), 1u);
    const auto mensagem = interacao.messages().front();
    EXPECT_EQ(mensagem.text, QStringLiteral("Não é possível dividir por zero"));
    EXPECT_EQ(mensagem.title, QStringLiteral("Calculadora"));
    EXPECT_EQ(mensagem.style, platform::vbExclamation);
}

TEST_F(CalculadoraTest, ClearResetsOperandsClearEntryKeepsThem)
{
    Teclas(calc, "7 * 2 CE");
    EXPECT_EQ(Calculadora::TextoDe(calc.Operando1()), QStringLiteral("7,"));
    EXPECT_EQ(calc.OperacaoPendente(), QStringLiteral("*"));
    EXPECT_EQ(calc.NumOperandos(), 1);
    EXPECT_EQ(calc.UltimaEntrada(), QStringLiteral("CE"));
    Teclas(calc, "C");
    EXPECT_EQ(Calculadora::NumeroDe(calc.Operando1()), 0);
    EXPECT_EQ(Calculadora::NumeroDe(calc.Operando2()), 0);
    EXPECT_EQ(calc.NumOperandos(), 0);
    EXPECT_EQ(calc.OperacaoPendente(), QStringLiteral(" "));
}

TEST_F(CalculadoraTest, OperandsSurviveTheNextOpening)
{
    Teclas(calc, "2 + 3 +");
    calc.Descarrega(&janela);
    JanelaDeTeste outra;
    calc.Carrega(&outra);
    EXPECT_EQ(outra.visor, QStringLiteral("0,"));
    EXPECT_EQ(calc.NumOperandos(), 0);
    EXPECT_EQ(Calculadora::NumeroDe(calc.Operando1()), 5);
}

TEST_F(CalculadoraTest, ColaTypesTheFieldText)
{
    const struct {
        const char *texto;
        const char *visor;
    } casos[] = {
        {"12,5", "12,5"},
        {"1,2,3", "1,23"},   // the second comma is ignored
        {"-3,5", "-3,5"},    // a leading minus starts a negative entry
        {"4-2", "42,"},      // other signs are skipped
        {"1.5", "15,"},
        {"*/+", "0,"},
        {"", "0,"},
        {"-", "-0,"},
        {"007", "007,"},
        {"1,5E-05", "0,000015"},     // exponent form: its plain digits
        {"-1,5E+15", "-1500000000000000,"},
        {"2E", "2,"},                // no number: the characters one by one
    };
    for (const auto &c : casos) {
        Calculadora nova;
        JanelaDeTeste janelaNova;
        nova.Carrega(&janelaNova);
        nova.Cola(QString::fromUtf8(c.texto));
        EXPECT_EQ(nova.Visor(), QString::fromUtf8(c.visor)) << c.texto;
        EXPECT_TRUE(janelaNova.escritos.isEmpty());
    }
}

TEST_F(CalculadoraTest, ColaThenComputation)
{
    calc.Cola(QStringLiteral("-3,5"));
    Teclas(calc, "* 2 =");
    EXPECT_EQ(janela.escritos, QStringList{QStringLiteral("-7")});
}

TEST_F(CalculadoraTest, OutOfRangeValuesShowTheirText)
{
    // A typed number too large for a double works as infinity; no crash, no 0.
    calc.Cola(QString(400, QLatin1Char('9')));
    Teclas(calc, "* 2 =");
    EXPECT_EQ(janela.escritos, QStringList{QStringLiteral("Infinito")});

    // A computation beyond the range shows the text of its value.
    calc.Carrega(&janela);
    calc.Cola(QStringLiteral("1E+300"));
    Teclas(calc, "*");
    calc.Cola(QStringLiteral("-1E+300"));
    Teclas(calc, "=");
    EXPECT_EQ(janela.escritos.last(), QStringLiteral("-Infinito"));
}

TEST(CalculadoraNumeros, NumberOfAText)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *texto;
        double valor;
    } casos[] = {
        {"05,", 5},   {"-3,", -3}, {"0,03", 0.03}, {"12,5", 12.5}, {"", 0},
        {"-", 0},     {",", 0},    {"1,5E+15", 1.5e15}, {"Infinito", inf},
        {"-Infinito", -inf},       {"-0,", 0},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Calculadora::NumeroDe(QString::fromUtf8(c.texto)), c.valor) << c.texto;
    EXPECT_EQ(Calculadora::NumeroDe(QString(400, QLatin1Char('9'))), inf);
    EXPECT_EQ(Calculadora::NumeroDe(QStringLiteral("-") + QString(400, QLatin1Char('9'))),
              -inf);
    EXPECT_EQ(Calculadora::NumeroDe(QStringLiteral("0,") + QString(400, QLatin1Char('0'))
                                    + QStringLiteral("1")),
              0);
    EXPECT_TRUE(std::isnan(Calculadora::NumeroDe(QStringLiteral("NaN"))));
}

TEST_F(CalculadoraTest, ButtonLooks)
{
    // The load reset draws "=" first and then every button normal.
    ASSERT_EQ(janela.desenhos.size(), size_t(NumeroDeBotoes));
    EXPECT_EQ(janela.desenhos.front().first, BotaoOperador(OpIgual));
    for (int b = 0; b < NumeroDeBotoes; ++b)
        EXPECT_EQ(calc.Aparencia(Botao(b)), Normal);

    janela.desenhos.clear();
    calc.Desenha(BotaoNumero(5), Pressionado);
    // A second button pressed restores the first one's normal look before its own.
    calc.Desenha(BotaoDecimal, Pressionado);
    using Par = std::pair<Botao, EstadoBotao>;
    const std::vector<Par> esperado = {
        {BotaoNumero(5), Pressionado}, {BotaoNumero(5), Normal}, {BotaoDecimal, Pressionado}};
    EXPECT_EQ(janela.desenhos, esperado);
    // The pressed look again (a held key) restores and presses it anew.
    janela.desenhos.clear();
    calc.Desenha(BotaoDecimal, Pressionado);
    EXPECT_EQ(janela.desenhos, (std::vector<Par>{{BotaoDecimal, Normal},
                                                 {BotaoDecimal, Pressionado}}));
    janela.desenhos.clear();
    calc.Desenha(BotaoDecimal, Normal);
    // A normal button drawn normal again draws nothing.
    calc.Desenha(BotaoDecimal, Normal);
    EXPECT_EQ(janela.desenhos, (std::vector<Par>{{BotaoDecimal, Normal}}));
}

TEST(CalculadoraTeclas, KeyCodesToButtons)
{
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(BotaoDaTecla(48 + d), BotaoNumero(d));
        EXPECT_EQ(BotaoDaTecla(96 + d), BotaoNumero(d));
    }
    EXPECT_EQ(BotaoDaTecla(111), BotaoOperador(OpDivide));
    EXPECT_EQ(BotaoDaTecla(107), BotaoOperador(OpSoma));
    EXPECT_EQ(BotaoDaTecla(106), BotaoOperador(OpMultiplica));
    EXPECT_EQ(BotaoDaTecla(109), BotaoOperador(OpSubtrai));
    EXPECT_EQ(BotaoDaTecla(13), BotaoOperador(OpIgual));
    EXPECT_EQ(BotaoDaTecla(110), BotaoDecimal);
    // Letters, main-keyboard minus, comma and point, Escape, Delete, the keypad's 108.
    for (int codigo : {65, 189, 188, 190, 27, 46, 108, 0})
        EXPECT_FALSE(BotaoDaTecla(codigo).has_value()) << codigo;
}
