#include "SafeFile.h"

#include "AppPaths.h"
#include "DataLock.h"
#include "FaultInjection.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class SafeFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SafeFileTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    const QString file = path(u"old.qrl"_s);
    ASSERT_TRUE(writeContent(file, " 1000 \r\n"));
    // Each says the system's reason, never "Unknown error".
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
    QString error;
    {
        FileSizeLimit full(4096);
        EXPECT_FALSE(SafeFile::Write(file, QByteArray(64 * 1024, 'x'), &error));
        EXPECT_EQ(error, tooLarge);
        // Small enough for a write buffer.
        EXPECT_FALSE(SafeFile::Write(file, QByteArray(8 * 1024, 'y'), &error));
        EXPECT_EQ(error, tooLarge);
        int part = 0; // made in parts, the limit reached in the second
        EXPECT_EQ(SafeFile::WriteParts(
                      file,
                      [&part](QByteArray& bytes) {
                          bytes = ++part < 3 ? QByteArray(3000, 'z') : QByteArray();
                          return true;
                      },
                      &error),
            SafeFile::Written::Failed);
        EXPECT_EQ(error, tooLarge);
    }
    // The last touch refused, with no reason from the system or from Qt: said plainly.
    EXPECT_EQ(SafeFile::WriteParts(
                  file,
                  [](QByteArray& bytes) {
                      bytes.clear();
                      return true;
                  },
                  &error, [](QIODevice&) { return false; }),
        SafeFile::Written::Failed);
    EXPECT_EQ(error, u"The file was not written in full."_s);
    EXPECT_EQ(contentOf(file), " 1000 \r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { u"old.qrl"_s });
    EXPECT_TRUE(SafeFile::Write(file, "new", &error));
    EXPECT_EQ(contentOf(file), "new");
}

// A rename over them would put a file where a device or a pipe stands, or where a link to
// nothing points; a link to a file stays a link and its file is replaced.
TEST_F(SafeFileTest, AWriteReplacesOnlyNothingOrARegularFile) {
    const QString device = deviceNode(dir.path());
    const QString target = path(u"target"_s);
    const std::pair<const char*, std::function<bool(const QString&)>> refused[] {
        { "a pipe", [](const QString& p) { return makeFifo(p); } },
        { "a folder", [](const QString& p) { return QDir().mkdir(p); } },
        { "a link to a device", [&](const QString& p) { return QFile::link(device, p); } },
        { "a link to nothing", [&](const QString& p) { return QFile::link(target, p); } },
    };
    int n = 0;
    for (const auto& [what, make] : refused) {
        const QString file = path(u"refused%1"_s.arg(++n));
        ASSERT_TRUE(make(file)) << what;
        QString error;
        EXPECT_FALSE(SafeFile::Write(file, "x", &error)) << what;
        EXPECT_FALSE(error.isEmpty()) << what;
        EXPECT_FALSE(QFileInfo(file).isFile()) << what;
    }
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_FALSE(QFileInfo(device).isFile());
    ASSERT_TRUE(writeContent(target, "old") && QFile::link(target, path(u"link"_s)));
    EXPECT_TRUE(SafeFile::Write(path(u"link"_s), "new"));
    EXPECT_TRUE(QFileInfo(path(u"link"_s)).isSymLink());
    EXPECT_EQ(contentOf(target), "new");
}

