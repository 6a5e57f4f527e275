#include "FileAssociation.h"

#include "Resources.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <utility>
#include <vector>

namespace quadrell {

namespace {

const QString kInstalledEntry = QStringLiteral("applications/quadrell2000.desktop");
const QString kMimePackage = QStringLiteral("mime/packages/quadrell2000.xml");
// What update-mime-database and update-desktop-database leave once they have seen ours.
const QString kMimeBuilt = QStringLiteral("mime/application/x-quadrell2000-incomplete.xml");
const QString kDesktopCache = QStringLiteral("applications/mimeinfo.cache");

QString userEntry() {
    return QStringLiteral("applications/") + QLatin1String(FileAssociation::kUserEntry);
}

QByteArray contentOf(const QString& path) { return SafeFile::Read(path, 1 << 20).bytes; }

// The files of a per-user registration, each with what it must hold.
std::vector<std::pair<QString, QByteArray>> userFiles(const QString& programPath) {
    std::vector<std::pair<QString, QByteArray>> files {
        { userEntry(), FileAssociation::DesktopEntry(programPath) },
        { kMimePackage, ResourceBytes(QStringLiteral("quadrell2000-mime.xml")) },
        { QStringLiteral("icons/hicolor/scalable/apps/quadrell2000.svg"),
            ResourceBytes(QStringLiteral("icons/quadrell2000.svg")) },
    };
    for (const char* kind : { "finished", "incomplete" }) {
        const QString name
            = QStringLiteral("application-x-quadrell2000-%1.svg").arg(QLatin1String(kind));
        files.emplace_back(QStringLiteral("icons/hicolor/scalable/mimetypes/") + name,
            ResourceBytes(QStringLiteral("icons/") + name));
    }
    return files;
}

void runIfPresent(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.start(program, { folder });
    process.waitForFinished(5000);
}

void updateMime(const QDir& home) {
    runIfPresent(QStringLiteral("update-mime-database"), home.filePath(QStringLiteral("mime")));
}

void updateDesktop(const QDir& home) {
    runIfPresent(
        QStringLiteral("update-desktop-database"), home.filePath(QStringLiteral("applications")));
}

// An entry made from our template, for whatever program path: one we wrote.
bool ourEntry(const QByteArray& bytes) {
    const QByteArray tmpl = ResourceBytes(QStringLiteral("quadrell2000.desktop.in"));
    const qsizetype at = tmpl.indexOf("@EXEC@");
    return at > 0 && bytes.startsWith(tmpl.left(at)) && bytes.endsWith(tmpl.mid(at + 6));
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

// The entry older versions wrote under the installed name, which hides the installed one
// and outlives a purge; removed when it is ours.
bool removeOldEntry(const QDir& home) {
    const QString old = home.filePath(kInstalledEntry);
    return QFile::exists(old) && ourEntry(contentOf(old)) && QFile::remove(old);
}

// Installed: the per-user copies go, and the entry older versions wrote under the
// installed name, which hides the installed one and outlives a purge.
void removeUserRegistration(const QDir& home, const QString& programPath) {
    bool mime = false;
    bool desktop = false;
    for (const auto& [name, bytes] : userFiles(programPath)) {
        const QString path = home.filePath(name);
        const bool entry = name == userEntry();
        if (!QFile::exists(path) || (!entry && contentOf(path) != bytes)) continue;
        QFile::remove(path);
        (entry ? desktop : mime) = true;
    }
    desktop = removeOldEntry(home) || desktop;
    if (mime) updateMime(home);
    if (desktop) updateDesktop(home);
}

void repairUserRegistration(const QDir& home, const QString& programPath) {
    bool mime = !QFile::exists(home.filePath(kMimeBuilt));
    bool desktop = !contentOf(home.filePath(kDesktopCache)).contains(FileAssociation::kUserEntry);
    for (const auto& [name, bytes] : userFiles(programPath)) {
        const QString path = home.filePath(name);
        if (contentOf(path) == bytes) continue;
        QDir().mkpath(QFileInfo(path).absolutePath());
        SafeFile::Write(path, bytes);
        (name == userEntry() ? desktop : mime) = true;
    }
    desktop = removeOldEntry(home) || desktop;
    if (mime) updateMime(home);
    if (desktop) updateDesktop(home);
}

} // namespace

QByteArray FileAssociation::DesktopEntry(const QString& programPath) {
    QByteArray entry = ResourceBytes(QStringLiteral("quadrell2000.desktop.in"));
    entry.replace("@EXEC@", execPath(programPath).toUtf8());
    return entry;
}

bool FileAssociation::Installed(const QStringList& systemFolders) {
    return std::any_of(systemFolders.begin(), systemFolders.end(), [](const QString& folder) {
        return QFile::exists(QDir(folder).filePath(kInstalledEntry));
    });
}

QString FileAssociation::EntryName(const QStringList& systemFolders) {
    const QString file
        = Installed(systemFolders) ? QFileInfo(kInstalledEntry).fileName() : QString(kUserEntry);
    return file.chopped(int(qstrlen(".desktop")));
}

void FileAssociation::Check(
    const QString& programPath, const QString& dataHome, const QStringList& systemFolders) {
    if (dataHome.isEmpty()) return;
    const QDir home(dataHome);
    if (Installed(systemFolders)) {
        removeUserRegistration(home, programPath);
    } else {
        repairUserRegistration(home, programPath);
    }
}

} // namespace quadrell
