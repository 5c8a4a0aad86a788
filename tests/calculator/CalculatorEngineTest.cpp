#include "calculator/CalculatorEngine.h"
#include "support/ScriptedInteraction.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <sstream>
#include <vector>

using namespace calculator;

namespace {

// A window that records what the engine shows and writes.
struct TestWindow final : CalculatorWindow {
    QString readout, decimal;
    QStringList written;
    int closes = 0;
    std::vector<std::pair<Botao, EstadoBotao>> drawings;

    void ShowReadout(const QString &texto) override { readout = texto; }
    void ShowDecimal(const QString &separador) override { decimal = separador; }
    void DrawButton(Botao botao, EstadoBotao estado) override
    {
        drawings.emplace_back(botao, estado);
    }
    void WriteResult(const QString &texto) override { written << texto; }
    void Close() override { ++closes; }
};

// Keys separated by blanks: digits, "," (decimal), the operators, "%", "C" and "CE".
bool PressKey(CalculatorEngine &calc, const QString &tecla)
{
    if (tecla == QLatin1String(","))
        return calc.Decimal();
    if (tecla == QLatin1String("%"))
        return calc.Percent();
    if (tecla == QLatin1String("C"))
        return calc.Cancel();
    if (tecla == QLatin1String("CE"))
        return calc.CancelEntry();
    for (int i = 0; i <= OpEquals; ++i) {
        if (tecla == OperatorSymbol[i])
            return calc.Operation(i);
    }
    return calc.Digit(tecla.toInt());
}

void PressKeys(CalculatorEngine &calc, const char *keys)
{
    const QStringList lista = QString::fromUtf8(keys).split(QLatin1Char(' '),
                                                            Qt::SkipEmptyParts);
    for (const QString &tecla : lista)
        PressKey(calc, tecla);
}

class CalculatorEngineTest : public ::testing::Test
{
protected:
    void SetUp() override { calc.Load(&window); }
    testsupport::ScriptedInteraction ui;
    TestWindow window;
    CalculatorEngine calc;
};

} // namespace

TEST_F(CalculatorEngineTest, FreshCalculatorShowsZeroWithSeparator)
{
    EXPECT_EQ(window.readout, QStringLiteral("0,"));
    EXPECT_EQ(window.decimal, QStringLiteral(","));
    EXPECT_EQ(calc.UltimaEntrada(), QStringLiteral("NONE"));
    EXPECT_EQ(calc.OperacaoPendente(), QStringLiteral(" "));
    EXPECT_EQ(calc.NumOperandos(), 0);
}

// Each row: keys, readout after the last key, the text written ("" when nothing is).
struct KeySequence {
    const char *keys;
    const char *readout;
    const char *writtenText;
};

void PrintTo(const KeySequence &s, std::ostream *os)
{
    *os << '"' << s.keys << '"';
}

// The test's name spells its keys: "5 + 3 % =" is Five_Plus_Three_Percent_Equals.
std::string KeysName(const ::testing::TestParamInfo<KeySequence> &info)
{
    static const std::map<std::string, std::string> words = {
        {"0", "Zero"},  {"1", "One"},   {"2", "Two"},    {"3", "Three"},  {"4", "Four"},
        {"5", "Five"},  {"6", "Six"},   {"7", "Seven"},  {"8", "Eight"},  {"9", "Nine"},
        {",", "Comma"}, {"+", "Plus"},  {"-", "Minus"},  {"*", "Times"},  {"/", "Over"},
        {"=", "Equals"}, {"%", "Percent"},
    };
    std::string name;
    std::istringstream keys(info.param.keys);
    for (std::string key; keys >> key;) {
        if (!name.empty())
            name += '_';
        const auto word = words.find(key);
        name += word == words.end() ? key : word->second;
    }
    return name;
}

class CalculatorEngineSequenceTest : public CalculatorEngineTest,
                                     public ::testing::WithParamInterface<KeySequence>
{
};