TEST_F(SafeFileTest, OnlyRegularFilesAreReadAndNothingWaits) {
    const QString fifo = path(u"pipe.qrl"_s);
    ASSERT_TRUE(makeFifo(fifo));
    ASSERT_TRUE(writeContent(path(u"big"_s), QByteArray(200, 'b')));
    struct Row {
        QString path;
        bool missing;
    };
    for (const Row& r :
        { Row { fifo, false }, Row { u"/dev/zero"_s, false }, Row { dir.path(), false },
            Row { path(u"big"_s), false }, Row { path(u"none"_s), true } }) {
        const FileRead read = SafeFile::Read(r.path, 100);
        EXPECT_FALSE(read.ok) << r.path.toStdString();
        EXPECT_EQ(read.missing, r.missing) << r.path.toStdString();
        EXPECT_FALSE(read.error.isEmpty()) << r.path.toStdString();
        EXPECT_FALSE(SafeFile::CheckRegular(r.path, 100).isEmpty());
        QFile inPlace; // refused alike, with its reason; a missing one is made
        EXPECT_EQ(SafeFile::OpenInPlace(inPlace, r.path, 100).isEmpty(), r.missing);
    }
    EXPECT_TRUE(SafeFile::Read(path(u"big"_s), 200).ok);
}

// A program started with its standard input closed (as some launchers do) gets the first
// file it opens as descriptor 0: that is a file like any other.
TEST_F(SafeFileTest, AFileOpenedAsDescriptorZeroIsAFileLikeAnyOther) {
    const QString file = path(u"kept.qrl"_s);
    ASSERT_TRUE(writeContent(file, QByteArray("kept")));
    const int input = ::dup(0);
    ASSERT_GE(input, 0);
    ::close(0);
    const FileRead read = SafeFile::Read(file, 100);
    QFile inPlace;
    const QString opened = SafeFile::OpenInPlace(inPlace, file, 100);
    const int descriptor = inPlace.handle();
    inPlace.close();
    const bool written = SafeFile::Write(file, QByteArray("new"));
    ::dup2(input, 0);
    ::close(input);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, QByteArray("kept"));
    EXPECT_EQ(opened, QString());
    EXPECT_EQ(descriptor, 0);
    EXPECT_TRUE(written);
    EXPECT_EQ(SafeFile::Read(file, 100).bytes, QByteArray("new"));
}

TEST_F(SafeFileTest, DeletingAFolderNeverReachesOutsideItsRoot) {
    const QString root = path(u"favorites"_s);
    const QString outside = path(u"elsewhere"_s);
    QDir().mkpath(root + u"/Easy Games/inner"_s);
    QDir().mkpath(outside);
    ASSERT_TRUE(writeContent(outside + u"/precious.q2k"_s, "1"));
    ASSERT_TRUE(QFile::link(outside, root + u"/linked"_s));
    ASSERT_TRUE(QFile::link(outside, root + u"/Easy Games/inner/linked"_s));

    EXPECT_TRUE(SafeFile::RemoveTree(root + u"/linked"_s, root));
    EXPECT_FALSE(QFileInfo(root + u"/linked"_s).isSymLink());
    EXPECT_TRUE(SafeFile::RemoveTree(root + u"/Easy Games"_s, root));
    EXPECT_FALSE(QFileInfo::exists(root + u"/Easy Games"_s));
    EXPECT_FALSE(SafeFile::RemoveTree(outside, root));
    EXPECT_FALSE(SafeFile::RemoveTree(root + u"/../elsewhere"_s, root));
    EXPECT_EQ(contentOf(outside + u"/precious.q2k"_s), "1");
}

