#include "cScore.h"

#include "Prompter.h"
#include "ScoreFile.h"
#include "SettingsStore.h"
#include "cPlayer.h"
#include "cSave.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <cmath>

namespace quadrell {

QString cScore::ConvertTimeS(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 hours = (seconds / 3600) % 60;
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

void cScore::SaveScore(
    qint32 gameNumber, qint32 moves, qint32 time, qint16 perc, const QDateTime& when) {
    const qint16 slot = players_.GetCurrentPlayerIndex();
    ScoreRec r;
    r.Name = players_.GetName(slot);
    r.Time = time;
    r.GameNo = gameNumber;
    r.Moves = moves;
    r.Date = cSave::DateText(when);
    r.Perc = perc;
    r.Score = GetScore(moves, time, perc);
    QString error;
    if (!ScoreFile::Append(save_.ScoreFile(), r, &error))
        prompter_.Message(QStringLiteral("The score could not be written to\r\n%1\r\n%2")
                              .arg(save_.ScoreFile(), error)
                              .toStdString(),
            MessageIcon::Exclamation, kAppTitle);
    const bool won = perc == 100;
    if (slot > 0 && !players_.SaveScore(slot, 1, won ? 1 : 0, won ? 0 : 1, time, r.Score))
        prompter_.Message(QStringLiteral("The totals of %1 are too large to add this game.")
                              .arg(r.Name)
                              .toStdString(),
            MessageIcon::Exclamation, kAppTitle);
}

void cScore::LoadScores() {
    records_.clear();
    QFile file(save_.ScoreFile());
    if (!file.open(QIODevice::ReadOnly)) return;
    // Each player's creation date, once; ISO texts compare as the moments they name.
    QHash<QString, QString> since;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot)
        if (!players_.GetName(slot).isEmpty())
            since.insert(players_.GetName(slot), players_.GetDate(slot));
    for (ScoreRec& r : ScoreFile::ParseAll(file.readAll())) {
        const auto player = since.constFind(r.Name);
        if (player != since.constEnd() && r.Date > *player) records_.push_back(std::move(r));
    }
}

void cScore::Clear_General() {
    QSaveFile file(save_.ScoreFile());
    if (file.open(QIODevice::WriteOnly)) file.commit();
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
