#pragma once

#include "Solver.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace quadrell {

class cGame;

// How hard a deal is, from the solver alone: the positions its search takes to win the deal
// under a fixed node budget, so the same on every machine and every run. The limits between
// the classes come from the spread over games 1 to 10,000 (see the README).
class Difficulty {
public:
    enum class Level { Easy, Medium, Hard, Expert, NotSolved };
    struct Rating {
        Level level = Level::NotSolved;
        long nodes = 0;     // the positions the rating search took
        int lineLength = 0; // the winning line's moves, 0 when not solved
    };

    // The most nodes of each class, round figures near the 40th, 75th and 95th percentiles
    // of games 1 to 10,000; above the hard limit a won deal is Expert.
    static constexpr long kEasyMost = 140;
    static constexpr long kMediumMost = 460;
    static constexpr long kHardMost = 1700;
    static constexpr long kBudget = Solver::kDealBudget;

    static Level LevelOf(long nodes, bool won);
    static Rating RateBoard(const cGame& board, const std::atomic<bool>* cancel = nullptr);
    // The one way a deal is rated: game `number` as dealt, or none when `stop` cut the search
    // short (a class from a search cut short would be a guess).
    static std::optional<Rating> RateDeal(
        std::int32_t number, const std::atomic<bool>* stop = nullptr);
    // RateDeal, or a stand-in for it in a test.
    using Rater = std::function<std::optional<Rating>(std::int32_t, const std::atomic<bool>*)>;
    // The class's name, the source of its translations: "Easy", "Medium", "Hard", "Expert",
    // "Not solved".
    static const char* Name(Level level);
    // The one stored form of a class, in the settings and in the ratings cache: 1 (Easy) to
    // 5 (Not solved); none for anything else.
    static int Code(Level level);
    static std::optional<Level> FromCode(int code);
};

} // namespace quadrell
