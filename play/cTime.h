#pragma once

#include "Clock.h"

#include <QDateTime>
#include <utility>

namespace quadrell {

class Engine;
class cSave;

// The figures of the clock box and the status bar.
class cTime {
public:
    cTime(const Engine& engine, cSave& save, Clock clock = &QDateTime::currentDateTime)
        : engine_(engine)
        , save_(save)
        , now_(std::move(clock)) { }

    // 52 minus the cards on the foundations; 0 with no game on the board.
    qint16 GetCardLeft() const;
    // Share of the cards on the foundations, 0..100.
    qint16 GetGamePercentage() const;
    // Seconds the current game has been played. A reading outside a day (the clock set
    // back, or a very long game) starts the count again from the kept base.
    qint32 GetGameTime();
    // Seconds since the program started, restarting past a day.
    qint32 GetSessionTime();
    // The time of day by the session's clock, which everything shown is dated by.
    QDateTime Now() const { return now_(); }

private:
    const Engine& engine_;
    cSave& save_;
    Clock now_;
    qint32 lastValidGameTime_ = 0;
};

} // namespace quadrell
