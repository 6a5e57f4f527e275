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

Difficulty::Rating Difficulty::RateDeal(std::int32_t number, const std::atomic<bool>* cancel) {
    return RateBoard(DealtBoard(number), cancel);
}

std::optional<Difficulty::Level> Difficulty::ClassOfDeal(
    std::int32_t number, const std::atomic<bool>* stop) {
    const Rating rating = RateDeal(number, stop);
    if (stop && *stop) return std::nullopt;
    return rating.level;
}

const char* Difficulty::EnglishName(Level level) {
    static constexpr std::array<const char*, 5> kNames { ToTranslate("Difficulty", "Easy"),
        ToTranslate("Difficulty", "Medium"), ToTranslate("Difficulty", "Hard"),
        ToTranslate("Difficulty", "Expert"), ToTranslate("Difficulty", "Not solved") };
    return kNames.at(static_cast<std::size_t>(level));
}

} // namespace quadrell
