#include "LossFinder.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class LossFinderTest : public EngineFixture { };

// The hearts go home one a move, the Four as the Three's automatic move: entries end moves
// at 0, 1, 2, 4, 5 ... 10. The fake calls a position lost once `threshold` hearts are home.
TEST_F(LossFinderTest, TheMoveThatLostIsFoundAmongTheMovesEndsInAFewSolves) {
    build().column(0, "KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H AH");
    std::vector<TransRecord> played;
    for (std::int16_t rank = 1; rank <= 10; ++rank)
        played.push_back({ static_cast<std::int16_t>((13 - rank) * kColumns), 205,
            rank == 4 ? kModeFollowUp : kModePlayer, rank });
    const std::tuple<int, LossFinder::Kind, int> rows[] {
        { -1, LossFinder::Kind::FromTheDeal, 0 },
        { 1, LossFinder::Kind::At, 1 },
        { 3, LossFinder::Kind::At, 4 }, // the Three's move ends with its automatic move
        { 5, LossFinder::Kind::At, 5 },
        { 10, LossFinder::Kind::At, 10 },
        { 11, LossFinder::Kind::Never, 0 },
    };
    for (const auto& [threshold, kind, entries] : rows) {
        int solves = 0;
        const LossFinder::Finding f = LossFinder::Find(board(), played, nullptr,
            [&, atLeast = threshold](const cGame& b, const std::atomic<bool>*) {
                ++solves;
                return rankOf(b.GetCardIndex(205)) >= atLeast;
            });
        EXPECT_EQ(f.kind, kind) << threshold;
        EXPECT_EQ(f.entries, entries) << threshold;
        const int before = kind != LossFinder::Kind::At ? 0 : entries == 4 ? 2 : entries - 1;
        EXPECT_EQ(f.before, before) << threshold;
        EXPECT_LE(solves, 6) << threshold; // two ends, then halves of nine moves
    }
}

TEST_F(LossFinderTest, ADealWithNoWayOutIsLostFromTheDeal) {
    build().noMovesLeft();
    EXPECT_EQ(LossFinder::Find(board(), {}).kind, LossFinder::Kind::FromTheDeal);
}

} // namespace
} // namespace quadrell::test
