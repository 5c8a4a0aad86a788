#include "SampleCases.h"

#include "calculation/LinhaRelatorio.h"
#include "calculation/modCalculo.h"
#include "calculation/SizingCalculation.h"
#include "platform/AppInfo.h"
#include "platform/Interaction.h"
#include "platform/Numbers.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace calculation;
using samples::FakeHost;
using testsupport::ScriptedInteraction;

namespace {

const QString InterruptedTitle = QStringLiteral("Cálculo interrompido");

class SizingCalculationTest : public ::testing::Test
{
protected:
    void SetUp() override { IniciaTabelas(); }

    CalculationResult Run(CaseSnapshot caso)
    {
        return cmdCalcular_Click(caso, host);
    }

    // The labels of the input lines, in order (between the head and the first title).
    QStringList InputLabels() const
    {
        QStringList labels;
        const QStringList lines = host.lines();
        for (qsizetype i = 6; i < lines.size() && !lines[i].isEmpty(); ++i)
            labels << lines[i].left(lines[i].indexOf(QStringLiteral(" _"))).trimmed();
        return labels;
    }

    bool HasLine(const QString &label) const
    {
        for (const QString &line : host.lines())
            if (line.startsWith(label + QLatin1Char(' ')))
                return true;
        return false;
    }

    QString LineOf(const QString &label) const
    {
        for (const QString &line : host.lines())
            if (line.startsWith(label + QLatin1Char(' ')))
                return line;
        return {};
    }

