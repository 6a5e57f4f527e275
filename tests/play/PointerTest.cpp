#include "BoardBuilder.h"
#include "SessionFixture.h"
#include "Solver.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class PointerTest : public SessionFixture {
protected:
    PointerTest() {
        session.SetFlashStarter(
            [this](int interval, int count) { flashes.emplace_back(interval, count); });
    }
    PointerInput& pointer() { return session.pointer; }
    Card cardAt(int loc) { return board().GetCardIndex(static_cast<Loc>(loc)); }
    std::vector<std::pair<int, int>> flashes;
};

TEST_F(PointerTest, TheRightButtonLiftsACoveredCardAndPutsTheColumnBack) {
    BoardBuilder(session.engine).column(2, "KH QS JH TS").cell(0, "5D");
    pointer().CardPressed(cardAt(10), PointerInput::Button::Right);
    EXPECT_EQ(view.stacking, (std::vector<Card> { cardAt(10) }));
    view.stacking.clear();
    pointer().CardReleased(cardAt(10), PointerInput::Button::Right);
    // Rows 1 and 0 go to the back in that order: the deepest ends at the very back.
    EXPECT_EQ(view.stacking,
        (std::vector<Card> {
            static_cast<Card>(-1 - cardAt(10)), static_cast<Card>(-1 - cardAt(2)) }));
    view.stacking.clear();
    pointer().CardPressed(cardAt(200), PointerInput::Button::Right);
    pointer().CardReleased(cardAt(200), PointerInput::Button::Right);
    EXPECT_TRUE(view.stacking.empty());
    EXPECT_EQ(state().gSelected, kNoLoc); // the right button selects nothing
}

TEST_F(PointerTest, TheTitleFlashesWhenOneMoveOrNoneIsLeft) {
    BoardBuilder(session.engine).noMovesLeft();
    pointer().CardPressed(cardAt(8), PointerInput::Button::Right);
    ASSERT_EQ(flashes.size(), 1U);
    EXPECT_EQ(flashes[0], std::make_pair(100, 7));
    board().init(200, kNoCard); // one empty cell: one move
    pointer().CardPressed(cardAt(9), PointerInput::Button::Left);
    EXPECT_EQ(flashes.back(), std::make_pair(300, 2));
    pointer().CardPressed(cardAt(10), PointerInput::Button::Left); // a card is selected now
    EXPECT_EQ(flashes.size(), 2U);
    session.opt.SetEnableFlash(0);
    session.engine.rules().ClearSelection();
    pointer().CardPressed(cardAt(11), PointerInput::Button::Right);
    EXPECT_EQ(flashes.size(), 2U);
}

TEST_F(PointerTest, TheMovePointerShowsOnlyOverAColumnThatTakesTheSelection) {
    BoardBuilder(session.engine).column(0, "KH 9S").column(1, "KC 8H").cell(0, "8D");
    EXPECT_FALSE(pointer().ShowsMovePointer(cardAt(8))); // nothing selected
    pointer().CardPressed(cardAt(9), PointerInput::Button::Left);
    EXPECT_TRUE(pointer().ShowsMovePointer(cardAt(8)));
    EXPECT_TRUE(pointer().ShowsMovePointer(cardAt(0)));  // any card of that column
    EXPECT_FALSE(pointer().ShowsMovePointer(cardAt(1))); // the column of the selection
    EXPECT_FALSE(pointer().ShowsMovePointer(cardAt(200)));
}

// A run of four needs room for three: it goes by click and by drag alike when the board has
// exactly that room, and by neither with one place less, the same rule saying why.
TEST_F(PointerTest, ARunThatExactlyFitsGoesByClickAndByDragAndOneMoreByNeither) {
    struct Row {
        int cellsTaken; // of four; no column is empty
        bool fits;
    };
    for (const Row row : { Row { 1, true }, Row { 2, false }, Row { 0, true } }) {
        for (const bool drag : { false, true }) {
            SCOPED_TRACE(::testing::Message() << row.cellsTaken << (drag ? " drag" : " click"));
            BoardBuilder b(session.engine);
            b.column(0, "2C QH JS TH 9S").column(1, "KS");
            const char* others[] = { "3H", "4H", "5H", "6H", "7H", "8H" };
            for (int c = 2; c < kColumns; ++c)
                b.column(c, others[c - 2]);
            const char* cells[] = { "3D", "4D" };
            for (int i = 0; i < row.cellsTaken; ++i)
                b.cell(i, cells[i]);
            const Card queen = cardAt(8);
            prompter.messages.clear();
            pointer().CardPressed(cardAt(32), PointerInput::Button::Left); // the run selected
            EXPECT_EQ(pointer().ShowsMovePointer(cardAt(1)), row.fits);
            std::string refused;
            if (drag) {
                EXPECT_EQ(pointer().Liftable(queen).size(), 4U);
                EXPECT_EQ(pointer().DropSpot(1) != kNoLoc, row.fits);
                refused = pointer().DropOn(1, 4, [] {});
            } else {
                pointer().CardPressed(cardAt(1), PointerInput::Button::Left);
                refused = prompter.messages.empty() ? std::string() : prompter.messages.back();
            }
            EXPECT_EQ(board().GetLocation(queen), row.fits ? 9 : 8);
            EXPECT_EQ(refused.empty(), row.fits) << refused;
            if (!row.fits) {
                EXPECT_NE(refused.find('3'), std::string::npos) << refused;
            }
        }
    }
}

