#include "SafeFile.h"

#include "DataLock.h"
#include "FaultInjection.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class SafeFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SafeFileTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    const QString file = path(QStringLiteral("old.qrl"));
    ASSERT_TRUE(writeContent(file, " 1000 \r\n"));
    QString error;
    {
        FileSizeLimit full(4096);
        EXPECT_FALSE(SafeFile::Write(file, QByteArray(64 * 1024, 'x'), &error));
        // Small enough for the write buffer: fails only at the final flush.
        EXPECT_FALSE(SafeFile::Write(file, QByteArray(8 * 1024, 'y'), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contentOf(file), " 1000 \r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("old.qrl") });
    EXPECT_TRUE(SafeFile::Write(file, "new", &error));
    EXPECT_EQ(contentOf(file), "new");
}

TEST_F(SafeFileTest, OnlyRegularFilesAreReadAndNothingWaits) {
    const QString fifo = path(QStringLiteral("pipe.qrl"));
    ASSERT_TRUE(makeFifo(fifo));
    ASSERT_TRUE(writeContent(path(QStringLiteral("big")), QByteArray(200, 'b')));
    struct Row {
        QString path;
        bool missing;
    };
    for (const Row& r : { Row { fifo, false }, Row { QStringLiteral("/dev/zero"), false },
             Row { dir.path(), false }, Row { path(QStringLiteral("big")), false },
             Row { path(QStringLiteral("none")), true } }) {
        const FileRead read = SafeFile::Read(r.path, 100);
        EXPECT_FALSE(read.ok) << r.path.toStdString();
        EXPECT_EQ(read.missing, r.missing) << r.path.toStdString();
        EXPECT_FALSE(read.error.isEmpty()) << r.path.toStdString();
        EXPECT_FALSE(SafeFile::CheckRegular(r.path, 100, false).isEmpty());
    }
    EXPECT_TRUE(SafeFile::CheckRegular(path(QStringLiteral("none")), 100, true).isEmpty());
    EXPECT_TRUE(SafeFile::Read(path(QStringLiteral("big")), 200).ok);
}

TEST_F(SafeFileTest, DeletingAFolderNeverReachesOutsideItsRoot) {
    const QString root = path(QStringLiteral("favorites"));
    const QString outside = path(QStringLiteral("elsewhere"));
    QDir().mkpath(root + QStringLiteral("/Easy Games/inner"));
    QDir().mkpath(outside);
    ASSERT_TRUE(writeContent(outside + QStringLiteral("/precious.q2k"), "1"));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/linked")));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/Easy Games/inner/linked")));

    EXPECT_TRUE(SafeFile::RemoveTree(root + QStringLiteral("/linked"), root));
    EXPECT_FALSE(QFileInfo(root + QStringLiteral("/linked")).isSymLink());
    EXPECT_TRUE(SafeFile::RemoveTree(root + QStringLiteral("/Easy Games"), root));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/Easy Games")));
    EXPECT_FALSE(SafeFile::RemoveTree(outside, root));
    EXPECT_FALSE(SafeFile::RemoveTree(root + QStringLiteral("/../elsewhere"), root));
    EXPECT_EQ(contentOf(outside + QStringLiteral("/precious.q2k")), "1");
}

TEST_F(SafeFileTest, AFolderIsHeldOnlyByARunningProgram) {
    DataLock first(dir.path());
    ASSERT_TRUE(first.TryLock());
    DataLock second(dir.path());
    EXPECT_FALSE(second.TryLock()); // this very process holds it, and it runs
    EXPECT_TRUE(second.InUseText().contains(dir.path()));
}

