#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

namespace quadrell {

// The per-user settings store: text values under (application, section, key). Every name
// is folded to lower case, so "QuadRell 2000" and "Quadrell 2000", "Save" and "save" reach
// the same values. A read never writes; an absent key gives the caller's default.
//
// Every change reaches the disk at once, and the file is never left empty or cut short:
// the last good copy stays beside it until the new one has been read back whole, and
// comes back when it was not.
class SettingsStore {
public:
    // One INI file per application inside `folder`.
    explicit SettingsStore(QString folder);
    ~SettingsStore();

    // Changes made while a Batch lives reach the disk together, in one write, when the
    // outermost Batch ends: either all of them or none.
    class Batch {
    public:
        explicit Batch(SettingsStore& store) : store_(store) { ++store_.batchDepth_; }
        ~Batch() {
            if (--store_.batchDepth_ == 0) store_.syncAll();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& store_;
    };

    // Told once when a write fails (with the file's path), and again only after a later
    // write has succeeded. What could not be written stays in memory and goes with the next
    // write that succeeds.
    void SetFailureHandler(std::function<void(const QString& path)> handler) {
        failureHandler_ = std::move(handler);
    }
    bool WriteFailing() const { return failing_; }
    // Tries again to write what has not reached the disk; true when everything is there.
    bool Flush();
    // Told when the file in the settings' place is not a regular file within its cap (a
    // FIFO, a device, a folder, a link to one of those, a huge file): it is moved aside to
    // `aside` (empty when even that failed) and the game goes on with default settings.
    using SetAsideHandler
        = std::function<void(const QString& path, const QString& aside, const QString& why)>;
    // A file set aside before the handler was given is told as it is given.
    void SetSetAsideHandler(SetAsideHandler handler);
    static constexpr qint64 kCap = 16 * 1024 * 1024;
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

    // How many times the files were written since the store was made.
    int Writes() const { return writes_; }

private:
    QSettings& settingsFor(const QString& app) const;
    // The file QSettings may open for the application: anything but a regular file (or a
    // link to one) within the cap is moved out of the way first.
    QString usablePath(const QString& app) const;
    void changed(const QString& app);
    void syncAll();
    bool sync(const QString& app);
    // A new QSettings for the application, with the changes not yet on disk applied again.
    void renew(const QString& app);

    QString folder_;
    mutable std::map<QString, std::unique_ptr<QSettings>> files_;
    std::map<QString, bool> dirty_;
    // Per application: the changes not yet on disk (an empty value removes the key).
    std::map<QString, std::map<QString, std::optional<QString>>> unsaved_;
    int batchDepth_ = 0;
    int writes_ = 0;
    bool failing_ = false;
    std::function<void(const QString&)> failureHandler_;
    SetAsideHandler setAsideHandler_;
    struct SetAside {
        QString path, aside, why;
    };
    mutable std::vector<SetAside> untold_;
    // Applications whose file could not even be moved aside: kept in memory only.
    mutable std::map<QString, bool> unusable_;
};

// The application name every setting lives under.
inline const QString kApp = QStringLiteral("Quadrell 2000");

} // namespace quadrell