    ScriptedInteraction ui;
    FakeHost host;
};

// --- golden data sheets ---

struct Golden {
    const char *name;
    const char *file;
    CaseSnapshot (*makeCase)();
};

// A failure names the sample case.
void PrintTo(const Golden &golden, std::ostream *out)
{
    *out << golden.name;
}

class GoldenSheetTest : public SizingCalculationTest, public ::testing::WithParamInterface<Golden>
{
};

TEST_P(GoldenSheetTest, MatchesLineByLine)
{
    const Golden g = GetParam();
    const CalculationResult r = Run(g.makeCase());
    ASSERT_TRUE(r.complete);
    const QString path = QStringLiteral(QUIRASOL_TEST_DATA "/") + QLatin1String(g.file);
    if (qEnvironmentVariableIsSet("QUIRASOL_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write((host.items.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    QStringList expected = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    expected.removeLast();
    ASSERT_EQ(host.items.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(host.items[i], expected[i]) << "line " << i + 1;
    for (const QString &item : host.items) {
        EXPECT_TRUE(item.startsWith(QLatin1Char(' ')));
        EXPECT_LE(item.size(), 79);
    }
    EXPECT_EQ(host.shows, 1);
    EXPECT_EQ(host.clears, 1);
}

INSTANTIATE_TEST_SUITE_P(
    PerFluidClass, GoldenSheetTest,
    ::testing::Values(
        Golden{"LiquidFlangeTaps", "calculo-liquido-flange.txt", [] { return samples::Liquid(); }},
        Golden{"GasRadiusTaps", "calculo-gas-radius.txt", [] { return samples::Gas(); }},
        Golden{"SteamVenaContracta", "calculo-vapor-vena.txt", [] { return samples::Steam(); }},
        Golden{"GasByMassCornerTaps", "calculo-gas-corner.txt",
               [] { return samples::GasByMass(); }}),
    [](const auto &p) { return std::string(p.param.name); });

// Key numbers recomputed independently (tools/check_calculation.py).
TEST_F(SizingCalculationTest, KeyNumbersAgreeWithTheIndependentCheck)
{
    const struct {
        CaseSnapshot caso;
        double S, beta, epsilo;
    } cases[] = {
        {samples::Liquid(), 0.242899340484039, 0.609575320344911, 0},
        {samples::Gas(), 0.0500270888179959, 0.289837140537447, 0.996812989915263},
        {samples::Steam(), 0.263674297762047, 0.631158547702033, 0.996490529149945},
        {samples::GasByMass(), 0.0830951300742717, 0.371017898660507, 0.996002596409854},
    };
    for (const auto &c : cases) {
        FakeHost h;
        CaseSnapshot caso = c.caso;
        const CalculationResult r = cmdCalcular_Click(caso, h);
        SCOPED_TRACE(caso.tag.toStdString());
        EXPECT_NEAR(r.CoeficienteCarga, c.S, 1e-13);
        EXPECT_NEAR(r.Beta, c.beta, 1e-12);
        EXPECT_NEAR(r.Epsilo, c.epsilo, 1e-12);
        EXPECT_NEAR(*r.DiamTubo * r.Beta, caso.fields[4].text.replace(',', '.').toDouble()
                                              * c.beta, 1e-9);
    }
}

// The four tap equations at fixed points, values from tools/check_calculation.py.
TEST(SizingCalculationCoefficientTest, EquationsAtFixedPoints)
{
    const struct {
        Coefficient (*coef)(double, double, double);
        double b, D, Re, coefficient, reynoldsMin;
    } cases[] = {
        {CoefFlange, 0.6, 102.26, 3e5, 0.234109518757129, 47857.68},
        {CoefFlange, 0.1, 25, 1e4, 0.00591859335083714, 5000}, // the 5000 floor
        {CoefRadius, 0.6, 102.26, 3e5, 0.234332724784127, 23040},
        {CoefRadius, 0.2, 25, 1e4, 0.0242450346656303, 2560}, // no floor
        {CoefVena, 0.6, 102.26, 3e5, 0.234564265962879, 2304},
        {CoefCorner, 0.6, 102.26, 3e5, 0.233636556163949, 7206.5044837304},
    };
    for (const auto &c : cases) {
        const Coefficient r = c.coef(c.b, c.D, c.Re);
        EXPECT_NEAR(r.CoefCalculado, c.coefficient, 1e-14) << c.b << " " << c.D;
        EXPECT_NEAR(r.ReynoldsMin, c.reynoldsMin, 1e-8) << c.b << " " << c.D;
    }
}

// Every tap type sizes the same liquid; the diameter ratios come from the independent check.
TEST_F(SizingCalculationTest, EveryTapTypeConverges)
{
    const struct {
        int tap;
        double beta;
    } cases[] = {
        {FlangeTaps, 0.609575320344911},
        {RadiusTaps, 0.609164318031217},
        {VenaContracta, 0.608911864145711},
        {CornerTaps, 0.610160580625614},
    };
    for (const auto &c : cases) {
        FakeHost h;
        CaseSnapshot caso = samples::Liquid(c.tap);
        const CalculationResult r = cmdCalcular_Click(caso, h);
        EXPECT_TRUE(r.complete) << c.tap;
        EXPECT_NEAR(r.Beta, c.beta, 1e-12) << c.tap;
    }
}

// --- reading ---

TEST_F(SizingCalculationTest, ReadOrderPerFluidClass)
{
    auto liquidoMassico = [] {
        CaseSnapshot c = samples::Liquid();
        samples::SetField(c, 2, QStringLiteral("50000"), 1, 2);
        return c;
    };
    const struct {
        CaseSnapshot caso;
        QList<int> fields;
    } cases[] = {
        {samples::Liquid(), {2, 4, 5, 8, 9, 17, 18, 20, 28, 29}},
        {liquidoMassico(), {2, 4, 5, 9, 18, 20, 28, 29}},
        {samples::Gas(), {2, 4, 5, 8, 9, 12, 16, 14, 19, 25, 26, 20, 27, 28, 29}},
        {samples::GasByMass(), {2, 4, 5, 9, 12, 16, 19, 26, 20, 27, 28, 29}},
        {samples::Steam(), {2, 4, 5, 9, 12, 18, 20, 27, 28, 29}},
    };
    for (const auto &c : cases) {
        host = FakeHost();
        Run(c.caso);
        QStringList expected;
        for (int n : c.fields)
            expected << FieldLabel(n, c.caso.relativeDensity);
        EXPECT_EQ(InputLabels(), expected) << c.caso.tag.toStdString();
    }
}

TEST_F(SizingCalculationTest, TonnesPerHourGiveTheSameSizingFactorAsKilograms)
{
    using Make = CaseSnapshot (*)();
    for (Make make :
         {Make([] { return samples::Liquid(); }), Make([] { return samples::Gas(); })}) {
        CaseSnapshot kg = make();
        samples::SetField(kg, 2, QStringLiteral("50000"), 1, 2);
        CaseSnapshot t = make();
        samples::SetField(t, 2, QStringLiteral("50"), 2, 3);
        EXPECT_EQ(Run(kg).CoeficienteCarga, Run(t).CoeficienteCarga);
    }
    CaseSnapshot vaporKg = samples::Steam();
    samples::SetField(vaporKg, 2, QStringLiteral("2000"), 0, 2);
    EXPECT_EQ(Run(vaporKg).CoeficienteCarga, Run(samples::Steam()).CoeficienteCarga);
}

TEST_F(SizingCalculationTest, GasInCubicMetresReadsAtOneAtmosphere)
{
    CaseSnapshot outro = samples::Gas();
    outro.fields[10].text = QStringLiteral("5");
    const double S = Run(samples::Gas()).CoeficienteCarga;
    EXPECT_EQ(Run(outro).CoeficienteCarga, S);
    EXPECT_FALSE(HasLine(NomeCampo[10]));

    // In Kg/cm² the atmosphere is 1,03323 and the pressures are converted to kPa.
    CaseSnapshot kgcm2 = samples::Gas();
    for (int n : {10, 12, 14}) {
        kgcm2.fields[n].unitPosition = 1;
        kgcm2.fields[n].unitCode = 11;
    }
    kgcm2.fields[12].text = QStringLiteral("7,13800838206727");
    kgcm2.fields[14].text = QStringLiteral("0,0752550565183422");
    EXPECT_NEAR(Run(kgcm2).CoeficienteCarga, S, 1e-6);
}

TEST_F(SizingCalculationTest, HumidityZeroSkipsTheSaturationPressure)
{
    Run(samples::GasByMass());
    EXPECT_FALSE(HasLine(NomeCampo[14]));
    EXPECT_FALSE(HasLine(NomeCampo[8]));
    EXPECT_FALSE(HasLine(NomeCampo[25]));
}

TEST_F(SizingCalculationTest, StainlessSteelRewritesTheMaterialFactor)
{
    const struct {
        QString temperature, factor;
    } cases[] = {{QStringLiteral("20"), QStringLiteral("1")},
                 {QStringLiteral("120"), QStringLiteral("1,0034")},
                 {QStringLiteral("320"), QStringLiteral("1,0102")}};
    for (const auto &c : cases) {
        host = FakeHost();
        CaseSnapshot caso = samples::Liquid();
        caso.fields[9].text = c.temperature;
        caso.fields[29].text = QStringLiteral("7");
        cmdCalcular_Click(caso, host);
        ASSERT_EQ(host.written.size(), 1u);
        EXPECT_EQ(host.written[0], std::make_pair(29, c.factor));
        EXPECT_EQ(caso.fields[29].text, c.factor);
        EXPECT_TRUE(LineOf(NomeCampo[29]).contains(QLatin1Char(' ') + c.factor + ' '));
    }
    // Another material keeps what was typed.
    host = FakeHost();
    Run(samples::Gas());
    EXPECT_TRUE(host.written.empty());
    EXPECT_TRUE(LineOf(NomeCampo[29]).endsWith(QStringLiteral("1,0005 _____________________ "
                                                              "Outro material")));
}

TEST_F(SizingCalculationTest, RelativeDensityLinesCarryTheirOwnLabelsWithoutUnit)
{
    CaseSnapshot caso = samples::Liquid();
    caso.relativeDensity = true;
    for (int n : {17, 18, 19}) {
        caso.fields[n].unitPosition = 1;
        caso.fields[n].unitCode = 0;
    }
    caso.fields[17].text = QStringLiteral("0,99912");
    caso.fields[18].text = QStringLiteral("0,98411");
    const CalculationResult r = Run(caso);
    EXPECT_EQ(LineOf(NomeCampo[22]), LinhaRelatorio(NomeCampo[22], QStringLiteral("0,99912"), {}));
    EXPECT_EQ(LineOf(NomeCampo[23]), LinhaRelatorio(NomeCampo[23], QStringLiteral("0,98411"), {}));
    EXPECT_FALSE(HasLine(NomeCampo[17]));
    EXPECT_DOUBLE_EQ(r.DensidadeProjeto, 0.98411 * 999.08);
}

TEST_F(SizingCalculationTest, HeaderShowsThisCasesOwnSelectorTexts)
{
    NomeFluido[0] = QStringLiteral("Vapor (de outra janela)");
    NomeTomada[0] = QStringLiteral("Corner Taps");
    Run(samples::Liquid());
    const QString fluido = QStringLiteral("Liqüido (Água de alimentação)");
    EXPECT_EQ(host.lines()[3], LinhaRelatorio(QStringLiteral("Fluido utilizado"), fluido, {}));
    EXPECT_EQ(host.lines()[4], LinhaRelatorio(QStringLiteral("Tipo de tomada"),
                                              QStringLiteral("Flange Taps"), {}));
}

// --- limits ---

CaseSnapshot With(CaseSnapshot caso, int campo, const char *texto)
{
    caso.fields[campo].text = QString::fromUtf8(texto);
    return caso;
}

// A liquid of 1 mm bore, 1 Pa, 1 kg/m³ and material factor 1: S = W / 0,0039986 exactly.
CaseSnapshot LiquidInKgPerHour(const QString &vazao)
{
    CaseSnapshot caso = samples::Liquid();
    samples::SetField(caso, 2, vazao, 1, 2);
    samples::SetField(caso, 4, QStringLiteral("1"), 0, 4);
    samples::SetField(caso, 5, QStringLiteral("1"), 0, 5);
    samples::SetField(caso, 18, QStringLiteral("1"), 0, 17);
    samples::SetField(caso, 28, QStringLiteral("1"));
    samples::SetField(caso, 29, QStringLiteral("1"), 1, 30);
    caso.FatorDP = 1.0f;
    return caso;
}

TEST_F(SizingCalculationTest, SizingFactorAtItsBoundsAsks)
{
    const struct {
        QString vazao, title;
    } cases[] = {
        {QStringLiteral("0,0000239916"), QStringLiteral("Coeficiente de Carga = 0,006")},
        {QStringLiteral("0,0019993"), QStringLiteral("Coeficiente de Carga = 0,5")},
    };
    for (const auto &c : cases) {
        ScriptedInteraction answers;
        answers.messageAnswers = {platform::vbOK, platform::vbYes};
        host = FakeHost();
        const CalculationResult r = Run(LiquidInKgPerHour(c.vazao));
        ASSERT_EQ(answers.messages().size(), 2u);
        EXPECT_EQ(answers.messages()[0].text,
                  QStringLiteral("Valor de Coeficiente de 'Coeficiente de Carga' fora dos "
                                 "limites: (0,006 a 0,5)"));
        EXPECT_EQ(answers.messages()[0].title, c.title);
        EXPECT_EQ(answers.messages()[0].style, 48);
        EXPECT_EQ(answers.messages()[1].text,
                  QStringLiteral("Deseja alterar o dados para cálculo?"));
        EXPECT_EQ(answers.messages()[1].style, 36);
        EXPECT_EQ(answers.messages()[1].title, platform::AppTitle);
        EXPECT_FALSE(r.complete);
        EXPECT_EQ(r.Escala, platform::vbYes);
        EXPECT_EQ(host.shows, 0);
        EXPECT_EQ(host.lines().last().left(27), NomeCampo[29]); // head and inputs only
    }
}

TEST_F(SizingCalculationTest, SizingFactorOutsideBoundsGoesOnWithNo)
{
    ScriptedInteraction answers; // No
    const CalculationResult r = Run(With(samples::Steam(), 2, "5"));
    EXPECT_EQ(answers.messages().size(), 2u);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.Escala, platform::vbNo);
}

TEST_F(SizingCalculationTest, PressureRatioOfExactlyThreeQuartersIsRefused)
{
    CaseSnapshot caso = samples::Steam();
    samples::SetField(caso, 12, QStringLiteral("100"), 0, 10);
    caso.fields[10].unitPosition = 0;
    samples::SetField(caso, 5, QStringLiteral("25000"), 0, 5);
    const CalculationResult r = Run(caso);
    EXPECT_FALSE(r.complete);
    ASSERT_FALSE(ui.messages().empty());
    const auto last = ui.messages().back();
    EXPECT_EQ(last.text, QStringLiteral("Pressão Absoluta (proj) / Pressão diferencial = 0,75"
                                        "\n\nO resultado tem que ser maior que '0,75'"));
    EXPECT_EQ(last.title, QStringLiteral("Valor fora dos limites"));
    EXPECT_EQ(last.style, 48);
    EXPECT_FALSE(HasLine(QStringLiteral("Beta = d/D")));
    EXPECT_EQ(host.shows, 0);

    // A liquid never asks, whatever its pressure.
    host = FakeHost();
    ScriptedInteraction liquid;
    EXPECT_TRUE(Run(samples::Liquid()).complete);
    EXPECT_TRUE(liquid.messages().empty());
}

// --- results section ---

TEST_F(SizingCalculationTest, SectionsPerFluidClass)
{
    Run(samples::Liquid());
    EXPECT_FALSE(HasLine(QStringLiteral("Epsilo")));
    EXPECT_FALSE(HasLine(QStringLiteral("Coeficiente de Carga * Epsilo")));
    EXPECT_EQ(host.lines().filter(QStringLiteral("Coeficiente de Carga ")).size(), 1);
    EXPECT_TRUE(LineOf(QStringLiteral("Perda de carga permanente")).endsWith(" mmCA"));

    host = FakeHost();
    Run(samples::Steam());
    const QStringList lines = host.lines();
    const qsizetype computed = lines.indexOf(TitleLine(QStringLiteral(" Cálculos efetuados ")));
    ASSERT_GT(computed, 0);
    for (qsizetype i = computed; i < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].startsWith(NomeCampo[18])) << i;
        EXPECT_FALSE(lines[i].startsWith(QStringLiteral("Fs "))) << i;
    }
}

TEST_F(SizingCalculationTest, DrawingQuestion)
{
    const QString question =
        QStringLiteral("Deseja entrar com os dados para o desenho de fabricação agora?");
    const struct {
        CaseSnapshot caso;
        bool drawing;
        std::deque<int> answers;
        size_t asked;
    } cases[] = {
        {samples::Liquid(), false, {}, 0},
        {samples::Liquid(), true, {platform::vbNo}, 1},
        // a liquid in M³/h asks again until No
        {samples::Liquid(), true, {platform::vbYes, platform::vbYes, platform::vbNo}, 3},
        {samples::Gas(), true, {platform::vbYes}, 1},
    };
    for (const auto &c : cases) {
        ScriptedInteraction answers;
        answers.messageAnswers = c.answers;
        CaseSnapshot caso = c.caso;
        caso.drawing = c.drawing;
        host = FakeHost();
        EXPECT_TRUE(Run(caso).complete);
        ASSERT_EQ(answers.messages().size(), c.asked);
        for (const auto &m : answers.messages()) {
            EXPECT_EQ(m.text, question);
            EXPECT_EQ(m.title, QStringLiteral("Desenho de fabricação"));
            EXPECT_EQ(m.style, 68);
        }
    }
}

TEST_F(SizingCalculationTest, CompletedRunFillsAndShowsTheReportWindow)
{
    Run(samples::Gas());
    Run(samples::Gas()); // a second run gives one data sheet, not two
    EXPECT_EQ(host.clears, 2);
    EXPECT_EQ(host.lines().filter(QStringLiteral("Dados para cálculo")).size(), 1);
    EXPECT_EQ(host.header, (QStringList{QStringLiteral("09/12/2026 10:00"),
                                        QStringLiteral("OS-1234"),
                                        QStringLiteral("Usina Exemplo"),
                                        QStringLiteral("Relatório de Cálculo - Cálculo 1")}));
}

// --- early ends ---

TEST_F(SizingCalculationTest, EmptyFieldEndsWithItsLineWritten)
{
    CaseSnapshot caso = samples::Gas();
    caso.fields[19].text.clear();
    const CalculationResult r = Run(caso);
    EXPECT_FALSE(r.complete);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("O campo 'Densidade relativa (Ar = 1)' não foi preenchido"));
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Todos os campos devem ser preenchidos"));
    EXPECT_EQ(ui.messages()[0].style, 48);
    EXPECT_EQ(host.focused, std::vector<int>{19});
    EXPECT_EQ(host.lines().last(), LinhaRelatorio(NomeCampo[24], QString(), {}));
    EXPECT_EQ(host.shows, 0);
    EXPECT_EQ(r.Campo, 19);

