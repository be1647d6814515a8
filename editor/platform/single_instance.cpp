#include "editor/platform/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace rivetbench::platform {

namespace {
constexpr int kConnectTimeoutMs = 200;
constexpr int kWriteTimeoutMs = 500;
const QByteArray kActivate = "activate";
} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent) {
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.write(kActivate + '\n');
            probe.flush();
            probe.waitForBytesWritten(kWriteTimeoutMs);
            probe.disconnectFromServer();
            another_ = true;
            return;
        }
    }

    // Nobody answered: a socket file left by a crashed instance would make listen() fail.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) return; // no guard this session; the program still runs

    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            const auto readRequests = [this, client] {
                while (client->canReadLine()) {
                    if (client->readLine().trimmed() == kActivate) emit activationRequested();
                }
            };
            connect(client, &QLocalSocket::readyRead, this, readRequests);
            readRequests(); // the request may have arrived with the connection
        }
    });
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
}

} // namespace rivetbench::platform
