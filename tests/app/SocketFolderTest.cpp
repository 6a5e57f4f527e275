#include "SocketFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

// Only a folder nobody else can enter holds the socket: another user who could enter it
// could take the name first or read which files are handed over.
TEST(SocketFolder, OnlyAFolderOfTheUsersOwnThatNoOneElseMayEnterIsPrivate) {
    QTemporaryDir dir;
    const auto made = [&](const char* name, mode_t mode) {
        const QString path = dir.filePath(QLatin1String(name));
        QDir().mkpath(path);
        ::chmod(QFile::encodeName(path).constData(), mode);
        return path;
    };
    const QString own = made("own", 0700);
    EXPECT_TRUE(SocketFolder::Private(own));
    EXPECT_FALSE(SocketFolder::Private(made("group", 0750)));
    EXPECT_FALSE(SocketFolder::Private(made("everyone", 0777)));
    EXPECT_FALSE(SocketFolder::Private(made("sticky", 01777)));
    QFile::link(own, dir.filePath(u"link"_s));
    EXPECT_FALSE(SocketFolder::Private(dir.filePath(u"link"_s)));
    QFile file(dir.filePath(u"file"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ::chmod(QFile::encodeName(file.fileName()).constData(), 0700);
    EXPECT_FALSE(SocketFolder::Private(file.fileName()));
    EXPECT_FALSE(SocketFolder::Private(dir.filePath(u"missing"_s)));
    EXPECT_FALSE(SocketFolder::Private(QString()));
}

TEST(SocketFolder, ARuntimeFolderOthersMayEnterIsPassedOverForOneOfTheUsersOwn) {
    QTemporaryDir dir;
    const QString runtime = dir.filePath(u"run"_s);
    QDir().mkpath(runtime);
    ::chmod(QFile::encodeName(runtime).constData(), 0777);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(u"cache"_s)));
    // An older copy's folder with wider rights is narrowed, not refused.
    QDir().mkpath(dir.filePath(u"cache/quadrell2000"_s));
    ::chmod(QFile::encodeName(dir.filePath(u"cache/quadrell2000"_s)).constData(), 0755);
    EXPECT_EQ(SocketFolder::Find(), dir.filePath(u"cache/quadrell2000"_s));
    // A cache folder not there yet: it is made, with the socket's folder in it.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(u"fresh/cache"_s)));
    EXPECT_EQ(SocketFolder::Find(), dir.filePath(u"fresh/cache/quadrell2000"_s));
    // A link in its place is refused, and the folder it points to keeps its rights.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(u"linked"_s)));
    QDir().mkpath(dir.filePath(u"linked"_s));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QFile::link(dir.path(), dir.filePath(u"linked/quadrell2000"_s));
    EXPECT_EQ(SocketFolder::Find(), QString());
    struct stat info { };
    ASSERT_EQ(::stat(QFile::encodeName(dir.path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755U);
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    EXPECT_EQ(SocketFolder::Find(), runtime);
}

} // namespace
} // namespace quadrell::test
