#include "frame/modRegistro.h"
#include "platform/DesktopAssociation.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace frame;
using platform::SettingsFiles;

namespace {

class modRegistroTest : public ::testing::Test
{
protected:
    void SetUp() override { SettingsFiles::instance().setFolder(dir.path() + "/store"); }
    void TearDown() override { SettingsFiles::instance().setFolder({}); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(modRegistroTest, KeyPathAndHiveRule)
{
    EXPECT_EQ(ChaveConfig("Config"),
              QString::fromUtf8("Software\\Morvane\\Cálculo de Quirasol\\2.0\\Config"));
    const struct {
        const char *section;
        Hive hive;
    } cases[] = {
        {"Config", Hive::CurrentUser},      {"Config\\Menu", Hive::CurrentUser},
        {"ConfigX", Hive::CurrentUser},     {"config", Hive::LocalMachine},
        {"CONFIG\\Menu", Hive::LocalMachine}, {"FilesMRU", Hive::LocalMachine},
        {"System", Hive::LocalMachine},     {"Confi", Hive::LocalMachine},
        {"", Hive::LocalMachine},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HiveOfSection(c.section), c.hive) << c.section;
}

TEST_F(modRegistroTest, SectionsGoToTheirHiveFile)
{
    SaveConfig("Config\\Menu", "MainLeft", "120");
    SaveConfig("config", "X", "machine");
    EXPECT_EQ(QueryValue(Hive::CurrentUser, ChaveConfig("Config\\Menu"), "MainLeft"), "120");
    EXPECT_EQ(QueryValue(Hive::LocalMachine, ChaveConfig("Config\\Menu"), "MainLeft"), "");
    EXPECT_EQ(QueryValue(Hive::LocalMachine, ChaveConfig("config"), "X"), "machine");
    EXPECT_TRUE(QFile::exists(dir.path() + "/store/user.ini"));
    EXPECT_TRUE(QFile::exists(dir.path() + "/store/machine.ini"));
}

TEST_F(modRegistroTest, MissingReadsEmptyAndEmptyIsStoredAsBlank)
{
    EXPECT_EQ(GetConfig("FilesMRU", "1"), "");
    SaveConfig("FilesMRU", "1", "/casos/a.qzv");
    EXPECT_EQ(GetConfig("FilesMRU", "2"), "");
    EXPECT_EQ(GetConfig("Outra", "1"), "");
    SaveConfig("FilesMRU", "2", "");
    EXPECT_EQ(GetConfig("FilesMRU", "2"), " ");
    SaveConfig("FilesMRU", "1", "/casos/b.qzv");
    EXPECT_EQ(GetConfig("FilesMRU", "1"), "/casos/b.qzv");
}

TEST_F(modRegistroTest, NamesCompareWithoutCase)
{
    SaveConfig("System", "Associa", "1");
    SaveConfig("System", "ASSOCIA", "0");
    EXPECT_EQ(GetConfig("System", "associa"), "0");
    EXPECT_EQ(QueryValue(Hive::LocalMachine, ChaveConfig("SYSTEM"), "Associa"), "0");
}

TEST_F(modRegistroTest, AwkwardTextsRoundTripExactly)
{
    const QString texts[] = {
        " leading and trailing ",
        "C:\\Casos\\a b\\x.qzv",
        "/home/u/Cálculos/ação ü €.qzv",
        "a=b;c[d]%20e%",
        "line\r\nbreak",
        "кириллица 中文",
        "  ",
        "#;comment?",
    };
    const QString names[] = {"", "1", "a\\b", "a/b", " key ", "k=v", "[x]", ";c", "%41"};
    for (const QString &name : names) {
        for (const QString &text : texts) {
            SaveConfig("Config\\Menu\\/odd", name, text);
            EXPECT_EQ(GetConfig("Config\\Menu\\/odd", name), text) << name.toStdString();
        }
    }
    // Keys that differ only in a slash or backslash stay apart.
    SaveConfig("Config", "a/b", "slash");
    SaveConfig("Config", "a\\b", "backslash");
    EXPECT_EQ(GetConfig("Config", "a/b"), "slash");
    EXPECT_EQ(GetConfig("Config", "a\\b"), "backslash");
    EXPECT_EQ(GetConfig("Config/Menu", "a/b"), "");
}

TEST_F(modRegistroTest, ReadLimitIs1024BytesWithTerminator)
{
    SaveConfig("Config", "fits", QString(1022, u'x'));
    SaveConfig("Config", "toolong", QString(1023, u'x'));
    EXPECT_EQ(GetConfig("Config", "fits").size(), 1022);
    EXPECT_EQ(GetConfig("Config", "toolong"), "");
    SaveConfig("Config", "zero", QString("ab") + QChar(u'\0') + "cd");
    EXPECT_EQ(GetConfig("Config", "zero"), "ab");
}

TEST_F(modRegistroTest, UnwritableStoreLosesWritesSilently)
{
    QFile blocker(dir.path() + "/store");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_FALSE(SetKeyValue(Hive::CurrentUser, ChaveConfig("Config"), "Barra0", "True"));
    SaveConfig("Config", "Barra0", "True");
    EXPECT_EQ(GetConfig("Config", "Barra0"), "");
}

TEST_F(modRegistroTest, DefaultFolderIsUnderTheUsersConfiguration)
{
    SettingsFiles::instance().setFolder({});
    EXPECT_TRUE(QStandardPaths::isTestModeEnabled());
    EXPECT_EQ(SettingsFiles::instance().folder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QString::fromUtf8("/Morvane/Cálculo de Quirasol/2.0"));
}

TEST_F(modRegistroTest, DamagedHiveFileReadsEmptyAndIsRewritten)
{
    QDir().mkpath(dir.path() + "/store");
    QFile file(dir.path() + "/store/machine.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray junk("[unclosed\n=\n%zz=%\n\0\xff\xfe[]\n", 24);
    for (int i = 0; i < 2000; ++i)
        junk += char((i * 131) & 0xFF);
    file.write(junk);
    file.close();
    EXPECT_EQ(GetConfig("FilesMRU", "1"), "");
    SaveConfig("FilesMRU", "1", "/casos/a.qzv");
    EXPECT_EQ(GetConfig("FilesMRU", "1"), "/casos/a.qzv");
}

namespace {

// The start-up check of the case-file association, in the desktop folders of the test.
const QString kQuestion = QString::fromUtf8(
    "Os arquivos de extenção 'qzv' não estão associados a este programa de Cálculo de Quirasol.");
const QString kQuestionTitle =
    QString::fromUtf8("Deseja restaurar a associação dos arquivos ?");

class modRegistroAssociationTest : public ::testing::Test
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

TEST_F(modRegistroAssociationTest, MissingAssociationIsWrittenSilently)
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

TEST_F(modRegistroAssociationTest, ForeignMappingIsWrittenSilently)
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

TEST_F(modRegistroAssociationTest, CommandDifferingOnlyInCaseAsksNothing)
{
    registeredWith(OwnOpenCommand().toUpper());
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand().toUpper());
}

TEST_F(modRegistroAssociationTest, NoOpenCommandAsksAndWritesNothing)
{
    ASSERT_TRUE(AssociaArquivo());
    QFile::remove(data("applications/quirasol.desktop"));
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_FALSE(QFile::exists(data("applications/quirasol.desktop")));
}

TEST_F(modRegistroAssociationTest, OtherCommandAsksAndYesRestores)
{
    registeredWith("/programa/antigo/quirasol %f");
    ui.messageAnswers = {platform::vbYes};
    VerificaAssociacao();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, kQuestion);
    EXPECT_EQ(ui.messages()[0].title, kQuestionTitle);
    EXPECT_EQ(ui.messages()[0].style, 52);
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand());
}

TEST_F(modRegistroAssociationTest, NoThenNoStopsTheQuestionForGood)
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

TEST_F(modRegistroAssociationTest, NoThenYesAsksAgainNextTime)
{
    registeredWith("/programa/antigo/quirasol %f");
    ui.messageAnswers = {platform::vbNo, platform::vbYes, platform::vbNo, platform::vbYes};
    VerificaAssociacao();
    EXPECT_EQ(GetConfig("System", "Associa"), "");
    VerificaAssociacao();
    EXPECT_EQ(ui.messages().size(), 4u);
}

TEST_F(modRegistroAssociationTest, ForeignDefaultApplicationCountsAsAnotherCommand)
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

TEST_F(modRegistroAssociationTest, MimeAppsThatCannotBeReadWholeGetNothingWritten)
{
    QDir().mkpath(config("mimeapps.list")); // a folder: no file to read
    VerificaAssociacao();
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_FALSE(AssociaArquivo());
    EXPECT_TRUE(QFileInfo(config("mimeapps.list")).isDir());
    EXPECT_FALSE(QFileInfo::exists(data("mime/packages/quirasol.xml")));
    EXPECT_FALSE(QFileInfo::exists(data("applications/quirasol.desktop")));

    QDir().rmdir(config("mimeapps.list")); // readable again: the next start makes it
    VerificaAssociacao();
    EXPECT_EQ(platform::CaseOpenCommand(), OwnOpenCommand());
}

TEST_F(modRegistroAssociationTest, QuotedCommandSurvivesTheDesktopFile)
{
    const QString command = platform::ProgramOpenCommand("/opt/Meus Programas\\x/quirasol");
    ASSERT_TRUE(platform::WriteCaseApplication("Q", command));
    EXPECT_EQ(platform::CaseOpenCommand(), command);
}

