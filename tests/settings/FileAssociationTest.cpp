#include "FileAssociation.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FileAssociation, BothGameFileKindsOpenWithThisProgram) {
    QTemporaryDir home;
    FileAssociation::RegisterFileTypes(QStringLiteral("/opt/q/quadrell2000"), home.path());
    const QByteArray entry
        = readAll(home.filePath(QStringLiteral("applications/quadrell2000.desktop")));
    EXPECT_TRUE(entry.contains("Exec=/opt/q/quadrell2000 %f\n"));
    EXPECT_TRUE(entry.contains(
        "MimeType=application/x-quadrell2000-finished;application/x-quadrell2000-incomplete;"));
    const QByteArray mime
        = readAll(home.filePath(QStringLiteral("mime/packages/quadrell2000.xml")));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.q2k\""));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.qrl\""));
    EXPECT_TRUE(mime.contains("Quadrell 2000 Finished Game"));
    EXPECT_TRUE(mime.contains("Quadrell 2000 Incomplete Game"));
    EXPECT_EQ(mime.count("<sub-class-of type=\"text/plain\"/>"), 2); // both are text
    for (const char* icon :
        { "apps/quadrell2000.svg", "mimetypes/application-x-quadrell2000-finished.svg",
            "mimetypes/application-x-quadrell2000-incomplete.svg" })
        EXPECT_TRUE(
            readAll(home.filePath(QStringLiteral("icons/hicolor/scalable/") + QLatin1String(icon)))
                .startsWith("<svg"))
            << icon;
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

TEST(FileAssociation, AnEntryForAProgramElsewhereIsWrittenAgain) {
    QTemporaryDir home;
    const QString entry = home.filePath(QStringLiteral("applications/quadrell2000.desktop"));
    FileAssociation::RefreshIfMoved(QStringLiteral("/new/quadrell2000"), home.path());
    EXPECT_FALSE(QFile::exists(entry)); // none of ours: nothing written
    FileAssociation::RegisterFileTypes(QStringLiteral("/gone/quadrell2000"), home.path());
    FileAssociation::RefreshIfMoved(QStringLiteral("/new/quadrell2000"), home.path());
    EXPECT_TRUE(readAll(entry).contains("Exec=/new/quadrell2000 %f\n"));
}

TEST(FileAssociation, AFolderThatCannotBeWrittenIsIgnored) {
    FileAssociation::RegisterFileTypes(QStringLiteral("/x"), QStringLiteral("/proc/no-such-place"));
    SUCCEED(); // nothing thrown, nothing crashed
}

} // namespace
} // namespace quadrell::test
