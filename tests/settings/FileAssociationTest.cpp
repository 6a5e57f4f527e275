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
    for (const char* icon :
        { "apps/quadrell2000.svg", "mimetypes/application-x-quadrell2000-finished.svg",
            "mimetypes/application-x-quadrell2000-incomplete.svg" })
        EXPECT_TRUE(
            readAll(home.filePath(QStringLiteral("icons/hicolor/scalable/") + QLatin1String(icon)))
                .startsWith("<svg"))
            << icon;
}

TEST(FileAssociation, APathWithSpacesIsQuoted) {
    EXPECT_TRUE(FileAssociation::DesktopEntry(QStringLiteral("/home/a b/quadrell2000"))
                    .contains("Exec=\"/home/a b/quadrell2000\" %f"));
}

TEST(FileAssociation, AFolderThatCannotBeWrittenIsIgnored) {
    FileAssociation::RegisterFileTypes(QStringLiteral("/x"), QStringLiteral("/proc/no-such-place"));
    SUCCEED(); // nothing thrown, nothing crashed
}

} // namespace
} // namespace quadrell::test
