#pragma once

#include "Difficulty.h"
#include "Prompter.h"

#include <QtGlobal>
#include <functional>
#include <optional>

namespace quadrell {

// "New Game of Difficulty...": a random game number of the asked class within the random
// range. Random numbers are rated in turn until one is of the class; a range no larger than
// the tries is gone through whole from a random start, so a class it holds is always found.
class DifficultyDraw {
public:
    using Draw = std::function<qint32(qint32 limit)>; // a random number in 0..limit
    static constexpr int kTries = 2000;

    DifficultyDraw(qint32 limit, Draw draw, Difficulty::Rater rate);

    // The class's number, or none when the tries found none or `progress` was cancelled; a
    // cancel also stops the rating under way.
    std::optional<qint32> Find(Difficulty::Level level, const Prompter::Progress& progress) const;

    // The classes a player may ask for ("Not solved" holds no game worth dealing).
    static bool Askable(Difficulty::Level level);
    // The class asked for last, from its stored form (Difficulty::Code; 0: none yet).
    static std::optional<Difficulty::Level> Asked(int code);

private:
    qint32 limit_;
    Draw draw_;
    Difficulty::Rater rate_;
};

} // namespace quadrell
