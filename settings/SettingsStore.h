#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace quadrell {

// The per-user settings store: text values under (application, section, key). Every name
// is folded to lower case, so "QuadRell 2000" and "Quadrell 2000", "Save" and "save" reach
// the same values. A read never writes; an absent key gives the caller's default.
//
// Every change reaches the disk at once, and the file on disk is always the last one written
// whole: each new file is made beside it, read back, and only then renamed over it. Qt's own
// save may call a file cut by a full disk good, so QSettings never writes the file in place;
// it only reads it and lays out the new one.
class SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

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

    // Values by "section/key", folded to lower case.
    using Values = QMap<QString, QString>;
    // An INI file as QSettings reads it, nothing for a missing one; only ever asked of a path
    // found to be a regular file within its cap (a pipe would never end).
    static Values ReadFile(const QString& path);

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
    // Which file was last read or written: another one found in its place is read again
    // before a write, so that only the keys changed here replace what is on disk.
    struct Stamp {
        qint64 device = 0, inode = 0, size = -1, modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);
    struct AppFile {
        Values values;
        // The changes not yet on disk: an empty value removes the key; `cleared` all others.
        std::map<QString, std::optional<QString>> pending;
        bool cleared = false;
        Stamp seen;
        bool loaded = false;
        bool unusable = false; // could not even be moved aside: kept in memory only
    };
    void change(const QString& app, const QString& key, std::optional<QString> value);
    AppFile& fileFor(const QString& app) const;
    // The file the application's settings may be read from: anything but a regular file (or
    // a link to one) within the cap is moved out of the way first; empty when that failed.
    QString usablePath(const QString& app) const;
    void syncAll();
    bool write(const QString& app, AppFile& file);

    QString folder_;
    mutable std::map<QString, AppFile> files_;
    int batchDepth_ = 0;
    int writes_ = 0;
    bool failing_ = false;
    std::function<void(const QString&)> failureHandler_;
    SetAsideHandler setAsideHandler_;
    struct SetAside {
        QString path, aside, why;
    };
    mutable std::vector<SetAside> untold_;
};

// The application name every setting lives under.
inline const QString kApp = QStringLiteral("Quadrell 2000");

} // namespace quadrell