TEST_P(CalculatorEngineSequenceTest, ReadoutAndWrittenResult)
{
    const KeySequence &s = GetParam();
    PressKeys(calc, s.keys);
    EXPECT_EQ(calc.ReadoutText(), QString::fromUtf8(s.readout)) << s.keys;
    EXPECT_EQ(window.readout, calc.ReadoutText());
    const QString writtenText = QString::fromUtf8(s.writtenText);
    if (writtenText.isEmpty()) {
        EXPECT_TRUE(window.written.isEmpty()) << s.keys;
        EXPECT_EQ(window.closes, 0) << s.keys;
    } else {
        EXPECT_EQ(window.written, QStringList{writtenText}) << s.keys;
        EXPECT_EQ(window.closes, 1) << s.keys;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSequences, CalculatorEngineSequenceTest,
    ::testing::Values(KeySequence{"1 2 , 5", "12,5", ""}, KeySequence{"2 + 3 +", "5", ""},
                      KeySequence{"2 + 3 + 4 =", "9", "9"}, KeySequence{"5 =", "5,", "5,"},
                      KeySequence{"=", "0,", "0,"}, KeySequence{"5 + 3 % =", "0,15", "0,15"},
                      KeySequence{"5 + -", "-", ""}, KeySequence{"5 + - 3", "-3,", ""},
                      KeySequence{"5 + - 3 =", "2", "2"}, KeySequence{"- 5", "-5,", ""},
                      KeySequence{"5 + * 2 =", "10", "10"}, KeySequence{"8 / 0 =", "8,", "8,"},
                      KeySequence{"5 + 3 CE 4 =", "9", "9"}),
    KeysName);

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CalculatorEngineSequenceTest,
    ::testing::Values(
        // The first digit replaces the fresh readout; digits go ahead of the separator
        // until the decimal key, then behind it; a leading zero stays.
        KeySequence{"5", "5,", ""}, KeySequence{"1 2", "12,", ""},
        KeySequence{"1 , 0 5", "1,05", ""}, KeySequence{"0 5", "05,", ""},
        // A second decimal key changes nothing.
        KeySequence{"1 , 5 , 2", "1,52", ""},
        // After an operator the decimal key starts 0,; after a waiting minus, -0,.
        KeySequence{"5 + ,", "0,", ""}, KeySequence{"5 + - ,", "-0,", ""},
        KeySequence{"5 + - , 5 =", "4,5", "4,5"},
        // A minus key first gives -0,; a second one changes nothing.
        KeySequence{"-", "-0,", ""}, KeySequence{"- -", "-0,", ""},
        KeySequence{"- , 5 =", "-0,5", "-0,5"},
        // Operator after operator: the last one is pending.
        KeySequence{"6 + / 3 =", "2", "2"}, KeySequence{"6 * - 3 =", "-18", "-18"},
        // Percent alone, and the percent key counting an operand.
        KeySequence{"5 %", "0,05", ""}, KeySequence{"5 % =", "0,05", "0,05"},
        KeySequence{"5 + 3 % 2 =", "2,", "2,"},
        // A computed result has no trailing separator, a typed number has one.
        KeySequence{"4 + 5 =", "9", "9"}, KeySequence{"9 =", "9,", "9,"},
        // An operator, even =, while a minus sign waits does not close.
        KeySequence{"5 + - =", "-", ""}, KeySequence{"- =", "-0,", ""},
        // The lone minus sign is no operand: the first operand stays.
        KeySequence{"5 + - * 3 =", "2", "2"}, KeySequence{"5 + - % =", "0", "0"},
        // Division results and the division by zero keeping the first operand.
        KeySequence{"1 / 3 =", "0,333333333333333", "0,333333333333333"},
        KeySequence{"8 / 0 + 2 =", "10", "10"},
        // CE keeps the pending operation and the first operand; C clears everything.
        KeySequence{"7 * 2 CE", "0,", ""}, KeySequence{"7 * 2 CE 3 =", "21", "21"},
        KeySequence{"7 * 2 C 3 =", "3,", "3,"}, KeySequence{"7 * 2 C", "0,", ""},
        // Chained computations.
        KeySequence{"1 0 - 4 * 3 =", "18", "18"}, KeySequence{"2 , 5 * 4 - 1 =", "9", "9"}),
    KeysName);