// A drop is over once the cards land, or stay where they were (the empty column's question
// cancelled, a foundation that does not take them): nothing is left selected for the next
// click to move.
TEST_F(PointerTest, ADropLeavesNothingSelectedWhereverTheCardsEndUp) {
    const struct {
        Loc place;
        EmptyColumnChoice choice;
        Loc queen; // where the run's first card ends
    } rows[] { { 1, EmptyColumnChoice::Cancel, 8 }, { 1, EmptyColumnChoice::Column, 1 },
        { kFirstFoundation, EmptyColumnChoice::Cancel, 8 },
        { kLastFoundation, EmptyColumnChoice::Cancel, 8 } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.place);
        BoardBuilder(session.engine)
            .columns({ "2C QH JS", "", "KD", "3H", "4H", "5H", "6H", "7H" });
        prompter.emptyColumn = row.choice;
        pointer().CardPressed(cardAt(16), PointerInput::Button::Left);
        ASSERT_EQ(pointer().Liftable(cardAt(8)).size(), 2U);
        EXPECT_EQ(pointer().DropOn(row.place, 2, [] {}), "");
        EXPECT_EQ(board().GetLocation(CardOf("QH")), row.queen);
        EXPECT_EQ(state().gSelected, kNoLoc);
    }
}

class KeyboardTest : public SessionFixture {
protected:
    using Step = KeyboardPlay::Step;
    KeyboardPlay& keys() { return session.keyboard; }
    Card cardAt(int loc) { return board().GetCardIndex(static_cast<Loc>(loc)); }
    // Walks the cursor with the arrow keys alone to where `loc` is shown.
    void walkTo(Loc loc) {
        const bool top = loc >= kFirstCell;
        const int across = !top ? columnOf(loc)
            : isCell(loc)       ? loc - kFirstCell
                                : kCells + loc - kFirstFoundation;
        keys().Go(top ? Step::Up : Step::Down);
        while (keys().Across() < across)
            keys().Go(Step::Right);
        while (keys().Across() > across)
            keys().Go(Step::Left);
    }
};

TEST_F(KeyboardTest, TheCursorCrossesBothRowsAndGoesRound) {
    session.menu.NewGame(1, false);
    session.menu.Game_Started(false);
    keys().Reset();
    EXPECT_EQ(keys().Place(), board().GetBottomCardLocation(0)); // the first column's exposed card
    keys().Go(Step::Left);
    EXPECT_EQ(keys().Across(), 7); // round to the last
    keys().Go(Step::Right);
    EXPECT_EQ(keys().Across(), 0);
    for (int i = 0; i < 7; ++i)
        keys().Go(Step::Right);
    EXPECT_EQ(keys().Across(), 7);
    keys().Go(Step::Up); // above the right four columns: the foundations
    EXPECT_EQ(keys().Place(), kLastFoundation);
    for (int i = 0; i < 3; ++i)
        keys().Go(Step::Left);
    EXPECT_EQ(keys().Place(), kFirstFoundation);
    keys().Go(Step::Left);
    EXPECT_EQ(keys().Place(), kFirstCell + 3);
    keys().Go(Step::Down);
    EXPECT_EQ(keys().Place(), board().GetBottomCardLocation(3));
}

TEST_F(KeyboardTest, EnterSelectsAndEscapeClearsShiftEnterDoesADoubleClick) {
    BoardBuilder(session.engine).column(2, "KH QS JH TS");
    state().gGameActive = true;
    walkTo(26);
    keys().Activate();
    EXPECT_EQ(state().gSelected, 26);
    keys().ClearSelection();
    EXPECT_EQ(state().gSelected, kNoLoc);
    keys().ActivateTwice(); // the exposed ten goes to a free cell
    EXPECT_NE(cardAt(200), kNoCard);
    EXPECT_EQ(board().GetBottomCardLocation(2), 18);
    walkTo(200);
    keys().Activate(); // the ten in the cell, selected
    walkTo(2);
    keys().Activate(); // and back onto the jack
    EXPECT_EQ(board().GetBottomCardLocation(2), 26);
    EXPECT_EQ(cardAt(200), kNoCard);
}

// Why Ctrl+F does nothing, in each state where Finish is not offered.
TEST_F(KeyboardTest, FinishRefusedSaysWhy) {
    const struct {
        bool active, watched, canFinish;
        std::string why;
    } rows[] { { false, false, false, "There is no game to finish." },
        { true, true, true, "A game you watch is not yours to finish." },
        { true, false, true, "Finish waits until the replay stops." },
        { true, false, false, "Finish is not possible yet: not every card left can go home." } };
    for (const auto& row : rows) {
        BoardBuilder cards(session.engine);
        if (row.canFinish) // the game one move from a sure win, that move made
            cards.foundation("QH").foundation("QD").foundation("TC").foundation("TS").columns(
                { "JS KH", "JC KD", "KC QC", "KS" });
        cards.cell(0, "QS");
        state().gGameActive = row.active;
        state().gFinishedView = row.watched;
        EXPECT_EQ(keys().WhyNoFinish(), row.why);
    }
}

