// A second start of the built program hands its command line to the running instance over
// the local server and ends without windows; the splash window closes itself.
#include "frame/FrameRules.h"
#include "frame/modBase.h"
#include "frame/windows/CommandServer.h"
#include "frame/windows/frmAbertura.h"
#include "frame/windows/Main.h"
#include "frame/windows/mdiMenu.h"
#include "MenuPrincipalTeste.h"
#include "platform/AppInfo.h"
#include "platform/SettingsFiles.h"
#include "support/ScriptedInteraction.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class SegundaExecucaoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::DescarregaMenuPrincipal(); // one left by an earlier test in this process
        PathSaves() = pasta.filePath(QStringLiteral("Saves"));
        // A runtime folder of its own: the test meets no running program.
        menu = mdiMenu::Instance();
        ASSERT_TRUE(menu->StartServer(frame::ServerName(platform::AppTitle, runtime.path())));
    }
    void TearDown() override { testsupport::DescarregaMenuPrincipal(); }

    // Runs the program as a second start in the working folder, keeping this instance's events
    // going meanwhile. Returns the exit code, or -1 when it did not end by itself.
    int SegundaExecucao(const QStringList &argumentos, const QString &pastaTrabalho = {},
                        bool semUsuario = false)
    {
        QProcess segundo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), pasta.path());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), pasta.path());
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (semUsuario) {
            ambiente.remove(QStringLiteral("USER"));
            ambiente.remove(QStringLiteral("USERNAME"));
            ambiente.remove(QStringLiteral("LOGNAME"));
        }
        segundo.setProcessEnvironment(ambiente);
        segundo.setWorkingDirectory(pastaTrabalho);
        segundo.start(QStringLiteral(QUIRASOL_PROGRAM), argumentos);
        if (!segundo.waitForStarted(10000))
            return -1;
        QDeadlineTimer prazo(20000);
        while (segundo.state() != QProcess::NotRunning && !prazo.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (segundo.state() != QProcess::NotRunning) {
            segundo.kill();
            segundo.waitForFinished(5000);
            return -1;
        }
        return segundo.exitStatus() == QProcess::NormalExit ? segundo.exitCode() : -1;
    }

    // Lets events run until the condition holds or five seconds have passed.
    template <typename Condicao> bool Espera(Condicao condicao)
    {
        QDeadlineTimer prazo(5000);
        while (!condicao() && !prazo.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return condicao();
    }

    testsupport::OwnProgramState estadoPrograma;
    testsupport::ConfiguracaoTemporaria pasta;
    testsupport::ScriptedInteraction interacao;
    QTemporaryDir runtime;
    QPointer<mdiMenu> menu;
};

