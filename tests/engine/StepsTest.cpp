#include "Steps.h"

#include "Deal.h"
#include "EngineFixture.h"
#include "Solver.h"
#include "cGame.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace quadrell::test {
namespace {

using StepSet = std::set<std::pair<Loc, Loc>>;

// The rules read straight from the table, every place against every place: a card leaves
// the end of a column or a cell; it lands on the free place at the end of another column
// (on a card of the other colour one rank higher, or on the column's first place), on an
// empty cell, or on its own foundation's next rank. Aces go home only by themselves.
StepSet oracle(const cGame& b, bool acesByThemselves) {
    const auto at = [&b](int loc) { return b.GetCardIndex(static_cast<Loc>(loc)); };
    StepSet steps;
    for (int from = 0; from < kFirstCell + kCells; ++from) {
        const Card card = at(from);
        const bool exposed = isCell(from)
            || (from < kFirstCell && (from + kColumns >= kFirstCell || at(from + kColumns) < 0));
        if (card < 0 || !exposed) continue;
        for (int to = 0; to < kBoardSize; ++to) {
            bool legal = false;
            if (to < kFirstCell) {
                const bool endOfColumn = at(to) < 0 && (to < kColumns || at(to - kColumns) >= 0);
                const Card under = to < kColumns ? kNoCard : at(to - kColumns);
                const bool ownColumn = from < kFirstCell && to % kColumns == from % kColumns;
                legal = endOfColumn && !ownColumn
                    && (to < kColumns
                        || (colourOf(card) != colourOf(under)
                            && rankOf(card) + 1 == rankOf(under)));
            } else if (to < kFirstCell + kCells) {
                legal = at(to) < 0;
            } else if (to == kNotAPlace + suitOf(card)) {
                legal = at(to) < 0 ? acesByThemselves && rankOf(card) == 1
                                   : rankOf(at(to)) + 1 == rankOf(card);
            }
            if (legal) steps.insert({ static_cast<Loc>(from), static_cast<Loc>(to) });
        }
    }
    return steps;
}

StepSet generated(const cGame& b, StepKinds kinds) {
    StepSet steps;
    ForEachStep(BoardPosition(b), kinds, [&](const quadrell::Step& s) {
        EXPECT_TRUE(steps.insert({ s.from, s.to }).second) << "given twice";
    });
    return steps;
}

// A position with columns and cells in no order: what a step leads to, as the search sees it.
std::vector<std::vector<Card>> shape(const cGame& b) {
    std::vector<std::vector<Card>> columns(kColumns);
    for (int c = 0; c < kColumns; ++c)
        for (Loc loc = static_cast<Loc>(c); loc < kFirstCell && b.GetCardIndex(loc) >= 0;
             loc += kColumns)
            columns[static_cast<std::size_t>(c)].push_back(b.GetCardIndex(loc));
    std::sort(columns.begin(), columns.end());
    std::vector<Card> rest;
    for (Loc loc = kFirstCell; loc < kFirstCell + kCells; ++loc)
        rest.push_back(b.GetCardIndex(loc));
    std::sort(rest.begin(), rest.end());
    for (Loc loc = kFirstFoundation; loc <= kLastFoundation; ++loc)
        rest.push_back(b.GetCardIndex(loc));
    columns.push_back(rest);
    return columns;
}

class StepsTest : public EngineFixture {
protected:
    // Every step the rules allow, no other, each once; the search's fewer steps reach every
    // position the player's steps reach...
    void check(const cGame& b, const std::string& where) {
        const StepSet player = oracle(b, false);
        ASSERT_EQ(generated(b, StepKinds::Player), player) << where;
        ASSERT_EQ(generated(b, StepKinds::Recorded), oracle(b, true)) << where;
        const StepSet search = generated(b, StepKinds::Search);
        ASSERT_TRUE(std::includes(player.begin(), player.end(), search.begin(), search.end()));
        std::set<std::vector<std::vector<Card>>> reached;
        for (const auto& [from, to] : search) {
            cGame next = b;
            next.ApplyStep(from, to);
            reached.insert(shape(next));
        }
        // ... and no two of them, nor any, lead back to where it stands.
        EXPECT_EQ(reached.size(), search.size()) << where;
        EXPECT_FALSE(reached.count(shape(b))) << where;
        for (const auto& [from, to] : player) {
            cGame next = b;
            next.ApplyStep(from, to);
            EXPECT_TRUE(reached.count(shape(next)) || shape(next) == shape(b))
                << where << ": " << from << "->" << to;
            EXPECT_TRUE(IsStep(b, { from, to }));
            EXPECT_TRUE(IsStepSource(b, from));
        }
        ++positions;
        for (Loc c = 0; c < kColumns; ++c)
            if (b.GetCardIndex(c) < 0) return void(++withEmptyColumn);
    }
    int positions = 0, withEmptyColumn = 0;
};

// The positions of whole won games, empty columns and all, and of games played at random.
TEST_F(StepsTest, TheGeneratorGivesExactlyTheStepsTheRulesAllow) {
    for (std::int32_t game : { 1, 2, 3 }) {
        engine.NewBoard();
        engine.DealAndLayOut(game);
        const Solver::Result r = Solver::Solve(board(), Solver::Limits::Nodes(Solver::kDealBudget));
        for (std::size_t i = 0; i < r.line.size(); ++i) {
            check(board(), "game " + std::to_string(game) + " move " + std::to_string(i));
            ASSERT_TRUE(Solver::Play(engine, r.line[i]));
        }
    }
    std::mt19937 random(2026);
    for (std::int32_t game : { 617, 11982, 3240000 }) {
        cGame b;
        Deck deck {};
        DealGame(game, deck);
        for (Loc i = 0; i < kCardCount; ++i)
            b.init(i, deck[static_cast<std::size_t>(i)]);
        for (int turn = 0; turn < 60; ++turn) {
            check(b, "random " + std::to_string(game) + " turn " + std::to_string(turn));
            const StepSet steps = oracle(b, true);
            if (steps.empty()) break;
            auto pick = steps.begin();
            std::advance(pick, static_cast<long>(random() % steps.size()));
            b.ApplyStep(pick->first, pick->second);
        }
    }
    EXPECT_GT(positions, 250);
    EXPECT_GT(withEmptyColumn, 50);
}

TEST(Steps, NothingElseIsAStep) {
    cGame b;
    Deck deck {};
    DealGame(1, deck);
    for (Loc i = 0; i < kCardCount; ++i)
        b.init(i, deck[static_cast<std::size_t>(i)]);
    // A covered card, an empty cell, a foundation, a place past the board: no step starts
    // there; no step ends outside the board.
    for (Loc from : { Loc(40), Loc(kFirstCell), Loc(kFirstFoundation), Loc(-1), Loc(300) })
        EXPECT_FALSE(IsStepSource(b, from)) << from;
    EXPECT_TRUE(IsStepSource(b, 48));
    EXPECT_FALSE(IsStep(b, { 48, 300 }));
    EXPECT_FALSE(IsStep(b, { 48, 56 }));         // down its own column
    EXPECT_FALSE(IsStep(b, { 48, kNotAPlace })); // the place between cells and foundations
    EXPECT_TRUE(IsStep(b, { 48, kFirstCell }));
}

// The safe-play rule, row by row: it goes home when it follows and no card of the other
// colour could still want to lie on it.
TEST(Steps, ACardGoesHomeByItselfOnlyWhenNoOtherCardCouldWantIt) {
    const Card aceH = 0, twoH = 1, threeH = 2, fiveH = 4, fourH = 3, aceC = 13;
    struct Row {
        Card card, homeTop;
        int otherLowest;
        bool home;
    };
    for (const Row& r : { Row { aceH, kNoCard, 0, true }, Row { twoH, aceH, 0, true },
             Row { twoH, kNoCard, 5, false }, Row { threeH, twoH, 0, false },
             Row { threeH, twoH, 1, false }, Row { threeH, twoH, 2, true },
             Row { threeH, twoH, -1, false }, Row { fiveH, fourH, 2, false },
             Row { fiveH, fourH, 3, false }, Row { fiveH, fourH, 4, true },
             Row { fiveH, threeH, 13, false }, Row { aceC, aceH, 13, false } }) {
        EXPECT_EQ(GoesHomeByItself(r.card, r.homeTop, r.otherLowest), r.home)
            << r.card << " on " << r.homeTop << " other " << r.otherLowest;
    }
}

} // namespace
} // namespace quadrell::test
