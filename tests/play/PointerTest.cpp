#include "SessionFixture.h"

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

} // namespace
} // namespace quadrell::test
