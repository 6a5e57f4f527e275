#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class MoveRulesTest : public EngineFixture {
protected:
    MoveRules& rules() { return engine.rules(); }
    // Eight columns in play; the cells given stay free.
    void fullBoard() {
        build().columns({ "5C QS JH TS 9H", "KD", "KC 8H", "KS 9S", "QH", "QD", "QC", "JC" });
    }
};

TEST_F(MoveRulesTest, ClickingAnyCardOfAColumnSelectsItsExposedCard) {
    fullBoard();
    rules().CardClicked(8);
    EXPECT_EQ(state().gSelected, 32);
    EXPECT_TRUE(state().gSelectionShown);
    EXPECT_EQ(view.frame, 32);
    rules().CardClicked(16); // the selected column again
    EXPECT_EQ(state().gSelected, kNoLoc);
    EXPECT_EQ(view.frame, kNoLoc);
}

TEST_F(MoveRulesTest, ASingleCardGoesOntoAFittingCard) {
    fullBoard();
    rules().CardClicked(10); // 8H
    rules().CardClicked(3);  // onto 9S
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 10, 19, kModePlayer } }));
    EXPECT_EQ(at(19), CardOf("8H"));
    EXPECT_EQ(state().gSelected, kNoLoc);
}

TEST_F(MoveRulesTest, AnIllegalMoveIsRefusedWithAMessageOrSilently) {
    fullBoard();
    rules().CardClicked(10); // 8H onto QH: no
    rules().CardClicked(4);
    EXPECT_EQ(prompter.messages,
        (std::vector<std::string> {
            "That move is not Allowed\r\nThe Eight of Hearts goes on a black Nine" }));
    EXPECT_EQ(prompter.titles.front(), "Quadrell 2000");
    EXPECT_EQ(state().gSelected, kNoLoc);
    EXPECT_EQ(view.refused, 1); // the board is told either way: a sound may say it

    options.showMessages = 0;
    rules().CardClicked(10);
    rules().CardClicked(4);
    EXPECT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(state().gSelected, 10); // the selection stays
    EXPECT_TRUE(recorder.steps.empty());
    EXPECT_EQ(view.refused, 2);
}

TEST_F(MoveRulesTest, ARunTooLongForTheFreeSpaceIsRefused) {
    // Two free cells, no empty column.
    build()
        .columns({ "5C QS JH TS 9H", "KD", "KC", "KS", "QH", "QD", "QC", "JC" })
        .cells({ "5S", "6S" });
    rules().CardClicked(32);
    rules().CardClicked(1); // QS..9H is 4 cards; 2 cells carry 3
    EXPECT_EQ(prompter.messages,
        (std::vector<std::string> {
            "That Move requirs moving 4 Cards.\r\nYou only have enough free space to move 3." }));
    EXPECT_TRUE(recorder.steps.empty());
    EXPECT_EQ(state().gSelected, kNoLoc);
    options.showMessages = 0; // shown whatever the setting says
    rules().CardClicked(32);
    rules().CardClicked(1);
    EXPECT_EQ(prompter.messages.size(), 2U);
}

TEST_F(MoveRulesTest, FoundationTakesOnlyTheNextCardOfItsSuit) {
    build().column(0, "KH 4C").column(1, "KS 4D").foundation("3C");
    rules().CardClicked(9); // 4D
    rules().FoundationClicked(206);
    EXPECT_TRUE(recorder.steps.empty());
    EXPECT_TRUE(prompter.messages.empty());
    rules().ClearSelection();
    rules().CardClicked(8); // 4C
    rules().FoundationClicked(206);
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 8, 206, kModeClickPlace } }));
    EXPECT_EQ(at(206), CardOf("4C"));
}

TEST_F(MoveRulesTest, EmptyCellTakesAnySelectedCard) {
    fullBoard();
    rules().CellClicked(202); // nothing selected: nothing happens
    EXPECT_TRUE(recorder.steps.empty());
    rules().CardClicked(4);
    rules().CellClicked(202);
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 4, 202, kModeClickPlace } }));
    // A cell card is selected and deselected by clicks, and takes nothing onto it.
    rules().CellCardClicked(202);
    EXPECT_EQ(state().gSelected, 202);
    rules().CellCardClicked(202);
    EXPECT_EQ(state().gSelected, kNoLoc);
    rules().CardClicked(5);
    rules().CellCardClicked(202);
    EXPECT_EQ(state().gSelected, 5);
}

