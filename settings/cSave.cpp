#include "cSave.h"

#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quadrell {

namespace {
const QString kSave = QStringLiteral("Save");
const QString kNone = QStringLiteral("None");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
} // namespace

cSave::cSave(SettingsStore& store, QString installFolder)
    : store_(store)
    , installFolder_(std::move(installFolder)) { }

QString cSave::InInstallFolder(const QString& name) const {
    return installFolder_ + QLatin1Char('/') + name;
}

QString cSave::text(const char* key, const QString& fallback) const {
    return store_.GetText(kSave, QLatin1String(key), fallback);
}
void cSave::setText(const char* key, const QString& value) {
    store_.SetText(kSave, QLatin1String(key), value);
}
qint16 cSave::number(const char* key, qint16 fallback) const {
    return store_.GetInt16(kSave, QLatin1String(key), fallback);
}
void cSave::setNumber(const char* key, qint32 value) {
    store_.SetInt(kSave, QLatin1String(key), value);
}

QString cSave::DateText(const QDateTime& when) { return when.toString(kDateFormat); }

QDateTime cSave::ParseDate(const QString& text, const QDateTime& fallback) {
    const QDateTime when = QDateTime::fromString(text.trimmed(), kDateFormat);
    return when.isValid() ? when : fallback;
}

QString cSave::ScoreFile() const {
    return text("ScoreFile", InInstallFolder(QStringLiteral("Quadrell2000.sre")));
}
void cSave::SetScoreFile(const QString& value) { setText("ScoreFile", value); }
QString cSave::InStallFolder() const { return text("InstallFolder", installFolder_); }
void cSave::SetInStallFolder(const QString& value) { setText("InstallFolder", value); }
qint16 cSave::SnapShotValue() const { return number("SnapShotValue", 0); }
void cSave::SetSnapShotValue(qint16 value) { setNumber("SnapShotValue", value); }
bool cSave::SnapShot() const { return store_.GetBool(kSave, QStringLiteral("SnapShot"), false); }
void cSave::SetSnapShot(bool value) { store_.SetBool(kSave, QStringLiteral("SnapShot"), value); }
bool cSave::IsNone(const QString& value) { return value == kNone; }

bool cSave::KeptRunning() const {
    return store_.GetBool(kSave, QStringLiteral("KeptRunning"), false);
}
void cSave::SetKeptRunning(bool value) {
    store_.SetBool(kSave, QStringLiteral("KeptRunning"), value);
}
qint32 cSave::KeptGameTime() const {
    return store_.GetInt32(kSave, QStringLiteral("KeptGameTime"), 0);
}
void cSave::SetKeptGameTime(qint32 value) { setNumber("KeptGameTime", value); }

QString cSave::PendingScore() const { return text("PendingScore", QString()); }
void cSave::SetPendingScore(const QString& notes) {
    if (notes.isEmpty()) {
        store_.Remove(kSave, QStringLiteral("PendingScore"));
    } else {
        setText("PendingScore", notes);
    }
}

qint16 cSave::NewPlayerComboIndex() const { return number("NewPlayerComboIndex", 1); }
void cSave::SetNewPlayerComboIndex(qint16 value) { setNumber("NewPlayerComboIndex", value); }
bool cSave::ChangePlayer() const {
    return store_.GetBool(kSave, QStringLiteral("ChangePlayer"), false);
}
void cSave::SetChangePlayer(bool value) {
    store_.SetBool(kSave, QStringLiteral("ChangePlayer"), value);
}

cSave::WindowPlace cSave::WindowGeometry(const WindowPlace& fallback) const {
    return { store_.GetSingle(kSave, QStringLiteral("Left"), fallback.left),
        store_.GetSingle(kSave, QStringLiteral("Top"), fallback.top),
        store_.GetSingle(kSave, QStringLiteral("Width"), fallback.width),
        store_.GetSingle(kSave, QStringLiteral("Height"), fallback.height) };
}
void cSave::SetWindowSize(float width, float height) {
    SettingsStore::Batch together(store_);
    store_.SetSingle(kSave, QStringLiteral("Height"), height);
    store_.SetSingle(kSave, QStringLiteral("Width"), width);
}
void cSave::SetWindowPosition(float left, float top) {
    SettingsStore::Batch together(store_);
    store_.SetSingle(kSave, QStringLiteral("Left"), left);
    store_.SetSingle(kSave, QStringLiteral("Top"), top);
}
bool cSave::WindowMaximized() const {
    return store_.GetBool(kSave, QStringLiteral("Maximized"), false);
}
void cSave::SetWindowMaximized(bool value) {
    store_.SetBool(kSave, QStringLiteral("Maximized"), value);
}

bool cSave::FreshStartAsked() const {
    const QString fresh
        = store_.GetText(QStringLiteral("Install"), QStringLiteral("Fresh"), QStringLiteral("0"));
    return SettingsStore::ToInt32(fresh).value_or(0) == 1;
}

QString cSave::LastExportedDate() const { return text("LastExportedDate", kNone); }
void cSave::SetLastExportedDate(const QString& value) { setText("LastExportedDate", value); }
QString cSave::LastExportedFile() const { return text("LastExportedFile", kNone); }
void cSave::SetLastExportedFile(const QString& value) { setText("LastExportedFile", value); }
QString cSave::GeneralClearedDate() const { return text("GeneralClearedDate", kNone); }
void cSave::SetGeneralClearedDate(const QString& value) { setText("GeneralClearedDate", value); }
QString cSave::GlobalClearedDate() const { return text("GlobalClearedDate", kNone); }
void cSave::SetGlobalClearedDate(const QString& value) { setText("GlobalClearedDate", value); }
qint32 cSave::LastGameTime() const {
    return store_.GetInt32(kSave, QStringLiteral("LastGameTime"), 0);
}
void cSave::SetLastGameTime(qint32 value) { setNumber("LastGameTime", value); }

