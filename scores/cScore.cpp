#include "cScore.h"

#include "Prompter.h"
#include "SafeFile.h"
#include "ScoreBoard.h"
#include "ScoreFile.h"
#include "SettingsStore.h"
#include "cPlayer.h"
#include "cSave.h"

#include <QFileInfo>
#include <QHash>
#include <cmath>

namespace quadrell {

QString cScore::ConvertTimeS(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 hours = seconds / 3600; // never wraps: totals run to thousands of hours
    const qint64 minutes = (seconds / 60) % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

qint32 cScore::GetScore(qint32 moves, qint32 time, qint16 perc) {
    if (perc == 0) return 0;
    const double divisor = double(moves) + double(time);
    // No move and no second: the game scores as if it had taken one.
    const double q = perc * 100.0 / (divisor > 0 ? divisor : 1.0);
    double points = std::nearbyint(q);
    if (perc == 100) points *= 3;
    return static_cast<qint32>(std::min(std::fabs(points), 2147483647.0));
}

namespace {
const QString kSave = QStringLiteral("Save");
const QString kPending = QStringLiteral("PendingScore");
} // namespace

void cScore::report(const QString& text) {
    prompter_.Message(text.toStdString(), MessageIcon::Exclamation, kAppTitle);
}

bool cScore::Export(const std::array<ScoreStats, 6>& statistics, const QString& currentPlayer,
    const QDateTime& now) {
    const QString path = QString::fromStdString(prompter_.SaveFileName(
        save_.GetLastDir().toStdString(), "Score Board", "Text File (*.txt)"));
    if (path.isEmpty() || !QFileInfo(QFileInfo(path).absolutePath()).isDir()) return false;
    const QByteArray text = ScoreBoard::Export(records_, statistics, players_, currentPlayer, now);
    QString error;
    if (!SafeFile::Write(path, text, &error)) {
        report(QStringLiteral("The score board could not be exported to\r\n%1\r\n%2")
                   .arg(path, error));
        return false;
    }
    save_.SetLastExportedDate(cSave::DateText(now));
    save_.SetLastExportedFile(path);
    return true;
}

void cScore::reportUnwritten(const QString& error) {
    report(QStringLiteral("The score could not be written to\r\n%1\r\n%2")
               .arg(save_.ScoreFile(), error));
}

void cScore::SaveScore(
    qint32 gameNumber, qint32 moves, qint32 time, qint16 perc, const QDateTime& when) {
    ScoreRec r;
    r.Name = players_.GetName(players_.GetCurrentPlayerIndex());
    r.Time = time;
    r.GameNo = gameNumber;
    r.Moves = moves;
    r.Date = cSave::DateText(when);
    r.Perc = perc;
    r.Score = GetScore(moves, time, perc);
    QString error;
    const qint64 offset = ScoreFile::Prepare(save_.ScoreFile(), &error);
    {
        SettingsStore::Batch batch(save_.Store());
        // The note: where the line goes, whose totals it adds to, and the line itself.
        save_.Store().SetText(kSave, kPending,
            QStringLiteral("%1 %2 ").arg(offset).arg(players_.GetCurrentPlayerIndex())
                + QString::fromUtf8(ScoreFile::FormatLine(r).chopped(2)));
        if (forgetGame_) forgetGame_();
    }
    if (offset < 0) reportUnwritten(error);
    if (checkpoint_) checkpoint_("noted");
    finishPending();
}

void cScore::RecoverPending() { finishPending(); }

void cScore::finishPending() {
    SettingsStore& store = save_.Store();
    const QString note = store.GetText(kSave, kPending, QString());
    if (note.isEmpty()) return;
    const QStringList parts = note.split(QLatin1Char(' '));
    const qint64 offset = parts.value(0).toLongLong();
    const auto slot = static_cast<qint16>(parts.value(1).toInt());
    const QByteArray line = note.section(QLatin1Char(' '), 2).toUtf8() + "\r\n";
    const auto r = ScoreFile::ParseLine(line.chopped(2));
    QString error;
    if (r && offset >= 0 && !ScoreFile::WriteAt(save_.ScoreFile(), offset, line, &error))
        reportUnwritten(error);
    if (checkpoint_) checkpoint_("written");
    bool added = true;
    {
        SettingsStore::Batch batch(store);
        const bool won = r && r->Perc == 100;
        if (r && slot > 0 && players_.GetName(slot) == r->Name)
            added = players_.SaveScore(slot, 1, won ? 1 : 0, won ? 0 : 1, r->Time, r->Score);
        store.Remove(kSave, kPending);
    }
    if (!added)
        report(QStringLiteral("The totals of %1 are too large to add this game.").arg(r->Name));
    if (checkpoint_) checkpoint_("done");
}

void cScore::LoadScores() {
    records_.clear();
    const FileRead file = SafeFile::Read(save_.ScoreFile(), SafeFile::kScoreFileCap);
    if (!file.ok) return;
    // Each player's creation date, once; ISO texts compare as the moments they name.
    QHash<QString, QString> since;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot)
        if (!players_.GetName(slot).isEmpty())
            since.insert(players_.GetName(slot), players_.GetDate(slot));
    for (ScoreRec& r : ScoreFile::ParseAll(file.bytes)) {
        const auto player = since.constFind(r.Name);
        if (player != since.constEnd() && r.Date > *player) records_.push_back(std::move(r));
    }
}

void cScore::Clear_General() {
    QString error;
    if (!SafeFile::Write(save_.ScoreFile(), QByteArray(), &error))
        report(QStringLiteral("The score file\r\n%1\r\ncould not be cleared.\r\n%2")
                   .arg(save_.ScoreFile(), error));
    save_.SetGeneralClearedDate(cSave::DateText(QDateTime::currentDateTime()));
    records_.clear();
}

qint16 cScore::DayComboIndex() const {
    return save_.Store().GetInt16(QStringLiteral("Score"), QStringLiteral("DayComboIndex"), 1);
}

void cScore::SetDayComboIndex(qint16 value) {
    save_.Store().SetInt(QStringLiteral("Score"), QStringLiteral("DayComboIndex"), value);
}

void cScore::Clear_Global() {
    players_.ClearGlobal();
    save_.SetGlobalClearedDate(cSave::DateText(QDateTime::currentDateTime()));
}

} // namespace quadrell
