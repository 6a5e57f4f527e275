#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

// An event loop to take hand-overs, a data folder and a socket folder of the user's own.
class HandOverTest : public ::testing::Test {
protected:
    int argc = 1;
    char name[10] = "app_tests";
    char* argv[1] = { name };
    QCoreApplication app { argc, argv };
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    const QString sockets = [this] {
        const QString folder = dir.filePath(u"run"_s);
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), 0700);
        return folder;
    }();

    // Serves what has come in, including the ends of connections closed meanwhile.
    static void serve() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // A launch's end of the socket, by hand: what it sends, and what it hears back.
    struct RawLaunch {
        int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); // never waits
        explicit RawLaunch(const QString& path) {
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            std::strncpy(
                address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
            EXPECT_EQ(
                ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            serve();
        }
        ~RawLaunch() { ::close(fd); }
        void send(const QByteArray& bytes) {
            EXPECT_EQ(::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL),
                bytes.size());
        }
        // The running copy's answer, "closed", or nothing while it waits for more.
        QByteArray heard() {
            for (int i = 0; i < 100; ++i) {
                serve();
                char answer[8];
                const ssize_t n = ::recv(fd, answer, sizeof answer, MSG_DONTWAIT);
                if (n > 0) return QByteArray(answer, n);
                if (n == 0 || errno == ECONNRESET) return "closed";
            }
            return {};
        }
    };
};

// A later launch hands its file to the copy that listens, which takes it on its own thread;
// with none listening, the hand-over says so and the launch goes on by itself.
TEST_F(HandOverTest, ALaterLaunchHandsItsFileToTheListeningCopy) {
    QDir().mkpath(data);
    EXPECT_FALSE(SingleInstance(data, sockets).HandOver(u"/games/seven.qrl"_s));

    // The copy that listens may have been started with its standard input closed: a
    // hand-over then comes in on descriptor 0, and is taken like any other.
    const int probe = ::dup(2); // the lowest free descriptor: the one the socket will get
    ::close(probe);
    SingleInstance first(data, sockets);
    QStringList got;
    ASSERT_TRUE(first.Listen([&got](const QString& file) { got << file; }));
    const int input = ::dup(0);
    for (const bool closedInput : { false, true }) {
        std::atomic<bool> taken { false };
        std::atomic<bool> done { false };
        std::thread later([&] {
            taken = SingleInstance(data, sockets).HandOver(u"/games/seven.qrl"_s);
            done = true;
        });
        if (closedInput) {
            pollfd waiting { probe, POLLIN, 0 }; // the launch's socket is made and waits
            ASSERT_EQ(::poll(&waiting, 1, 10000), 1);
            ::close(0);
        }
        // The bound only keeps a broken hand-over from hanging the suite.
        for (int i = 0; i < 2000 && !(done && got.size() == 1 + closedInput); ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        later.join();
        // The served connection's end (on descriptor 0, the second time) closed first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ::dup2(input, 0);
        EXPECT_TRUE(taken);
    }
    ::close(input);
    EXPECT_EQ(got, QStringList(2, u"/games/seven.qrl"_s));
}

// A launch gives one line of at most the cap and is answered; a longer one is closed.
TEST_F(HandOverTest, EachLaunchGivesOneLineOfAtMostTheCap) {
    const QByteArray full(SingleInstance::kLineCap, 'x');
    const struct {
        QByteArray sent;
        QByteArray answer;
        QStringList taken;
    } rows[] {
        { "/games/a.qrl\n", "ok\n", { u"/games/a.qrl"_s } },
        { "\n", "ok\n", { QString() } }, // no file: the running window is shown
        { full + '\n', "ok\n", { QString::fromLatin1(full) } },
        { full + "x\n", "closed", {} },
        { full + 'x', "closed", {} },
        { full, "", {} }, // its end may still come
        { "/games/first.qrl\n/games/second.qrl\n", "ok\n", { u"/games/first.qrl"_s } },
    };
    for (const auto& row : rows) {
        SingleInstance first(data, sockets);
        QStringList got;
        ASSERT_TRUE(first.Listen([&got](const QString& file) { got << file; }));
        RawLaunch launch(first.SocketPath());
        launch.send(row.sent);
        EXPECT_EQ(launch.heard(), row.answer) << row.sent.left(20).toStdString();
        EXPECT_EQ(got, row.taken) << row.sent.left(20).toStdString();
    }
    // Its line taken, a launch is heard no more, even while the file it handed over asks
    // its question (a loop of its own) and the launch sends on.
    SingleInstance first(data, sockets);
    std::unique_ptr<RawLaunch> launch;
    QStringList got;
    ASSERT_TRUE(first.Listen([&](const QString& file) {
        got << file;
        if (got.size() > 1) return;
        launch->send("/games/second.qrl\n");
        QEventLoop question;
        int passes = 0;
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] {
            if (++passes == 5) question.quit();
        });
        turn.start(0);
        question.exec();
    }));
    launch = std::make_unique<RawLaunch>(first.SocketPath());
    launch->send("/games/first.qrl\n");
    EXPECT_EQ(launch->heard(), "ok\n");
    EXPECT_EQ(got, QStringList { u"/games/first.qrl"_s });
}

