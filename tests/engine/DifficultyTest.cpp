#include "Difficulty.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

using Level = Difficulty::Level;

TEST(Difficulty, ClassesFollowTheNodeLimits) {
    const std::tuple<long, bool, Level> rows[] {
        { 300, true, Level::Easy },
        { 301, true, Level::Medium },
        { 1500, true, Level::Medium },
        { 1501, true, Level::Hard },
        { 10000, true, Level::Hard },
        { 10001, true, Level::Expert },
        { 12, false, Level::NotSolved },
    };
    for (const auto& [nodes, won, level] : rows)
        EXPECT_EQ(Difficulty::LevelOf(nodes, won), level) << nodes << ' ' << won;
}

// Pinned by the nodes of the rating search: a change to the search or the rules that moves
// a deal shows here, on any machine.
TEST(Difficulty, DealsOfEveryClassArePinnedByTheirNodes) {
    const std::tuple<std::int32_t, Level, long> rows[] {
        { 33, Level::Easy, 107 },
        { 11, Level::Easy, 294 },
        { 9, Level::Medium, 311 },
        { 7, Level::Medium, 538 },
        { 40, Level::Hard, 1604 },
        { 1, Level::Hard, 5705 },
        { 89, Level::Expert, 10981 },
    };
    for (const auto& [game, level, nodes] : rows) {
        const Difficulty::Rating r = Difficulty::RateDeal(game);
        EXPECT_EQ(r.level, level) << game;
        EXPECT_EQ(r.nodes, nodes) << game;
        EXPECT_GT(r.lineLength, 0) << game;
    }
}

// A search stopped before its end names no class: "Not solved" would be counted as a loss.
TEST(Difficulty, ADealWhoseSearchWasStoppedHasNoClass) {
    const std::atomic<bool> stopped { true }, going { false };
    EXPECT_EQ(Difficulty::ClassOfDeal(89, &stopped), std::nullopt);
    EXPECT_EQ(Difficulty::ClassOfDeal(89, &going), Level::Expert);
    EXPECT_EQ(Difficulty::ClassOfDeal(33), Level::Easy);
}

class DifficultyBoardTest : public EngineFixture { };

TEST_F(DifficultyBoardTest, APositionWithNoWayOutIsNotSolved) {
    build().noMovesLeft();
    const Difficulty::Rating r = Difficulty::RateBoard(board());
    EXPECT_EQ(r.level, Level::NotSolved);
    EXPECT_EQ(r.lineLength, 0);
}

} // namespace
} // namespace quadrell::test
