#include "frame/modRegistro.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace frame;
using platform::SettingsFiles;

namespace {

class Settings : public ::testing::Test
{
protected:
    void SetUp() override { SettingsFiles::instance().setFolder(dir.path() + "/store"); }
    void TearDown() override { SettingsFiles::instance().setFolder({}); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Settings, KeyPathAndHiveRule)
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

TEST_F(Settings, SectionsGoToTheirHiveFile)
{
    SaveConfig("Config\\Menu", "MainLeft", "120");
    SaveConfig("config", "X", "machine");
    EXPECT_EQ(QueryValue(Hive::CurrentUser, ChaveConfig("Config\\Menu"), "MainLeft"), "120");
    EXPECT_EQ(QueryValue(Hive::LocalMachine, ChaveConfig("Config\\Menu"), "MainLeft"), "");
    EXPECT_EQ(QueryValue(Hive::LocalMachine, ChaveConfig("config"), "X"), "machine");
    EXPECT_TRUE(QFile::exists(dir.path() + "/store/user.ini"));
    EXPECT_TRUE(QFile::exists(dir.path() + "/store/machine.ini"));
}

TEST_F(Settings, MissingReadsEmptyAndEmptyIsStoredAsBlank)
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

TEST_F(Settings, NamesCompareWithoutCase)
{
    SaveConfig("System", "Associa", "1");
    SaveConfig("System", "ASSOCIA", "0");
    EXPECT_EQ(GetConfig("System", "associa"), "0");
    EXPECT_EQ(QueryValue(Hive::LocalMachine, ChaveConfig("SYSTEM"), "Associa"), "0");
}

TEST_F(Settings, AwkwardTextsRoundTripExactly)
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

TEST_F(Settings, ReadLimitIs1024BytesWithTerminator)
{
    SaveConfig("Config", "fits", QString(1022, u'x'));
    SaveConfig("Config", "toolong", QString(1023, u'x'));
    EXPECT_EQ(GetConfig("Config", "fits").size(), 1022);
    EXPECT_EQ(GetConfig("Config", "toolong"), "");
    SaveConfig("Config", "zero", QString("ab") + QChar(u'\0') + "cd");
    EXPECT_EQ(GetConfig("Config", "zero"), "ab");
}

TEST_F(Settings, UnwritableStoreLosesWritesSilently)
{
    QFile blocker(dir.path() + "/store");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_FALSE(SetKeyValue(Hive::CurrentUser, ChaveConfig("Config"), "Barra0", "True"));
    SaveConfig("Config", "Barra0", "True");
    EXPECT_EQ(GetConfig("Config", "Barra0"), "");
}

TEST_F(Settings, DefaultFolderIsUnderTheUsersConfiguration)
{
    SettingsFiles::instance().setFolder({});
    EXPECT_TRUE(QStandardPaths::isTestModeEnabled());
    EXPECT_EQ(SettingsFiles::instance().folder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QString::fromUtf8("/Morvane/Cálculo de Quirasol/2.0"));
}

TEST_F(Settings, DamagedHiveFileReadsEmptyAndIsRewritten)
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