// Launches past the cap are closed as they come; those held are served, and once they
// leave, new ones are. A launch silent past its time is closed; the socket goes with its copy.
TEST_F(HandOverTest, LaunchesPastTheCapOrTheirTimeAreClosed) {
    QString path;
    const int input = ::dup(0);
    ::close(0); // started with its standard input closed, the copy listens on descriptor 0
    {
        SingleInstance first(data, sockets);
        QStringList got;
        ASSERT_TRUE(first.Listen([&got](const QString& file) { got << file; }, 60000));
        path = first.SocketPath();
        struct stat socket { };
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &socket), 0);
        EXPECT_EQ(socket.st_mode & 0777, 0600u); // its user's alone
        std::vector<std::unique_ptr<RawLaunch>> held;
        for (int i = 0; i < SingleInstance::kOpenCap; ++i) {
            held.push_back(std::make_unique<RawLaunch>(path));
            EXPECT_EQ(held.back()->heard(), QByteArray()) << i;
        }
        EXPECT_EQ(RawLaunch(path).heard(), "closed");
        held.back()->send("/games/held.qrl\n");
        EXPECT_EQ(held.back()->heard(), "ok\n");
        held.back() = std::make_unique<RawLaunch>(path); // the cap full again as all leave
        held.clear();
        serve();
        RawLaunch later(path);
        later.send("/games/later.qrl\n");
        EXPECT_EQ(later.heard(), "ok\n");
        EXPECT_EQ(got, (QStringList { u"/games/held.qrl"_s, u"/games/later.qrl"_s }));
    }
    ::dup2(input, 0);
    ::close(input);
    EXPECT_FALSE(QFileInfo::exists(path));
    SingleInstance hurried(data, sockets);
    ASSERT_TRUE(hurried.Listen([](const QString&) {}, 0));
    EXPECT_EQ(RawLaunch(hurried.SocketPath()).heard(), "closed");
}

