// Starts of the built program in one desktop session that overlap: one program runs, and it
// opens every case the starts name, also when it is too busy to answer for a while. The
// programs run as processes on the offscreen platform with a session of their own (runtime,
// home, configuration, data and temporary folders); which case files they opened the kernel
// tells (inotify).
#include "frame/FrameRules.h"
#include "platform/AppInfo.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Names in a folder that the kernel reported an event of the mask for, since the watch began.
class FolderWatch
{
public:
    FolderWatch(const QString &pasta, uint32_t mascara)
        : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd, QFile::encodeName(pasta).constData(), mascara);
    }
    ~FolderWatch() { ::close(fd); }

    const QSet<QString> &Names()
    {
        alignas(inotify_event) char buffer[16 * 1024];
        for (ssize_t lidos; (lidos = ::read(fd, buffer, sizeof buffer)) > 0;) {
            for (char *p = buffer; p < buffer + lidos;) {
                const auto *evento = reinterpret_cast<const inotify_event *>(p);
                if (evento->len > 0)
                    nomes.insert(QFile::decodeName(evento->name));
                p += sizeof(inotify_event) + evento->len;
            }
        }
        return nomes;
    }

    // Blocks until the kernel reports the name, up to the wait (milliseconds): for a reaction
    // faster than the event loop's.
    bool AwaitName(const QString &nome, int esperaMs)
    {
        QDeadlineTimer prazo(esperaMs);
        while (!Names().contains(nome)) {
            pollfd leitura{fd, POLLIN, 0};
            if (prazo.hasExpired() || ::poll(&leitura, 1, int(prazo.remainingTime())) < 0)
                return Names().contains(nome);
        }
        return true;
    }

private:
    int fd;
    QSet<QString> nomes;
};

// Waits generously: the machine may be busy with other builds and tests.
constexpr int Ceiling = 180000;

class OverlappingStartsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *pasta : {"run", "home", "config", "data", "tmp", "casos"})
            ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromLatin1(pasta)));
        QFile::setPermissions(Folder("run"), QFile::ReadOwner | QFile::WriteOwner
                                                 | QFile::ExeOwner);
    }

    // No program outlives its test, also when the test fails.
    void TearDown() override
    {
        for (const auto &programa : programs) {
            if (programa->state() == QProcess::NotRunning)
                continue;
            ::kill(static_cast<pid_t>(programa->processId()), SIGCONT);
            programa->kill();
            programa->waitForFinished(30000);
        }
    }

    QString LockName() const
    {
        return QFileInfo(ServerName()).fileName() + QStringLiteral(".lock");
    }
    QString Folder(const char *nome) const { return root.filePath(QString::fromLatin1(nome)); }
    QString ServerName() const
    {
        return frame::ServerName(platform::AppTitle, Folder("run"));
    }
    // Which socket file is there (0: none); a socket removed and made anew has another.
    ino_t SocketInode() const
    {
        struct stat dados {};
        if (::stat(QFile::encodeName(ServerName()).constData(), &dados) != 0)
            return 0;
        return dados.st_ino;
    }

    // A case file of its own for each start, named caso<n>.qzv.
    QString MakeCase(int n)
    {
        const QString caminho =
            QDir(Folder("casos")).filePath(QStringLiteral("caso%1.qzv").arg(n));
        QFile::copy(QStringLiteral(QUIRASOL_TEST_DATA "/liquido-flange.qzv"), caminho);
        return caminho;
    }

    QProcess *Start(const QStringList &argumentos)
    {
        auto programa = std::make_unique<QProcess>();
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), Folder("run"));
        ambiente.insert(QStringLiteral("HOME"), Folder("home"));
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), Folder("config"));
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), Folder("data"));
        ambiente.insert(QStringLiteral("TMPDIR"), Folder("tmp"));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        programa->setProcessEnvironment(ambiente);
        programa->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programa->setStandardOutputFile(QProcess::nullDevice());
        programa->start(QStringLiteral(QUIRASOL_PROGRAM), argumentos);
        programs.push_back(std::move(programa));
        return programs.back().get();
    }

    int Running() const
    {
        int vivos = 0;
        for (const auto &programa : programs)
            vivos += programa->state() != QProcess::NotRunning;
        return vivos;
    }

    // Second starts end by themselves, quietly.
    int EndedWell() const
    {
        int bem = 0;
        for (const auto &programa : programs)
            bem += programa->state() == QProcess::NotRunning
                && programa->exitStatus() == QProcess::NormalExit && programa->exitCode() == 0;
        return bem;
    }

    QTemporaryDir root;
    std::vector<std::unique_ptr<QProcess>> programs;
};

