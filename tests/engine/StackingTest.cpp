#include "Stacking.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class StackingTest : public EngineFixture { };

TEST_F(StackingTest, EmptyPlacesAreCounted) {
    build().column(0, "KS").column(3, "QH").cell(2, "5D");
    EXPECT_EQ(CountEmptyCells(board()), 3);
    EXPECT_EQ(CountEmptyColumns(board()), 6);
    EXPECT_EQ(GetFreeSpace(board()), 7 * 3 + 6);
}

TEST_F(StackingTest, SequenceLinksStopAtTheFirstBreak) {
    build().column(0, "2C KH QS JH TS").column(1, "9D").column(2, "9S 8D").column(3, "8D 4C");
    EXPECT_EQ(CountSequenceLinks(board(), 32), 3); // TS JH QS KH, not the 2C
    EXPECT_EQ(CountSequenceLinks(board(), 24), 2);
    EXPECT_EQ(CountSequenceLinks(board(), 1), -1); // row 0 has nothing above
    EXPECT_EQ(CountSequenceLinks(board(), 10), 1);
    EXPECT_EQ(CountSequenceLinks(board(), 11), -1);
}

// A card begins a run to the column's end when every card above it stacks in turn; a cell,
// a foundation or an empty place begins none.
TEST_F(StackingTest, ARunToTheEndStartsOnlyAtAColumnCard) {
    build().column(0, "2C KH QS JH").column(1, "9D 4C").cell(1, "8S").foundation("AH");
    const std::pair<Loc, bool> rows[] {
        { 8, true },    // KH QS JH
        { 24, true },   // JH alone, the top card
        { 0, false },   // 2C, under the KH it does not take
        { 1, false },   // 9D under a 4C
        { 9, true },    // the 4C on it, alone
        { 32, false },  // above column 0's top: no card
        { 2, false },   // an empty column
        { 201, false }, // a cell's card
        { 205, false }, // a foundation's card
    };
    for (const auto& [loc, run] : rows)
        EXPECT_EQ(IsRunToTheEnd(board(), loc), run) << loc;
}

TEST_F(StackingTest, CardsToMoveCountsTheRunThatFits) {
    // Column 0 holds the run KH QS JH TS 9H under a 5C that breaks it.
    build().columns({ "5C KH QS JH TS 9H", "KD", "QC", "JS 3H", "TC", "QD" }).cells({ "JC" });
    EXPECT_EQ(CountCardsToMove(board(), 40, 1), 4);   // QS JH TS 9H onto KD
    EXPECT_EQ(CountCardsToMove(board(), 40, 2), 3);   // JH TS 9H onto QC
    EXPECT_EQ(CountCardsToMove(board(), 40, 4), 1);   // 9H onto TC
    EXPECT_EQ(CountCardsToMove(board(), 40, 11), -1); // nothing fits on 3H
    EXPECT_EQ(CountCardsToMove(board(), 200, 5), 1);  // a cell card moves alone: JC onto QD
    EXPECT_EQ(CountCardsToMove(board(), 200, 2), -1);
    // A run that is its whole column, down to row 0: 9D 8S onto the TS of column 1.
    build().column(0, "9D 8S").column(1, "TS");
    EXPECT_EQ(CountCardsToMove(board(), 8, 1), 2);
}

TEST_F(StackingTest, PossibleMovesCountEmptyPlacesAndOneMoveEach) {
    // 2 empty cells, 1 empty column, and only 4C onto 5D to move: 4.
    build()
        .columns({ "KH 4C", "KS 5D", "KD 9C", "KC 9H", "QC 9S", "QH QS", "QD JC" })
        .cells({ "2H", "2D" })
        .foundation("AC");
    EXPECT_EQ(board().GetPossibleMoves(), 4);
    state().gGameActive = false;
    EXPECT_EQ(board().GetPossibleMoves(), 0);
}

TEST_F(StackingTest, PossibleMovesCountFoundationAndCellMovesButNotRuns) {
    build()
        .column(0, "KH 2C")    // 2C home: 1
        .column(1, "KS JH TS") // 9D from a cell onto TS: 1
        .column(2, "KD 7C")
        .column(3, "KC 5H")
        .column(4, "QS 6C") // 5H onto 6C: 1
        .column(5, "QH 7D") // 6C onto 7D: 1
        .column(6, "QD 9S")
        .column(7, "8H JD") // TS would fit, but it heads a run: not counted
        .cells({ "4D", "3S", "9D", "2S" })
        .foundation("AC");
    EXPECT_EQ(board().GetPossibleMoves(), 4);
}

// An ace goes home by itself, never by a player's click: an exposed ace is no possible move.
TEST_F(StackingTest, AnExposedAceIsNoPossibleMove) {
    build()
        .columns({ "KS AH", "3C", "5C", "7C", "9C", "JC", "4S", "6S" })
        .cells({ "QH", "KD", "KH", "QD" });
    EXPECT_EQ(board().GetPossibleMoves(), 0);
}

} // namespace
} // namespace quadrell::test
