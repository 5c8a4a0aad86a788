#pragma once
// The second-start hand-off on a local socket. The running instance listens on a named local
// server; a second start connects to it, sends its command text and ends. A start that finds
// nobody listening becomes the running instance; a lock file beside the name makes that look
// and the listening one step among the starts of one session (SingleInstance).

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

class CommandServer : public QObject
{
    Q_OBJECT

public:
    explicit CommandServer(QObject *parent = nullptr);

    // Listens on the name; a name left behind by a crashed instance is cleaned up first. An
    // empty name (no runtime folder) gives no server, and a live instance keeps its name,
    // also while it is too busy to take a connection.
    bool Listen(const QString &nome);
    QString Name() const;

Q_SIGNALS:
    // One command text, delivered when its sender has closed the connection.
    void CommandReceived(const QString &comando);

private:
    QLocalServer *server;
};

// What a start finds on the name.
enum class InstanceState {
    Gone,    // nobody listens: no socket, or one a crashed instance left behind
    Running, // an instance took the connection
    Busy,    // an instance listens but takes no connection now (it is not handling events)
};

// Connects the socket to the instance on the name, trying again while it is busy until the
// deadline. Running leaves the socket connected.
InstanceState ConnectToInstance(QLocalSocket &socket, const QString &nome,
                                QDeadlineTimer prazo = QDeadlineTimer(0));

// Connects to a running instance and sends one command text. False when no instance took the
// connection within the wait (milliseconds), or the text could not be delivered.
bool SendCommand(const QString &nome, const QString &comando, int esperaMs = 10000);

// True when an instance listens on the name (also a busy one).
bool IsInstanceRunning(const QString &nome);

// One running instance per desktop session, also when starts overlap: "does an instance run?
// if not, this start is it" is one step. Each start holds a lock file beside the name from its
// look at the name until it has handed over, or, as the new instance, listens; a lock left by
// a start that crashed is taken over. The lock is released when the object goes.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &nome);
    ~SingleInstance();

    // Hands the command to the running instance, waiting up to `esperaMs` while it is busy,
    // and returns true (also when it stayed busy all that time: the command is then given up,
    // as a second start ends quietly). Returns false when no instance runs: this start is to
    // be it, and keeps the lock until Release, once it listens. An empty name (no runtime
    // folder) has no instance and no lock.
    bool HandOver(const QString &comando, int esperaMs);
    void Release();

private:
    void Lock(QDeadlineTimer prazo);

    QString nome;
    std::unique_ptr<QLockFile> bloqueio;
};