TEST_F(SafeFileTest, ALockLeftByAKilledProgramIsTakenOverEvenOnAFullDisk) {
    // The lock file of a process that is gone: its number is far above any in use.
    ASSERT_TRUE(
        writeContent(path(QStringLiteral("quadrell.lock")), "2147483000\nquadrell2000\nhost\n"));
    FileSizeLimit full(0);
    DataLock lock(dir.path());
    EXPECT_TRUE(lock.TryLock());
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
        EXPECT_TRUE(file.endsWith(QStringLiteral(".ini")));
    });
    store->SetText(QStringLiteral("Save"), QStringLiteral("A"), QStringLiteral("1"));
    const QByteArray good = contentOf(ini());
    ASSERT_FALSE(good.isEmpty());
    {
        FileSizeLimit full(static_cast<rlim_t>(good.size()));
        store->SetText(QStringLiteral("Save"), QStringLiteral("B"), QStringLiteral("2"));
        store->SetText(QStringLiteral("Save"), QStringLiteral("C"), QStringLiteral("3"));
    }
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(store->WriteFailing());
    EXPECT_EQ(contentOf(ini()), good);
    EXPECT_FALSE(QFile::exists(ini() + QStringLiteral(".bak")));
    // What could not be written waits in memory and goes with the next write that succeeds.
    EXPECT_EQ(store->GetText(QStringLiteral("Save"), QStringLiteral("B"), {}), QStringLiteral("2"));
    store->SetText(QStringLiteral("Save"), QStringLiteral("D"), QStringLiteral("4"));
    EXPECT_FALSE(store->WriteFailing());
    EXPECT_TRUE(contentOf(ini()).contains("b=2\nc=3\nd=4"));
    {
        FileSizeLimit full(8);
        store->SetText(QStringLiteral("Save"), QStringLiteral("E"), QStringLiteral("5"));
    }
    EXPECT_EQ(reports, 2); // a later success cleared the state
    store.reset();
    SettingsStore again(dir.path());
    EXPECT_EQ(again.GetText(QStringLiteral("Save"), QStringLiteral("A"), {}), QStringLiteral("1"));
    EXPECT_EQ(again.GetText(QStringLiteral("Save"), QStringLiteral("D"), {}), QStringLiteral("4"));
}

TEST_F(SettingsFaultTest, AFileLeftEmptyOrCutComesBackFromItsCopy) {
    store->SetText(QStringLiteral("Player1"), QStringLiteral("Name"), QStringLiteral("Guest"));
    store->SetText(QStringLiteral("Player1"), QStringLiteral("Total"), QStringLiteral("12"));
    store.reset();
    const QByteArray good = contentOf(ini());
    // A kill between keeping the copy and checking the new file, which came out empty.
    for (const QByteArray& broken : { QByteArray(), good.left(good.size() - 3) }) {
        ASSERT_TRUE(writeContent(ini() + QStringLiteral(".bak"), good));
        ASSERT_TRUE(writeContent(ini(), broken));
        SettingsStore again(dir.path());
        EXPECT_EQ(again.GetText(QStringLiteral("Player1"), QStringLiteral("Total"), {}),
            QStringLiteral("12"));
        EXPECT_FALSE(again.IsEmpty(kApp));
    }
    // A whole file stays; the copy goes.
    ASSERT_TRUE(writeContent(ini() + QStringLiteral(".bak"), "[save]\nold=1\n"));
    SettingsStore whole(dir.path());
    EXPECT_EQ(whole.GetText(QStringLiteral("Save"), QStringLiteral("Old"), QStringLiteral("-")),
        QStringLiteral("-"));
    EXPECT_FALSE(QFile::exists(ini() + QStringLiteral(".bak")));
}

TEST_F(SettingsFaultTest, ABatchReachesTheDiskWholeWhenItEnds) {
    store->SetText(QStringLiteral("Save"), QStringLiteral("A"), QStringLiteral("1"));
    const QByteArray before = contentOf(ini());
    {
        SettingsStore::Batch outer(*store);
        {
            SettingsStore::Batch inner(*store);
            store->SetText(QStringLiteral("Save"), QStringLiteral("B"), QStringLiteral("2"));
        }
        store->SetText(QStringLiteral("Save"), QStringLiteral("C"), QStringLiteral("3"));
        EXPECT_EQ(contentOf(ini()), before);
    }
    const QByteArray after = contentOf(ini());
    EXPECT_TRUE(after.contains("b=2") && after.contains("c=3"));
}

} // namespace
} // namespace quadrell::test
