#include "DifficultyDraw.h"

#include <utility>

namespace quadrell {

DifficultyDraw::DifficultyDraw(qint32 limit, Draw draw, Difficulty::Rater rate)
    : limit_(limit)
    , draw_(std::move(draw))
    , rate_(std::move(rate)) { }

std::optional<qint32> DifficultyDraw::Find(
    Difficulty::Level level, const Prompter::Progress& progress) const {
    const qint64 size = qint64 { limit_ } + 1;
    const bool whole = size <= kTries;
    const qint64 tries = whole ? size : kTries;
    const qint32 start = whole ? draw_(limit_) : 0;
    for (qint64 i = 0; i < tries; ++i) {
        const qint32 number = whole ? static_cast<qint32>((start + i) % size) : draw_(limit_);
        const std::optional<Difficulty::Rating> rated = rate_(number, progress.Cancelled());
        // Told after each rating, so a cancel that cut one short is heard before its
        // (missing) class is read.
        if (progress && !progress(i + 1, tries)) return std::nullopt;
        if (rated && rated->level == level) return number;
    }
    return std::nullopt;
}

bool DifficultyDraw::Askable(Difficulty::Level level) {
    return level != Difficulty::Level::NotSolved;
}

std::optional<Difficulty::Level> DifficultyDraw::Asked(int code) {
    const auto level = Difficulty::FromCode(code);
    return level && Askable(*level) ? level : std::nullopt;
}

} // namespace quadrell
