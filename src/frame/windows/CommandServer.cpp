#include "frame/windows/CommandServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {
// A command is a command line; anything longer is not one of ours.
constexpr qint64 MaxCommandBytes = 64 * 1024;
// How often a start looks again at a busy instance or a held lock.
constexpr unsigned long RetryMs = 20;

// Sends the command text on a connected socket and closes it.
bool Deliver(QLocalSocket &socket, const QString &comando, int esperaMs)
{
    socket.write(comando.toUtf8());
    bool enviado = socket.waitForBytesWritten(esperaMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        enviado = socket.waitForDisconnected(esperaMs) && enviado;
    return enviado;
}
} // namespace

CommandServer::CommandServer(QObject *parent)
    : QObject(parent), server(new QLocalServer(this))
{
    // Only this user's own second starts may hand over a file to open.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            auto recebido = std::make_shared<QByteArray>();
            auto le = [socket, recebido] {
                recebido->append(socket->readAll());
                if (recebido->size() > MaxCommandBytes)
                    socket->abort();
            };
            connect(socket, &QLocalSocket::readyRead, this, le);
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, recebido, le] {
                le();
                socket->deleteLater();
                if (!recebido->isEmpty() && recebido->size() <= MaxCommandBytes)
                    Q_EMIT CommandReceived(QString::fromUtf8(*recebido));
            });
        }
    });
}

bool CommandServer::Listen(const QString &nome)
{
    if (server->isListening())
        server->close();
    if (nome.isEmpty())
        return false;
    // A name nobody listens on (a crashed instance left it) is taken over; a live instance,
    // busy or not, keeps it.
    QLocalSocket sonda;
    if (ConnectToInstance(sonda, nome) != InstanceState::Gone)
        return false;
    QLocalServer::removeServer(nome);
    return server->listen(nome);
}

QString CommandServer::Name() const
{
    return server->serverName();
}

InstanceState ConnectToInstance(QLocalSocket &socket, const QString &nome, QDeadlineTimer prazo)
{
    for (;;) {
        // A local socket connects at once, or fails at once when nobody listens; when the
        // instance's queue of connections it has not taken yet is full it stays connecting.
        socket.connectToServer(nome);
        if (socket.state() == QLocalSocket::ConnectedState)
            return InstanceState::Running;
        if (socket.state() == QLocalSocket::UnconnectedState)
            return InstanceState::Gone;
        socket.abort();
        if (prazo.hasExpired())
            return InstanceState::Busy;
        QThread::msleep(RetryMs);
    }
}

bool SendCommand(const QString &nome, const QString &comando, int esperaMs)
{
    QLocalSocket socket;
    if (ConnectToInstance(socket, nome, QDeadlineTimer(esperaMs)) != InstanceState::Running)
        return false;
    return Deliver(socket, comando, esperaMs);
}

bool IsInstanceRunning(const QString &nome)
{
    QLocalSocket socket;
    const InstanceState estado = ConnectToInstance(socket, nome);
    socket.abort();
    return estado != InstanceState::Gone;
}

SingleInstance::SingleInstance(const QString &nome) : nome(nome) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Lock(QDeadlineTimer prazo)
{
    bloqueio = std::make_unique<QLockFile>(nome + QStringLiteral(".lock"));
    // Tried often: the start that holds it is about to hand over or to listen.
    while (!bloqueio->tryLock(0)) {
        if (bloqueio->error() != QLockFile::LockFailedError || prazo.hasExpired()) {
            bloqueio.reset(); // go on without it, as a start alone would
            return;
        }
        QThread::msleep(RetryMs);
    }
}

void SingleInstance::Release()
{
    bloqueio.reset();
}

bool SingleInstance::HandOver(const QString &comando, int esperaMs)
{
    if (nome.isEmpty())
        return false;
    const QDeadlineTimer prazo(esperaMs);
    for (;;) {
        Lock(prazo);
        QLocalSocket socket;
        InstanceState estado = ConnectToInstance(socket, nome);
        if (estado == InstanceState::Gone)
            return false; // this start is the instance; the lock stays until it listens
        Release();
        // A busy instance gets the command when it takes connections again.
        if (estado == InstanceState::Busy)
            estado = ConnectToInstance(socket, nome, prazo);
        if (estado == InstanceState::Running) {
            Deliver(socket, comando, esperaMs);
            return true;
        }
        if (estado == InstanceState::Busy)
            return true;
        // It went while this start waited: look again under the lock.
    }
}
