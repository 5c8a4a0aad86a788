#pragma once
// The second-start hand-off on a local socket. The running instance listens on a named local
// server; a second start connects to it, sends its command text and ends. A successful
// connection is the test for a running instance.

#include <QObject>
#include <QString>

class QLocalServer;

class CommandServer : public QObject
{
    Q_OBJECT

public:
    explicit CommandServer(QObject *parent = nullptr);

    // Listens on the name; a name left behind by a crashed instance is cleaned up first. An
    // empty name (no runtime folder) gives no server.
    bool Listen(const QString &nome);
    QString Name() const;

Q_SIGNALS:
    // One command text, delivered when its sender has closed the connection.
    void CommandReceived(const QString &comando);

private:
    QLocalServer *server;
};

// Connects to a running instance and sends one command text. False when no instance
// answered within the wait (milliseconds), or the text could not be delivered.
bool SendCommand(const QString &nome, const QString &comando, int esperaMs = 10000);

// True when an instance answers on the name.
bool IsInstanceRunning(const QString &nome);
