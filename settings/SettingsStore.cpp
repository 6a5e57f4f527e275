#include "SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <limits>

namespace quadrell {

namespace {

QString keyPath(const QString& section, const QString& key) {
    return section.toLower() + QLatin1Char('/') + key.toLower();
}

} // namespace

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) { }

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FileName(const QString& app) const {
    return QDir(folder_).filePath(app.toLower() + QStringLiteral(".ini"));
}

QSettings& SettingsStore::settingsFor(const QString& app) const {
    auto& slot = files_[app.toLower()];
    if (!slot) slot = std::make_unique<QSettings>(FileName(app), QSettings::IniFormat);
    return *slot;
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
    settings.sync(); // a crash right after a change must not lose it
}

void SettingsStore::Remove(const QString& section, const QString& key) {
    QSettings& settings = settingsFor(kApp);
    settings.remove(keyPath(section, key));
    settings.sync();
}

void SettingsStore::DeleteAll(const QString& app) {
    QSettings& settings = settingsFor(app);
    settings.clear();
    settings.sync();
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
