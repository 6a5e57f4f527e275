#include "FileAssociation.h"

#include "Resources.h"
#include "SafeFile.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace quadrell {

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    SafeFile::Write(path, bytes); // the association is a convenience: failures stay silent
}

void runIfPresent(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.start(program, { folder });
    process.waitForFinished(5000);
}

// Desktop entries quote an Exec path holding spaces or reserved characters.
QString execPath(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    for (QChar c : path) {
        if (reserved.contains(c)) {
            QString quoted = path;
            quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
                .replace(QLatin1Char('"'), QLatin1String("\\\""));
            quoted.replace(QLatin1Char('`'), QLatin1String("\\`"))
                .replace(QLatin1Char('$'), QLatin1String("\\$"));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return path;
}

} // namespace

QByteArray FileAssociation::DesktopEntry(const QString& programPath) {
    QByteArray entry = ResourceBytes(QStringLiteral("quadrell2000.desktop.in"));
    entry.replace("@EXEC@", execPath(programPath).toUtf8());
    return entry;
}

void FileAssociation::RegisterFileTypes(const QString& programPath, const QString& dataHome) {
    const QDir home(dataHome);
    writeFile(home.filePath(QStringLiteral("applications/quadrell2000.desktop")),
        DesktopEntry(programPath));
    writeFile(home.filePath(QStringLiteral("mime/packages/quadrell2000.xml")),
        ResourceBytes(QStringLiteral("quadrell2000-mime.xml")));
    const QString icons = QStringLiteral("icons/hicolor/scalable/");
    writeFile(home.filePath(icons + QStringLiteral("apps/quadrell2000.svg")),
        ResourceBytes(QStringLiteral("icons/quadrell2000.svg")));
    for (const char* kind : { "finished", "incomplete" }) {
        const QString name
            = QStringLiteral("application-x-quadrell2000-%1.svg").arg(QLatin1String(kind));
        writeFile(home.filePath(icons + QStringLiteral("mimetypes/") + name),
            ResourceBytes(QStringLiteral("icons/") + name));
    }
    runIfPresent(QStringLiteral("update-mime-database"), home.filePath(QStringLiteral("mime")));
    runIfPresent(
        QStringLiteral("update-desktop-database"), home.filePath(QStringLiteral("applications")));
}

} // namespace quadrell