// The file's time set an hour back, as a lock taken then leaves it.
bool madeAnHourAgo(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(
            QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

TEST_F(SafeFileTest, AFolderIsHeldOnlyByARunningProgram) {
    DataLock first(dir.path());
    ASSERT_TRUE(first.TryLock());
    DataLock second(dir.path());
    EXPECT_FALSE(second.TryLock()); // this very process holds it, and it runs
    EXPECT_TRUE(second.InUseText().contains(dir.path()));
    // A game may run for days: a lock an hour old is still held while its holder runs.
    ASSERT_TRUE(madeAnHourAgo(path(u"quadrell.lock"_s)));
    DataLock third(dir.path());
    EXPECT_FALSE(third.TryLock());
}

// A data folder shared between machines (a home on the network): a lock another machine
// took an hour ago is not broken for its age.
TEST_F(SafeFileTest, ALockFromAnotherMachineIsNotBrokenForItsAge) {
    const QString lock = path(u"quadrell.lock"_s);
    ASSERT_TRUE(writeContent(lock,
        QByteArray::number(QCoreApplication::applicationPid()) + "\nquadrell2000\nelsewhere\n"));
    ASSERT_TRUE(madeAnHourAgo(lock));
    DataLock mine(dir.path());
    EXPECT_FALSE(mine.TryLock());
}

TEST_F(SafeFileTest, TheFolderInUseEndsItsSentenceOnOneLine) {
    const QString line = DataLock(u"/data/Quadrell 2000"_s).InUseLine();
    EXPECT_TRUE(line.startsWith(QStringLiteral(
        "Another copy of Quadrell 2000 is using /data/Quadrell 2000. Close it first;")))
        << line.toStdString();
    EXPECT_FALSE(line.contains(QLatin1Char('\r')));
}

TEST_F(SafeFileTest, ALockLeftByAKilledProgramIsTakenOverEvenOnAFullDisk) {
    // A process that is gone (its number is far above any in use), and numbers no process has.
    for (const char* pid : { "2147483000", "0", "-5" }) {
        ASSERT_TRUE(
            writeContent(path(u"quadrell.lock"_s), pid + QByteArray("\nquadrell2000\nhost\n")));
        FileSizeLimit full(0);
        DataLock lock(dir.path());
        EXPECT_TRUE(lock.TryLock()) << pid;
    }
}

class SettingsFaultTest : public SafeFileTest {
protected:
    QString ini() const { return iniPath; }
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(dir.path());
    const QString iniPath = store->FileName(kApp);
    int reports = 0;
};

TEST_F(SettingsFaultTest, AFailedWriteLeavesTheLastGoodFileAndIsReportedOnce) {
    store->SetFailureHandler([this](const QString& file) {
        ++reports;
        EXPECT_TRUE(file.endsWith(u".ini"_s));
    });
    store->SetText(u"Save"_s, u"A"_s, u"1"_s);
    const QByteArray good = contentOf(ini());
    ASSERT_FALSE(good.isEmpty());
    {
        FileSizeLimit full(static_cast<rlim_t>(good.size()));
        store->SetText(u"Save"_s, u"B"_s, u"2"_s);
        store->SetText(u"Save"_s, u"C"_s, u"3"_s);
    }
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(store->WriteFailing());
    EXPECT_EQ(contentOf(ini()), good);
    // What could not be written waits in memory and goes with the next write that succeeds.
    EXPECT_EQ(store->GetText(u"Save"_s, u"B"_s, {}), u"2"_s);
    store->SetText(u"Save"_s, u"D"_s, u"4"_s);
    EXPECT_FALSE(store->WriteFailing());
    EXPECT_TRUE(contentOf(ini()).contains("b=2\nc=3\nd=4"));
    {
        FileSizeLimit full(8);
        store->SetText(u"Save"_s, u"E"_s, u"5"_s);
    }
    EXPECT_EQ(reports, 2); // a later success cleared the state
    store.reset();
    SettingsStore again(dir.path());
    EXPECT_EQ(again.GetText(u"Save"_s, u"A"_s, {}), u"1"_s);
    EXPECT_EQ(again.GetText(u"Save"_s, u"D"_s, {}), u"4"_s);
}

// Qt's own save may put a file cut by a full disk in place and call it good: whatever
// byte the disk fills at, and whatever Qt still flushes on its own afterwards, the file
// read at the next start holds the old values or the new ones, never a value cut short.
TEST_F(SettingsFaultTest, AWriteCutAtAnyByteLeavesTheOldValuesOrTheNew) {
    const QString oldPath = u"/home/player/.local/share/Quadrell 2000/Scores.dat"_s;
    const QString newPath = u"/media/stick/scores/kept by the whole family.dat"_s;
    const auto fill = [](SettingsStore& s, const QString& score, const QString& n) {
        SettingsStore::Batch together(s);
        s.SetText(u"Save"_s, u"ScoreFile"_s, score);
        s.SetText(u"Player1"_s, u"Total"_s, n);
        s.SetText(u"Options"_s, u"CardSpeed"_s, n);
        // As many lines as a real file, so that Qt's save has written some before it fails.
        for (int i = 1; i <= 12; ++i)
            s.SetText(u"Recent"_s, u"File%1"_s.arg(i),
                u"/home/player/games/deal %1 of %2.qrl"_s.arg(i).arg(n));
    };
    fill(*store, oldPath, u"7"_s);
    store.reset();
    const QByteArray good = contentOf(ini());
    const QTemporaryDir elsewhere;
    // Cuts within one line fare alike: the bytes around each line end of the old file and of
    // the new one, every ninth byte between and the old file's end, not all of them.
    QByteArray fresh;
    {
        SettingsStore whole(elsewhere.path());
        fill(whole, newPath, u"8"_s);
        fresh = contentOf(whole.FileName(kApp));
    }
    std::set<rlim_t> limits;
    for (const QByteArray& text : { good, fresh })
        for (qsizetype at = 1; at < text.size(); ++at)
            if (text[at] == '\n')
                limits.insert({ rlim_t(at - 1), rlim_t(at), rlim_t(at + 1), rlim_t(at + 2) });
            else if (at % 9 == 0)
                limits.insert(rlim_t(at));
    for (rlim_t extra = 0; extra < 8; ++extra)
        limits.insert(static_cast<rlim_t>(good.size()) + extra);
    for (const rlim_t limit : limits) {
        SCOPED_TRACE(limit);
        ASSERT_TRUE(writeContent(ini(), good));
        {
            FileSizeLimit full(limit);
            SettingsStore s(dir.path());
            fill(s, newPath, u"8"_s);
            s.SetText(u"Save"_s, u"Unfinished"_s, u"True"_s);
            QCoreApplication::sendPostedEvents();
        }
        // Read as the next start would: another process, so nothing Qt keeps in memory helps.
        const QString copy = elsewhere.filePath(u"copy-%1.ini"_s.arg(limit));
        ASSERT_TRUE(writeContent(copy, contentOf(ini())));
        const SettingsStore::Values again = SettingsStore::ReadFile(copy);
        QFile::remove(copy);
        const QString score = again.value(u"save/scorefile"_s);
        const QString total = again.value(u"player1/total"_s);
        EXPECT_TRUE(score == oldPath || score == newPath) << score.toStdString();
        EXPECT_EQ(again.value(u"options/cardspeed"_s), total);
        EXPECT_EQ(total, score == oldPath ? u"7"_s : u"8"_s);
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::Files), QStringList { QFileInfo(ini()).fileName() });
    }
}