TEST_F(CalculatorEngineTest, DivisionByZeroShowsTheMessage)
{
    PressKeys(calc, "8 / 0 =");
    ASSERT_EQ(ui.messages().size(), 1u);
    const auto mensagem = ui.messages().front();
    EXPECT_EQ(mensagem.text, QStringLiteral("Não é possível dividir por zero"));
    EXPECT_EQ(mensagem.title, QStringLiteral("Calculadora"));
    EXPECT_EQ(mensagem.style, platform::vbExclamation);
}

TEST_F(CalculatorEngineTest, ClearResetsOperandsClearEntryKeepsThem)
{
    PressKeys(calc, "7 * 2 CE");
    EXPECT_EQ(CalculatorEngine::TextOf(calc.Operando1()), QStringLiteral("7,"));
    EXPECT_EQ(calc.OperacaoPendente(), QStringLiteral("*"));
    EXPECT_EQ(calc.NumOperandos(), 1);
    EXPECT_EQ(calc.UltimaEntrada(), QStringLiteral("CE"));
    PressKeys(calc, "C");
    EXPECT_EQ(CalculatorEngine::NumberOf(calc.Operando1()), 0);
    EXPECT_EQ(CalculatorEngine::NumberOf(calc.Operando2()), 0);
    EXPECT_EQ(calc.NumOperandos(), 0);
    EXPECT_EQ(calc.OperacaoPendente(), QStringLiteral(" "));
}

TEST_F(CalculatorEngineTest, OperandsSurviveTheNextOpening)
{
    PressKeys(calc, "2 + 3 +");
    calc.Unload(&window);
    TestWindow outra;
    calc.Load(&outra);
    EXPECT_EQ(outra.readout, QStringLiteral("0,"));
    EXPECT_EQ(calc.NumOperandos(), 0);
    EXPECT_EQ(CalculatorEngine::NumberOf(calc.Operando1()), 5);
}

TEST_F(CalculatorEngineTest, ColaTypesTheFieldText)
{
    const struct {
        const char *texto;
        const char *readout;
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
        CalculatorEngine nova;
        TestWindow janelaNova;
        nova.Load(&janelaNova);
        nova.Cola(QString::fromUtf8(c.texto));
        EXPECT_EQ(nova.ReadoutText(), QString::fromUtf8(c.readout)) << c.texto;
        EXPECT_TRUE(janelaNova.written.isEmpty());
    }
}

TEST_F(CalculatorEngineTest, ColaThenComputation)
{
    calc.Cola(QStringLiteral("-3,5"));
    PressKeys(calc, "* 2 =");
    EXPECT_EQ(window.written, QStringList{QStringLiteral("-7")});
}

TEST_F(CalculatorEngineTest, OutOfRangeValuesShowTheirTextAndAreNeverWritten)
{
    // A typed number too large for a double works as infinity; no crash, no 0. "=" writes no
    // "Infinito": the calculator says why and stays open with its readout.
    calc.Cola(QString(400, QLatin1Char('9')));
    EXPECT_FALSE(calc.Operation(OpMultiply));
    PressKeys(calc, "2");
    EXPECT_FALSE(calc.Operation(OpEquals));
    EXPECT_EQ(window.readout, QStringLiteral("Infinito"));
    EXPECT_TRUE(window.written.isEmpty());
    EXPECT_EQ(window.closes, 0);
    ASSERT_EQ(ui.messages().size(), 1u);
    const testsupport::Asked mensagem = ui.messages().front();
    EXPECT_EQ(mensagem.text, QStringLiteral("O resultado não é um número finito"));
    EXPECT_EQ(mensagem.title, QStringLiteral("Calculadora"));
    EXPECT_EQ(mensagem.style, platform::vbExclamation);

    // A computation beyond the range, or with no number as its result, the same: 1E+300
    // times the second number, then the last keys.
    const struct {
        const char *second, *lastKeys, *readout;
    } casos[] = {{"-1E+300", "=", "-Infinito"}, {"1E+300", "* 0 =", "NaN"}};
    for (const auto &c : casos) {
        calc.Load(&window);
        calc.Cola(QStringLiteral("1E+300"));
        PressKeys(calc, "*");
        calc.Cola(QString::fromUtf8(c.second));
        PressKeys(calc, c.lastKeys);
        EXPECT_EQ(window.readout, QString::fromUtf8(c.readout)) << c.readout;
    }
    EXPECT_TRUE(window.written.isEmpty());
    EXPECT_EQ(window.closes, 0);
    EXPECT_EQ(ui.messages().size(), 3u);

    // A typed number beyond the range is digits a field can hold: written as typed.
    calc.Load(&window);
    calc.Cola(QString(400, QLatin1Char('9')));
    EXPECT_TRUE(calc.Operation(OpEquals));
    EXPECT_EQ(window.written, QStringList{QString(400, QLatin1Char('9')) + QLatin1Char(',')});
}

