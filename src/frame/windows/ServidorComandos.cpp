#include "frame/windows/ServidorComandos.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

namespace {
// A command is a command line; anything longer is not one of ours.
constexpr qint64 TamanhoMaximo = 64 * 1024;
} // namespace

ServidorComandos::ServidorComandos(QObject *parent)
    : QObject(parent), servidor(new QLocalServer(this))
{
    // Only this user's own second starts may hand over a file to open.
    servidor->setSocketOptions(QLocalServer::UserAccessOption);
    connect(servidor, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = servidor->nextPendingConnection()) {
            auto recebido = std::make_shared<QByteArray>();
            auto le = [socket, recebido] {
                recebido->append(socket->readAll());
                if (recebido->size() > TamanhoMaximo)
                    socket->abort();
            };
            connect(socket, &QLocalSocket::readyRead, this, le);
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, recebido, le] {
                le();
                socket->deleteLater();
                if (!recebido->isEmpty() && recebido->size() <= TamanhoMaximo)
                    Q_EMIT ComandoRecebido(QString::fromUtf8(*recebido));
            });
        }
    });
}

bool ServidorComandos::Escuta(const QString &nome)
{
    if (servidor->isListening())
        servidor->close();
    if (nome.isEmpty())
        return false;
    // A live instance keeps its name; a name nobody answers on (a crashed instance left
    // it) is taken over.
    if (InstanciaAnterior(nome))
        return false;
    QLocalServer::removeServer(nome);
    return servidor->listen(nome);
}

QString ServidorComandos::Nome() const
{
    return servidor->serverName();
}

bool EnviaComando(const QString &nome, const QString &comando, int esperaMs)
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

bool InstanciaAnterior(const QString &nome)
{
    QLocalSocket socket;
    socket.connectToServer(nome);
    const bool conectado = socket.waitForConnected(1000);
    socket.abort();
    return conectado;
}