// Anything but a regular file (or a link to one) within its cap in the settings' place is
// moved aside whole, told once, and the game goes on with defaults; what it pointed to is
// never touched and a later write makes a regular file.
TEST_F(SettingsFaultTest, ASettingsFileThatIsNoFileIsSetAsideAndNeverWrittenThrough) {
    const QString elsewhere = dir.filePath(u"elsewhere"_s);
    QDir().mkpath(elsewhere);
    struct Row {
        const char* what;
        std::function<bool(const QString&)> make;
    };
    const std::vector<Row> rows {
        { "a pipe", [](const QString& p) { return makeFifo(p); } },
        { "a link to a pipe",
            [&](const QString& p) {
                return makeFifo(elsewhere + u"/pipe"_s) && QFile::link(elsewhere + u"/pipe"_s, p);
            } },
        { "a link to a device", [](const QString& p) { return QFile::link(u"/dev/null"_s, p); } },
        { "a folder", [](const QString& p) { return QDir().mkpath(p); } },
        { "a link to nothing",
            [&](const QString& p) { return QFile::link(elsewhere + u"/none.ini"_s, p); } },
        { "too large",
            [](const QString& p) {
                return QFile(p).open(QIODevice::WriteOnly)
                    && QFile(p).resize(SettingsStore::kCap + 1);
            } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        store.reset();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(elsewhere);
        ASSERT_TRUE(row.make(ini()));
        const bool wasLink = QFileInfo(ini()).isSymLink();
        const bool wasFolder = QFileInfo(ini()).isDir();
        store = std::make_unique<SettingsStore>(dir.path());
        QStringList told;
        const auto listen = [&] {
            store->SetSetAsideHandler([&](const QString& path, const QString& aside,
                                          const QString& why) { told << path << aside << why; });
        };
        // Set aside before anyone listens (every other row): told once someone does.
        const bool late = (&row - rows.data()) % 2 == 1;
        if (!late) listen();
        EXPECT_EQ(store->GetText(u"Options"_s, u"CardSpeed"_s, u"30"_s), u"30"_s);
        if (late) {
            EXPECT_TRUE(told.isEmpty());
            listen();
        }
        ASSERT_EQ(told.size(), 3);
        EXPECT_EQ(told[0], ini());
        EXPECT_FALSE(told[2].isEmpty());
        // Moved whole: a link is still a link, and its target is where it was.
        const QFileInfo aside(told[1]);
        EXPECT_EQ(aside.isSymLink(), wasLink);
        EXPECT_EQ(aside.isDir(), wasFolder);
        store->SetText(u"Save"_s, u"A"_s, u"1"_s);
        EXPECT_FALSE(store->WriteFailing());
        EXPECT_TRUE(QFileInfo(ini()).isFile() && !QFileInfo(ini()).isSymLink());
        EXPECT_FALSE(QFile::exists(elsewhere + u"/none.ini"_s));
    }
    EXPECT_FALSE(QFileInfo(deviceNode(elsewhere)).isFile()); // still a device
    // Set aside again, the first one kept: the second is numbered.
    store.reset();
    ASSERT_TRUE(QFile::remove(ini()) && makeFifo(ini()));
    store = std::make_unique<SettingsStore>(dir.path());
    QString aside;
    store->SetSetAsideHandler(
        [&](const QString&, const QString& to, const QString&) { aside = to; });
    store->GetText(u"Options"_s, u"CardSpeed"_s, u"30"_s);
    EXPECT_EQ(aside, ini() + u".set-aside-2"_s);
}

TEST_F(SettingsFaultTest, ALinkToARegularFileIsFollowedAndKept) {
    store.reset();
    const QString target = dir.filePath(u"real.ini"_s);
    ASSERT_TRUE(writeContent(target, "[save]\na=1\n"));
    ASSERT_TRUE(QFile::link(target, ini()));
    SettingsStore linked(dir.path());
    int told = 0;
    linked.SetSetAsideHandler([&](const QString&, const QString&, const QString&) { ++told; });
    EXPECT_EQ(linked.GetText(u"Save"_s, u"A"_s, {}), u"1"_s);
    linked.SetText(u"Save"_s, u"B"_s, u"2"_s);
    EXPECT_EQ(told, 0);
    EXPECT_TRUE(QFileInfo(ini()).isSymLink());
    EXPECT_TRUE(contentOf(target).contains("b=2"));
}

// A kill while the new file was laid out leaves it beside the old one: the old one is read,
// and the next write replaces what was left.
TEST_F(SettingsFaultTest, AFileLeftHalfMadeByAKillIsNeitherReadNorKept) {
    store->SetText(u"Player1"_s, u"Total"_s, u"12"_s);
    store.reset();
    ASSERT_TRUE(writeContent(ini() + u".new"_s, "[player1]\ntotal=9"));
    SettingsStore again(dir.path());
    EXPECT_EQ(again.GetText(u"Player1"_s, u"Total"_s, {}), u"12"_s);
    again.SetText(u"Player1"_s, u"Won"_s, u"3"_s);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QFileInfo(ini()).fileName() });
    EXPECT_TRUE(contentOf(ini()).contains("total=12\nwon=3\n"));
}