TEST_F(SegundaExecucaoTest, CaseNameReachesTheRunningInstance)
{
    ArquivoAbrir() = QStringLiteral("antes");
    EXPECT_EQ(SegundaExecucao({QStringLiteral("/tmp/meus casos/bomba.qzv")}), 0);
    EXPECT_TRUE(Espera([] { return ArquivoAbrir() != QStringLiteral("antes"); }));
    EXPECT_EQ(ArquivoAbrir(), QStringLiteral("\"/tmp/meus casos/bomba.qzv\""));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(SegundaExecucaoTest, RelativeNameFromAnotherFolderArrivesWholeAlsoWithoutUser)
{
    QTemporaryDir outra;
    ArquivoAbrir() = QStringLiteral("antes");
    EXPECT_EQ(SegundaExecucao({QStringLiteral("c.qzv")}, outra.path(), true), 0);
    EXPECT_TRUE(Espera([] { return ArquivoAbrir() != QStringLiteral("antes"); }));
    EXPECT_EQ(ArquivoAbrir(), QDir(outra.path()).filePath(QStringLiteral("c.qzv")));
}

TEST_F(SegundaExecucaoTest, EmptyCommandLineShowsAndRestoresTheWindow)
{
    menu->show();
    menu->showMaximized();
    QApplication::processEvents();
    menu->showMinimized();
    QApplication::processEvents();
    ArquivoAbrir() = QStringLiteral("antes");
    EXPECT_EQ(SegundaExecucao({}), 0);
    EXPECT_TRUE(Espera([] { return ArquivoAbrir().isEmpty(); }));
    EXPECT_TRUE(Espera([this] { return !menu->isMinimized(); }));
    EXPECT_TRUE(menu->isMaximized());
}

TEST(ServidorComandosTest, StaleNameIsTakenOverAndCommandsArrive)
{
    const QString nome = QStringLiteral("quirasol-teste-%1").arg(
        QRandomGenerator::global()->generate());
    // What a crashed instance leaves behind: the name's file with nobody listening.
    QFile resto(QDir::temp().filePath(nome));
    ASSERT_TRUE(resto.open(QIODevice::WriteOnly));
    resto.close();
    CommandServer servidor;
    ASSERT_TRUE(servidor.Listen(nome));
    EXPECT_TRUE(IsInstanceRunning(nome));
    CommandServer outro;
    EXPECT_FALSE(outro.Listen(nome)); // a live instance is never taken over

    QStringList recebidos;
    QObject::connect(&servidor, &CommandServer::CommandReceived, &servidor,
                     [&recebidos](const QString &comando) { recebidos << comando; });
    // The sender blocks while it writes; the server answers on its own event loop here.
    QTimer::singleShot(0, [&nome] { SendCommand(nome, QStringLiteral("/P São Paulo.qzv")); });
    QDeadlineTimer prazo(5000);
    while (recebidos.isEmpty() && !prazo.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(recebidos, QStringList(QStringLiteral("/P São Paulo.qzv")));
}

// Two desktop sessions of one user have two runtime folders: a start in the one does not
// find the instance of the other, and each keeps its own.
TEST(ServidorComandosTest, EachRuntimeFolderHasItsOwnInstance)
{
    testsupport::OwnRuntimeFolder sessaoA;
    const QString nomeA = ProgramServerName();
    testsupport::OwnRuntimeFolder sessaoB;
    const QString nomeB = ProgramServerName();
    EXPECT_TRUE(nomeA.startsWith(sessaoA.path() + QLatin1Char('/')));
    EXPECT_TRUE(nomeB.startsWith(sessaoB.path() + QLatin1Char('/')));
    CommandServer primeira;
    ASSERT_TRUE(primeira.Listen(nomeA));
    EXPECT_FALSE(IsInstanceRunning(nomeB));
    CommandServer segunda;
    EXPECT_TRUE(segunda.Listen(nomeB));
    EXPECT_TRUE(IsInstanceRunning(nomeA));
    // The socket is the user's alone.
    EXPECT_EQ(QFileInfo(nomeA).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);
}

TEST(ServidorComandosTest, NobodyListeningMeansNoPreviousInstance)
{
    const QString nome = QStringLiteral("quirasol-ninguem-%1").arg(
        QRandomGenerator::global()->generate());
    EXPECT_FALSE(IsInstanceRunning(nome));
    EXPECT_FALSE(SendCommand(nome, QStringLiteral("/P "), 200));
}

TEST(frmAberturaTest, CaptionsAndATwoSecondTimerFromLoad)
{
    QElapsedTimer relogio;
    relogio.start();
    frmAbertura abertura;
    EXPECT_EQ(abertura.size(), QSize(427, 283));
    EXPECT_EQ(abertura.lblVersion->text(), QStringLiteral("Versão 2.0.0"));
    EXPECT_EQ(abertura.lblProductName[0]->text(), QStringLiteral("Cálculo de Quirasol"));
    EXPECT_EQ(abertura.lblProductName[1]->text(), QStringLiteral("Cálculo de Quirasol"));
    EXPECT_EQ(abertura.lblProductName[1]->pos() - abertura.lblProductName[0]->pos(),
              QPoint(2, 2));
    EXPECT_EQ(abertura.lblPlatform->text(), QStringLiteral("for Windows 9X/ME/NT/2000 e XP"));
    EXPECT_TRUE(abertura.tmrLogin->isActive());
    EXPECT_EQ(abertura.tmrLogin->interval(), 2000);
    abertura.exec();
    EXPECT_GE(relogio.elapsed(), 1900);
    EXPECT_LT(relogio.elapsed(), 10000);
    EXPECT_FALSE(abertura.tmrLogin->isActive());
}

} // namespace
