#include "SettingsStore.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quadrell {

namespace {

QString keyPath(const QString& section, const QString& key) {
    return section.toLower() + QLatin1Char('/') + key.toLower();
}

QString backupOf(const QString& path) { return path + QStringLiteral(".bak"); }

// A whole INI file as QSettings writes it: every line a section, a key or empty, the last
// one ended. An empty or cut file fails, and so does one that holds fewer keys than it should.
bool wholeIni(const QByteArray& bytes, qsizetype keys) {
    if (bytes.isEmpty()) return keys == 0;
    if (!bytes.endsWith('\n')) return false;
    qsizetype found = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.isEmpty() || t.startsWith('[') || t.startsWith(';')) continue;
        if (!t.contains('=')) return false;
        ++found;
    }
    return keys < 0 || found == keys;
}

FileRead readIni(const QString& path) { return SafeFile::Read(path, SettingsStore::kCap); }

// Why the thing at `path` may not be handed to QSettings, or nothing when it may: a missing
// file, a regular file within the cap, or a link to one. A dangling link is refused too, as
// a write through it would create a file somewhere else.
QString refusal(const QString& path) {
    struct stat info { };
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &info) != 0) return QString();
    if (S_ISLNK(info.st_mode) && ::stat(name.constData(), &info) != 0)
        return QCoreApplication::translate("SettingsStore", "It is a link to nothing.");
    return SafeFile::CheckRegular(path, SettingsStore::kCap, false);
}

// A kill between keeping the copy and checking the new file leaves both; the copy comes
// back only when the file itself is not whole.
void recoverFromBackup(const QString& path) {
    const QString backup = backupOf(path);
    if (!QFile::exists(backup)) return;
    const FileRead current = readIni(path);
    if (current.ok && !current.bytes.isEmpty() && wholeIni(current.bytes, -1)) {
        QFile::remove(backup);
        return;
    }
    std::rename(QFile::encodeName(backup).constData(), QFile::encodeName(path).constData());
}

} // namespace

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) { }

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FileName(const QString& app) const {
    return QDir(folder_).filePath(app.toLower() + QStringLiteral(".ini"));
}

QString SettingsStore::usablePath(const QString& app) const {
    const QString path = FileName(app);
    if (unusable_[app.toLower()]) return QString();
    QString why = refusal(path);
    if (why.isEmpty()) {
        recoverFromBackup(path);
        why = refusal(path); // the copy that came back is checked like the file
    }
    if (why.isEmpty()) return path;
    QString aside = path + QStringLiteral(".set-aside");
    for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".set-aside-%1").arg(n);
    // The link or the pipe itself is moved, never what it points to.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData())
        != 0) {
        aside.clear();
        unusable_[app.toLower()] = true;
    }
    SetAside told { QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside), why };
    if (setAsideHandler_) {
        setAsideHandler_(told.path, told.aside, told.why);
    } else {
        untold_.push_back(std::move(told));
    }
    return aside.isEmpty() ? QString() : path;
}

void SettingsStore::SetSetAsideHandler(SetAsideHandler handler) {
    setAsideHandler_ = std::move(handler);
    for (const SetAside& told : std::exchange(untold_, {}))
        setAsideHandler_(told.path, told.aside, told.why);
}

