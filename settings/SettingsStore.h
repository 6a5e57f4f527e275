#pragma once

#include <QString>
#include <QtGlobal>
#include <map>
#include <memory>
#include <optional>

class QSettings;

namespace quadrell {

// The per-user settings store: text values under (application, section, key). Every name
// is folded to lower case, so "QuadRell 2000" and "Quadrell 2000", "Save" and "save" reach
// the same values. A read never writes; an absent key gives the caller's default.
class SettingsStore {
public:
    // One INI file per application inside `folder`.
    explicit SettingsStore(QString folder);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& app, const QString& section, const QString& key,
        const QString& fallback) const;
    void SaveSetting(
        const QString& app, const QString& section, const QString& key, const QString& value);
    // Removes one key of the application "Quadrell 2000".
    void Remove(const QString& section, const QString& key);
    // Removes every section of the application.
    void DeleteAll(const QString& app);
    // Nothing stored yet for the application: the first start for this user.
    bool IsEmpty(const QString& app) const;
    QString FileName(const QString& app) const;

    // Typed reads: a value that does not convert gives the default.
    qint16 GetInt16(const QString& section, const QString& key, qint16 fallback) const;
    qint32 GetInt32(const QString& section, const QString& key, qint32 fallback) const;
    bool GetBool(const QString& section, const QString& key, bool fallback) const;
    float GetSingle(const QString& section, const QString& key, float fallback) const;
    QString GetText(const QString& section, const QString& key, const QString& fallback) const;
    // Typed writes: integers as decimal text, true/false as "True"/"False".
    void SetInt(const QString& section, const QString& key, qint32 value);
    void SetBool(const QString& section, const QString& key, bool value);
    void SetSingle(const QString& section, const QString& key, float value);
    void SetText(const QString& section, const QString& key, const QString& value);

    static std::optional<qint32> ToInt32(const QString& text);
    static std::optional<bool> ToBool(const QString& text);
    static QString FromBool(bool value) {
        return value ? QStringLiteral("True") : QStringLiteral("False");
    }

private:
    QSettings& settingsFor(const QString& app) const;

    QString folder_;
    mutable std::map<QString, std::unique_ptr<QSettings>> files_;
};

// The application name every setting lives under.
inline const QString kApp = QStringLiteral("Quadrell 2000");

} // namespace quadrell