// Another writer (a hand edit, a second store) changed the file since it was read: a write
// replaces only the keys changed here, and clearing everything clears theirs too.
TEST_F(SettingsFaultTest, AWriteKeepsWhatAnotherChangedUnlessEverythingIsCleared) {
    store->SetText(u"Save"_s, u"A"_s, u"1"_s);
    SettingsStore other(dir.path());
    other.SetText(u"Save"_s, u"B"_s, u"2"_s);
    other.Remove(u"Save"_s, u"A"_s);
    store->SetText(u"Save"_s, u"C"_s, u"3"_s);
    EXPECT_EQ(contentOf(ini()), "[save]\nb=2\nc=3\n");
    EXPECT_EQ(store->GetText(u"Save"_s, u"B"_s, {}), u"2"_s);
    // A key removed here stays removed, whatever the other wrote meanwhile.
    other.SetText(u"Save"_s, u"E"_s, u"5"_s);
    store->Remove(u"Save"_s, u"B"_s);
    EXPECT_EQ(contentOf(ini()), "[save]\nc=3\ne=5\n");
    other.SetText(u"Save"_s, u"D"_s, u"4"_s);
    store->DeleteAll(kApp);
    EXPECT_EQ(contentOf(ini()), "");
    EXPECT_TRUE(SettingsStore(dir.path()).IsEmpty(kApp));
}

