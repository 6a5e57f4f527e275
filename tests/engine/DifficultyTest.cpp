#include "Difficulty.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

using Level = Difficulty::Level;

TEST(Difficulty, ClassesFollowTheNodeLimits) {
    const std::tuple<long, bool, Level> rows[] {
        { 140, true, Level::Easy },
        { 141, true, Level::Medium },
        { 460, true, Level::Medium },
        { 461, true, Level::Hard },
        { 1700, true, Level::Hard },
        { 1701, true, Level::Expert },
        { 12, false, Level::NotSolved },
    };
    for (const auto& [nodes, won, level] : rows)
        EXPECT_EQ(Difficulty::LevelOf(nodes, won), level) << nodes << ' ' << won;
}

// Pinned by the nodes of the rating search: a change to the search or the rules that moves
// a deal shows here, on any machine.
TEST(Difficulty, DealsOfEveryClassArePinnedByTheirNodes) {
    const std::tuple<std::int32_t, Level, long> rows[] {
        { 49, Level::Easy, 74 },
        { 77, Level::Easy, 138 },
        { 10, Level::Medium, 146 },
        { 95, Level::Medium, 448 },
        { 33, Level::Hard, 477 },
        { 89, Level::Hard, 1162 },
        { 47, Level::Expert, 2104 },
        { 25, Level::Expert, 4617 },
    };
    for (const auto& [game, level, nodes] : rows) {
        const Difficulty::Rating r = Difficulty::RateDeal(game).value();
        EXPECT_EQ(r.level, level) << game;
        EXPECT_EQ(r.nodes, nodes) << game;
        EXPECT_GT(r.lineLength, 0) << game;
    }
}

// A search stopped before its end names no class: "Not solved" would be counted as a loss.
TEST(Difficulty, ADealWhoseSearchWasStoppedHasNoClass) {
    const std::atomic<bool> stopped { true }, going { false };
    EXPECT_FALSE(Difficulty::RateDeal(47, &stopped));
    EXPECT_EQ(Difficulty::RateDeal(47, &going)->level, Level::Expert);
    EXPECT_EQ(Difficulty::RateDeal(49)->level, Level::Easy);
}

// One stored form for every class, the settings' and the ratings cache's alike; anything
// else read back is no class.
TEST(Difficulty, EachClassHasOneStoredFormAndOneName) {
    const std::tuple<Level, int, const char*> rows[] { { Level::Easy, 1, "Easy" },
        { Level::Medium, 2, "Medium" }, { Level::Hard, 3, "Hard" }, { Level::Expert, 4, "Expert" },
        { Level::NotSolved, 5, "Not solved" } };
    for (const auto& [level, code, name] : rows) {
        EXPECT_EQ(Difficulty::Code(level), code);
        EXPECT_EQ(Difficulty::FromCode(code), level);
        EXPECT_STREQ(Difficulty::Name(level), name);
    }
    for (const int code : { -1, 0, 6, 99 })
        EXPECT_FALSE(Difficulty::FromCode(code)) << code;
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
