#include "Solver.h"

#include "EngineFixture.h"
#include "Stacking.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class SolverTest : public EngineFixture {
protected:
    // Verdicts under a node budget, never a clock: a busy machine cannot change them.
    const Solver::Limits budget = Solver::Limits::Nodes(Solver::kDealBudget);
    bool won() {
        return GetLowestFoundation(board(), 1) == 13 && GetLowestFoundation(board(), 2) == 13;
    }
};

// The fingerprint's games: their lines are searched with the step generator and played
// here through the click rules and the game's own automatic play.
TEST_F(SolverTest, EveryLineReplaysThroughTheClickRulesToAWin) {
    for (std::int32_t game = 1; game <= Solver::kFingerprintGames; ++game) {
        engine.NewBoard();
        engine.DealAndLayOut(game);
        const Solver::Result r = Solver::Solve(board(), budget);
        ASSERT_EQ(r.verdict, Solver::Verdict::Won) << "game " << game;
        for (const SolverMove& m : r.line)
            ASSERT_TRUE(Solver::Play(engine, m))
                << "game " << game << " move " << m.source << "->" << m.target;
        EXPECT_TRUE(won()) << "game " << game;
    }
}

// Any change to the steps, automatic play or the search order changes this number: a commit
// that changes it says so, with the solver benchmark's figures.
TEST(SolverFingerprint, NodesOverTheFirstHundredGamesAreUnchanged) {
    EXPECT_EQ(Solver::Fingerprint(), 42108);
    // The ratings kept on disk name it: a search that changes it has them rebuilt.
    EXPECT_EQ(Solver::kFingerprint, 42108);
}

TEST_F(SolverTest, APositionWithNoWayOutIsProvedLost) {
    build().noMovesLeft();
    board().init(203, kNoCard); // one free cell: moves, but none that leads anywhere
    const Solver::Result r = Solver::Solve(board(), budget);
    EXPECT_EQ(r.verdict, Solver::Verdict::Lost);
    EXPECT_TRUE(r.line.empty());
    EXPECT_GT(r.nodes, 1);
}

TEST_F(SolverTest, TheOnlyWinMayNeedAnEmptyColumn) {
    // The king of spades covers the six of hearts, every cell is full, and a king goes
    // onto nothing: only an empty column frees the hearts.
    build()
        .columns({ "6H KS", "KH QH JH TH 8H 7H", "KD QD JD TD 8D 7D 6D", "KC QC JC TC 8C 7C 6C",
            "QS JS TS 8S 7S 6S" })
        .cells({ "9H", "9D", "9C", "9S" })
        .foundation("5H")
        .foundation("5D")
        .foundation("5C")
        .foundation("5S");
    const Solver::Result r = Solver::Solve(board(), budget);
    ASSERT_EQ(r.verdict, Solver::Verdict::Won);
    bool usedEmptyColumn = false;
    for (const SolverMove& m : r.line) {
        usedEmptyColumn = usedEmptyColumn || (isColumnPlace(m.target) && rowOf(m.target) == 0);
        ASSERT_TRUE(Solver::Play(engine, m));
    }
    EXPECT_TRUE(usedEmptyColumn);
    EXPECT_TRUE(won());
}

TEST_F(SolverTest, ASolveCanBeCancelledOrRunOutOfTime) {
    engine.NewBoard();
    engine.DealAndLayOut(617);
    std::atomic<bool> cancel { true };
    Solver::Limits limits;
    limits.cancel = &cancel;
    EXPECT_EQ(Solver::Solve(board(), limits).verdict, Solver::Verdict::Unknown);
    limits = Solver::Limits::Nodes(10);
    const Solver::Result r = Solver::Solve(board(), limits);
    EXPECT_EQ(r.verdict, Solver::Verdict::Unknown);
    EXPECT_EQ(r.nodes, 10);
    limits = Solver::Limits::Nodes(Solver::kDealBudget);
    limits.memoryBytes = 1; // the smallest search there is
    EXPECT_NE(Solver::Solve(board(), limits).verdict, Solver::Verdict::Lost);
}

TEST_F(SolverTest, AWonBoardNeedsNoMove) {
    build().foundation("KH").foundation("KC").foundation("KD").foundation("KS");
    const Solver::Result r = Solver::Solve(board(), budget);
    EXPECT_EQ(r.verdict, Solver::Verdict::Won);
    EXPECT_TRUE(r.line.empty());
}

} // namespace
} // namespace quadrell::test