QDateTime cSave::GameStartTime(const QDateTime& now) const {
    return ParseDate(text("GameStartTime", DateText(now)), now);
}
void cSave::SetGameStartTime(const QDateTime& value) { setText("GameStartTime", DateText(value)); }
QDateTime cSave::SessionStart(const QDateTime& now) const {
    return ParseDate(text("SessionStart", DateText(now)), now);
}
void cSave::SetSessionStart(const QDateTime& value) { setText("SessionStart", DateText(value)); }

QString cSave::FavFolder() const {
    return text("FavFolder", InInstallFolder(QStringLiteral("Favorites")));
}
void cSave::SetFavFolder(const QString& value) { setText("FavFolder", value); }
QString cSave::FinishedDir() const { return text("FinishedDir", installFolder_); }
void cSave::SetFinishedDir(const QString& value) { setText("FinishedDir", value); }
QString cSave::IncompleteDir() const { return text("IncompleteDir", installFolder_); }
void cSave::SetIncompleteDir(const QString& value) { setText("IncompleteDir", value); }
qint16 cSave::IncludeDate() const { return number("IncludeDate", 1); }
void cSave::SetIncludeDate(qint16 value) { setNumber("IncludeDate", value); }
qint16 cSave::IncludeTime() const { return number("IncludeTime", 1); }
void cSave::SetIncludeTime(qint16 value) { setNumber("IncludeTime", value); }
qint16 cSave::InCompleteSave() const { return number("InCompleteSave", 0); }
void cSave::SetInCompleteSave(qint16 value) { setNumber("InCompleteSave", value); }
qint16 cSave::FinishedSave() const { return number("FinishedSave", 1); }
void cSave::SetFinishedSave(qint16 value) { setNumber("FinishedSave", value); }
bool cSave::Unfinished() const {
    return store_.GetBool(kSave, QStringLiteral("Unfinished"), false);
}
std::optional<bool> cSave::UnfinishedStated() const {
    return SettingsStore::ToBool(store_.GetText(kSave, QStringLiteral("Unfinished"), QString()));
}

void cSave::SetUnfinished(bool value) {
    store_.SetBool(kSave, QStringLiteral("Unfinished"), value);
}
// The "Incomplete" folder rather than the install folder, so the file dialogs never open
// among the files the game keeps for itself.
QString cSave::GetLastDir() const { return text("LastDir", IncompleteDir()); }
void cSave::SaveLastDir(const QString& folder) { setText("LastDir", folder); }

QString cSave::GetFileName(qint32 gameNumber, bool finished, const QDateTime& now) const {
    const QString folder = finished ? FinishedDir() : IncompleteDir();
    const QString ext = finished ? QStringLiteral(".q2k") : QStringLiteral(".qrl");
    QString prefix;
    if (IncludeDate() == 1) prefix += now.toString(QStringLiteral("ddMM")) + QLatin1Char('-');
    if (IncludeTime() == 1) prefix += now.toString(QStringLiteral("HHmm")) + QLatin1Char('-');
    const QString base = folder + QLatin1Char('/') + prefix + QString::number(gameNumber);
    if (!QFileInfo::exists(base + ext)) return base + ext;
    for (int i = 0;; ++i) {
        const QString candidate
            = base + QStringLiteral("-%1").arg(i, 2, 10, QLatin1Char('0')) + ext;
        if (!QFileInfo::exists(candidate)) return candidate;
    }
}

bool cSave::UsableFolder(const QString& path) {
    return !path.isEmpty() && QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

QString cSave::CheckAutoSaveFolders(const QString& incompleteDir, const QString& finishedDir) {
    for (const QString& folder : { incompleteDir, finishedDir })
        if (!UsableFolder(folder))
            return cSave::tr("\"%1\" is not a folder games can be saved in.\r\nChoose an "
                             "existing folder with Browse.")
                .arg(folder);
    return QString();
}

void cSave::SaveAutoSave(qint16 inc, qint16 fin, const QString& incompleteDir,
    const QString& finishedDir, qint16 time, qint16 date) {
    SetInCompleteSave(inc);
    SetFinishedSave(fin);
    SetIncompleteDir(incompleteDir);
    SetFinishedDir(finishedDir);
    SetIncludeTime(time);
    SetIncludeDate(date);
}

AutoSavePage cSave::GetSave() const {
    return AutoSavePage { FinishedDir(), IncompleteDir(), InCompleteSave(), FinishedSave(),
        IncludeDate(), IncludeTime() };
}

AutoSaveEnabled cSave::AutoSave_Change(const AutoSavePage& page) {
    const bool finished = page.finished == 1;
    const bool incomplete = page.incomplete == 1;
    return AutoSaveEnabled { finished || incomplete, finished, incomplete };
}

QString cSave::SizeCheck(const QString& x, int size) {
    if (size < 1) size = 70;
    if (x.size() <= size) return x;
    return x.left(7) + QStringLiteral("...") + x.right(size - 7);
}

} // namespace quadrell
