#pragma once

#include "Clock.h"
#include "ScoreFile.h"
#include "ScoreRec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <functional>
#include <vector>

namespace quadrell {

class Prompter;
class cPlayer;
class cSave;

// Scores of ended games: the points formula, the score file, and the records loaded from it.
class cScore {
    Q_DECLARE_TR_FUNCTIONS(cScore)

public:
    // `clock` dates the clearings and the exports.
    cScore(cSave& save, cPlayer& players, Prompter& prompter, Clock clock)
        : save_(save)
        , players_(players)
        , prompter_(prompter)
        , clock_(std::move(clock)) { }

    // Seconds as the clock time "h:mm:ss", with every whole hour ("83333:26:40"); a
    // negative reading (the system clock set back) shows zero.
    static QString ConvertTimeS(qint64 seconds);
    // Points: perc x 100 / (moves + time), rounded, tripled for a won game.
    static qint32 GetScore(qint32 moves, qint32 time, qint16 perc);

    // Records the game that has just ended for the current player: one line appended to
    // the score file, and the player's totals. Never reads the whole score file.
    //
    // Exactly once, whenever the program is killed or a write fails: the record is first
    // noted in the store together with forgetting the game in play (`SetForgetGame`), in one
    // write; then the line is written and the totals added with the note cleared, in one
    // write again. The totals never count a line that is not in the file: a note whose line
    // cannot be written now (a full disk, a file that is no file) waits, said once, and is
    // finished by the next record or by `RecoverPending` at the next start. While the
    // settings themselves cannot be written, the notes are also kept in "<score file>.waiting".
    void SaveScore(
        qint32 gameNumber, qint32 moves, qint32 time, qint16 perc, const QDateTime& when);
    void RecoverPending();
    // Store changes that forget the game being recorded; made in the note's write.
    void SetForgetGame(std::function<void()> forget) { forgetGame_ = std::move(forget); }
    // Called after each step of recording ("noted", "written", "done"): tests stop here.
    void SetCheckpoint(std::function<void(const char*)> checkpoint) {
        checkpoint_ = std::move(checkpoint);
    }
    // The records of the players there are now, each made after its player was added.
    void LoadScores();
    // The current player's bests over the won games the score file holds for them (those
    // recorded since the player was made), read from the file in parts.
    PlayerBests CurrentBests() const;
    const std::vector<ScoreRec>& Records() const { return records_; }
    // Why the last load found no records to show although the file is there (too large, no
    // file, unreadable): empty when it was read.
    const QString& LoadError() const { return loadError_; }
    void Clear_General();
    void Clear_Global();
    // "Export": asks where, writes the score board's text whole and notes the export; a
    // failure is reported with its path. False when nothing was exported.
    // Its "Created Date" is read from the clock once the place is chosen, the export's date
    // once the file is closed.
    bool Export(const std::array<ScoreStats, 6>& statistics, const QString& currentPlayer);
    // The period last chosen on the score board: 1 "Show Today" .. 5 "Show All".
    qint16 DayComboIndex() const;
    void SetDayComboIndex(qint16 value);

private:
    void finishPending();
    // Finishes the oldest note; false when it must wait (said once until one is finished).
    bool finishFirstNote();
    // One note: where the line goes (-1: not known yet), whose totals, the line itself.
    static QString noteText(const ScoreFile::Place& place, qint16 slot, const QByteArray& line);
    // The clock's date, or a later one: never before the player was made, the file's last
    // record or a record still waiting in `notes`.
    ScoreDate recordDate(const QDateTime& when, const QStringList& notes) const;
    QStringList pendingNotes() const;
    void setPendingNotes(const QStringList& notes);
    void holdPending(const QString& why);
    QString asidePath() const;
    void keepNotesAside(const QStringList& notes);
    void report(const QString& text);
    QString unwrittenText(const QString& error) const;

    cSave& save_;
    cPlayer& players_;
    Prompter& prompter_;
    Clock clock_;
    std::vector<ScoreRec> records_;
    QString loadError_;
    std::function<void()> forgetGame_;
    std::function<void(const char*)> checkpoint_;
    bool heldTold_ = false;
};

} // namespace quadrell
