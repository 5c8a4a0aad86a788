// The second-start hand-off on a local socket: taking over a stale name, delivering a
// command, one instance per runtime folder.
#include "frame/windows/CommandServer.h"
#include "frame/windows/Main.h"
#include "frame/windows/MainWindowFixture.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

TEST(CommandServerTest, StaleNameIsTakenOverAndCommandsArrive)
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
    EXPECT_TRUE(testsupport::WaitFor([&] { return !recebidos.isEmpty(); }));
    EXPECT_EQ(recebidos, QStringList(QStringLiteral("/P São Paulo.qzv")));
}

// Two desktop sessions of one user have two runtime folders: a start in the one does not
// find the instance of the other, and each keeps its own.
TEST(CommandServerTest, EachRuntimeFolderHasItsOwnInstance)
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

// An instance that handles no events takes no connections: once its queue is full a start
// finds it busy, and neither a new server nor a probe takes its name away.
TEST(CommandServerTest, BusyInstanceKeepsItsName)
{
    testsupport::OwnRuntimeFolder sessao;
    const QString nome = ProgramServerName();
    CommandServer ocupada;
    ASSERT_TRUE(ocupada.Listen(nome));
    std::vector<std::unique_ptr<QLocalSocket>> fila; // no events run: none is taken
    InstanceState estado = InstanceState::Running;
    while (estado == InstanceState::Running && fila.size() < 10000) {
        fila.push_back(std::make_unique<QLocalSocket>());
        estado = ConnectToInstance(*fila.back(), nome);
    }
    EXPECT_EQ(estado, InstanceState::Busy);
    EXPECT_TRUE(IsInstanceRunning(nome));
    EXPECT_FALSE(SendCommand(nome, QStringLiteral("/P "), 100));
    CommandServer outra;
    EXPECT_FALSE(outra.Listen(nome));
    EXPECT_TRUE(QFileInfo::exists(nome));
}

TEST(CommandServerTest, NobodyListeningMeansNoPreviousInstance)
{
    const QString nome = QStringLiteral("quirasol-ninguem-%1").arg(
        QRandomGenerator::global()->generate());
    EXPECT_FALSE(IsInstanceRunning(nome));
    EXPECT_FALSE(SendCommand(nome, QStringLiteral("/P "), 200));
}

} // namespace
