#include "DifficultyDraw.h"

#include <utility>

namespace quadrell {

DifficultyDraw::DifficultyDraw(qint32 limit, Draw draw, Difficulty::ClassRater rate)
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
        const std::optional<Difficulty::Level> rated = rate_(number, progress.Cancelled());
        // Told after each rating, so a cancel that cut one short is heard before its
        // (missing) class is read.
        if (progress && !progress(i + 1, tries)) return std::nullopt;
        if (rated == level) return number;
    }
    return std::nullopt;
}

bool DifficultyDraw::Askable(Difficulty::Level level) {
    return level != Difficulty::Level::NotSolved;
}

int DifficultyDraw::Code(Difficulty::Level level) { return static_cast<int>(level) + 1; }

std::optional<Difficulty::Level> DifficultyDraw::FromCode(int code) {
    const auto level = static_cast<Difficulty::Level>(code - 1);
    if (code < 1 || !Askable(level) || code > Code(Difficulty::Level::Expert)) return std::nullopt;
    return level;
}

} // namespace quadrell
