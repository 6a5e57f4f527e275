#include "cScore.h"

#include "Prompter.h"
#include "SafeFile.h"
#include "ScoreBoard.h"
#include "ScoreFile.h"
#include "SettingsStore.h"
#include "cPlayer.h"
#include "cSave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <utility>

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
// "",0,0,0,"yyyy-MM-dd HH:mm:ss",0,0 and its LF: no record is shorter.
constexpr qint64 kShortestLine = 35;
} // namespace

void cScore::report(const QString& text) {
    prompter_.Message(text.toStdString(), MessageIcon::Exclamation, kAppTitle);
}

bool cScore::Export(const std::array<ScoreStats, 6>& statistics, const QString& currentPlayer) {
    const QString path = QString::fromStdString(prompter_.SaveFileName(
        save_.GetLastDir().toStdString(), cScore::tr("Score Board").toStdString(),
        cScore::tr("Text File (*.txt)").toStdString()));
    if (path.isEmpty() || !QFileInfo(QFileInfo(path).absolutePath()).isDir()) return false;
    // The date is written as the file starts and set to the moment it is closed at the end.
    const QString started = cSave::DateText(clock_());
    QByteArray head = ScoreBoard::ExportHead(
        statistics, players_, currentPlayer, cSave::ParseDate(started, QDateTime()));
    const qint64 dateAt = head.indexOf(started.toLatin1());
    QString closed = started;
    const auto total = static_cast<std::int64_t>(records_.size());
    SafeFile::Written written = SafeFile::Written::Stopped;
    QString error;
    prompter_.RunWithProgress(cScore::tr("Exporting the score board...").toStdString(),
        [&](const Prompter::Progress& progress) {
            std::int64_t done = 0;
            written = SafeFile::WriteParts(
                path,
                [&](QByteArray& part) {
                    if (!head.isEmpty()) {
                        part = std::exchange(head, QByteArray());
                        return true;
                    }
                    // Parts of about a megabyte: little memory, and Cancel is felt at once.
                    for (const std::int64_t end = std::min(done + 16384, total); done < end; ++done)
                        ScoreBoard::ExportLine(records_[static_cast<std::size_t>(done)], part);
                    return progress(done, total);
                },
                &error,
                [&](QIODevice& file) {
                    closed = cSave::DateText(clock_());
                    const QByteArray date = closed.toLatin1();
                    return dateAt < 0
                        || (file.seek(dateAt) && file.write(date) == date.size()
                            && file.seek(file.size()));
                });
        });
    if (written == SafeFile::Written::Failed)
        report(cScore::tr("The score board could not be exported to\r\n%1\r\n%2").arg(path, error));
    if (written != SafeFile::Written::Whole) return false;
    save_.SetLastExportedDate(closed);
    save_.SetLastExportedFile(path);
    return true;
}

QString cScore::unwrittenText(const QString& error) const {
    return cScore::tr(
        "The score could not be written to\r\n%1\r\n%2\r\nIt is kept and will be recorded "
        "as soon as it can be, at the latest at the next start.")
        .arg(save_.ScoreFile(), error);
}

ScoreDate cScore::recordDate(const QDateTime& when, const QStringList& notes) const {
    // A clock set back (by hand, or a fall-back to winter time) never dates a game before
    // its player or before the file's last record: the board would never show it.
    ScoreDate date = ScoreDate::Of(when);
    const ScoreDate created = ScoreDate::Of(
        cSave::ParseDate(players_.GetDate(players_.GetCurrentPlayerIndex()), QDateTime()));
    date = std::max(date, created.NextSecond());
    if (const auto last = ScoreFile::LastDate(save_.ScoreFile())) date = std::max(date, *last);
    for (const QString& note : notes)
        if (const auto r = ScoreFile::ParseLine(note.section(QLatin1Char(' '), 2).toUtf8()))
            date = std::max(date, r->Date);
    return date;
}