QSettings& SettingsStore::settingsFor(const QString& app) const {
    auto& slot = files_[app.toLower()];
    if (!slot) {
        const QString path = usablePath(app);
        // With nowhere to keep them the settings live in memory: QSettings without a file.
        slot = path.isEmpty() ? std::make_unique<QSettings>(QString(), QSettings::IniFormat)
                              : std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return *slot;
}

void SettingsStore::changed(const QString& app) {
    dirty_[app.toLower()] = true;
    if (batchDepth_ == 0) syncAll(); // a crash right after a change must not lose it
}

void SettingsStore::syncAll() {
    bool ok = true;
    for (auto& [app, dirty] : dirty_) {
        if (!dirty) continue;
        dirty = false;
        ok = sync(app) && ok;
    }
    if (ok) {
        failing_ = false;
    } else if (!failing_) {
        failing_ = true;
        if (failureHandler_) failureHandler_(QDir::toNativeSeparators(FileName(kApp)));
    }
}

bool SettingsStore::Flush() {
    for (const auto& [app, changes] : unsaved_)
        if (!changes.empty()) dirty_[app] = true;
    if (batchDepth_ == 0) syncAll();
    return !failing_;
}

bool SettingsStore::sync(const QString& app) {
    // QSettings keeps the first error it met for good: only a fresh object tells of this write.
    if (settingsFor(app).status() != QSettings::NoError) renew(app);
    QSettings& settings = settingsFor(app);
    const QString path = settings.fileName();
    // Whatever was put in the file's place since it was opened is never written through.
    if (path.isEmpty() || !refusal(path).isEmpty()) {
        ++writes_;
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    const QByteArray backup = QFile::encodeName(backupOf(path));
    // The old file stays reachable under a second name while the new one is written.
    ::unlink(backup.constData());
    const bool kept = ::link(name.constData(), backup.constData()) == 0;
    settings.sync();
    ++writes_;
    const FileRead written = readIni(path);
    const bool whole = settings.status() == QSettings::NoError && written.ok
        && wholeIni(written.bytes, settings.allKeys().size());
    if (whole) {
        if (kept) ::unlink(backup.constData());
        unsaved_[app].clear();
        return true;
    }
    if (kept) std::rename(backup.constData(), name.constData());
    ::unlink(backup.constData()); // a rename onto the same file leaves both names
    // Qt keeps the parsed file across QSettings objects and reads it again only when its
    // time stamp changes: the restored file gets one of its own.
    struct stat info { };
    if (::stat(name.constData(), &info) == 0) {
        const timespec times[2]
            = { info.st_atim, { info.st_mtim.tv_sec - 1, info.st_mtim.tv_nsec } };
        ::utimensat(AT_FDCWD, name.constData(), times, 0);
    }
    renew(app);
    return false;
}

void SettingsStore::renew(const QString& app) {
    files_[app].reset();
    QSettings& fresh = settingsFor(app);
    for (const auto& [key, value] : unsaved_[app]) {
        if (value) {
            fresh.setValue(key, *value);
        } else {
            fresh.remove(key);
        }
    }
}

QString SettingsStore::GetSetting(
    const QString& app, const QString& section, const QString& key, const QString& fallback) const {
    const QVariant value = settingsFor(app).value(keyPath(section, key));
    return value.isValid() ? value.toString() : fallback;
}

void SettingsStore::SaveSetting(
    const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings& settings = settingsFor(app);
    settings.setValue(keyPath(section, key), value);
    unsaved_[app.toLower()][keyPath(section, key)] = value;
    changed(app);
}

void SettingsStore::Remove(const QString& section, const QString& key) {
    QSettings& settings = settingsFor(kApp);
    settings.remove(keyPath(section, key));
    unsaved_[kApp.toLower()][keyPath(section, key)] = std::nullopt;
    changed(kApp);
}

void SettingsStore::DeleteAll(const QString& app) {
    QSettings& settings = settingsFor(app);
    const QStringList keys = settings.allKeys();
    settings.clear();
    auto& unsaved = unsaved_[app.toLower()];
    unsaved.clear();
    for (const QString& key : keys)
        unsaved[key] = std::nullopt;
    changed(app);
}

bool SettingsStore::IsEmpty(const QString& app) const {
    return settingsFor(app).allKeys().isEmpty();
}

std::optional<qint32> SettingsStore::ToInt32(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min()
        || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

std::optional<bool> SettingsStore::ToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok) return std::nullopt;
    return number != 0.0;
}

qint16 SettingsStore::GetInt16(const QString& section, const QString& key, qint16 fallback) const {
    const auto value = ToInt32(GetText(section, key, QString::number(fallback)));
    if (!value || *value < std::numeric_limits<qint16>::min()
        || *value > std::numeric_limits<qint16>::max())
        return fallback;
    return static_cast<qint16>(*value);
}

qint32 SettingsStore::GetInt32(const QString& section, const QString& key, qint32 fallback) const {
    return ToInt32(GetText(section, key, QString::number(fallback))).value_or(fallback);
}

bool SettingsStore::GetBool(const QString& section, const QString& key, bool fallback) const {
    return ToBool(GetText(section, key, FromBool(fallback))).value_or(fallback);
}

float SettingsStore::GetSingle(const QString& section, const QString& key, float fallback) const {
    bool ok = false;
    const float value = GetText(section, key, QString::number(fallback)).trimmed().toFloat(&ok);
    return ok && qIsFinite(value) ? value : fallback;
}

QString SettingsStore::GetText(
    const QString& section, const QString& key, const QString& fallback) const {
    return GetSetting(kApp, section, key, fallback);
}

void SettingsStore::SetInt(const QString& section, const QString& key, qint32 value) {
    SetText(section, key, QString::number(value));
}

void SettingsStore::SetBool(const QString& section, const QString& key, bool value) {
    SetText(section, key, FromBool(value));
}

void SettingsStore::SetSingle(const QString& section, const QString& key, float value) {
    SetText(section, key, QString::number(value));
}

void SettingsStore::SetText(const QString& section, const QString& key, const QString& value) {
    SaveSetting(kApp, section, key, value);
}

} // namespace quadrell
