#pragma once

#include "ScoreDate.h"

#include <QString>
#include <QtGlobal>
#include <cmath>

namespace quadrell {

// One recorded game: the seven fields of a score file line. Kept small, since the board
// holds a million of them: the records of one player share one name.
struct ScoreRec {
    QString Name;
    ScoreDate Date;
    qint32 GameNo = 0;
    qint32 Time = 0;
    qint32 Moves = 0;
    qint32 Score = 0;
    qint16 Perc = 0;

    // A game counts as won only with every card home.
    bool Won() const { return Perc == 100; }
};

// A game's own figures, as its score line records them.
struct GameResult {
    qint32 Moves = 0;
    qint32 Time = 0;
    qint16 Perc = 0;
    qint32 Score = 0;
};

// A player's best won game by each measure: most points, fewest moves, shortest time.
struct PlayerBests {
    bool AnyWin = false;
    qint32 Score = 0;
    qint32 Moves = 0;
    qint32 Time = 0;
};

// A player's statistics on the score board. The sums are 64-bit: a million games of the
// largest times still add up exactly.
struct ScoreStats {
    QString Name;
    qint64 Time = 0;
    qint64 Moves = 0;
    qint64 Score = 0;
    qint16 Perc = 0;
    qint64 Won = 0;
    qint64 Lost = 0;
    qint64 WonTime = 0;
    qint64 WonMoves = 0;
    qint64 Total = 0;
    qint64 AvgScore = 0;
    qint64 AvgTime = 0;
    qint64 AvgMoves = 0;
};

// Every average and percentage of the players and the score board, one way: whole
// numbers, halves to even (57.5 % is 58 %); nothing of nothing is 0.
inline qint64 AverageOf(qint64 sum, qint64 count) {
    return count < 1 ? 0 : static_cast<qint64>(std::nearbyint(double(sum) / double(count)));
}
inline qint16 PercentOf(qint64 part, qint64 whole) {
    return static_cast<qint16>(AverageOf(part * 100, whole));
}

} // namespace quadrell