TEST_F(OverlappingStartsTest, TwentyStartsAtOnceLeaveOneProgramThatOpensEveryCase)
{
    constexpr int Starts = 20;
    QStringList casos;
    for (int n = 1; n <= Starts; ++n)
        casos << MakeCase(n);
    FolderWatch abertos(Folder("casos"), IN_OPEN);
    for (const QString &caso : casos)
        Start({caso});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return EndedWell() == Starts - 1 && abertos.Names().size() == Starts; }, Ceiling))
        << EndedWell() << " starts ended well, " << abertos.Names().size() << " cases opened";
    EXPECT_EQ(Running(), 1);
}

// A program that takes no connections for a while (here: stopped, with its queue of
// connections not yet taken full) keeps its socket; a start meanwhile waits and hands its case
// over when the program takes connections again, and never becomes a second program.
TEST_F(OverlappingStartsTest, BusyProgramKeepsItsSocketAndGetsTheCaseWhenFree)
{
    const QString primeiroCaso = MakeCase(0);
    const QString segundoCaso = MakeCase(1);
    FolderWatch abertos(Folder("casos"), IN_OPEN);
    const auto aberto = [&abertos](const char *nome) {
        return abertos.Names().contains(QString::fromLatin1(nome));
    };
    QProcess *primeiro = Start({primeiroCaso});
    ASSERT_TRUE(QTest::qWaitFor([&] { return aberto("caso0.qzv"); }, Ceiling));
    const ino_t socket = SocketInode();
    ASSERT_NE(socket, 0u);

    const auto pid = static_cast<pid_t>(primeiro->processId());
    ASSERT_EQ(::kill(pid, SIGSTOP), 0);
    std::vector<std::unique_ptr<QLocalSocket>> fila;
    while (fila.size() < 10000) {
        fila.push_back(std::make_unique<QLocalSocket>());
        fila.back()->connectToServer(ServerName());
        if (fila.back()->state() != QLocalSocket::ConnectedState)
            break;
    }
    ASSERT_EQ(fila.back()->state(), QLocalSocket::ConnectingState) << "the queue never filled";
    fila.pop_back();

    // The second start takes the session's lock, finds the program busy and lets the lock go
    // (a start that took the socket over would have replaced it instead).
    FolderWatch travas(Folder("run"), IN_DELETE);
    QProcess *segundo = Start({segundoCaso});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return travas.Names().contains(LockName()) || SocketInode() != socket; },
        Ceiling));
    EXPECT_EQ(SocketInode(), socket);
    EXPECT_NE(segundo->state(), QProcess::NotRunning); // waiting, not given up

    ASSERT_EQ(::kill(pid, SIGCONT), 0);
    fila.clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return EndedWell() == 1 && aberto("caso1.qzv"); },
                                Ceiling));
    EXPECT_EQ(segundo->exitCode(), 0);
    EXPECT_EQ(primeiro->state(), QProcess::Running);
    EXPECT_EQ(SocketInode(), socket);
}

// A start killed while it held the session's lock (after its look at the socket, before it
// listened) leaves the lock behind: the next start takes it over and becomes the program.
TEST_F(OverlappingStartsTest, LockOfAStartThatCrashedIsTakenOver)
{
    const QString caso = MakeCase(1);
    const QString trava = QDir(Folder("run")).filePath(LockName());
    bool deixada = false;
    for (int tentativa = 0; tentativa < 20 && !deixada; ++tentativa) {
        FolderWatch escritos(Folder("run"), IN_MODIFY); // the lock's owner written in it
        QProcess *caido = Start({MakeCase(0)});
        ASSERT_TRUE(escritos.AwaitName(LockName(), Ceiling));
        ::kill(static_cast<pid_t>(caido->processId()), SIGSTOP);
        deixada = QFile::exists(trava) && SocketInode() == 0; // stopped while holding it
        caido->kill();
        ASSERT_TRUE(caido->waitForFinished(Ceiling));
        if (!deixada) { // stopped too late: it listened already
            QFile::remove(trava);
            QFile::remove(ServerName());
        }
    }
    ASSERT_TRUE(deixada);

    FolderWatch abertos(Folder("casos"), IN_OPEN);
    Start({caso});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return abertos.Names().contains(QStringLiteral("caso1.qzv")); }, Ceiling));
    EXPECT_NE(SocketInode(), 0u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(trava); }, Ceiling));
    EXPECT_EQ(Running(), 1);
}

} // namespace
