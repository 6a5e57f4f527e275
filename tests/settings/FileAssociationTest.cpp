#include "FileAssociation.h"

#include "FaultInjection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class FileAssociationTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString home = dir.filePath(u"home"_s);
    const QString system = dir.filePath(u"usr/share"_s);
    QString inHome(const char* name) const { return home + QLatin1Char('/') + QLatin1String(name); }
    void check(const char* program) {
        FileAssociation::Check(QLatin1String(program), home, { system });
    }
    void install() {
        QDir().mkpath(system + u"/applications"_s);
        ASSERT_TRUE(writeContent(system + u"/applications/quadrell2000.desktop"_s,
            FileAssociation::DesktopEntry(u"/usr/games/quadrell2000"_s)));
    }
    const char* entry = "applications/quadrell2000-local.desktop";
};

TEST_F(FileAssociationTest, ARunFromItsFolderRegistersBothGameFileKindsForThisUser) {
    check("/opt/q/quadrell2000");
    const QByteArray desktop = contentOf(inHome(entry));
    EXPECT_TRUE(desktop.contains("Exec=/opt/q/quadrell2000 %f\n"));
    EXPECT_TRUE(desktop.contains(
        "MimeType=application/x-quadrell2000-finished;application/x-quadrell2000-incomplete;"));
    const QByteArray mime = contentOf(inHome("mime/packages/quadrell2000.xml"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.q2k\""));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.qrl\""));
    EXPECT_TRUE(mime.contains("Quadrell 2000 Finished Game"));
    EXPECT_TRUE(mime.contains("Quadrell 2000 Incomplete Game"));
    EXPECT_EQ(mime.count("<sub-class-of type=\"text/plain\"/>"), 2); // both are text
    for (const char* icon :
        { "apps/quadrell2000.svg", "mimetypes/application-x-quadrell2000-finished.svg",
            "mimetypes/application-x-quadrell2000-incomplete.svg" })
        EXPECT_TRUE(contentOf(home + u"/icons/hicolor/scalable/"_s + QLatin1String(icon))
                        .startsWith("<svg"))
            << icon;
    // Never under the installed entry's name, which it would hide.
    EXPECT_FALSE(QFile::exists(inHome("applications/quadrell2000.desktop")));
}

TEST_F(FileAssociationTest, EveryStartRepairsWhatIsMissingOrNamesAnotherPlace) {
    check("/gone/quadrell2000");
    QFile::remove(inHome("mime/packages/quadrell2000.xml"));
    check("/new/quadrell2000");
    EXPECT_TRUE(contentOf(inHome(entry)).contains("Exec=/new/quadrell2000 %f\n"));
    EXPECT_TRUE(QFile::exists(inHome("mime/packages/quadrell2000.xml")));
}

TEST_F(FileAssociationTest, AnInstalledCopyLeavesNothingOfOursInTheHome) {
    check("/opt/q/quadrell2000");
    // The entry an older version wrote under the installed name.
    ASSERT_TRUE(writeContent(inHome("applications/quadrell2000.desktop"),
        FileAssociation::DesktopEntry(u"/usr/games/quadrell2000"_s)));
    install();
    check("/usr/games/quadrell2000");
    for (const char* name : { entry, "applications/quadrell2000.desktop",
             "mime/packages/quadrell2000.xml", "icons/hicolor/scalable/apps/quadrell2000.svg" })
        EXPECT_FALSE(QFile::exists(inHome(name))) << name;
    EXPECT_TRUE(FileAssociation::Installed({ system }));
}

// The window announces the entry in use: the installed one, or this user's from the folder.
TEST_F(FileAssociationTest, TheWindowIsNamedAfterTheEntryInUse) {
    EXPECT_EQ(FileAssociation::EntryName({ system }), u"quadrell2000-local"_s);
    install();
    EXPECT_EQ(FileAssociation::EntryName({ system }), u"quadrell2000"_s);
}