TEST_F(MoveRulesTest, SurfaceBandsAreTwelveHundredTwipsWide) {
    EXPECT_EQ(MoveRules::ColumnAt(8300), 6);
    EXPECT_EQ(MoveRules::ColumnAt(120), -1);
    EXPECT_EQ(MoveRules::ColumnAt(121), 0);
    EXPECT_EQ(MoveRules::ColumnAt(9719), 7);
    EXPECT_EQ(MoveRules::ColumnAt(9720), -1);
}

TEST_F(MoveRulesTest, SurfaceClickOnAColumnIsAClickOnItsExposedCard) {
    fullBoard();
    rules().BackgroundClicked(600, 1799); // above the columns
    EXPECT_EQ(state().gSelected, kNoLoc);
    rules().BackgroundClicked(600, 1800);
    EXPECT_EQ(state().gSelected, 32);
    state().gGameActive = false;
    rules().BackgroundClicked(1800, 5000);
    EXPECT_EQ(state().gSelected, 32);
}

TEST_F(MoveRulesTest, LoneCardGoesIntoAnEmptyColumnWithoutAsking) {
    build().column(0, "KH 4C").column(1, "KS 9D").cell(0, "7S");
    rules().CellCardClicked(200);
    rules().BackgroundClicked(8300, 2000); // column 6
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 200, 6, kModePlayer } }));
    rules().CardClicked(8); // 4C does not lie on the KH above it
    rules().BackgroundClicked(9000, 2000);
    EXPECT_EQ(recorder.steps.back(), (Step { 8, 7, kModePlayer }));
    EXPECT_EQ(prompter.dialogs, 0);
}

TEST_F(MoveRulesTest, EmptyColumnDialogOffersSingleColumnOrCancel) {
    auto setUp = [this] {
        recorder.steps.clear();
        build().columns({ "5C QS JH TS 9H", "KD", "KC", "KS", "QH", "QD", "QC" });
        rules().CardClicked(32);
        rules().BackgroundClicked(9000, 2000); // column 7, the only empty one; four free cells
    };
    prompter.emptyColumn = EmptyColumnChoice::Cancel;
    setUp();
    EXPECT_EQ(prompter.dialogs, 1);
    EXPECT_TRUE(recorder.steps.empty());
    EXPECT_EQ(state().gSelected, kNoLoc);

    prompter.emptyColumn = EmptyColumnChoice::Single;
    setUp();
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 32, 7, kModePlayer } }));

    prompter.emptyColumn = EmptyColumnChoice::Column;
    setUp();
    EXPECT_EQ(at(7), CardOf("QS")); // four cells carry the whole run of four
    EXPECT_EQ(at(31), CardOf("9H"));
}

TEST_F(MoveRulesTest, NoDialogWhenTheFreeSpaceCarriesOneCard) {
    build()
        .columns({ "5C TS 9H", "KD", "KC", "KS", "QH", "QD", "QC" })
        .cells({ "2S", "3S", "4S", "5S" });
    rules().CardClicked(16);
    rules().BackgroundClicked(9000, 2000);
    EXPECT_EQ(prompter.dialogs, 0);
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 16, 7, kModePlayer } }));
}

TEST_F(MoveRulesTest, DoubleClickSendsTheExposedCardToTheLeftmostCell) {
    build().column(0, "5C QS JH TS 9H").column(1, "KD").cell(0, "3S");
    rules().CardDoubleClicked(8);
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 32, 201, kModePlayer } }));
    options.allowDoubleClick = 0;
    rules().CardDoubleClicked(0);
    EXPECT_EQ(recorder.steps.size(), 1U);
}

TEST_F(MoveRulesTest, DoubleClickWithNoFreeCellDoesNothing) {
    build().column(0, "KH 9S").cell(0, "3S").cell(1, "4S").cell(2, "5S").cell(3, "6S");
    rules().CardDoubleClicked(8);
    EXPECT_TRUE(recorder.steps.empty());
}

} // namespace
} // namespace quadrell::test