TEST_F(SettingsFaultTest, ABatchReachesTheDiskWholeWhenItEnds) {
    store->SetText(u"Save"_s, u"A"_s, u"1"_s);
    const QByteArray before = contentOf(ini());
    {
        SettingsStore::Batch outer(*store);
        {
            SettingsStore::Batch inner(*store);
            store->SetText(u"Save"_s, u"B"_s, u"2"_s);
        }
        store->SetText(u"Save"_s, u"C"_s, u"3"_s);
        EXPECT_EQ(contentOf(ini()), before);
    }
    const QByteArray after = contentOf(ini());
    EXPECT_TRUE(after.contains("b=2") && after.contains("c=3"));
}

// The game's folders are made at start; where one cannot be, the start stops with a message
// that names it and says why: a file or a link to nothing in its place, or the system's own
// reason.
TEST(AppPathsTest, AFolderThatCannotBeMadeIsNamedWithItsReason) {
    QTemporaryDir dir;
    const AppPaths paths = AppPaths::Inside(dir.path());
    QString why;
    ASSERT_TRUE(paths.Create(&why));
    EXPECT_TRUE(paths.Create(&why)); // made before: no error
    EXPECT_TRUE(why.isEmpty());
    QDir(paths.dataFolder).removeRecursively();
    ASSERT_TRUE(writeContent(paths.dataFolder, {}));
    const AppPaths beneath = AppPaths::Inside(paths.dataFolder); // folders under the file
    const AppPaths linked = AppPaths::Inside(dir.filePath(u"linked"_s));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"linked"_s)));
    ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), linked.configFolder));
    const std::tuple<AppPaths, QString, QString> rows[] {
        { paths, paths.dataFolder, u"A file stands in its place."_s },
        { beneath, beneath.configFolder, u"Not a directory"_s }, // the system's
        { linked, linked.configFolder, u"A link to nothing stands in its place."_s },
    };
    for (const auto& [blocked, folder, reason] : rows) {
        EXPECT_FALSE(blocked.Create());
        why.clear();
        EXPECT_FALSE(blocked.Create(&why));
        EXPECT_EQ(why,
            u"Quadrell 2000 cannot start: the folder\r\n"_s + folder + u"\r\ncould not be made. "_s
                + reason + u"\r\nWithout it no game and no score could be kept."_s);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"nowhere"_s))); // the link's end not made
}

} // namespace
} // namespace quadrell::test
