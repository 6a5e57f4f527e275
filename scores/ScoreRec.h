#pragma once

#include <QString>
#include <QtGlobal>

namespace quadrell {

// One recorded game (the first seven fields, the only ones in the score file), or a
// player's statistics on the score board (the rest).
struct ScoreRec {
    QString Name;
    qint32 GameNo = 0;
    qint32 Time = 0;
    qint32 Moves = 0;
    QString Date;
    qint16 Perc = 0;
    qint32 Score = 0;
    qint32 Won = 0;
    qint32 Lost = 0;
    qint32 WonTime = 0;
    qint32 WonMoves = 0;
    qint32 Total = 0;
    qint16 AvgScore = 0;
    qint32 AvgTime = 0;
    qint16 AvgMoves = 0;
};

} // namespace quadrell
