#include "frame/modBase.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Lista = std::array<QString, 4>;

// A program state of the test's own, installed for the object's lifetime.
class EstadoProprio
{
public:
    ~EstadoProprio() { InstallProgramState(anterior); }

private:
    ProgramState estado;
    ProgramState *anterior = InstallProgramState(&estado);
};

struct CasoMRU {
    const char *nome;
    Lista antes;
    QString caminho;
    Lista depois;
};

class AddFileMRUTest : public ::testing::TestWithParam<CasoMRU>
{
protected:
    EstadoProprio estado;
};

TEST_P(AddFileMRUTest, KeepsEachPathOnceNewestFirst)
{
    const CasoMRU &caso = GetParam();
    ListaMRU() = caso.antes;
    AddFileMRU(caso.caminho);
    EXPECT_EQ(ListaMRU(), caso.depois);
}

const QString A = QStringLiteral("C:\\a.qzv");
const QString B = QStringLiteral("C:\\b.qzv");
const QString C = QStringLiteral("C:\\c.qzv");
const QString D = QStringLiteral("C:\\d.qzv");
const QString E = QStringLiteral("C:\\e.qzv");

INSTANTIATE_TEST_SUITE_P(
    Casos, AddFileMRUTest,
    ::testing::Values(
        CasoMRU{"IntoEmpty", {}, A, {A, {}, {}, {}}},
        CasoMRU{"EmptyPathChangesNothing", {A, B, {}, {}}, QString(), {A, B, {}, {}}},
        CasoMRU{"NewestInOtherCaseKeepsOldCase", {A, B, {}, {}}, A.toLower(), {A, B, {}, {}}},
        CasoMRU{"SecondMovesToFront", {A, B, C, {}}, B, {B, A, C, {}}},
        CasoMRU{"ThirdInOtherCaseTakesNewCase", {A, B, C, D}, C.toLower(),
                {C.toLower(), A, B, D}},
        CasoMRU{"FourthDropsOut", {A, B, C, D}, D, {D, A, B, C}},
        CasoMRU{"FifthDistinctDropsOldest", {A, B, C, D}, E, {E, A, B, C}}),
    [](const auto &info) { return std::string(info.param.nome); });

struct CasoCaminho {
    const char *nome;
    QString caminho;
    QString mostrado;
};

class EncurtaCaminhoTest : public ::testing::TestWithParam<CasoCaminho> {};

TEST_P(EncurtaCaminhoTest, ShortensForTheMenu)
{
    EXPECT_EQ(ShortenPath(GetParam().caminho), GetParam().mostrado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EncurtaCaminhoTest,
    ::testing::Values(
        CasoCaminho{"Example",
                    QStringLiteral("C:\\Arquivos de programas\\Projetos\\Saves\\BOMBA.qzv"),
                    QStringLiteral("C:\\Arq..\\Pro..\\Saves\\BOMBA.qzv")},
        // 30 characters stay whole, 31 are shortened.
        CasoCaminho{"ThirtyWhole", QStringLiteral("C:\\pasta123456\\arquivo1234.qzv"),
                    QStringLiteral("C:\\pasta123456\\arquivo1234.qzv")},
        CasoCaminho{"ThirtyOneShortened", QStringLiteral("C:\\pasta123456\\arquivo12345.qzv"),
                    QStringLiteral("C:\\Pas..\\arquivo12345.qzv")},
        // A folder name of five characters stays whole (proper case), six are cut.
        CasoCaminho{"FiveAndSix", QStringLiteral("C:\\SAVES\\dados6\\um arquivo longo.qzv"),
                    QStringLiteral("C:\\Saves\\Dad..\\um arquivo longo.qzv")},
        CasoCaminho{"UnixRootKept", QStringLiteral("/home/engenheiro/Saves/bomba centrifuga.qzv"),
                    QStringLiteral("/Home/Eng../Saves/bomba centrifuga.qzv")},
        CasoCaminho{"AmpersandKept", QStringLiteral("C:\\R&D\\projetos antigos\\x&y final.qzv"),
                    QStringLiteral("C:\\R&d\\Pro..\\x&y final.qzv")}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(MostraErroTest, ShowsNumberInTitleAndDescriptionWithAdvice)
{
    EstadoProprio estado;
    testsupport::ScriptedInteraction interacao;
    MostraErro(53, QStringLiteral("Arquivo não encontrado"));
    ASSERT_EQ(interacao.messages().size(), 1u);
    const auto caixa = interacao.messages().front(); // messages() is a temporary
    EXPECT_EQ(caixa.title, QStringLiteral("Informação de Erro Código :53"));
    EXPECT_EQ(caixa.style, 16);
    EXPECT_EQ(caixa.text,
              QStringLiteral("Descrição do Erro: Arquivo não encontrado\r\n\r\n"
                             "Em caso de dúvidas, informe o código e descrição do erro ao "
                             "fabricante do software"));
}

TEST(DefinePastasTest, WritableProgramFolderHoldsSavesAndReports)
{
    EstadoProprio estado;
    QTemporaryDir pasta;
    SetFolders(pasta.path());
    EXPECT_EQ(PathSaves(), pasta.path() + QStringLiteral("/Saves"));
    EXPECT_EQ(PathRelatorios(), pasta.path() + QStringLiteral("/Relatorios"));
    EXPECT_FALSE(QDir(PathSaves()).exists());
}

TEST(DefinePastasTest, UnusableProgramFolderGoesToDocuments)
{
    EstadoProprio estado;
    SetFolders(QStringLiteral("/proc/inexistente"));
    EXPECT_TRUE(PathSaves().endsWith(QStringLiteral("/Cálculo de Quirasol/Saves")));
    EXPECT_TRUE(PathRelatorios().endsWith(QStringLiteral("/Cálculo de Quirasol/Relatorios")));
    EXPECT_FALSE(PathSaves().startsWith(QStringLiteral("/proc")));
}

TEST(ConfiguraImpressoraTest, CancelGivesFalseAndConfirmGivesCopies)
{
    testsupport::ScriptedInteraction interacao;
    interacao.printerAnswers = {0, 3};
    EXPECT_FALSE(ConfiguraImpressora(true));
    int copias = 0;
    EXPECT_TRUE(ConfiguraImpressora(false, &copias));
    EXPECT_EQ(copias, 3);
    ASSERT_EQ(interacao.asked.size(), 2u);
    EXPECT_EQ(interacao.asked[0].style, 1); // set-up dialog
    EXPECT_EQ(interacao.asked[1].style, 0); // print dialog
}

} // namespace
