#include "GameReview.h"

#include "Deal.h"
#include "LossFinder.h"
#include "SessionFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

using Verdict = Solver::Verdict;

class GameReviewTest : public SessionFixture {
protected:
    // Game 7 with the four cells filled, one card a move: the fourth move loses it.
    void playFourToTheCells() {
        session.menu.NewGame(7, false);
        session.menu.Game_Started(false);
        for (const Loc loc : { 48, 49, 44, 47 })
            session.engine.rules().CardDoubleClicked(loc);
    }
    std::vector<GameReview::Row> reviewAll(const GameReview& review) {
        std::vector<GameReview::Row> rows;
        for (int i = 0; i < review.Positions(); ++i)
            rows.push_back(review.Solve(i));
        return rows;
    }
};

// Each row is what Solve Game says on the board taken back to that position, and the lost
// move is the one Where Was It Lost? names.
TEST_F(GameReviewTest, EachRowIsTheSolversAnswerThereAndTheLostMoveIsWhereItWasLost) {
    playFourToTheCells();
    const std::vector<TransRecord> played = trans().Played();
    const GameReview review(DealtBoard(7), played);
    ASSERT_EQ(review.Positions(), 5);
    const std::vector<GameReview::Row> rows = reviewAll(review);
    for (int i = review.Positions() - 1; i >= 0; --i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].entries, trans().GetTransID());
        const Solver::Result here
            = Solver::Solve(board(), Solver::Limits::Nodes(Solver::kDealBudget));
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].verdict, here.verdict);
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].lineMoves,
            here.verdict == Verdict::Won ? static_cast<int>(here.line.size()) : -1);
        if (here.verdict == Verdict::Won) {
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].first, here.line.front());
        }
        trans().Undo();
    }
    const LossFinder::Finding lost = LossFinder::Find(DealtBoard(7), played);
    ASSERT_EQ(lost.kind, LossFinder::Kind::At);
    const int at = GameReview::LostAt(rows);
    ASSERT_GT(at, 0);
    EXPECT_EQ(rows[static_cast<std::size_t>(at)].entries, lost.entries);
}

// A move with its automatic moves is one row; a game with no moves has the deal alone.
TEST_F(GameReviewTest, APositionIsWhereAMoveEndsWithItsAutomaticMoves) {
    session.menu.NewGame(7, false);
    session.menu.Game_Started(false);
    EXPECT_EQ(GameReview(DealtBoard(7), trans().Played()).Positions(), 1);
    std::vector<TransRecord> played { { 48, 200, kModePlayer, 1 }, { 46, 205, kModeFollowUp, 1 },
        { 49, 201, kModePlayer, 2 } };
    const GameReview review(DealtBoard(7), played);
    ASSERT_EQ(review.Positions(), 3);
    EXPECT_EQ(review.EntriesAt(1), 2);
    EXPECT_EQ(review.EntriesAt(2), 3);
}

// Each move's steps are the cards it took and where, its automatic moves included (the rows
// against the solver on each position are checked above, on a game really played).
TEST_F(GameReviewTest, EachMoveNamesTheCardsItMovedAndEachPositionIsItsBoard) {
    const cGame deal = DealtBoard(7);
    const std::vector<TransRecord> played { { 48, 200, kModePlayer, 1 },
        { 46, 205, kModeFollowUp, 1 }, { 49, 201, kModePlayer, 2 }, { 44, 202, kModeClickPlace, 2 },
        { 47, 203, kModePlayer, 3 } };
    const GameReview review(deal, played);
    ASSERT_EQ(review.Positions(), 5);
    const std::vector<std::vector<int>> entries { {}, { 0, 1 }, { 2 }, { 3 }, { 4 } };
    for (int p = 0; p < review.Positions(); ++p) {
        SCOPED_TRACE(p);
        const auto& steps = review.MoveTo(p);
        ASSERT_EQ(steps.size(), entries[static_cast<std::size_t>(p)].size());
        for (std::size_t k = 0; k < steps.size(); ++k) {
            const TransRecord& e
                = played[static_cast<std::size_t>(entries[static_cast<std::size_t>(p)][k])];
            EXPECT_EQ(steps[k].to, e.Destloc);
            EXPECT_EQ(steps[k].card, deal.GetCardIndex(static_cast<Loc>(e.SrcLoc)));
        }
    }
}

// A game in play is reviewed up to where it is; one only watched, however far it has been
// stepped through, in full.
TEST_F(GameReviewTest, AWatchedGameIsReviewedInFullAGameInPlayToWhereItIs) {
    playFourToTheCells();
    trans().Undo();
    trans().Undo();
    const struct {
        bool watching;
        std::size_t entries;
    } rows[] { { false, 2 }, { true, 4 } };
    for (const auto& row : rows) {
        const std::vector<TransRecord> reviewed = GameReview::Reviewed(trans(), row.watching);
        ASSERT_EQ(reviewed.size(), row.entries);
        for (std::size_t i = 0; i < reviewed.size(); ++i)
            EXPECT_EQ(reviewed[i], trans().Entry(static_cast<int>(i + 1)));
    }
}

// Solving stops at once when asked: no answer, and the next position still answers.
TEST_F(GameReviewTest, ACancelledPositionGivesNoAnswer) {
    playFourToTheCells();
    const GameReview review(DealtBoard(7), trans().Played());
    const std::atomic<bool> stop { true };
    const GameReview::Row cut = review.Solve(0, &stop);
    EXPECT_EQ(cut.verdict, Verdict::Unknown);
    EXPECT_EQ(cut.lineMoves, -1);
    EXPECT_EQ(review.Solve(0).verdict, Verdict::Won);
}

TEST(GameReviewMarks, TheLostMoveIsTheFirstProvedLostAfterAWinnableOne) {
    const auto row = [](Verdict v) {
        return GameReview::Row { 0, v, v == Verdict::Won ? 60 : -1, {} };
    };
    const Verdict W = Verdict::Won, L = Verdict::Lost, U = Verdict::Unknown;
    const std::pair<std::vector<Verdict>, int> cases[] {
        { { W, W, L, L }, 2 }, { { W, L }, 1 }, { { W, W, W }, -1 }, // never lost
        { { L, L }, -1 },    // lost from the deal: no move lost it
        { { W, U, L }, -1 }, // not known in between: no mark yet
        { { W, W, U }, -1 }, // not yet solved
    };
    for (const auto& [verdicts, at] : cases) {
        std::vector<GameReview::Row> rows;
        for (const Verdict v : verdicts)
            rows.push_back(row(v));
        EXPECT_EQ(GameReview::LostAt(rows), at) << verdicts.size();
    }
}

TEST(GameReviewMarks, ACostlyMoveAddsTheMarginToTheLineOrMore) {
    const auto won = [](int moves) { return GameReview::Row { 0, Verdict::Won, moves, {} }; };
    const GameReview::Row lost { 0, Verdict::Lost, -1, {} };
    const int m = GameReview::kCostlyMargin;
    const std::tuple<GameReview::Row, GameReview::Row, bool> cases[] {
        { won(60), won(59), false },     // the line's own move
        { won(60), won(59 + m), true },  // the margin exactly
        { won(60), won(58 + m), false }, // one short of it
        { won(60), won(80 + m), true },
        { won(60), lost, false }, // that is the lost move's mark, not this one
        { lost, lost, false },
        { GameReview::Row { 0, Verdict::Unknown, -1, {} }, won(60), false }, // no line to compare
    };
    for (const auto& [before, after, costly] : cases)
        EXPECT_EQ(GameReview::Costly(before, after), costly) << after.lineMoves;
}

} // namespace
} // namespace quadrell::test
