// A second start of the built program hands its command line to the running instance over
// the local server and ends without windows.
#include "frame/FrameRules.h"
#include "frame/modBase.h"
#include "frame/windows/CommandServer.h"
#include "frame/windows/Main.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "platform/AppInfo.h"
#include "platform/SettingsFiles.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::WaitFor;

class SecondStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        PathSaves() = folder.filePath(QStringLiteral("Saves"));
        // A runtime folder of its own: the test meets no running program.
        menu = mdiMenu::Instance();
        ASSERT_TRUE(menu->StartServer(frame::ServerName(platform::AppTitle, runtime.path())));
    }
    void TearDown() override { testsupport::UnloadMainWindow(); }

    // Runs the program as a second start in the working folder, keeping this instance's events
    // going meanwhile. Returns the exit code, or -1 when it did not end by itself.
    int StartSecondInstance(const QStringList &argumentos, const QString &pastaTrabalho = {},
                            bool semUsuario = false)
    {
        QProcess segundo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), folder.path());
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (semUsuario) {
            ambiente.remove(QStringLiteral("USER"));
            ambiente.remove(QStringLiteral("USERNAME"));
            ambiente.remove(QStringLiteral("LOGNAME"));
        }
        segundo.setProcessEnvironment(ambiente);
        segundo.setWorkingDirectory(pastaTrabalho);
        segundo.start(QStringLiteral(QUIRASOL_PROGRAM), argumentos);
        if (!segundo.waitForStarted(testsupport::WaitCeilingMs))
            return -1;
        // This process's event loop runs meanwhile: it answers the second instance.
        if (!WaitFor([&] { return segundo.state() == QProcess::NotRunning; })) {
            segundo.kill();
            segundo.waitForFinished(5000);
            return -1;
        }
        return segundo.exitStatus() == QProcess::NormalExit ? segundo.exitCode() : -1;
    }

    testsupport::OwnProgramState programState;
    testsupport::TemporarySettings folder;
    testsupport::ScriptedInteraction ui;
    QTemporaryDir runtime;
    QPointer<mdiMenu> menu;
};

TEST_F(SecondStartTest, CaseNameReachesTheRunningInstance)
{
    ArquivoAbrir() = QStringLiteral("antes");
    EXPECT_EQ(StartSecondInstance({QStringLiteral("/tmp/meus casos/bomba.qzv")}), 0);
    EXPECT_TRUE(WaitFor([] { return ArquivoAbrir() != QStringLiteral("antes"); }));
    EXPECT_EQ(ArquivoAbrir(), QStringLiteral("\"/tmp/meus casos/bomba.qzv\""));
    EXPECT_TRUE(menu->isVisible());
}

// The running program opens the case of a second start's "/C" or "/A" line, not a file named
// after the switch.
TEST_F(SecondStartTest, SwitchOfTheSecondStartIsNotPartOfTheName)
{
    for (const QString &chave : {QStringLiteral("/C"), QStringLiteral("/A")}) {
        ArquivoAbrir() = QStringLiteral("antes");
        EXPECT_EQ(StartSecondInstance({chave, QStringLiteral("/tmp/bomba.qzv")}), 0);
        EXPECT_TRUE(WaitFor([] { return ArquivoAbrir() != QStringLiteral("antes"); }));
        EXPECT_EQ(ArquivoAbrir(), QStringLiteral("/tmp/bomba.qzv")) << qPrintable(chave);
    }
}

TEST_F(SecondStartTest, RelativeNameFromAnotherFolderArrivesWholeAlsoWithoutUser)
{
    QTemporaryDir outra;
    ArquivoAbrir() = QStringLiteral("antes");
    EXPECT_EQ(StartSecondInstance({QStringLiteral("c.qzv")}, outra.path(), true), 0);
    EXPECT_TRUE(WaitFor([] { return ArquivoAbrir() != QStringLiteral("antes"); }));
    EXPECT_EQ(ArquivoAbrir(), QDir(outra.path()).filePath(QStringLiteral("c.qzv")));
}

TEST_F(SecondStartTest, EmptyCommandLineShowsAndRestoresTheWindow)
{
    menu->show();
    menu->showMaximized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMaximized(); }));
    menu->showMinimized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMinimized(); }));
    ArquivoAbrir() = QStringLiteral("antes");
    EXPECT_EQ(StartSecondInstance({}), 0);
    EXPECT_TRUE(WaitFor([] { return ArquivoAbrir().isEmpty(); }));
    EXPECT_TRUE(WaitFor([this] { return !menu->isMinimized(); }));
    EXPECT_TRUE(menu->isMaximized());
}

} // namespace
