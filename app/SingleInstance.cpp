#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace quadrell {

namespace {

constexpr int kWaitMs = 3000;

// The uid of the process at the other end; a socket of another user is never trusted.
bool sameUser(const QLocalSocket& socket) {
    ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(
               static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size)
        == 0
        && peer.uid == ::getuid();
}

} // namespace

SingleInstance::SingleInstance(
    const QString& dataFolder, const QString& socketFolder, QObject* parent)
    : QObject(parent) {
    // One per data folder; the folder is the user's own, so the uid need not be in the name.
    const QByteArray folder = QDir(dataFolder).absolutePath().toUtf8();
    const QString name
        = QStringLiteral("quadrell2000-%1.sock")
              .arg(QString::fromLatin1(
                  QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16)));
    const QString path = socketFolder.isEmpty() ? QString() : QDir(socketFolder).filePath(name);
    if (QFile::encodeName(path).size() < qsizetype(sizeof(sockaddr_un::sun_path))) path_ = path;
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

bool SingleInstance::HandOver(const QString& file, int attempts) {
    if (path_.isEmpty()) return false;
    for (int i = 0; i < attempts; ++i) {
        if (i > 0) QThread::msleep(100);
        QLocalSocket socket;
        socket.connectToServer(path_);
        if (!socket.waitForConnected(kWaitMs)) continue;
        if (!sameUser(socket)) return false;
        socket.write(file.toUtf8() + '\n');
        if (!socket.waitForBytesWritten(kWaitMs)) continue;
        // The running copy answers once it has the file, so nothing is lost when we leave.
        while (!socket.canReadLine() && socket.waitForReadyRead(kWaitMs)) { }
        if (socket.readLine().trimmed() == "ok") return true;
    }
    return false;
}

bool SingleInstance::Listen(std::function<void(const QString&)> opened) {
    if (path_.isEmpty()) return false;
    opened_ = std::move(opened);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.setMaxPendingConnections(kOpenCap);
    // We hold the data folder's lock, so a socket found there was left by a killed copy.
    QLocalServer::removeServer(path_);
    return server_.listen(path_);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (open_ >= kOpenCap || !sameUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

void SingleInstance::serve(QLocalSocket* socket) {
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto* timeout = new QTimer(socket);
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    timeout->start(kLineTimeoutMs);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kLineCap) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        const QByteArray line = socket->readLine(kLineCap + 1);
        if (!line.endsWith('\n')) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        const QString file = QString::fromUtf8(line.chopped(1));
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr); // one line a connection
        socket->write("ok\n");
        socket->flush();
        socket->disconnectFromServer();
        if (opened_) opened_(file);
    });
}

} // namespace quadrell