TEST(CalculatorEngineNumbersTest, NumberOfAText)
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
        EXPECT_EQ(CalculatorEngine::NumberOf(QString::fromUtf8(c.texto)), c.valor) << c.texto;
    EXPECT_EQ(CalculatorEngine::NumberOf(QString(400, QLatin1Char('9'))), inf);
    EXPECT_EQ(CalculatorEngine::NumberOf(QStringLiteral("-") + QString(400, QLatin1Char('9'))),
              -inf);
    EXPECT_EQ(CalculatorEngine::NumberOf(QStringLiteral("0,") + QString(400, QLatin1Char('0'))
                                         + QStringLiteral("1")),
              0);
    EXPECT_TRUE(std::isnan(CalculatorEngine::NumberOf(QStringLiteral("NaN"))));
}

TEST_F(CalculatorEngineTest, ButtonLooks)
{
    // The load reset draws "=" first and then every button normal.
    ASSERT_EQ(window.drawings.size(), size_t(ButtonCount));
    EXPECT_EQ(window.drawings.front().first, OperatorButton(OpEquals));
    for (int b = 0; b < ButtonCount; ++b)
        EXPECT_EQ(calc.Look(Botao(b)), Normal);

    window.drawings.clear();
    calc.Draw(NumberButton(5), Pressed);
    // A second button pressed restores the first one's normal look before its own.
    calc.Draw(DecimalButton, Pressed);
    using Par = std::pair<Botao, EstadoBotao>;
    const std::vector<Par> esperado = {
        {NumberButton(5), Pressed}, {NumberButton(5), Normal}, {DecimalButton, Pressed}};
    EXPECT_EQ(window.drawings, esperado);
    // The pressed look again (a held key) restores and presses it anew.
    window.drawings.clear();
    calc.Draw(DecimalButton, Pressed);
    EXPECT_EQ(window.drawings, (std::vector<Par>{{DecimalButton, Normal},
                                                 {DecimalButton, Pressed}}));
    window.drawings.clear();
    calc.Draw(DecimalButton, Normal);
    // A normal button drawn normal again draws nothing.
    calc.Draw(DecimalButton, Normal);
    EXPECT_EQ(window.drawings, (std::vector<Par>{{DecimalButton, Normal}}));
}

TEST(CalculatorEngineKeysTest, KeyCodesToButtons)
{
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(ButtonOfKey(48 + d), NumberButton(d));
        EXPECT_EQ(ButtonOfKey(96 + d), NumberButton(d));
    }
    EXPECT_EQ(ButtonOfKey(111), OperatorButton(OpDivide));
    EXPECT_EQ(ButtonOfKey(107), OperatorButton(OpAdd));
    EXPECT_EQ(ButtonOfKey(106), OperatorButton(OpMultiply));
    EXPECT_EQ(ButtonOfKey(109), OperatorButton(OpSubtract));
    EXPECT_EQ(ButtonOfKey(13), OperatorButton(OpEquals));
    EXPECT_EQ(ButtonOfKey(110), DecimalButton);
    // Letters, main-keyboard minus, comma and point, Escape, Delete, the keypad's 108.
    for (int codigo : {65, 189, 188, 190, 27, 46, 108, 0})
        EXPECT_FALSE(ButtonOfKey(codigo).has_value()) << codigo;
}