    // with a unit the empty value's line is still 78 columns
    host = FakeHost();
    CaseSnapshot semVazao = samples::Liquid();
    semVazao.fields[2].text.clear();
    Run(semVazao);
    EXPECT_EQ(host.lines().last().size(), 78);
    EXPECT_TRUE(host.lines().last().contains(QStringLiteral("  _")));
}

struct Failure {
    const char *name;
    CaseSnapshot (*makeCase)();
    QString message; // the start of the one message that ends the run
};

void PrintTo(const Failure &failure, std::ostream *out)
{
    *out << failure.name;
}

class SizingCalculationEarlyEndTest : public SizingCalculationTest,
                                      public ::testing::WithParamInterface<Failure>
{
};

TEST_P(SizingCalculationEarlyEndTest, OneClearMessageAndThePartialSheet)
{
    const Failure f = GetParam();
    const CalculationResult r = Run(f.makeCase());
    EXPECT_FALSE(r.complete);
    ASSERT_FALSE(ui.messages().empty());
    const auto last = ui.messages().back();
    EXPECT_TRUE(last.text.startsWith(f.message)) << last.text.toStdString();
    EXPECT_EQ(last.style, 48);
    EXPECT_EQ(host.shows, 0);
    EXPECT_GE(host.items.size(), 7); // the head and at least one input line stay
    for (const QString &item : host.items)
        EXPECT_FALSE(item.contains(QStringLiteral("NaN")) || item.contains(QStringLiteral("Inf")));
}

