#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace quadrell {

class SettingsStore;

// The Autosave page of the options window: its six boxes, and which of them can be used.
struct AutoSavePage {
    QString finishedDir;
    QString incompleteDir;
    qint16 incomplete = 0; // chkIncomp
    qint16 finished = 0;   // chkFinish
    qint16 date = 0;       // chkDate
    qint16 time = 0;       // chkTime
};
struct AutoSaveEnabled {
    bool nameParts = false;     // chkDate, chkTime
    bool finishedDir = false;   // txtFinished and its Browse button
    bool incompleteDir = false; // txtIncomplete and its Browse button
    friend bool operator==(const AutoSaveEnabled&, const AutoSaveEnabled&) = default;
};

// The "Save" section: saved-game folders and the bookkeeping values other classes keep
// there, read from the store at every access.
class cSave {
    Q_DECLARE_TR_FUNCTIONS(cSave)

public:
    cSave(SettingsStore& store, QString installFolder);

    QString InstallFolder() const { return installFolder_; }
    SettingsStore& Store() const { return store_; }
    // A path in the program folder, joined with one "/".
    QString InInstallFolder(const QString& name) const;

    QString ScoreFile() const;
    void SetScoreFile(const QString& value);
    QString InStallFolder() const;
    void SetInStallFolder(const QString& value);
    qint16 SnapShotValue() const;
    void SetSnapShotValue(qint16 value);
    bool SnapShot() const;
    void SetSnapShot(bool value);
    // "None" until the first export or clearing.
    static bool IsNone(const QString& value);
    QString LastExportedDate() const;
    void SetLastExportedDate(const QString& value);
    QString LastExportedFile() const;
    void SetLastExportedFile(const QString& value);
    QString GeneralClearedDate() const;
    void SetGeneralClearedDate(const QString& value);
    QString GlobalClearedDate() const;
    void SetGlobalClearedDate(const QString& value);
    // Seconds; kept 32-bit so a long game is never cut short.
    qint32 LastGameTime() const;
    void SetLastGameTime(qint32 value);
    // A start missing or unreadable reads as `now`: the game or session starts afresh.
    QDateTime GameStartTime(const QDateTime& now) const;
    void SetGameStartTime(const QDateTime& value);
    QDateTime SessionStart(const QDateTime& now) const;
    void SetSessionStart(const QDateTime& value);
    QString FavFolder() const;
    void SetFavFolder(const QString& value);
    QString FinishedDir() const;
    void SetFinishedDir(const QString& value);
    QString IncompleteDir() const;
    void SetIncompleteDir(const QString& value);
    qint16 IncludeDate() const;
    void SetIncludeDate(qint16 value);
    qint16 IncludeTime() const;
    void SetIncludeTime(qint16 value);
    qint16 InCompleteSave() const;
    void SetInCompleteSave(qint16 value);
    qint16 FinishedSave() const;
    void SetFinishedSave(qint16 value);
    // The file the game in play is kept in, "Unfinished.qrl" in the install folder.
    QString KeptGamePath() const { return InInstallFolder(QStringLiteral("Unfinished.qrl")); }
    bool Unfinished() const;
    // What the store says of a kept game: nothing when it does not say (the settings were
    // lost or reset), so a kept game is never thrown away on a guess.
    std::optional<bool> UnfinishedStated() const;
    void SetUnfinished(bool value);
    // The kept game between starts: whether the window was playing it when it stopped, and
    // its clock then, in seconds.
    bool KeptRunning() const;
    void SetKeptRunning(bool value);
    qint32 KeptGameTime() const;
    void SetKeptGameTime(qint32 value);
    // The score records noted but not yet in the score file, one a line; empty removes it.
    QString PendingScore() const;
    void SetPendingScore(const QString& notes);
    // A player change waiting for the game in play to end.
    qint16 NewPlayerComboIndex() const;
    void SetNewPlayerComboIndex(qint16 value);
    bool ChangePlayer() const;
    void SetChangePlayer(bool value);
    // The main window's place and size, in twips; `fallback` for what was never kept.
    struct WindowPlace {
        float left, top, width, height;
    };
    WindowPlace WindowGeometry(const WindowPlace& fallback) const;
    void SetWindowSize(float width, float height);
    void SetWindowPosition(float left, float top);
    // Whether the main window was closed maximised: it comes back so.
    bool WindowMaximized() const;
    void SetWindowMaximized(bool value);
    // "Install"/"Fresh" set to 1 asks for a first start at the next one.
    bool FreshStartAsked() const;
    QString GetLastDir() const;
    void SaveLastDir(const QString& folder);

    // The path of an autosaved game: optional "ddmm-" and "hhmm-" prefixes, the game number,
    // a "-00" counter when the name is taken, ".q2k" or ".qrl". Never an existing file.
    QString GetFileName(qint32 gameNumber, bool finished, const QDateTime& now) const;
    // The options window's Autosave page, written in this order.
    // A folder games can be saved in: an existing folder named by its whole path. An empty
    // or relative name would put the games wherever the program happens to run.
    static bool UsableFolder(const QString& path);
    // The Options refusal for the two autosave folder names, or empty when both can be used.
    static QString CheckAutoSaveFolders(const QString& incompleteDir, const QString& finishedDir);
    void SaveAutoSave(qint16 inc, qint16 fin, const QString& incompleteDir,
        const QString& finishedDir, qint16 time, qint16 date);
    // The page filled from the store, and what its check boxes leave usable.
    AutoSavePage GetSave() const;
    static AutoSaveEnabled AutoSave_Change(const AutoSavePage& page);
    // A path shortened for display: its first 7 characters, "...", its last size - 7.
    static QString SizeCheck(const QString& x, int size = 70);

    // Dates are kept as ISO text in local time, so they read back on any locale.
    static QString DateText(const QDateTime& when);
    static QDateTime ParseDate(const QString& text, const QDateTime& fallback);

private:
    QString text(const char* key, const QString& fallback) const;
    void setText(const char* key, const QString& value);
    qint16 number(const char* key, qint16 fallback) const;
    void setNumber(const char* key, qint32 value);

    SettingsStore& store_;
    QString installFolder_;
};

} // namespace quadrell