void cScore::SaveScore(
    qint32 gameNumber, qint32 moves, qint32 time, qint16 perc, const QDateTime& when) {
    QStringList notes = pendingNotes();
    if (notes.isEmpty()) heldTold_ = false; // what was said before has been finished
    ScoreRec r;
    r.Name = players_.CurrentName();
    r.Time = time;
    r.GameNo = gameNumber;
    r.Moves = moves;
    r.Date = recordDate(when, notes);
    r.Perc = perc;
    r.Score = GetScore(moves, time, perc);
    // Behind a note still waiting the line's place is not known yet: it is found in turn.
    QString error;
    const ScoreFile::Place place
        = notes.isEmpty() ? ScoreFile::Prepare(save_.ScoreFile(), &error) : ScoreFile::Place();
    notes << noteText(place, players_.GetCurrentPlayerIndex(), ScoreFile::FormatLine(r).chopped(2));
    {
        SettingsStore::Batch batch(save_.Store());
        // The note: where the line goes, whose totals it adds to, and the line itself.
        setPendingNotes(notes);
        if (forgetGame_) forgetGame_();
    }
    keepNotesAside(notes);
    if (checkpoint_) checkpoint_("noted");
    finishPending();
}

QString cScore::asidePath() const { return save_.ScoreFile() + QStringLiteral(".waiting"); }

void cScore::keepNotesAside(const QStringList& notes) {
    // The settings, where the notes belong, cannot be written (a full disk, a file-size
    // limit): the notes go to a small file of their own so that no game is lost at exit.
    if (!save_.Store().WriteFailing()) return;
    QString error;
    if (!SafeFile::Write(asidePath(), notes.join(QLatin1Char('\n')).toUtf8(), &error))
        holdPending(unwrittenText(error));
}

void cScore::RecoverPending() {
    // Notes set aside while the settings could not be written hold every note the settings
    // hold, and later ones: they take the settings' place, and each of their games is
    // forgotten as a game to resume, as it was when it was noted.
    const FileRead aside = SafeFile::Read(asidePath(), 1024 * 1024);
    if (aside.ok && !aside.bytes.isEmpty()) {
        SettingsStore::Batch batch(save_.Store());
        setPendingNotes(QString::fromUtf8(aside.bytes).split(QLatin1Char('\n')));
        if (forgetGame_) forgetGame_();
    }
    if (aside.ok && !save_.Store().WriteFailing()) QFile::remove(asidePath());
    finishPending();
}

QString cScore::noteText(const ScoreFile::Place& place, qint16 slot, const QByteArray& line) {
    return QStringLiteral("%1 %2 ").arg(place.Text()).arg(slot) + QString::fromUtf8(line);
}

