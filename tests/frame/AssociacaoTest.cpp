#include "frame/modRegistro.h"
#include "platform/DesktopAssociation.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace frame;

namespace {

const QString kPergunta = QString::fromUtf8(
    "Os arquivos de extenção 'qzv' não estão associados a este programa de Cálculo de Quirasol.");
const QString kTituloPergunta =
    QString::fromUtf8("Deseja restaurar a associação dos arquivos ?");

class Associacao : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        qputenv("XDG_DATA_DIRS", (dir.path() + "/system").toUtf8());
        platform::SettingsFiles::instance().setFolder(dir.path() + "/store");
    }
    void TearDown() override
    {
        platform::SettingsFiles::instance().setFolder({});
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    QString data(const QString &rel) const { return dir.path() + "/data/" + rel; }
    QString config(const QString &rel) const { return dir.path() + "/config/" + rel; }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(path.section('/', 0, -2));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The association as ours, then its open command replaced.
    void registeredWith(const QString &command)
    {
        ASSERT_TRUE(AssociaArquivo());
        write(data("applications/quirasol.desktop"),
              "[Desktop Entry]\nType=Application\nName=X\nExec=" + command.toUtf8() + "\n");
    }

    QTemporaryDir dir;
    testsupport::ScriptedInteraction ui;
};

} // namespace

TEST_F(Associacao, MissingAssociationIsWrittenSilently)
{
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(platform::CaseExtensionType(), "application/x-quirasol");
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand());
    EXPECT_TRUE(read(data("mime/packages/quirasol.xml"))
                    .contains(QString::fromUtf8("<comment>Arquivo de Cálculo de Quirasol")
                                  .toUtf8()));
    // Both icons, whole SVG documents, and the program's named by the desktop file.
    EXPECT_TRUE(read(data("icons/hicolor/scalable/mimetypes/application-x-quirasol.svg"))
                    .contains("</svg>"));
    EXPECT_TRUE(read(data("icons/hicolor/scalable/apps/quirasol.svg")).contains("</svg>"));
    EXPECT_TRUE(read(data("applications/quirasol.desktop")).contains("\nIcon=quirasol\n"));
    EXPECT_TRUE(read(config("mimeapps.list"))
                    .contains("[Default Applications]\napplication/x-quirasol=quirasol.desktop"));
    VerificaAssociacao(); // now ours: silent
    EXPECT_TRUE(ui.asked.empty());
}

TEST_F(Associacao, ForeignMappingIsWrittenSilently)
{
    write(data("mime/packages/quirasol.xml"),
          "<mime-info><mime-type type=\"text/x-outro\"><glob pattern=\"*.qzv\"/></mime-type>"
          "</mime-info>");
    registeredWith("/outro/programa %f");
    write(data("mime/packages/quirasol.xml"),
          "<mime-info><mime-type type=\"text/x-outro\"><glob pattern=\"*.qzv\"/></mime-type>"
          "</mime-info>");
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(platform::CaseExtensionType(), "application/x-quirasol");
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand());
}

TEST_F(Associacao, CommandDifferingOnlyInCaseAsksNothing)
{
    registeredWith(OwnOpenCommand().toUpper());
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand().toUpper());
}

TEST_F(Associacao, NoOpenCommandAsksAndWritesNothing)
{
    ASSERT_TRUE(AssociaArquivo());
    QFile::remove(data("applications/quirasol.desktop"));
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_FALSE(QFile::exists(data("applications/quirasol.desktop")));
}

TEST_F(Associacao, OtherCommandAsksAndYesRestores)
{
    registeredWith("/programa/antigo/quirasol %f");
    ui.messageAnswers = {platform::vbYes};
    VerificaAssociacao();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, kPergunta);
    EXPECT_EQ(ui.messages()[0].title, kTituloPergunta);
    EXPECT_EQ(ui.messages()[0].style, 52);
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand());
}

TEST_F(Associacao, NoThenNoStopsTheQuestionForGood)
{
    registeredWith("/programa/antigo/quirasol %f");
    ui.messageAnswers = {platform::vbNo, platform::vbNo};
    VerificaAssociacao();
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1].text, "Deseja receber esta mensagem novamente?");
    EXPECT_EQ(ui.messages()[1].title, QString::fromUtf8("Associação de arquivos"));
    EXPECT_EQ(ui.messages()[1].style, 52);
    EXPECT_EQ(GetConfig("System", "Associa"), "0");
    EXPECT_EQ(platform::CaseOpenCommand(), "/programa/antigo/quirasol %f");

    VerificaAssociacao(); // a later start stays silent
    EXPECT_EQ(ui.messages().size(), 2u);
}

TEST_F(Associacao, NoThenYesAsksAgainNextTime)
{
    registeredWith("/programa/antigo/quirasol %f");
    ui.messageAnswers = {platform::vbNo, platform::vbYes, platform::vbNo, platform::vbYes};
    VerificaAssociacao();
    EXPECT_EQ(GetConfig("System", "Associa"), "");
    VerificaAssociacao();
    EXPECT_EQ(ui.messages().size(), 4u);
}

TEST_F(Associacao, ForeignDefaultApplicationCountsAsAnotherCommand)
{
    ASSERT_TRUE(AssociaArquivo());
    write(dir.path() + "/system/applications/outro.desktop",
          "[Desktop Entry]\nType=Application\nName=Outro\nExec=outro %U\n");
    write(config("mimeapps.list"), "[Default Applications]\ntext/plain=gedit.desktop\n"
                                   "application/x-quirasol=outro.desktop;\n");
    EXPECT_EQ(platform::CaseOpenCommand(), "outro %U");
    ui.messageAnswers = {platform::vbYes};
    VerificaAssociacao();
    EXPECT_EQ(ui.messages().size(), 1u);
    const QByteArray apps = read(config("mimeapps.list"));
    EXPECT_TRUE(apps.contains("text/plain=gedit.desktop\n")); // other entries kept
    EXPECT_TRUE(apps.contains("application/x-quirasol=quirasol.desktop\n"));
    EXPECT_FALSE(apps.contains("outro.desktop"));
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand());
}

TEST(ProgramOpenCommand, QuotesPathsThatNeedIt)
{
    const struct {
        const char *path;
        const char *command;
    } cases[] = {
        {"/usr/bin/quirasol", "/usr/bin/quirasol %f"},
        {"/opt/Meus Programas/quirasol", "\"/opt/Meus Programas/quirasol\" %f"},
        {"/opt/a\"b$c/quirasol", "\"/opt/a\\\"b\\$c/quirasol\" %f"},
        {"/opt/100%/quirasol", "/opt/100%%/quirasol %f"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::ProgramOpenCommand(c.path), c.command) << c.path;
}

TEST_F(Associacao, QuotedCommandSurvivesTheDesktopFile)
{
    const QString command = platform::ProgramOpenCommand("/opt/Meus Programas\\x/quirasol");
    ASSERT_TRUE(platform::WriteCaseApplication("Q", command));
    EXPECT_EQ(platform::CaseOpenCommand(), command);
}

TEST(AssociacaoPastas, TestModeWithoutXdgVariablesStaysOutOfTheHomeFolder)
{
    ASSERT_TRUE(QStandardPaths::isTestModeEnabled());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::UserDataFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    EXPECT_EQ(platform::UserConfigFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    EXPECT_TRUE(platform::UserDataFolder().contains(".qttest"));
}
