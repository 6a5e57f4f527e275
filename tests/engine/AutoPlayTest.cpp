#include "EngineFixture.h"
#include "Stacking.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class AutoPlayTest : public EngineFixture { };

TEST_F(AutoPlayTest, ACardGoesHomeOnlyWhenTheOtherColourHasCaughtUp) {
    build().column(0, "KH 3C").foundation("2H").foundation("AD").foundation("2C");
    engine.autoPlayer().AutoPlay();
    EXPECT_EQ(at(8), CardOf("3C")); // diamonds only at the ace
    build().column(0, "KH 3C").foundation("2H").foundation("2D").foundation("2C");
    engine.autoPlayer().AutoPlay();
    EXPECT_EQ(at(206), CardOf("3C"));
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 8, 206, kModeFollowUp } }));
    // Drawn as it goes, at the player's card speed.
    ASSERT_FALSE(view.moves.empty());
    EXPECT_EQ(view.moves.back(), (ViewMove { CardOf("3C"), 8, 206, options.cardSpeed, false }));
}

// Both colours whole, whichever is home first: the blacks (or the reds) alone are no win.
TEST_F(AutoPlayTest, AGameIsWonOnlyWithEveryKingHome) {
    for (const char* red : { "QH", "KH" }) {
        for (const char* black : { "QS", "KS" }) {
            winListener.wins = 0;
            build().foundation(red).foundation("KD").foundation("KC").foundation(black);
            engine.autoPlayer().AutoPlay();
            EXPECT_EQ(winListener.wins, red[0] == 'K' && black[0] == 'K' ? 1 : 0) << red << black;
        }
    }
}

TEST_F(AutoPlayTest, NestedPassesTakeTheFirstEligibleCardEachTime) {
    build().column(1, "KD 2H").column(3, "KC AH").cell(0, "3H").foundation("2C").foundation("2S");
    engine.autoPlayer().AutoPlay();
    const std::vector<Step> expected { { 11, 205, 2 }, { 9, 205, 2 }, { 200, 205, 2 } };
    EXPECT_EQ(recorder.steps, expected);
}

TEST_F(AutoPlayTest, HistoryStepsAndRunsInProgressPlayNothing) {
    build().column(0, "KC 5D").column(1, "KS AH").column(2, "QH");
    board().SetLocation(8, 200, kModeHistory, 1, true);
    EXPECT_EQ(at(9), CardOf("AH"));
    state().gMultiMove = true;
    board().SetLocation(200, 8, kModeFollowUp, 1, true);
    EXPECT_EQ(at(9), CardOf("AH"));
    state().gMultiMove = false;
    board().SetLocation(8, 200, kModePlayer, 0, false);
    EXPECT_EQ(at(205), CardOf("AH"));
}

TEST_F(AutoPlayTest, TheDealPlaysNothingUntilTheFirstMove) {
    // Find a deal that exposes an ace.
    std::int32_t game = 1;
    Deck deck {};
    auto exposesAce = [&deck] {
        for (int i = 44; i < 52; ++i)
            if (rankOf(deck[static_cast<std::size_t>(i)]) == 1) return true;
        return false;
    };
    for (DealGame(game, deck); !exposesAce(); DealGame(++game, deck)) { }
    engine.NewBoard();
    engine.DealAndLayOut(game);
    EXPECT_TRUE(recorder.steps.empty());
    EXPECT_EQ(view.placed, 52);
    engine.autoPlayer().AutoPlay();
    ASSERT_FALSE(recorder.steps.empty());
    EXPECT_EQ(recorder.steps.front().destination,
        foundationOf(board().GetCardIndex(recorder.steps.front().destination)));
}

TEST_F(AutoPlayTest, LastKingHomeByHandWins) {
    build().column(0, "KS").foundation("KH").foundation("KC").foundation("KD").foundation("QS");
    engine.rules().CardClicked(0);
    EXPECT_EQ(winListener.wins, 0);
    engine.rules().FoundationClicked(208);
    EXPECT_EQ(at(208), CardOf("KS"));
    EXPECT_GE(winListener.wins, 1);
    EXPECT_EQ(GetLowestFoundation(board(), 1), 13);
    EXPECT_EQ(GetLowestFoundation(board(), 3), 0);
}

TEST_F(AutoPlayTest, NoWinTestOnceTheGameIsOver) {
    build().foundation("KH").foundation("KC").foundation("KD").foundation("KS");
    state().gGameActive = false;
    engine.autoPlayer().AutoPlay();
    EXPECT_EQ(winListener.wins, 0);
}

} // namespace
} // namespace quadrell::test
