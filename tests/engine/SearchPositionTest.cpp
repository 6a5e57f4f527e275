#include "SearchPosition.h"

#include "EngineFixture.h"
#include "SeenSet.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace quadrell::test {
namespace {

class SearchPositionTest : public EngineFixture {
protected:
    // The steps the search would try from the board as it stands.
    std::vector<quadrell::Step> stepsNow() {
        std::vector<quadrell::Step> steps;
        ForEachStep(BoardPosition(board()), StepKinds::Search,
            [&steps](quadrell::Step s) { steps.push_back(s); });
        return steps;
    }
    static void expectSame(const SearchPosition& a, const SearchPosition& b) {
        EXPECT_EQ(a.Key(), b.Key());
        for (const SearchPosition::Weights& w : kWeights)
            EXPECT_EQ(a.Estimate(w), b.Estimate(w));
        EXPECT_EQ(a.Homed(), b.Homed());
    }
    static constexpr SearchPosition::Weights kWeights[] {
        { .out = 1, .depth = 0, .cell = 0, .outOfOrder = 0, .emptyColumn = 0 },
        { .out = 0, .depth = 1, .cell = 0, .outOfOrder = 0, .emptyColumn = 0 },
        { .out = 0, .depth = 0, .cell = 1, .outOfOrder = 0, .emptyColumn = 0 },
        { .out = 0, .depth = 0, .cell = 0, .outOfOrder = 1, .emptyColumn = 0 },
        { .out = 0, .depth = 0, .cell = 0, .outOfOrder = 0, .emptyColumn = 1 },
    };
};

// What the position keeps up to date as cards move is what a fresh reading of the board
// gives, step after step, and packing it loses nothing.
TEST_F(SearchPositionTest, KeptFiguresEqualAFreshReadingAfterEveryStep) {
    std::mt19937 pick(7);
    for (const std::int32_t game : { 1, 7, 617, 11982 }) {
        engine.NewBoard();
        engine.DealAndLayOut(game);
        SearchPosition kept = SearchPosition::From(board());
        for (int i = 0; i < 60; ++i) {
            const std::vector<quadrell::Step> steps = stepsNow();
            if (steps.empty()) break;
            const quadrell::Step step = steps[pick() % steps.size()];
            kept.Apply(step);
            board().ApplyStep(step.from, step.to);
            SCOPED_TRACE(testing::Message() << "game " << game << " step " << i);
            expectSame(kept, SearchPosition::From(board()));
            expectSame(kept, SearchPosition::Unpack(kept.Pack()));
        }
    }
}

// A column emptied and filled again counts its cards afresh (the random walks above seldom
// empty one).
TEST_F(SearchPositionTest, AColumnEmptiedAndFilledAgainIsReadAfresh) {
    build().column(1, "KS 4C 9H").column(2, "9D");
    SearchPosition kept = SearchPosition::From(board());
    for (const quadrell::Step step : { quadrell::Step { 2, 200 }, quadrell::Step { 17, 2 },
             quadrell::Step { 9, 201 }, quadrell::Step { 200, 9 } }) {
        kept.Apply(step);
        board().ApplyStep(step.from, step.to);
        expectSame(kept, SearchPosition::From(board()));
    }
}

TEST_F(SearchPositionTest, EachFigureCountsWhatItNames) {
    // Hearts home to the two; the three of hearts under two cards.
    build().foundation("2H").column(0, "KS 3H 9C 8D").column(1, "5C").cell(0, "7D").cell(1, "QS");
    const SearchPosition p = SearchPosition::From(board());
    // The figures one at a time, in the order of kWeights: cards out (the board holds 6 of
    // the 50 named out, the rest absent but not home), cards above the next of each suit
    // (two above the three of hearts; the aces of the other suits lie nowhere), cells in use,
    // cards out of order (3H on KS, 9C on 3H), empty columns (six).
    const int expected[] { 50, 2, 2, 2, -6 };
    for (std::size_t i = 0; i < std::size(kWeights); ++i)
        EXPECT_EQ(p.Estimate(kWeights[i]), expected[i]) << i;
}

TEST_F(SearchPositionTest, ColumnsAndCellsInAnotherOrderGiveTheSameKey) {
    build().column(0, "KS QH").column(3, "5C").cell(0, "7D").cell(2, "9H");
    const std::uint64_t key = SearchPosition::From(board()).Key();
    build().column(6, "KS QH").column(1, "5C").cell(3, "7D").cell(1, "9H");
    EXPECT_EQ(SearchPosition::From(board()).Key(), key);
    build().column(6, "QH KS").column(1, "5C").cell(3, "7D").cell(1, "9H"); // not the same
    EXPECT_NE(SearchPosition::From(board()).Key(), key);
}

// Automatic play sends home only cards on the board, and only those the safe rule lets go.
TEST_F(SearchPositionTest, AutomaticPlayTakesOnlyCardsThatAreThere) {
    const struct {
        const char* what;
        void (*lay)(BoardBuilder&);
        int homed;
    } rows[] {
        { "no aces anywhere", [](BoardBuilder& b) { b.column(0, "2H 3S"); }, 0 },
        { "an ace on top, then its two", [](BoardBuilder& b) { b.column(0, "2H AH"); }, 2 },
        { "an ace in a cell", [](BoardBuilder& b) { b.cell(2, "AS"); }, 1 },
        { "a four two above the lower black foundation: held back",
            [](BoardBuilder& b) {
                b.foundation("3H").foundation("2C").foundation("2S").column(0, "4H");
            },
            0 },
        { "a three one above it: home",
            [](BoardBuilder& b) {
                b.foundation("2H").foundation("2C").foundation("2S").column(0, "3H");
            },
            1 },
        { "a three held back by the other colour",
            [](BoardBuilder& b) { b.foundation("2H").foundation("AC").column(0, "3H"); }, 0 },
    };
    for (const auto& row : rows) {
        BoardBuilder b = build();
        row.lay(b);
        SearchPosition p = SearchPosition::From(board());
        p.AutoPlay();
        EXPECT_EQ(p.Homed() - SearchPosition::From(board()).Homed(), row.homed) << row.what;
    }
}

TEST(SeenSetTest, EachKeyIsNewOnceThroughEveryGrowth) {
    SeenSet seen(4);
    std::mt19937_64 keys(1);
    std::vector<std::uint64_t> all(100000);
    for (std::uint64_t& k : all)
        k = keys() & ~1ULL; // neighbours told apart by more than the lowest bit
    for (const std::uint64_t k : all)
        EXPECT_TRUE(seen.Insert(k));
    for (const std::uint64_t k : all)
        EXPECT_FALSE(seen.Insert(k));
    EXPECT_EQ(seen.Size(), all.size());
    EXPECT_TRUE(seen.Insert(0)); // no key is mistaken for an empty slot
    EXPECT_FALSE(seen.Insert(0));
}

} // namespace
} // namespace quadrell::test