// What the key-count test below does not reach: C round the four cells, and Home refused.
TEST_F(KeyboardTest, CellsGoRoundAndOnlyAFittingCardGoesHome) {
    BoardBuilder(session.engine).column(2, "KH QS JH TS").cell(1, "2H").foundation("AH");
    state().gGameActive = true;
    for (Loc expected : { 200, 201, 202, 203, 200 }) {
        keys().NextCell();
        EXPECT_EQ(keys().Place(), expected);
    }
    keys().NextFoundation();
    keys().NextCell(); // from a foundation: the first cell
    EXPECT_EQ(keys().Place(), 200);
    keys().PlayColumn(99); // past the last: the last
    EXPECT_EQ(keys().Across(), 7);
    keys().PlayColumn(2);
    keys().SendHome(); // a ten does not go home
    EXPECT_EQ(board().GetBottomCardLocation(2), 26);
    keys().NextCell();
    keys().NextCell(); // cell 2: the Two of Hearts goes home, whatever was selected
    keys().SendHome();
    EXPECT_EQ(board().GetCardIndex(foundationOf(CardOf("2H"))), CardOf("2H"));
    keys().PlayColumn(2); // the ten chosen, then Home on the foundation: nothing moves
    keys().NextFoundation();
    keys().SendHome();
    EXPECT_EQ(board().GetBottomCardLocation(2), 26);
    EXPECT_EQ(state().gSelected, 26);
    EXPECT_TRUE(prompter.messages.empty());
}

// The fewest keys for each move of a whole game, with the jump keys: a column's number plays
// it, C and F step through the cells and the foundations, Home sends a card home.
TEST_F(KeyboardTest, AMoveTakesThreeKeysOrFewerInTheMiddle) {
    session.menu.NewGame(617, false);
    session.menu.Game_Started(false);
    prompter.emptyColumn = EmptyColumnChoice::Single;
    keys().Reset();
    const Solver::Result solved
        = Solver::Solve(board(), Solver::Limits::Nodes(Solver::kDealBudget));
    ASSERT_EQ(solved.verdict, Solver::Verdict::Won);
    auto keysFor = [this](const SolverMove& move) {
        int pressed = 0;
        auto press = [&pressed](auto&& key) {
            key();
            ++pressed;
        };
        auto stepTo = [&](Loc place) {
            while (keys().Place() != place)
                press([&] { isCell(place) ? keys().NextCell() : keys().NextFoundation(); });
        };
        // Picked up: C to its cell and Enter, or its column's number.
        if (isCell(move.source)) {
            stepTo(move.source);
            press([&] { keys().Activate(); });
        } else {
            press([&] { keys().PlayColumn(columnOf(move.source)); });
        }
        // Put down: Home for its foundation, C to a cell and Enter, or a column's number.
        if (isFoundation(move.target)) {
            press([&] { keys().SendHome(); });
        } else if (isCell(move.target)) {
            stepTo(move.target);
            press([&] { keys().Activate(); });
        } else {
            press([&] { keys().PlayColumn(columnOf(move.target)); });
        }
        return pressed;
    };
    std::vector<int> perMove;
    for (const SolverMove& move : solved.line) {
        perMove.push_back(keysFor(move));
        ASSERT_EQ(state().gSelected, kNoLoc) << "the move was made";
    }
    EXPECT_EQ(wins, 1);
    std::sort(perMove.begin(), perMove.end());
    EXPECT_LE(perMove[perMove.size() / 2], 3) << "the median move";
}

// What a press lifts: the selected run from the card pressed down, the selected card of a
// cell; nothing without a selection, and nothing once the game is no longer in play, even
// with a selection left on the board.
TEST_F(PointerTest, OnlyTheSelectionOfAGameInPlayIsLifted) {
    BoardBuilder(session.engine).column(0, "KC 5D QH JS").cell(0, "3D");
    const Card queen = cardAt(16);
    EXPECT_TRUE(pointer().Liftable(queen).empty()); // nothing selected
    pointer().CardPressed(cardAt(24), PointerInput::Button::Left);
    EXPECT_EQ(pointer().Liftable(queen), (std::vector<Card> { queen, cardAt(24) }));
    EXPECT_TRUE(pointer().Liftable(cardAt(8)).empty());   // above the run
    EXPECT_TRUE(pointer().Liftable(cardAt(200)).empty()); // a cell not selected
    state().gGameActive = false;
    EXPECT_TRUE(pointer().Liftable(queen).empty());
    state().gGameActive = true;
    state().gSelected = 200;
    EXPECT_EQ(pointer().Liftable(cardAt(200)), std::vector<Card> { cardAt(200) });
}

} // namespace
} // namespace quadrell::test
