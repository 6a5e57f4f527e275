#include "FileAssociation.h"

#include "Resources.h"
#include "SafeFile.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

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

// The Exec value for a path, by the desktop-entry rules: a path holding reserved characters
// goes in double quotes with backslash, quote, backtick and dollar escaped; then, as every
// string value, backslashes are doubled and line ends written as escapes; a percent sign
// is doubled so it is not read as a field code.
QString execPath(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
    QString arg = path;
    if (std::any_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); })) {
        arg.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""))
            .replace(QLatin1Char('`'), QLatin1String("\\`"))
            .replace(QLatin1Char('$'), QLatin1String("\\$"));
        arg = QLatin1Char('"') + arg + QLatin1Char('"');
    }
    arg.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return arg.replace(QLatin1Char('%'), QLatin1String("%%"));
}

QString entryPath(const QString& dataHome) {
    return QDir(dataHome).filePath(QStringLiteral("applications/quadrell2000.desktop"));
}

} // namespace

QByteArray FileAssociation::DesktopEntry(const QString& programPath) {
    QByteArray entry = ResourceBytes(QStringLiteral("quadrell2000.desktop.in"));
    entry.replace("@EXEC@", execPath(programPath).toUtf8());
    return entry;
}

void FileAssociation::RefreshIfMoved(const QString& programPath, const QString& dataHome) {
    const FileRead entry = SafeFile::Read(entryPath(dataHome), 1 << 16);
    // An entry of ours naming another place (the program was moved, or rebuilt elsewhere)
    // would start nothing, or an old copy: it is written again for this program.
    if (entry.ok && entry.bytes != DesktopEntry(programPath))
        RegisterFileTypes(programPath, dataHome);
}

void FileAssociation::RegisterFileTypes(const QString& programPath, const QString& dataHome) {
    const QDir home(dataHome);
    writeFile(entryPath(dataHome), DesktopEntry(programPath));
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