// A process of another user that reaches the socket (here: root opens the way for it) is
// never heard: its file is not taken.
TEST_F(HandOverTest, AnotherUsersFileIsNeverTaken) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    SingleInstance first(data, sockets);
    QStringList got;
    ASSERT_TRUE(first.Listen([&got](const QString& file) { got << file; }));
    QString socket;
    for (const QFileInfo& entry : QDir(sockets).entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        socket = entry.filePath();
    ASSERT_FALSE(socket.isEmpty());
    for (const QString& open : { dir.path(), sockets, socket })
        ::chmod(QFile::encodeName(open).constData(), 0777);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(
        address.sun_path, QFile::encodeName(socket).constData(), sizeof address.sun_path - 1);
    const pid_t other = ::fork();
    if (other == 0) { // nobody: sends a file and waits to be answered or left
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            ::_exit(3);
        // Shut out before it could send, on a busy machine, is as good as left unanswered.
        const char line[] = "/games/theirs.qrl\n";
        char answer[8];
        if (::send(fd, line, sizeof line - 1, MSG_NOSIGNAL) > 0)
            while (::recv(fd, answer, sizeof answer, 0) > 0) { }
        ::_exit(0);
    }
    ASSERT_GT(other, 0);
    int status = -1;
    // The bound only keeps a child that is never answered from hanging the suite.
    for (int i = 0; i < 2000 && ::waitpid(other, &status, WNOHANG) == 0; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    if (status == -1) {
        ::kill(other, SIGKILL);
        ::waitpid(other, &status, 0);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(got.isEmpty()) << got.join(u' ').toStdString();
}

// Without a place for the socket (no folder of the user's own, or a path too long for a
// socket's name), a launch neither listens nor claims to have handed its file over: it opens
// the file itself.
TEST(SingleInstance, WithoutASocketPlaceEachLaunchGoesOnByItself) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    // A folder whose socket's path is `length` bytes long: the name must leave room for
    // its end in the address.
    const qsizetype name = SingleInstance(data, dir.path()).SocketPath().size() - dir.path().size();
    const auto folderFor = [&](qsizetype length) {
        const QString folder = dir.filePath(QString(length - name - dir.path().size() - 1, u'd'));
        QDir().mkpath(folder);
        return folder;
    };
    constexpr qsizetype field = sizeof(sockaddr_un::sun_path);
    EXPECT_TRUE(SingleInstance(data, folderFor(field - 1)).Listen([](const QString&) {}));
    const QString taken = dir.filePath(u"taken"_s); // a folder in the socket's own place
    QDir().mkpath(SingleInstance(data, taken).SocketPath());
    for (const QString& sockets : { QString(), folderFor(field), folderFor(field + 20), taken }) {
        SingleInstance instance(data, sockets);
        EXPECT_FALSE(instance.Listen([](const QString&) {})) << sockets.toStdString();
        EXPECT_FALSE(instance.HandOver(u"/games/seven.qrl"_s)) << sockets.toStdString();
    }
}

// A launch started with its standard input closed makes its socket on descriptor 0, and
// hands over all the same.
TEST_F(HandOverTest, ALaunchWithoutStandardInputStillHandsOver) {
    SingleInstance first(data, sockets);
    QStringList got;
    ASSERT_TRUE(first.Listen([&got](const QString& file) { got << file; }));
    const int input = ::dup(0);
    ::close(0);
    std::atomic<bool> taken { false };
    std::atomic<bool> done { false };
    std::thread later([&] {
        taken = SingleInstance(data, sockets).HandOver(u"/games/seven.qrl"_s);
        done = true;
    });
    for (int i = 0; i < 2000 && !done; ++i) { // the bound only keeps a failure from hanging
        serve();
        QThread::msleep(5);
    }
    later.join();
    ::dup2(input, 0);
    ::close(input);
    EXPECT_TRUE(taken);
    EXPECT_EQ(got, QStringList { u"/games/seven.qrl"_s });
}

// With no descriptor left, neither end claims a socket it could not make.
TEST_F(HandOverTest, WithNoDescriptorLeftNeitherEndClaimsASocket) {
    // Both made and asked before the limit: a sanitizer's first check of a type's call needs
    // descriptors of its own.
    SingleInstance copy(data, sockets);
    SingleInstance launch(data, sockets);
    ASSERT_FALSE(copy.SocketPath().isEmpty() || launch.SocketPath().isEmpty());
    rlimit kept {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &kept), 0);
    const int lowest = ::dup(0);
    ::close(lowest);
    rlimit none = kept;
    none.rlim_cur = rlim_t(lowest);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const bool listening = copy.Listen([](const QString&) {});
    const bool handed = launch.HandOver(u"/games/seven.qrl"_s);
    ::setrlimit(RLIMIT_NOFILE, &kept);
    EXPECT_FALSE(listening);
    EXPECT_FALSE(handed);
}

} // namespace
} // namespace quadrell::test
