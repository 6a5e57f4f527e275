#include "SettingsStore.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
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

// A whole INI file as QSettings writes it: its last line ended, and as many keys as were
// written. A file cut short loses its end, a key with it, or both; QSettings escapes an "="
// in a section's or a key's name, so only a key's line holds one.
bool wholeIni(const QByteArray& bytes, qsizetype keys) {
    if (bytes.isEmpty()) return keys == 0;
    return bytes.endsWith('\n')
        && std::ranges::count_if(
               bytes.split('\n'), [](const QByteArray& line) { return line.contains('='); })
        == keys;
}

// Why the thing at `path` may not be read or replaced, or nothing when it may.
QString refusal(const QString& path) {
    return SafeFile::CheckReplaceable(path, SettingsStore::kCap);
}

// Qt keeps a parsed file across QSettings objects and reads it again only when its size or
// its time stamp (in milliseconds) changed: every new file is stamped later than the last.
void stampAfter(const QByteArray& staged, const QByteArray& previous) {
    struct stat old {
    }, now {};
    if (::stat(previous.constData(), &old) != 0 || ::stat(staged.constData(), &now) != 0) return;
    const auto ms = [](const timespec& t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; };
    if (ms(now.st_mtim) > ms(old.st_mtim)) return;
    const qint64 later = ms(old.st_mtim) + 1;
    const timespec times[2] = { now.st_atim, { later / 1000, (later % 1000) * 1000000 } };
    ::utimensat(AT_FDCWD, staged.constData(), times, 0);
}

// Laid out by QSettings beside `target`, read back, then renamed over it: the file
// at `target` is the old one or the new one, never a third.
bool writeWhole(const QString& target, const SettingsStore::Values& values) {
    const QString staging = target + QStringLiteral(".new");
    const QByteArray staged = QFile::encodeName(staging);
    ::unlink(staged.constData());
    bool laid = false;
    {
        QSettings out(staging, QSettings::IniFormat);
        out.clear(); // Qt may still hold the keys of an earlier file by this name
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        laid = out.status() == QSettings::NoError;
    }
    if (laid && values.isEmpty()) laid = QFile(staging).open(QIODevice::WriteOnly);
    const FileRead back = SafeFile::Read(staging, SettingsStore::kCap);
    // Qt's save has flushed it to the disk before naming it.
    bool whole = laid && back.ok && wholeIni(back.bytes, values.size());
    const QByteArray name = QFile::encodeName(target);
    if (whole) {
        stampAfter(staged, name);
        whole = std::rename(staged.constData(), name.constData()) == 0;
    }
    if (!whole) ::unlink(staged.constData());
    return whole;
}

} // namespace

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) { }

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FileName(const QString& app) const {
    return QDir(folder_).filePath(app.toLower() + QStringLiteral(".ini"));
}

SettingsStore::Values SettingsStore::ReadFile(const QString& path) {
    const QSettings in(path, QSettings::IniFormat);
    Values values;
    for (const QString& key : in.allKeys())
        values.insert(key.toLower(), in.value(key).toString());
    return values;
}

QString SettingsStore::usablePath(const QString& app) const {
    const QString path = FileName(app);
    const QString why = refusal(path);
    if (why.isEmpty()) return path;
    QString aside = path + QStringLiteral(".set-aside");
    for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".set-aside-%1").arg(n);
    // The link or the pipe itself is moved, never what it points to.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        aside.clear();
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

SettingsStore::Stamp SettingsStore::stampOf(const QString& path) {
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return { qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
        qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec };
}

SettingsStore::AppFile& SettingsStore::fileFor(const QString& app) const {
    AppFile& file = files_[app.toLower()];
    if (!file.loaded) {
        file.loaded = true;
        const QString path = usablePath(app);
        file.unusable = path.isEmpty();
        if (!file.unusable) {
            file.seen = stampOf(path);
            file.values = ReadFile(path);
        }
    }
    return file;
}

void SettingsStore::change(const QString& app, const QString& key, std::optional<QString> value) {
    AppFile& file = fileFor(app);
    // The same value again writes nothing: a start sets several to what they already are.
    const auto now = file.values.constFind(key);
    const bool same
        = value ? now != file.values.cend() && *now == *value : now == file.values.cend();
    if (same && !file.pending.contains(key) && !file.cleared) return;
    if (value) {
        file.values.insert(key, *value);
    } else {
        file.values.remove(key);
    }
    file.pending[key] = std::move(value);
    if (batchDepth_ == 0) syncAll(); // a crash right after a change must not lose it
}

void SettingsStore::syncAll() {
    bool ok = true;
    for (auto& [app, file] : files_) {
        if (file.pending.empty() && !file.cleared) continue;
        ok = write(app, file) && ok;
    }
    if (ok) {
        failing_ = false;
    } else if (!failing_) {
        failing_ = true;
        if (failureHandler_) failureHandler_(QDir::toNativeSeparators(FileName(kApp)));
    }
}

bool SettingsStore::Flush() {
    if (batchDepth_ == 0) syncAll();
    return !failing_;
}

bool SettingsStore::write(const QString& app, AppFile& file) {
    ++writes_;
    const QString path = FileName(app);
    // Whatever was put in the file's place since it was read is never written through.
    if (file.unusable || !refusal(path).isEmpty()) return false;
    Values merged = file.values;
    if (stampOf(path) != file.seen) {
        merged = file.cleared ? Values() : ReadFile(path);
        for (const auto& [key, value] : file.pending) {
            if (value) {
                merged.insert(key, *value);
            } else {
                merged.remove(key);
            }
        }
    }
    // A link to a regular file stays a link: the file it points to is the one replaced.
    const QFileInfo info(path);
    if (!writeWhole(info.isSymLink() ? info.canonicalFilePath() : path, merged)) return false;
    file.values = std::move(merged);
    file.pending.clear();
    file.cleared = false;
    file.seen = stampOf(path);
    return true;
}

QString SettingsStore::GetSetting(
    const QString& app, const QString& section, const QString& key, const QString& fallback) const {
    return fileFor(app).values.value(keyPath(section, key), fallback);
}

void SettingsStore::SaveSetting(
    const QString& app, const QString& section, const QString& key, const QString& value) {
    change(app, keyPath(section, key), value);
}

void SettingsStore::Remove(const QString& section, const QString& key) {
    change(kApp, keyPath(section, key), std::nullopt);
}

void SettingsStore::DeleteAll(const QString& app) {
    AppFile& file = fileFor(app);
    file.values.clear();
    file.pending.clear();
    file.cleared = true;
    if (batchDepth_ == 0) syncAll();
}

bool SettingsStore::IsEmpty(const QString& app) const { return fileFor(app).values.isEmpty(); }

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
