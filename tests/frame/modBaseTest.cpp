#include "frame/modBase.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using RecentList = std::array<QString, 4>;

// A program state of the test's own, installed for the object's lifetime.
class InstalledState
{
public:
    ~InstalledState() { InstallProgramState(previous); }

private:
    ProgramState state;
    ProgramState *previous = InstallProgramState(&state);
};

struct MruExample {
    const char *name;
    RecentList before;
    QString path;
    RecentList after;
};

// A failure names the example.
void PrintTo(const MruExample &example, std::ostream *out)
{
    *out << example.name;
}

class modBaseAddFileMRUTest : public ::testing::TestWithParam<MruExample>
{
protected:
    InstalledState state;
};

TEST_P(modBaseAddFileMRUTest, KeepsEachPathOnceNewestFirst)
{
    const MruExample &caso = GetParam();
    ListaMRU() = caso.before;
    AddFileMRU(caso.path);
    EXPECT_EQ(ListaMRU(), caso.after);
}

const QString A = QStringLiteral("C:\\a.qzv");
const QString B = QStringLiteral("C:\\b.qzv");
const QString C = QStringLiteral("C:\\c.qzv");
const QString D = QStringLiteral("C:\\d.qzv");
const QString E = QStringLiteral("C:\\e.qzv");

INSTANTIATE_TEST_SUITE_P(
    Lists, modBaseAddFileMRUTest,
    ::testing::Values(
        MruExample{"IntoEmpty", {}, A, {A, {}, {}, {}}},
        MruExample{"EmptyPathChangesNothing", {A, B, {}, {}}, QString(), {A, B, {}, {}}},
        MruExample{"NewestInOtherCaseKeepsOldCase", {A, B, {}, {}}, A.toLower(), {A, B, {}, {}}},
        MruExample{"SecondMovesToFront", {A, B, C, {}}, B, {B, A, C, {}}},
        MruExample{"ThirdInOtherCaseTakesNewCase", {A, B, C, D}, C.toLower(),
                   {C.toLower(), A, B, D}},
        MruExample{"FourthDropsOut", {A, B, C, D}, D, {D, A, B, C}},
        MruExample{"FifthDistinctDropsOldest", {A, B, C, D}, E, {E, A, B, C}}),
    [](const auto &info) { return std::string(info.param.name); });

struct PathExample {
    const char *name;
    QString path;
    QString shown;
};

void PrintTo(const PathExample &example, std::ostream *out)
{
    *out << example.name;
}

class modBaseShortenPathTest : public ::testing::TestWithParam<PathExample> {};

TEST_P(modBaseShortenPathTest, ShortensForTheMenu)
{
    EXPECT_EQ(ShortenPath(GetParam().path), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, modBaseShortenPathTest,
    ::testing::Values(
        PathExample{"Example",
                    QStringLiteral("C:\\Arquivos de programas\\Projetos\\Saves\\BOMBA.qzv"),
                    QStringLiteral("C:\\Arq..\\Pro..\\Saves\\BOMBA.qzv")},
        // 30 characters stay whole, 31 are shortened.
        PathExample{"ThirtyWhole", QStringLiteral("C:\\pasta123456\\arquivo1234.qzv"),
                    QStringLiteral("C:\\pasta123456\\arquivo1234.qzv")},
        PathExample{"ThirtyOneShortened", QStringLiteral("C:\\pasta123456\\arquivo12345.qzv"),
                    QStringLiteral("C:\\Pas..\\arquivo12345.qzv")},
        // A folder name of five characters stays whole (proper case), six are cut.
        PathExample{"FiveAndSix", QStringLiteral("C:\\SAVES\\dados6\\um arquivo longo.qzv"),
                    QStringLiteral("C:\\Saves\\Dad..\\um arquivo longo.qzv")},
        PathExample{"UnixRootKept", QStringLiteral("/home/engenheiro/Saves/bomba centrifuga.qzv"),
                    QStringLiteral("/Home/Eng../Saves/bomba centrifuga.qzv")},
        PathExample{"AmpersandKept", QStringLiteral("C:\\R&D\\projetos antigos\\x&y final.qzv"),
                    QStringLiteral("C:\\R&d\\Pro..\\x&y final.qzv")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(modBaseTest, MostraErroShowsNumberInTitleAndDescriptionWithAdvice)
{
    InstalledState state;
    testsupport::ScriptedInteraction ui;
    MostraErro(53, QStringLiteral("Arquivo não encontrado"));
    ASSERT_EQ(ui.messages().size(), 1u);
    const auto caixa = ui.messages().front(); // messages() is a temporary
    EXPECT_EQ(caixa.title, QStringLiteral("Informação de Erro Código :53"));
    EXPECT_EQ(caixa.style, 16);
    EXPECT_EQ(caixa.text,
              QStringLiteral("Descrição do Erro: Arquivo não encontrado\r\n\r\n"
                             "Em caso de dúvidas, informe o código e descrição do erro ao "
                             "fabricante do software"));
}

TEST(modBaseTest, SetFoldersPutsSavesAndReportsInAWritableProgramFolder)
{
    InstalledState state;
    QTemporaryDir pasta;
    SetFolders(pasta.path());
    EXPECT_EQ(PathSaves(), pasta.path() + QStringLiteral("/Saves"));
    EXPECT_EQ(PathRelatorios(), pasta.path() + QStringLiteral("/Relatorios"));
    EXPECT_FALSE(QDir(PathSaves()).exists());
}

TEST(modBaseTest, SetFoldersGoesToDocumentsForAnUnusableProgramFolder)
{
    InstalledState state;
    SetFolders(QStringLiteral("/proc/inexistente"));
    EXPECT_TRUE(PathSaves().endsWith(QStringLiteral("/Cálculo de Quirasol/Saves")));
    EXPECT_TRUE(PathRelatorios().endsWith(QStringLiteral("/Cálculo de Quirasol/Relatorios")));
    EXPECT_FALSE(PathSaves().startsWith(QStringLiteral("/proc")));
}

TEST(modBaseTest, ConfiguraImpressoraCancelGivesFalseAndConfirmGivesCopies)
{
    testsupport::ScriptedInteraction ui;
    ui.printerAnswers = {0, 3};
    EXPECT_FALSE(ConfiguraImpressora(true));
    int copias = 0;
    EXPECT_TRUE(ConfiguraImpressora(false, &copias));
    EXPECT_EQ(copias, 3);
    ASSERT_EQ(ui.asked.size(), 2u);
    EXPECT_EQ(ui.asked[0].style, 1);        // set-up dialog
    EXPECT_EQ(ui.asked[1].style, 0);        // print dialog
}

} // namespace
