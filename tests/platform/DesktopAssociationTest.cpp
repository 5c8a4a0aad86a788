#include "platform/DesktopAssociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

TEST(DesktopAssociationTest, ProgramOpenCommandQuotesPathsThatNeedIt)
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
        EXPECT_EQ(ProgramOpenCommand(c.path), c.command) << c.path;
}

TEST(DesktopAssociationTest, TestModeWithoutXdgVariablesStaysOutOfTheHomeFolder)
{
    ASSERT_TRUE(QStandardPaths::isTestModeEnabled());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserDataFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    EXPECT_EQ(UserConfigFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    EXPECT_TRUE(UserDataFolder().contains(".qttest"));
}

namespace {

// The user's folders in a temporary place; the user's own mimeapps.list as bytes.
class DesktopAssociationFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        QDir().mkpath(dir.path() + "/config");
    }
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    QString apps() const { return dir.path() + "/config/mimeapps.list"; }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    bool Associate() const { return WriteCaseApplication("Q", "/usr/bin/quirasol %f"); }

    QTemporaryDir dir;
};

const QByteArray Default = "application/x-quirasol=quirasol.desktop";
const QByteArray Added = "application/x-quirasol=quirasol.desktop;";

} // namespace

TEST_F(DesktopAssociationFilesTest, LargeFileChangesOnlyInOurLines)
{
    // Past the first mebibyte: CR LF and LF lines, Latin-1 bytes, comments, foreign entries,
    // our type given to another program, a last group without a final end of line.
    QByteArray head = "# lista do usu\xe1rio\r\n[Default Applications]\r\n";
    for (int i = 0; head.size() < 1200 * 1000; ++i) {
        head += i % 50 == 0 ? QByteArray("# coment\xe1rio: a\xe7\xe3o\n")
                            : "application/x-foo" + QByteArray::number(i) + "=caf\xe9.desktop\r\n";
    }
    const QByteArray foreign = "text/plain=myeditor.desktop\r\n";
    const QByteArray added = "\r\n[Added Associations]\r\ntext/plain=myeditor.desktop;gedit;\r\n"
                             "image/png=viewer.desktop;\n";
    const QByteArray tail = "\n[Removed Associations]\ntext/html=\xe9" "dit.desktop;";
    Write(apps(), head + "application/x-quirasol = outro.desktop;\r\n" + foreign + added + tail);

    ASSERT_TRUE(Associate());
    EXPECT_EQ(Read(apps()), head + Default + "\r\n" + foreign + added + Added + "\n" + tail);
    EXPECT_EQ(CaseOpenCommand(), "/usr/bin/quirasol %f");
}

TEST_F(DesktopAssociationFilesTest, MissingLinesAndGroupsAreAddedAtTheirPlace)
{
    const struct {
        const char *name;
        QByteArray before;
        QByteArray after;
    } casos[] = {
        {"no file", {}, "[Default Applications]\n" + Default + "\n\n[Added Associations]\n"
                            + Added + "\n"},
        {"groups in the other order, no final end of line",
         "[Added Associations]\r\nimage/png=v.desktop;\r\n\r\n[Default Applications]\r\nx=y",
         "[Added Associations]\r\nimage/png=v.desktop;\r\n" + Added
             + "\r\n\r\n[Default Applications]\r\nx=y\r\n" + Default + "\r\n"},
        {"ours twice, a group twice",
         "[Default Applications]\napplication/x-quirasol=a.desktop\n[Added Associations]\n"
         "[Default Applications]\napplication/x-quirasol=b.desktop\n",
         "[Default Applications]\n" + Default + "\n[Added Associations]\n" + Added
             + "\n[Default Applications]\n" + Default + "\n"},
        {"only other groups, a byte-order mark",
         "\xEF\xBB\xBF[Default Applications]\n#x\n\n[Removed Associations]\nx=y\n",
         "\xEF\xBB\xBF[Default Applications]\n#x\n" + Default
             + "\n\n[Removed Associations]\nx=y\n\n[Added Associations]\n" + Added + "\n"},
    };
    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.name);
        QFile::remove(apps());
        if (!caso.before.isNull())
            Write(apps(), caso.before);
        ASSERT_TRUE(Associate());
        EXPECT_EQ(Read(apps()), caso.after);
    }
}

TEST_F(DesktopAssociationFilesTest, ALinkStaysALinkAndWhatCannotBeReadWholeStaysUntouched)
{
    Write(dir.path() + "/mine.list", "[Default Applications]\r\nx=y\r\n");
    ASSERT_TRUE(QFile::link(dir.path() + "/mine.list", apps()));
    ASSERT_TRUE(Associate());
    EXPECT_TRUE(QFileInfo(apps()).isSymLink());
    EXPECT_EQ(Read(dir.path() + "/mine.list"), "[Default Applications]\r\nx=y\r\n" + Default
                                                   + "\r\n\r\n[Added Associations]\r\n" + Added
                                                   + "\r\n");

    // A pipe (reading would wait for ever), a folder, a link to nothing: not done, and the
    // desktop file is not written either.
    QFile::remove(dir.path() + "/data/applications/quirasol.desktop");
    QFile::remove(apps());
    ASSERT_EQ(mkfifo(apps().toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(Associate());
    EXPECT_FALSE(QFileInfo(apps()).isFile());
    QFile::remove(apps());
    ASSERT_TRUE(QDir().mkpath(apps()));
    EXPECT_FALSE(Associate());
    EXPECT_TRUE(QFileInfo(apps()).isDir());
    QDir().rmdir(apps());
    ASSERT_TRUE(QFile::link(dir.path() + "/nothing.list", apps()));
    EXPECT_FALSE(Associate());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/nothing.list"));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/data/applications/quirasol.desktop"));
}