QStringList cScore::pendingNotes() const {
    const QString text = save_.PendingScore();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void cScore::setPendingNotes(const QStringList& notes) {
    save_.SetPendingScore(notes.join(QLatin1Char('\n')));
}

void cScore::holdPending(const QString& why) {
    if (!heldTold_) report(why);
    heldTold_ = true;
}

void cScore::finishPending() {
    while (!pendingNotes().isEmpty())
        if (!finishFirstNote()) return;
    heldTold_ = false;
}

bool cScore::finishFirstNote() {
    SettingsStore& store = save_.Store();
    // A line is written only while its note is on the disk: a kill then finds one or the other.
    if (store.WriteFailing() && !store.Flush()) {
        holdPending(cScore::tr(
            "The score of the last game is kept waiting until the settings can be saved; "
            "it will be recorded then or at the next start."));
        return false;
    }
    // The settings hold the notes now: what was set aside for them is not needed.
    QFile::remove(asidePath());
    QStringList notes = pendingNotes();
    const QString note = notes.first();
    ScoreFile::Place place = ScoreFile::Place::FromText(note.section(QLatin1Char(' '), 0, 0));
    const auto slot = static_cast<qint16>(note.section(QLatin1Char(' '), 1, 1).toInt());
    const QByteArray line = note.section(QLatin1Char(' '), 2).toUtf8() + "\r\n";
    const auto r = ScoreFile::ParseLine(line.chopped(2));
    QString error;
    auto outcome = ScoreFile::Outcome::Changed;
    while (r && outcome == ScoreFile::Outcome::Changed) {
        if (place.offset >= 0) outcome = ScoreFile::WriteAt(save_.ScoreFile(), place, line, &error);
        if (outcome != ScoreFile::Outcome::Changed) break;
        // A file changed since its place was noted gets the line at its end as it is now;
        // the new place is noted first, so a kill cannot write the line twice.
        const ScoreFile::Place fresh = ScoreFile::Prepare(save_.ScoreFile(), &error);
        if (fresh.offset < 0 || fresh == place) {
            outcome = ScoreFile::Outcome::Failed;
            break;
        }
        place = fresh;
        notes.first() = noteText(place, slot, line.chopped(2));
        setPendingNotes(notes);
        if (store.WriteFailing()) return finishFirstNote(); // waits as above
    }
    if (r && outcome != ScoreFile::Outcome::Written) {
        holdPending(unwrittenText(error));
        return false;
    }
    if (checkpoint_) checkpoint_("written");
    bool added = true;
    {
        SettingsStore::Batch batch(store);
        const bool won = r && r->Won();
        if (r && slot > 0 && players_.GetName(slot) == r->Name)
            added = players_.SaveScore(slot, 1, won ? 1 : 0, won ? 0 : 1, r->Time, r->Score);
        notes.removeFirst();
        setPendingNotes(notes);
    }
    if (!added) report(cScore::tr("The totals of %1 are too large to add this game.").arg(r->Name));
    if (checkpoint_) checkpoint_("done");
    return true;
}

void cScore::LoadScores() {
    records_ = {};
    // Each player's creation date, once. The file is read in parts, never held whole.
    QHash<QString, ScoreDate> since;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot)
        if (!players_.GetName(slot).isEmpty())
            since.insert(players_.GetName(slot),
                ScoreDate::Of(cSave::ParseDate(players_.GetDate(slot), QDateTime())));
    const QFileInfo file(save_.ScoreFile());
    // Room for the shortest lines: pages never filled are never taken from the system.
    records_.reserve(static_cast<std::size_t>(std::max<qint64>(file.size(), 0) / kShortestLine));
    ScoreFile::Reader reader([this, &since](ScoreRec& r) {
        const auto player = since.constFind(r.Name);
        if (player != since.constEnd() && r.Date > *player) {
            r.Name = player.key(); // one string for all of a player's records
            records_.push_back(std::move(r));
        }
    });
    const FileRead read = SafeFile::ReadParts(save_.ScoreFile(), SafeFile::kScoreFileCap,
        [&reader](QByteArrayView part) { reader.Feed(part); });
    // An empty board must never look like records that are gone.
    loadError_ = read.ok || read.missing ? QString() : read.error;
    if (!read.ok && !read.missing)
        report(cScore::tr(
            "The score file\r\n%1\r\ncannot be read. %2\r\nIts games are not shown; nothing "
            "in it was changed.")
                   .arg(save_.ScoreFile(), read.error));
}

PlayerBests cScore::CurrentBests() const {
    const QString name = players_.CurrentName();
    const ScoreDate since = ScoreDate::Of(
        cSave::ParseDate(players_.GetDate(players_.GetCurrentPlayerIndex()), QDateTime()));
    PlayerBests best;
    ScoreFile::Reader reader([&](const ScoreRec& r) {
        if (!r.Won() || r.Name != name || !(r.Date > since)) return;
        best.Score = best.AnyWin ? std::max(best.Score, r.Score) : r.Score;
        best.Moves = best.AnyWin ? std::min(best.Moves, r.Moves) : r.Moves;
        best.Time = best.AnyWin ? std::min(best.Time, r.Time) : r.Time;
        best.AnyWin = true;
    });
    SafeFile::ReadParts(save_.ScoreFile(), SafeFile::kScoreFileCap,
        [&reader](QByteArrayView part) { reader.Feed(part); });
    return best;
}

void cScore::Clear_General() {
    QString error;
    if (!SafeFile::Write(save_.ScoreFile(), QByteArray(), &error))
        report(cScore::tr("The score file\r\n%1\r\ncould not be cleared.\r\n%2")
                   .arg(save_.ScoreFile(), error));
    save_.SetGeneralClearedDate(cSave::DateText(clock_()));
    records_.clear();
}

qint16 cScore::DayComboIndex() const {
    // A hand-edited value outside the five periods is the first, as the box shows it.
    const qint16 index
        = save_.Store().GetInt16(QStringLiteral("Score"), QStringLiteral("DayComboIndex"), 1);
    return index >= 1 && index <= 5 ? index : 1;
}

void cScore::SetDayComboIndex(qint16 value) {
    save_.Store().SetInt(QStringLiteral("Score"), QStringLiteral("DayComboIndex"), value);
}

void cScore::Clear_Global() {
    players_.ClearGlobal();
    save_.SetGlobalClearedDate(cSave::DateText(clock_()));
}

} // namespace quadrell