// The desktop's lists of the file types and of which program opens which file are rebuilt
// whenever an entry of ours comes or goes, so a file manager never offers one that is gone.
TEST_F(FileAssociationTest, TheDesktopsListsFollowOurEntries) {
    for (const char* tool : { "update-desktop-database", "update-mime-database" })
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    const QString cache = inHome("applications/mimeinfo.cache");
    const QString types = inHome("mime/application/x-quadrell2000-finished.xml");
    check("/opt/q/quadrell2000");
    EXPECT_TRUE(contentOf(cache).contains("quadrell2000-local.desktop"));
    EXPECT_TRUE(QFile::exists(types));
    // An older version's entry under the installed name, listed too.
    ASSERT_TRUE(writeContent(inHome("applications/quadrell2000.desktop"),
        FileAssociation::DesktopEntry(u"/opt/q/quadrell2000"_s)));
    ASSERT_EQ(QProcess::execute(u"update-desktop-database"_s, { inHome("applications") }), 0);
    ASSERT_TRUE(contentOf(cache).contains(";quadrell2000.desktop;"));
    check("/opt/q/quadrell2000"); // our own entry as it was: only the old one goes
    EXPECT_FALSE(QFile::exists(inHome("applications/quadrell2000.desktop")));
    EXPECT_FALSE(contentOf(cache).contains(";quadrell2000.desktop;"));
    EXPECT_TRUE(contentOf(cache).contains("quadrell2000-local.desktop"));
    install(); // the installed copy's lists are the system's
    check("/usr/games/quadrell2000");
    EXPECT_FALSE(contentOf(cache).contains("quadrell2000"));
    EXPECT_FALSE(QFile::exists(types));
}

// Installed, the per-user copies go, but a file under one of their names that the player
// made or changed stays: the old entry's name and the file types' own.
TEST_F(FileAssociationTest, AFileOfTheSameNameThatIsNotOursStays) {
    const QByteArray ours = FileAssociation::DesktopEntry(u"/usr/games/quadrell2000"_s);
    install();
    for (const QByteArray& mine :
        { QByteArray("made by the player\n"), ours + "X-Mine=true\n", "# mine\n" + ours }) {
        for (const char* name :
            { "applications/quadrell2000.desktop", "mime/packages/quadrell2000.xml" }) {
            QDir().mkpath(QFileInfo(inHome(name)).absolutePath());
            ASSERT_TRUE(writeContent(inHome(name), mine));
        }
        check("/usr/games/quadrell2000");
        EXPECT_EQ(contentOf(inHome("applications/quadrell2000.desktop")), mine);
        EXPECT_EQ(contentOf(inHome("mime/packages/quadrell2000.xml")), mine);
    }
}

// The file types an older version registered are built again once its package is replaced.
TEST_F(FileAssociationTest, AnOlderVersionsFileTypesAreBuiltAgain) {
    if (QStandardPaths::findExecutable(u"update-mime-database"_s).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    check("/opt/q/quadrell2000");
    ASSERT_TRUE(writeContent(inHome("mime/packages/quadrell2000.xml"),
        "<?xml version=\"1.0\"?>\n<mime-info "
        "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "<mime-type type=\"application/x-quadrell2000-incomplete\"><glob pattern=\"*.qrl\"/>"
        "</mime-type>\n</mime-info>\n"));
    ASSERT_EQ(QProcess::execute(u"update-mime-database"_s, { inHome("mime") }), 0);
    const QString finished = inHome("mime/application/x-quadrell2000-finished.xml");
    ASSERT_FALSE(QFile::exists(finished));
    check("/opt/q/quadrell2000");
    EXPECT_TRUE(QFile::exists(finished));
}

TEST(FileAssociation, ExecIsQuotedAndEscapedByTheDesktopEntryRules) {
    const std::pair<const char*, const char*> rows[] {
        { "/home/a b/quadrell2000", "Exec=\"/home/a b/quadrell2000\" %f\n" },
        { "/opt/100%/quadrell2000", "Exec=/opt/100%%/quadrell2000 %f\n" },
        { "/opt/back\\slash/q", "Exec=\"/opt/back\\\\\\\\slash/q\" %f\n" },
        { "/opt/dollar$/q", "Exec=\"/opt/dollar\\\\$/q\" %f\n" },
        { "/opt/line\nend/q", "Exec=\"/opt/line\\nend/q\" %f\n" },
    };
    for (const auto& [path, line] : rows)
        EXPECT_TRUE(FileAssociation::DesktopEntry(QString::fromUtf8(path)).contains(line))
            << FileAssociation::DesktopEntry(QString::fromUtf8(path)).toStdString();
}

} // namespace
} // namespace quadrell::test
