#include "BoardBuilder.h"
#include "EngineFixture.h"
#include "cCards.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

TEST(CardNumbers, SuitRankAndColourFollowFromTheNumber) {
    struct Row {
        Card card;
        int suit, rank, colour;
    };
    for (const Row& r : { Row { 0, 1, 1, 1 }, Row { 12, 1, 13, 1 }, Row { 13, 2, 1, 2 },
             Row { 38, 3, 13, 1 }, Row { 39, 4, 1, 2 }, Row { 51, 4, 13, 2 } }) {
        EXPECT_EQ(suitOf(r.card), r.suit) << r.card;
        EXPECT_EQ(rankOf(r.card), r.rank) << r.card;
        EXPECT_EQ(colourOf(r.card), r.colour) << r.card;
    }
    EXPECT_EQ(suitOf(kNoCard), -1);
    EXPECT_EQ(rankOf(kNoCard), -1);
}

TEST(CardQueries, CoordinatesOfPlacesInTwips) {
    struct Row {
        Loc place;
        int x, y;
    };
    cGame board;
    cCards cards(board);
    for (const Row& r :
        { Row { 0, 100, 1600 }, Row { 7, 8290, 1600 }, Row { 51, 3610, 3136 }, Row { 203, 3240, 0 },
            Row { 200, 0, 0 }, Row { 205, 5140, 0 }, Row { 208, 8380, 0 } }) {
        EXPECT_EQ(cards.GetCordinatex(r.place), r.x) << r.place;
        EXPECT_EQ(cards.GetCordinatey(r.place), r.y) << r.place;
    }
}

// A column's place is its column and row; a place of the top row is found by its index
// there, with 200 for the row.
TEST(CardQueries, PositionsOfPlacesAndBack) {
    struct Row {
        Loc place;
        int x, y;
    };
    cGame board;
    cCards cards(board);
    for (const Row& r : { Row { 0, 0, 0 }, Row { 7, 7, 0 }, Row { 8, 0, 1 }, Row { 51, 3, 6 } }) {
        EXPECT_EQ(cards.GetPositionx(r.place), r.x) << r.place;
        EXPECT_EQ(cards.GetPositiony(r.place), r.y) << r.place;
        EXPECT_EQ(cards.GetLocation(static_cast<std::int16_t>(r.x), static_cast<std::int16_t>(r.y)),
            r.place);
    }
    EXPECT_EQ(cards.GetPositionx(203), 3);
    EXPECT_EQ(cards.GetPositiony(203), 6); // the row of the last place asked
    EXPECT_EQ(cards.GetLocation(3, 200), 203);
    EXPECT_EQ(cards.GetLocation(7, 200), 207);
}

TEST(CardQueries, EmptyPlaceHasNoSuitOrRankAndKeepsTheLastColour) {
    cGame board;
    for (Card c = 0; c < kCardCount; ++c) // nothing dealt: no card lies anywhere
        ASSERT_EQ(board.GetLocation(c), kNoLoc) << c;
    board.init(0, CardOf("AC"));
    cCards cards(board);
    EXPECT_EQ(cards.GetCardType(0), 2);
    EXPECT_EQ(cards.GetCardNumber(0), 1);
    EXPECT_EQ(cards.GetCardColor(0), 2);
    EXPECT_EQ(cards.GetCardType(201), -1);
    EXPECT_EQ(cards.GetCardNumber(201), -1);
    EXPECT_EQ(cards.GetCardColor(201), 2);
    board.init(1, CardOf("KD"));
    EXPECT_EQ(cards.GetCardType(1), 3);
    EXPECT_EQ(cards.GetCardNumber(1), 13);
    EXPECT_EQ(cards.GetCardColor(1), 1);
}

class BoardTest : public EngineFixture { };

TEST_F(BoardTest, ColumnCountsAndBottomCards) {
    build().column(2, "KH QS JH TS 9H 8S 7H");
    EXPECT_EQ(board().GetTotalCards(2), 7);
    EXPECT_EQ(board().GetBottomCardLocation(10), 50);
    EXPECT_EQ(board().GetBottomCardLocation(3), -1);
    EXPECT_EQ(board().GetBottomCardLocation(201), -1);
    EXPECT_EQ(board().GetTotalCards(201), 0);
}

TEST_F(BoardTest, LeavingAFoundationShowsTheCardBelowOrNothing) {
    build().foundation("2C").foundation("AD");
    board().SetLocation(206, 200, kModeHistory, 1, true);
    EXPECT_EQ(at(200), CardOf("2C"));
    EXPECT_EQ(at(206), CardOf("AC"));
    board().SetLocation(207, 201, kModeHistory, 1, true);
    EXPECT_EQ(at(207), kNoCard);
    EXPECT_EQ(board().GetLocation(CardOf("AD")), 201);
}

TEST_F(BoardTest, StepsGoToTheViewWithTheirCount) {
    build().column(0, "5S").column(1, "KD");
    options.cardSpeed = 30;
    board().SetLocation(0, 200, kModePlayer, 0, false);
    board().SetLocation(200, 0, kModeHistory, 10, false);
    board().SetLocation(0, 201, kModeHistory, 5, false);
    board().SetLocation(201, 202, kModeHistory, 1, true);
    const Card c = CardOf("5S");
    const std::vector<ViewMove> expected { { c, 0, 200, 30, false }, { c, 200, 0, 10, false },
        { c, 0, 201, 5, false }, { c, 201, 202, 1, true } };
    EXPECT_EQ(view.moves, expected);
    // Only the first one is recorded: history steps never are.
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 0, 200, kModePlayer } }));
    EXPECT_EQ(board().GetLocation(c), 202);
    // A copy set apart from the engine (a sketch) moves its cards, and nothing else hears.
    cGame sketch = board();
    sketch.Attach(nullptr);
    sketch.SetLocation(202, 3, kModePlayer, 0, false);
    EXPECT_EQ(sketch.GetCardIndex(3), c);
    EXPECT_EQ(sketch.GetLocation(c), 3);
    EXPECT_EQ(view.moves.size(), expected.size());
    EXPECT_EQ(recorder.steps.size(), 1U);
    EXPECT_EQ(board().GetLocation(c), 202);
}

} // namespace
} // namespace quadrell::test
