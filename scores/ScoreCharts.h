#pragma once

#include "ScoreRec.h"

#include <QDate>
#include <QStringList>
#include <vector>

namespace quadrell {

// The numbers behind the score board's charts, for the players chosen: games played and won
// per week or month, how long the won games took and how many points the games made, and each
// player's streaks and best results. Records are in file order, which is the order played.
class ScoreCharts {
public:
    enum class Span { Week, Month };

    struct Period {
        QDate start; // the Monday of the week, or the first of the month
        qint64 played = 0;
        qint64 won = 0;
        double WinRate() const { return played == 0 ? 0 : 100.0 * won / played; }
    };
    struct Bin {
        qint64 from = 0; // from <= value < to
        qint64 to = 0;
        qint64 count = 0;
        bool operator==(const Bin&) const = default;
    };
    struct Player {
        QString name;
        qint64 played = 0;
        qint64 won = 0;
        qint32 bestTime = 0;  // the fastest win in seconds, 0 with no win
        qint32 bestScore = 0; // the most points of one game
        qint64 longestStreak = 0;
        qint64 currentStreak = 0; // wins since the last loss
    };

    // Every player's games when `players` is empty.
    static ScoreCharts Of(
        const std::vector<ScoreRec>& records, const QStringList& players, Span span);

    // Consecutive periods from the first game to the last, empty ones included.
    std::vector<Period> periods;
    std::vector<Bin> winningTimes; // seconds
    std::vector<Bin> points;
    std::vector<Player> players; // in the order they first played
    qint64 longestStreak = 0;    // over the chosen players' games together
    qint64 currentStreak = 0;

    // Bins of a "round" width (1, 2 or 5 times a power of ten) that cover every value in at
    // most `most` bins.
    static std::vector<Bin> Histogram(const std::vector<qint64>& values, int most = 12);
};

} // namespace quadrell
