#include "frame/FrameRules.h"

#include <gtest/gtest.h>

namespace {

using namespace frame;

TEST(LinhaComandoTest, JoinsArgumentsAndQuotesThoseWithBlanks)
{
    EXPECT_EQ(LinhaComando({}), QString());
    EXPECT_EQ(LinhaComando({QStringLiteral("/A"), QStringLiteral("/tmp/caso.qzv")}),
              QStringLiteral("/A /tmp/caso.qzv"));
    EXPECT_EQ(LinhaComando({QStringLiteral("/tmp/meus casos/bomba.qzv")}),
              QStringLiteral("\"/tmp/meus casos/bomba.qzv\""));
    EXPECT_EQ(LinhaComando({QStringLiteral("a"), QString()}), QStringLiteral("a \"\""));
}

struct CasoLinha {
    const char *nome;
    QString linha;
    QString arquivo;
};

class ArquivoDaLinhaTest : public ::testing::TestWithParam<CasoLinha> {};

TEST_P(ArquivoDaLinhaTest, TakesTheCasePath)
{
    EXPECT_EQ(ArquivoDaLinhaComando(GetParam().linha), GetParam().arquivo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArquivoDaLinhaTest,
    ::testing::Values(
        CasoLinha{"Empty", QString(), QString()},
        CasoLinha{"WholeLine", QStringLiteral("/tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        CasoLinha{"SwitchA", QStringLiteral("/A /tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        CasoLinha{"SwitchC", QStringLiteral("/C /tmp/caso.qzv"), QStringLiteral("/tmp/caso.qzv")},
        CasoLinha{"LowerCaseTakenWhole", QStringLiteral("/a /tmp/caso.qzv"),
                  QStringLiteral("/a /tmp/caso.qzv")},
        CasoLinha{"SwitchAlone", QStringLiteral("/A"), QString()},
        CasoLinha{"QuotesKept", QStringLiteral("\"/tmp/meus casos/b.qzv\""),
                  QStringLiteral("\"/tmp/meus casos/b.qzv\"")},
        CasoLinha{"SwitchThenQuotes", QStringLiteral("/C \"/tmp/a b.qzv\""),
                  QStringLiteral("\"/tmp/a b.qzv\"")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(CaminhoDoArquivoTest, OnePairOfEnclosingQuotesIsDropped)
{
    EXPECT_EQ(CaminhoDoArquivo(QStringLiteral("\"/tmp/a b.qzv\"")),
              QStringLiteral("/tmp/a b.qzv"));
    EXPECT_EQ(CaminhoDoArquivo(QStringLiteral("/tmp/a.qzv")), QStringLiteral("/tmp/a.qzv"));
    EXPECT_EQ(CaminhoDoArquivo(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(CaminhoDoArquivo(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(CaminhoDoArquivo(QStringLiteral("\"/a.qzv")), QStringLiteral("\"/a.qzv"));
}

class MakePathAbsoluteTest : public ::testing::TestWithParam<CasoLinha> {};

// The line column holds what was typed in the folder /casos/obra; the file column the line
// the program goes on with.
TEST_P(MakePathAbsoluteTest, AgainstTheWorkingFolder)
{
    EXPECT_EQ(MakePathAbsolute(GetParam().linha, QStringLiteral("/casos/obra")),
              GetParam().arquivo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MakePathAbsoluteTest,
    ::testing::Values(
        CasoLinha{"Relative", QStringLiteral("a.qzv"), QStringLiteral("/casos/obra/a.qzv")},
        CasoLinha{"Parent", QStringLiteral("../b/./a.qzv"), QStringLiteral("/casos/b/a.qzv")},
        CasoLinha{"SwitchKept", QStringLiteral("/A a.qzv"),
                  QStringLiteral("/A /casos/obra/a.qzv")},
        CasoLinha{"QuotesKept", QStringLiteral("/C \"x y.qzv\""),
                  QStringLiteral("/C \"/casos/obra/x y.qzv\"")},
        CasoLinha{"Absolute", QStringLiteral("\"/tmp/a.qzv\""), QStringLiteral("\"/tmp/a.qzv\"")},
        CasoLinha{"LowerCaseSwitchIsAnAbsoluteName", QStringLiteral("/a a.qzv"),
                  QStringLiteral("/a a.qzv")},
        CasoLinha{"NoName", QString(), QString()},
        CasoLinha{"SwitchAlone", QStringLiteral("/C"), QStringLiteral("/C")},
        CasoLinha{"EmptyQuotes", QStringLiteral("\"\""), QStringLiteral("\"\"")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(ComandoDDETest, PrefixesTheWholeLine)
{
    EXPECT_EQ(ComandoDDE(QString()), QStringLiteral("/P "));
    EXPECT_EQ(ComandoDDE(QStringLiteral("\"/x y.qzv\"")), QStringLiteral("/P \"/x y.qzv\""));
}

TEST(InterpretaComandoTest, SlashPRestoresAndStripsThreeCharacters)
{
    auto recebido = InterpretaComando(QStringLiteral("/P /tmp/a.qzv"));
    EXPECT_EQ(recebido.arquivo, QStringLiteral("/tmp/a.qzv"));
    EXPECT_TRUE(recebido.restauraEstado);
    recebido = InterpretaComando(QStringLiteral("/P "));
    EXPECT_TRUE(recebido.arquivo.isEmpty());
    EXPECT_TRUE(recebido.restauraEstado);
    // Without "/P" the whole text is the case name, and the state is not restored.
    recebido = InterpretaComando(QStringLiteral("/tmp/b.qzv"));
    EXPECT_EQ(recebido.arquivo, QStringLiteral("/tmp/b.qzv"));
    EXPECT_FALSE(recebido.restauraEstado);
}

TEST(DecideInicioTest, TipsSettingAndNamedFile)
{
    struct Example {
        QString dicas;
        QString arquivo;
        bool abreCaso;
        bool abrir;
    };
    const Example casos[] = {
        {QStringLiteral("0"), QString(), true, false},
        {QStringLiteral("1"), QString(), false, false},
        {QString(), QString(), false, false},
        {QStringLiteral(" "), QString(), false, false},
        {QStringLiteral("00"), QString(), false, false},
        {QStringLiteral("1"), QStringLiteral("/x.qzv"), true, true},
        {QStringLiteral("0"), QStringLiteral("/x.qzv"), true, true},
    };
    for (const Example &caso : casos) {
        const InicioPrograma inicio = DecideInicio(caso.dicas, caso.arquivo);
        EXPECT_EQ(inicio.abreCaso, caso.abreCaso) << caso.dicas.toStdString();
        EXPECT_EQ(inicio.abrir, caso.abrir) << caso.dicas.toStdString();
    }
}

TEST(ValorPosicaoTest, OnlyPositiveLeadingNumbers)
{
    EXPECT_EQ(ValorPosicao(QStringLiteral("1500")), 1500);
    EXPECT_EQ(ValorPosicao(QStringLiteral(" 1500xyz")), 1500);
    EXPECT_EQ(ValorPosicao(QStringLiteral("1500.5")), 1500);
    EXPECT_EQ(ValorPosicao(QStringLiteral("1501.5")), 1502);
    EXPECT_EQ(ValorPosicao(QStringLiteral("0")), std::nullopt);
    EXPECT_EQ(ValorPosicao(QStringLiteral("-300")), std::nullopt);
    EXPECT_EQ(ValorPosicao(QString()), std::nullopt);
    EXPECT_EQ(ValorPosicao(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(ValorPosicao(QStringLiteral("99999999999")), std::nullopt);
}

TEST(AjustaBandasTest, CaptionsHiddenGiveFixedWidthsShownFollowTheToolbars)
{
    const Bandas ocultas = AjustaBandas(BandasIniciais(), false, 4000, 600, 5000);
    EXPECT_EQ(ocultas.padrao.larguraMinima, 1600);
    EXPECT_EQ(ocultas.padrao.largura, 1600);
    EXPECT_EQ(ocultas.calculo.larguraMinima, 1500);
    EXPECT_EQ(ocultas.calculo.largura, 1500);
    EXPECT_EQ(ocultas.padrao.alturaMinima, 600);
    EXPECT_EQ(ocultas.calculo.alturaMinima, 600);

    const Bandas visiveis = AjustaBandas(ocultas, true, 4100, 800, 5200);
    EXPECT_EQ(visiveis.padrao.larguraMinima, 4100);
    EXPECT_EQ(visiveis.calculo.larguraMinima, 5200);
    EXPECT_EQ(visiveis.padrao.largura, 1600); // the width itself is left as it was
    EXPECT_EQ(visiveis.padrao.alturaMinima, 800);
    EXPECT_EQ(visiveis.calculo.alturaMinima, 800);
}

TEST(NomeServidorTest, ASocketOfTitleAndTopicInTheRuntimeFolder)
{
    EXPECT_EQ(NomeServidor(QStringLiteral("Cálculo de Quirasol"), QStringLiteral("/run/user/7")),
              QStringLiteral("/run/user/7/Cálculo de Quirasol|Menu"));
    EXPECT_EQ(NomeServidor(QStringLiteral("a/b"), QStringLiteral("/run/user/7/")),
              QStringLiteral("/run/user/7/a_b|Menu"));
    EXPECT_TRUE(NomeServidor(QStringLiteral("Cálculo de Quirasol"), QString()).isEmpty());
}

} // namespace
