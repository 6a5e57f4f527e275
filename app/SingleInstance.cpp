#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quadrell {

namespace {

constexpr int kWaitMs = 3000;

// The uid of the process at the other end; a socket of another user is never trusted.
bool sameUser(int fd) {
    ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

sockaddr_un addressOf(const QString& path) {
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return address;
}

} // namespace

// One launch's line: read as it comes without waiting, dropped at its cap or its timeout.
class SingleInstance::Connection final : public QObject {
public:
    Connection(int fd, SingleInstance& owner) : QObject(&owner), fd_(fd), owner_(owner) {
        auto* ready = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(ready, &QSocketNotifier::activated, this, &Connection::read);
        QTimer::singleShot(owner_.lineTimeoutMs_, this, &Connection::close);
    }
    ~Connection() override { ::close(fd_); }

private:
    void close() {
        findChild<QSocketNotifier*>()->setEnabled(false);
        deleteLater();
    }
    void read() {
        char part[4096];
        // Woken by poll with this thread the only reader, so there is something to read:
        // a non-blocking read neither waits nor is cut short by a signal.
        const ssize_t got = ::recv(fd_, part, sizeof part, MSG_DONTWAIT);
        if (got <= 0) return close(); // gone before its line ended
        line_.append(part, got);
        const qsizetype end = line_.indexOf('\n');
        if (end < 0) {
            if (line_.size() > kLineCap) close();
            return;
        }
        if (end > kLineCap) return close();
        const QString file = QString::fromUtf8(line_.left(end));
        // The launch leaves once it hears this, so the file is ours before it goes.
        (void)::send(fd_, "ok\n", 3, MSG_DONTWAIT | MSG_NOSIGNAL);
        close();
        if (owner_.opened_) owner_.opened_(file);
    }

    int fd_;
    SingleInstance& owner_;
    QByteArray line_;
};

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
}

SingleInstance::~SingleInstance() {
    incoming_.reset();
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

QString SingleInstance::NotTakenText(const QString& file) {
    return tr("Quadrell 2000 is already running, but it did not take the game file\r\n%1\r\n"
              "Nothing was opened. Open the file in the running game with Game, Open Game.")
        .arg(file);
}

bool SingleInstance::HandOver(const QString& file, int waitMs) {
    if (path_.isEmpty()) return false;
    const QByteArray line = file.toUtf8() + '\n';
    QElapsedTimer waited;
    waited.start();
    while (!handOverOnce(line)) {
        if (waited.elapsed() >= waitMs) return false;
        QThread::msleep(100);
    }
    return true;
}

bool SingleInstance::handOverOnce(const QByteArray& line) const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const timeval wait { kWaitMs / 1000, 0 };
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    const sockaddr_un address = addressOf(path_);
    bool taken = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
        && sameUser(fd)
        && ::send(fd, line.constData(), static_cast<std::size_t>(line.size()), MSG_NOSIGNAL)
            == line.size()) {
        // The running copy answers once it has the file, so nothing is lost when we leave.
        // Short of it (closed, or the wait over), the answer cannot end in its newline.
        char answer[3] = {};
        (void)TEMP_FAILURE_RETRY(::recv(fd, answer, sizeof answer, MSG_WAITALL));
        taken = QByteArray(answer, 3) == "ok\n";
    }
    ::close(fd);
    return taken;
}

bool SingleInstance::Listen(std::function<void(const QString&)> opened, int lineTimeoutMs) {
    if (path_.isEmpty()) return false;
    opened_ = std::move(opened);
    lineTimeoutMs_ = lineTimeoutMs;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const QByteArray name = QFile::encodeName(path_);
    // We hold the data folder's lock, so a socket found there was left by a killed copy.
    ::unlink(name.constData());
    const sockaddr_un address = addressOf(path_);
    // For this user alone, in a folder that is this user's alone.
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
        && ::chmod(name.constData(), S_IRUSR | S_IWUSR) == 0;
    if (!bound || ::listen(fd, kOpenCap) != 0) {
        ::close(fd);
        return false;
    }
    listening_ = fd;
    incoming_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(incoming_.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept() {
    for (;;) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return; // none left waiting, or none can be taken now
        // Those closed but not yet deleted still count: their ends are not yet closed.
        if (findChildren<Connection*>(Qt::FindDirectChildrenOnly).size() >= kOpenCap
            || !sameUser(fd)) {
            ::close(fd);
            continue;
        }
        new Connection(fd, *this);
    }
}

} // namespace quadrell
