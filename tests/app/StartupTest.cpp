#include "Startup.h"

#include "AppPaths.h"
#include "AppStyle.h"
#include "DataLock.h"
#include "ModalAnswerer.h"
#include "ScriptedPrompter.h"
#include "SingleInstance.h"
#include "StartupProbe.h"
#include "frmMain.h"

#include <QMessageBox>
#include <QMutex>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>
#include <QTranslator>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quadrell::test {

namespace {

// A copy already running, its socket served on a thread of its own, since a start waits for
// its answer. It starts to listen `delayMs` after it is made.
class OtherCopy {
public:
    OtherCopy(const QString& data, const QString& sockets, int delayMs = 0) {
        context_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            &context_, [=, this] { instance_ = std::make_unique<SingleInstance>(data, sockets); },
            Qt::BlockingQueuedConnection);
        const auto listen = [this] {
            instance_->Listen([this](const QString& file) {
                const QMutexLocker locked(&mutex_);
                heard_ << file;
            });
        };
        // Listening already when the start looks for it, unless it is to come later.
        if (delayMs == 0) {
            QMetaObject::invokeMethod(&context_, listen, Qt::BlockingQueuedConnection);
        } else {
            QTimer::singleShot(delayMs, &context_, listen);
        }
    }
    ~OtherCopy() {
        QMetaObject::invokeMethod(
            &context_, [this] { instance_.reset(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    QStringList Heard() {
        const QMutexLocker locked(&mutex_);
        return heard_;
    }

private:
    QThread thread_;
    QObject context_;
    QMutex mutex_;
    QStringList heard_;
    std::unique_ptr<SingleInstance> instance_;
};

// A launch's line sent by hand, without waiting for the answer the window's thread gives.
void launch(const QString& socket, const QString& file) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(
        address.sun_path, QFile::encodeName(socket).constData(), sizeof address.sun_path - 1);
    QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const QByteArray line = file.toUtf8() + '\n';
    QCOMPARE(::send(fd, line.constData(), std::size_t(line.size()), MSG_NOSIGNAL), line.size());
    // Closed once the running copy has read it.
    QTimer::singleShot(2000, [fd] { ::close(fd); });
}

} // namespace

// The whole start in the test's own process: folders of its own, the data folder's lock
// and a running copy played by the test.
class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<ScriptedPrompter> prompter_;

    QString at(const QString& name) const { return home_->filePath(name); }
    // The data folder the start will use; found under the program's name, which the start
    // itself gives.
    QString dataFolder() const {
        const QString was = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
        const QString folder = AppPaths::Standard().dataFolder;
        QCoreApplication::setApplicationName(was);
        return folder;
    }
    std::unique_ptr<Startup> start(QStringList words, StartupProbe& probe, int busyWaitMs = 0) {
        words.prepend(QStringLiteral("quadrell2000"));
        return std::make_unique<Startup>(*qApp, words, probe, *prompter_, busyWaitMs);
    }

private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : { "config", "data", "cache", "run", "system" })
            QDir(home_->path()).mkpath(QLatin1String(folder));
        ::chmod(QFile::encodeName(at(QStringLiteral("run"))).constData(), 0700);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(at(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(at(QStringLiteral("data"))));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(at(QStringLiteral("cache"))));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(at(QStringLiteral("run"))));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(at(QStringLiteral("system"))));
        prompter_ = std::make_unique<ScriptedPrompter>();
        // What the start gives the program is taken away again.
        QCoreApplication::setApplicationName(QStringLiteral("StartupTest"));
        QCoreApplication::setApplicationVersion({});
        QGuiApplication::setDesktopFileName({});
        qDeleteAll(qApp->findChildren<QTranslator*>());
        std::signal(SIGXFSZ, SIG_DFL);
    }

    // The program is named, styled and translated, its file-size signal ignored, and the
    // window announces the entry of a copy not installed, whatever is in the user's folder.
    void describesTheProgram() {
        QFile own(at(QStringLiteral("data/applications/quadrell2000.desktop")));
        QDir().mkpath(at(QStringLiteral("data/applications")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.close();
        StartupProbe probe;
        const auto started = start({}, probe);
        QCOMPARE(started->Open(), std::nullopt);
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quadrell 2000"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(QUADRELL_VERSION));
        QVERIFY(dynamic_cast<AppStyle*>(QApplication::style()));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("quadrell2000-local"));
        const auto translators = qApp->findChildren<QTranslator*>();
        QVERIFY(!translators.isEmpty());
        QCOMPARE(translators.first()->language(), QStringLiteral("de_DE"));
        struct sigaction now { };
        ::sigaction(SIGXFSZ, nullptr, &now);
        QVERIFY(now.sa_handler == SIG_IGN);
        QVERIFY(started->Window()->isVisible());
        QVERIFY(prompter_->messages.empty());
        // Registered for this user once the window has painted.
        QTRY_VERIFY(
            QFile::exists(at(QStringLiteral("data/applications/quadrell2000-local.desktop"))));
    }

    // Folders that cannot be made end the start with the reason, before anything else.
    void endsWhenItsFoldersCannotBeMade() {
        QFile blocker(at(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(at(QStringLiteral("blocker/config"))));
        StartupProbe probe;
        const auto started = start({}, probe);
        QCOMPARE(started->Open(), std::optional<int>(1));
        QCOMPARE(prompter_->messages.size(), std::size_t(1));
        QVERIFY2(
            QString::fromStdString(prompter_->messages[0]).contains(at(QStringLiteral("blocker"))),
            prompter_->messages[0].c_str());
        QCOMPARE(prompter_->titles[0], std::string("Quadrell 2000"));
        QVERIFY(!started->Window());
    }

    // A copy that runs takes the file named, made whole, and the start ends quietly.
    void handsTheFileToTheRunningCopy_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("handed");
        QTest::newRow("no file") << QStringList() << QString();
        QTest::newRow("a name") << QStringList { QStringLiteral("seven.qrl") }
                                << QDir::current().absoluteFilePath(QStringLiteral("seven.qrl"));
        QTest::newRow("a name with spaces, in pieces")
            << QStringList { QStringLiteral("my"), QStringLiteral("seven.qrl ") }
            << QDir::current().absoluteFilePath(QStringLiteral("my seven.qrl"));
        QTest::newRow("a whole path") << QStringList { QStringLiteral("/games/seven.qrl") }
                                      << QStringLiteral("/games/seven.qrl");
    }
    void handsTheFileToTheRunningCopy() {
        QFETCH(QStringList, words);
        QFETCH(QString, handed);
        OtherCopy running(dataFolder(), at(QStringLiteral("run")));
        StartupProbe probe;
        const auto started = start(words, probe, 20000);
        QCOMPARE(started->Open(), std::optional<int>(0));
        QTRY_COMPARE(running.Heard(), QStringList { handed });
        QVERIFY(prompter_->messages.empty());
        QVERIFY(!started->Window());
    }

    // The folder held by a copy that does not listen yet: the start waits for it, and
    // hands the file over once it does.
    void waitsForACopyThatIsStarting() {
        QDir().mkpath(dataFolder());
        DataLock held(dataFolder());
        QVERIFY(held.TryLock());
        OtherCopy running(dataFolder(), at(QStringLiteral("run")), 300);
        StartupProbe probe;
        const auto started = start({ QStringLiteral("/games/seven.qrl") }, probe, 60000);
        QCOMPARE(started->Open(), std::optional<int>(0));
        QTRY_COMPARE(running.Heard(), QStringList { QStringLiteral("/games/seven.qrl") });
    }

    // The folder held by a copy that takes nothing: the start ends with the reason.
    void endsWhenTheFolderIsHeld_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("named");
        QTest::newRow("no file") << QStringList() << false;
        QTest::newRow("a file") << QStringList { QStringLiteral("/games/seven.qrl") } << true;
    }
    void endsWhenTheFolderIsHeld() {
        QFETCH(QStringList, words);
        QFETCH(bool, named);
        QDir().mkpath(dataFolder());
        DataLock held(dataFolder());
        QVERIFY(held.TryLock());
        StartupProbe probe;
        const auto started = start(words, probe);
        QCOMPARE(started->Open(), std::optional<int>(1));
        const QString said = named
            ? SingleInstance::NotTakenText(QStringLiteral("/games/seven.qrl"))
            : held.InUseText();
        QCOMPARE(prompter_->messages, std::vector<std::string> { said.toStdString() });
        QVERIFY(!started->Window());
    }

    // A launch that comes while the window loads waits, and is opened once the window is
    // up; a later one is opened at once.
    void opensLaunchesFromWhileItLoaded() {
        const QString socket = SingleInstance(dataFolder(), at(QStringLiteral("run"))).SocketPath();
        ModalAnswerer answerer;
        bool sent = false;
        answerer.seen = [&] {
            // The named file is missing: its message is the window's first, during its load.
            if (std::exchange(sent, true)) return;
            launch(socket, at(QStringLiteral("while-loading.qrl")));
            QTest::qWait(200);
        };
        StartupProbe probe;
        const auto started = start({ at(QStringLiteral("named.qrl")) }, probe);
        QCOMPARE(started->Open(), std::nullopt);
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts[0].contains(QStringLiteral("named.qrl")));
        QTRY_COMPARE(answerer.texts.size(), 2);
        QVERIFY2(answerer.texts[1].contains(QStringLiteral("while-loading.qrl")),
            qPrintable(answerer.texts[1]));
        launch(socket, at(QStringLiteral("later.qrl")));
        QTRY_COMPARE(answerer.texts.size(), 3);
        QVERIFY(answerer.texts[2].contains(QStringLiteral("later.qrl")));
    }

    // Without a socket the game still starts, and says once, without holding the player,
    // that files from the desktop cannot reach it.
    void saysWhenNoLaunchCanReachIt() {
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(at(QStringLiteral("blocker/cache"))));
        QFile blocker(at(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        StartupProbe probe;
        const auto started = start({}, probe);
        QTemporaryFile log;
        QVERIFY(log.open());
        const int err = ::dup(STDERR_FILENO);
        ::dup2(log.handle(), STDERR_FILENO);
        const std::optional<int> ended = started->Open();
        ::dup2(err, STDERR_FILENO);
        ::close(err);
        QCOMPARE(ended, std::nullopt);
        // Logged on one line, as every message is.
        log.seek(0);
        const QStringList logged = QString::fromUtf8(log.readAll()).split(u'\n');
        QVERIFY(logged.contains(QStringLiteral("quadrell2000: ")
            + SingleInstance::tr("No private folder for the hand-over socket could be made "
                                 "(XDG_RUNTIME_DIR is not set and the cache folder cannot be "
                                 "used).\r\nThe game plays as usual, but game files opened "
                                 "from the desktop cannot be handed to it while it runs.")
                  .replace(QStringLiteral("\r\n"), QStringLiteral(" / "))));
        const auto boxes = started->Window()->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0]->isVisible());
        QCOMPARE(boxes[0]->windowModality(), Qt::NonModal);
        QVERIFY(boxes[0]->text().contains(QStringLiteral("XDG_RUNTIME_DIR")));
        QVERIFY(boxes[0]->testAttribute(Qt::WA_DeleteOnClose));
    }

    // With the probe asked for, the start reports its figures once the board is painted,
    // and the program quits.
    void theProbeReportsAtTheFirstPaint() {
        qputenv("QUADRELL_STARTUP_PROBE", "1");
        StartupProbe probe;
        qunsetenv("QUADRELL_STARTUP_PROBE");
        QTemporaryFile report;
        QVERIFY(report.open());
        const int out = ::dup(STDOUT_FILENO);
        ::dup2(report.handle(), STDOUT_FILENO);
        const auto started = start({}, probe);
        QCOMPARE(started->Open(), std::nullopt);
        QEventLoop loop;
        QTimer::singleShot(30000, &loop, [&loop] { loop.exit(1); });
        // Printed by a library before the first paint: it goes before the report.
        std::printf("a library's line\n");
        const int code = loop.exec();
        std::fflush(stdout);
        ::dup2(out, STDOUT_FILENO);
        ::close(out);
        QCOMPARE(code, 0);
        report.seek(0);
        const QString text = QString::fromUtf8(report.readAll());
        QVERIFY2(
            text.startsWith(QStringLiteral("a library's line\nstartup-ms: ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("language: de_DE")), qPrintable(text));
        static const QRegularExpression figures(
            QStringLiteral("startup-ms: (\\d+)\ncpu-us: ([1-9]\\d*)\nrss-kb: [1-9]"));
        const QRegularExpressionMatch match = figures.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        // From the probe's start, not from the machine's.
        QVERIFY(match.captured(1).toLongLong() < 600000);
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::StartupTest)
#include "StartupTest.moc"
