#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace quadrell {

namespace {
constexpr int kWaitMs = 3000;
}

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent) : QObject(parent) {
    // Short enough for a socket path, and one per user and data folder.
    const QByteArray folder = QDir(dataFolder).absolutePath().toUtf8();
    name_ = QStringLiteral("quadrell2000-%1-%2")
                .arg(::getuid())
                .arg(QString::fromLatin1(
                    QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16)));
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

bool SingleInstance::HandOver(const QString& file, int attempts) {
    for (int i = 0; i < attempts; ++i) {
        if (i > 0) QThread::msleep(100);
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (!socket.waitForConnected(kWaitMs)) continue;
        socket.write(file.toUtf8() + '\n');
        if (!socket.waitForBytesWritten(kWaitMs)) continue;
        // The running copy answers once it has the file, so nothing is lost when we leave.
        while (!socket.canReadLine() && socket.waitForReadyRead(kWaitMs)) { }
        if (socket.readLine().trimmed() == "ok") return true;
    }
    return false;
}

bool SingleInstance::Listen(std::function<void(const QString&)> opened) {
    opened_ = std::move(opened);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name_); // left by a copy that was killed
    return server_.listen(name_);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const QString file = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            if (opened_) opened_(file);
        });
    }
}

} // namespace quadrell
