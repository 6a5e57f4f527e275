#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <thread>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

// A later launch hands its file to the copy that listens, which takes it on its own thread;
// with none listening, the hand-over says so and the launch goes on by itself.
TEST(SingleInstance, ALaterLaunchHandsItsFileToTheListeningCopy) {
    int argc = 1;
    char name[] = "app_tests";
    char* argv[] = { name };
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    const QString sockets = dir.filePath(u"run"_s);
    QDir().mkpath(data);
    QDir().mkpath(sockets);
    ::chmod(QFile::encodeName(sockets).constData(), 0700);
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
