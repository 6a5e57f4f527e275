#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
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
        ::dup2(input, 0);
        EXPECT_TRUE(taken);
    }
    ::close(input);
    EXPECT_EQ(got, QStringList(2, u"/games/seven.qrl"_s));
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
        const char line[] = "/games/theirs.qrl\n";
        if (::send(fd, line, sizeof line - 1, MSG_NOSIGNAL) < 0) ::_exit(4);
        char answer[8];
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
    const QString deep = dir.filePath(QString(120, QLatin1Char('d')));
    QDir().mkpath(deep);
    for (const QString& sockets : { QString(), deep }) {
        SingleInstance instance(data, sockets);
        EXPECT_FALSE(instance.Listen([](const QString&) {})) << sockets.toStdString();
        EXPECT_FALSE(instance.HandOver(u"/games/seven.qrl"_s)) << sockets.toStdString();
    }
}

} // namespace
} // namespace quadrell::test
