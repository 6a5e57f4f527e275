#include "Difficulty.h"

#include "Deal.h"
#include "Prompter.h"
#include "cGame.h"

#include <array>

namespace quadrell {

Difficulty::Level Difficulty::LevelOf(long nodes, bool won) {
    if (!won) return Level::NotSolved;
    if (nodes <= kEasyMost) return Level::Easy;
    if (nodes <= kMediumMost) return Level::Medium;
    if (nodes <= kHardMost) return Level::Hard;
    return Level::Expert;
}

Difficulty::Rating Difficulty::RateBoard(const cGame& board, const std::atomic<bool>* cancel) {
    Solver::Limits limits = Solver::Limits::Nodes(kBudget);
    limits.cancel = cancel;
    const Solver::Result r = Solver::Solve(board, limits);
    const bool won = r.verdict == Solver::Verdict::Won;
    return { LevelOf(r.nodes, won), r.nodes, won ? static_cast<int>(r.line.size()) : 0 };
}

std::optional<Difficulty::Rating> Difficulty::RateDeal(
    std::int32_t number, const std::atomic<bool>* stop) {
    const Rating rating = RateBoard(DealtBoard(number), stop);
    if (stop && *stop) return std::nullopt;
    return rating;
}

int Difficulty::Code(Level level) { return static_cast<int>(level) + 1; }

std::optional<Difficulty::Level> Difficulty::FromCode(int code) {
    if (code < Code(Level::Easy) || code > Code(Level::NotSolved)) return std::nullopt;
    return static_cast<Level>(code - 1);
}

const char* Difficulty::Name(Level level) {
    static constexpr std::array<const char*, 5> kNames { ToTranslate("Difficulty", "Easy"),
        ToTranslate("Difficulty", "Medium"), ToTranslate("Difficulty", "Hard"),
        ToTranslate("Difficulty", "Expert"), ToTranslate("Difficulty", "Not solved") };
    return kNames.at(static_cast<std::size_t>(level));
}

} // namespace quadrell
