#include "cTime.h"

#include "Engine.h"
#include "Stacking.h"
#include "cSave.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace quadrell {

namespace {
constexpr qint64 kDay = 86400;
}

qint16 cTime::GetCardLeft() const {
    const GameState& s = engine_.state();
    if (!s.gGameActive) return 0;
    return static_cast<qint16>(kCardCount - CardsHome(s.gBoard));
}

qint16 cTime::GetGamePercentage() const {
    const double share = (kCardCount - GetCardLeft()) / double(kCardCount) * 100.0;
    const auto p = static_cast<qint16>(std::nearbyint(share));
    return std::clamp<qint16>(p, 0, 100);
}

qint32 cTime::GetGameTime() {
    const qint64 base = save_.Unfinished() ? save_.LastGameTime() : 0;
    const QDateTime now = now_();
    const qint64 t = save_.GameStartTime(now).secsTo(now) + base;
    if (t >= 0 && t <= kDay) {
        lastValidGameTime_ = static_cast<qint32>(t);
        return lastValidGameTime_;
    }
    save_.SetGameStartTime(now);
    save_.SetLastGameTime(lastValidGameTime_);
    return static_cast<qint32>(std::clamp<qint64>(t, INT32_MIN, INT32_MAX));
}

qint32 cTime::GetSessionTime() {
    const QDateTime now = now_();
    const qint64 t = save_.SessionStart(now).secsTo(now);
    if (t < 0 || t > kDay) save_.SetSessionStart(now);
    return static_cast<qint32>(std::clamp<qint64>(t, INT32_MIN, INT32_MAX));
}

} // namespace quadrell
