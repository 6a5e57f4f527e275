#pragma once

#include <QString>
#include <QtGlobal>

namespace quadrell {

// Scores of ended games. The time text shared by the clocks and the score board lives here.
class cScore {
public:
    // Seconds as the clock time "h:mm:ss"; hours are counted modulo 60 as the clock
    // always has, and a negative reading (the system clock set back) shows zero.
    static QString ConvertTimeS(qint64 seconds);
};

} // namespace quadrell
