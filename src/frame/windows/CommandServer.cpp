#include "frame/windows/CommandServer.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

namespace {
// A command is a command line; anything longer is not one of ours.
constexpr qint64 MaxCommandBytes = 64 * 1024;
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
    // A live instance keeps its name; a name nobody answers on (a crashed instance left
    // it) is taken over.
    if (IsInstanceRunning(nome))
        return false;
    QLocalServer::removeServer(nome);
    return server->listen(nome);
}

QString CommandServer::Name() const
{
    return server->serverName();
}

bool SendCommand(const QString &nome, const QString &comando, int esperaMs)
{
    QLocalSocket socket;
    socket.connectToServer(nome);
    if (!socket.waitForConnected(esperaMs))
        return false;
    socket.write(comando.toUtf8());
    bool enviado = socket.waitForBytesWritten(esperaMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        enviado = socket.waitForDisconnected(esperaMs) && enviado;
    return enviado;
}

bool IsInstanceRunning(const QString &nome)
{
    QLocalSocket socket;
    socket.connectToServer(nome);
    const bool conectado = socket.waitForConnected(1000);
    socket.abort();
    return conectado;
}
