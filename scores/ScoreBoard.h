#pragma once

#include "ScoreRec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace quadrell {

class cPlayer;

// The board half of the scores: every list and statistic the score board shows, derived
// from the loaded records and the player totals. What the board shows is in the player's
// language; the export stays English, the same on every machine.
class ScoreBoard {
    Q_DECLARE_TR_FUNCTIONS(ScoreBoard)

public:
    using Row = std::pair<QString, QString>; // a label and its value

    // "General" page, all games of every player.
    static std::vector<Row> General(const std::vector<ScoreRec>& records);
    // "This Session" panel: games recorded after the session started.
    static QStringList Session(const std::vector<ScoreRec>& records, const QDateTime& sessionStart);
    // "Score Board" page: indices into the records, in file order, of `player` or, without
    // one, of every player (a player may well be called "All").
    static std::vector<int> ListScore(const std::vector<ScoreRec>& records,
        const std::optional<QString>& player, int dayComboIndex, bool onlyFinished,
        const QDate& today);
    // "Statistics" page: entries 1..5 mirror the player slots (entry 0 unused).
    static std::array<ScoreStats, 6> Statistics(
        const std::vector<ScoreRec>& records, const cPlayer& players);
    static QStringList StatisticsColumn(
        const ScoreStats& entry, const QString& playerDate, const QDateTime& now);
    static QStringList StatisticsRows();
    // "Top Scores": positions 1..12 by points, highest first, ties in file order.
    static std::vector<ScoreRec> TopScores(const std::vector<ScoreRec>& records);
    // "Global Statistics": six rows of seven columns from the player totals.
    static std::vector<QStringList> Global(const cPlayer& players);
    // The export, in print zones of 14 characters: the text before the recorded games, then
    // one line per game, added to `out`, so a million games never sit in memory as text.
    static QByteArray ExportHead(const std::array<ScoreStats, 6>& statistics,
        const cPlayer& players, const QString& currentPlayer, const QDateTime& now);
    static void ExportLine(const ScoreRec& record, QByteArray& out);
};

} // namespace quadrell