INSTANTIATE_TEST_SUITE_P(
    MendedFaults, SizingCalculationEarlyEndTest,
    ::testing::Values(
        Failure{"NotANumber", [] { return With(samples::Liquid(), 4, "1O2"); },
                QStringLiteral("O campo 'Diâmetro interno do tubo' não contém um número: "
                             "\"1O2\"")},
        Failure{"BlankIsNotANumber", [] { return With(samples::Gas(), 27, " "); },
                QStringLiteral("O campo 'Relação k=Cp/Cv' não contém um número")},
        Failure{"ZeroDiameter", [] { return With(samples::Liquid(), 4, "0"); },
                QStringLiteral("O campo 'Diâmetro interno do tubo' não pode ser zero.")},
        Failure{"NegativeDiameter", [] { return With(samples::Steam(), 4, "-50"); },
                QStringLiteral("O campo 'Diâmetro interno do tubo' não pode ser negativo.")},
        Failure{"ZeroViscosity", [] { return With(samples::Gas(), 20, "0"); },
                QStringLiteral("O campo 'Viscosidade dinâmica (proj)' não pode ser zero.")},
        Failure{"ZeroDensity", [] { return With(samples::Liquid(), 18, "0"); },
                QStringLiteral("O campo 'Massa Específica (proj)' não pode ser zero.")},
        Failure{"NegativeDensity", [] { return With(samples::Steam(), 18, "-4,9"); },
                QStringLiteral("O campo 'Massa Específica (proj)' não pode ser negativo.")},
        Failure{"ZeroCompressibility", [] { return With(samples::Gas(), 26, "0"); },
                QStringLiteral("O campo 'Fator Compensado (proj)' não pode ser zero.")},
        Failure{"ZeroReadingCompressibility", [] { return With(samples::Gas(), 25, "0"); },
                QStringLiteral("O campo 'Fator Compensado (leit)' não pode ser zero.")},
        Failure{"ZeroRelativeDensity", [] { return With(samples::Gas(), 19, "0"); },
                QStringLiteral("O campo 'Densidade relativa (Ar = 1)' não pode ser zero.")},
        Failure{"ZeroDesignPressure", [] { return With(samples::Steam(), 12, "0"); },
                QStringLiteral("O campo 'Pressão Absoluta (proj)' não pode ser zero.")},
        Failure{"ZeroGasPressure", [] { return With(samples::Gas(), 12, "0"); },
                QStringLiteral("A massa específica de projeto calculada")},
        Failure{"AbsoluteZero", [] { return With(samples::Gas(), 9, "-273,15"); },
                QStringLiteral("O campo 'Temperatura de projeto' não pode ser -273,15 ºC")},
        Failure{"ZeroDifferentialPressure", [] { return With(samples::Liquid(), 5, "0"); },
                QStringLiteral("O campo 'Pressão diferencial' não pode ser zero.")},
        Failure{"NegativeDifferentialPressure", [] { return With(samples::Gas(), 5, "-100"); },
                QStringLiteral("O campo 'Pressão diferencial' não pode ser negativo.")},
        Failure{"ZeroMaterialFactor", [] { return With(samples::Gas(), 29, "0"); },
                QStringLiteral("O campo 'Fator do material utilizado' não pode ser zero.")},
        Failure{"ZeroHeatRatio", [] { return With(samples::Gas(), 27, "0"); },
                QStringLiteral("O campo 'Relação k=Cp/Cv' não pode ser zero.")},
        Failure{"ZeroFlow", [] { return With(samples::Liquid(), 2, "0"); },
                QStringLiteral("Coeficiente de Carga = 0: tem que ser maior que zero")},
        Failure{"ZeroUsualFlow", [] { return With(samples::Liquid(), 28, "0"); },
                QStringLiteral("N.º de reynolds usual = 0: tem que ser maior que zero")},
        Failure{"EqualResiduals",
                [] {
                  CaseSnapshot c = samples::Liquid();
                  c.Tomada = 5; // a tap type without an equation
                  return c;
              },
                QStringLiteral("O cálculo de Beta parou: dois passos seguidos deram o mesmo")},
        Failure{"CornerBetaReachesOne",
                [] {
                  CaseSnapshot c = LiquidInKgPerHour(QStringLiteral("0,02"));
                  c.Tomada = CornerTaps;
                  return c;
              },
                QStringLiteral("Beta = 1,0")},
        Failure{"EpsiloNotPositive", [] { return With(With(samples::Gas(), 27, "0,01"), 28, "1"); },
                QStringLiteral("Epsilo = -")},
        Failure{"NoConvergence",
                [] {
                  CaseSnapshot c = LiquidInKgPerHour(QStringLiteral("0,01"));
                  c.fields[4].text = QStringLiteral("0,5");
                  return c;
              },
                QStringLiteral("O cálculo de Beta não convergiu em 200 passos.")}),
    [](const ::testing::TestParamInfo<Failure> &info) { return info.param.name; });

// The permanent loss goes through Arredonda, which leaves a value at or below zero as it is.
TEST_F(SizingCalculationTest, LossAtOrBelowZeroIsWrittenUnrounded)
{
    // ui answers No: go on with S >= 1
    CaseSnapshot caso = LiquidInKgPerHour(QStringLiteral("0,004"));
    caso.Tomada = VenaContracta;
    const CalculationResult r = Run(caso);
    ASSERT_TRUE(r.complete);
    ASSERT_GT(r.CoeficienteCarga, 1);
    const double loss = 1 * 1.0 * (1 - r.CoeficienteCarga) / (1 + r.CoeficienteCarga);
    bool found = false;
    for (const QString &line : host.lines())
        if (line.startsWith(QStringLiteral("Perda de carga permanente"))) {
            found = true;
            EXPECT_EQ(line, LinhaRelatorio(QStringLiteral("Perda de carga permanente"),
                                           platform::FormatDouble(loss), NomeUnidade[5]));
        }
    EXPECT_TRUE(found);
}

} // namespace
