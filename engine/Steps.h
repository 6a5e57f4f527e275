#pragma once

#include "Card.h"

#include <array>
#include <cstddef>

namespace quadrell {

class cGame;

// One card's step from one place to another, in board location codes.
struct Step {
    Loc from;
    Loc to;
    bool operator==(const Step&) const = default;
};

// Which steps a generator gives.
enum class StepKinds {
    Player,   // what clicks can do: home only onto the suit's card below (aces go by themselves)
    Recorded, // what a game may hold: the player's steps, and aces going home by themselves
    Search,   // the player's steps, leaving out those that lead where another already led
};

// The safe-play rule: a card goes home by itself when it follows on its foundation and no
// card of the other colour could still want to lie on it (its rank is at most two above
// the lower of that colour's foundations, 0 for an empty one).
constexpr bool GoesHomeByItself(Card card, Card homeTop, int otherColourLowest) {
    return followsOnFoundation(card, homeTop)
        && (rankOf(card) <= 2 || rankOf(card) < otherColourLowest + 2);
}

// The one place that says which single-card steps are legal from a position. `Position`
// answers Length(column), Top(column), Cell(index) and HomeTop(suit 1..4), kNoCard for an
// empty place: the board in play and the solver's compact copy alike.
//
// The order is fixed: the top card of each column 0..7, then each cell card; for each, home,
// onto each column whose top it stacks on, to an empty column, to an empty cell.
template <typename Position, typename Visit>
void ForEachStep(const Position& p, StepKinds kinds, Visit&& visit) {
    const bool search = kinds == StepKinds::Search;
    int firstEmptyColumn = -1;
    for (int c = kColumns - 1; c >= 0; --c)
        if (p.Length(c) == 0) firstEmptyColumn = c;
    int firstEmptyCell = -1;
    for (int i = kCells - 1; i >= 0; --i)
        if (p.Cell(i) == kNoCard) firstEmptyCell = i;
    const auto next = [&p](int c) { return static_cast<Loc>(p.Length(c) * kColumns + c); };

    const auto stepsOf = [&](Loc from, Card card, int ownColumn) {
        // A column's top and a cell's card are cards; said so, the optimiser knows the suit is
        // one of four.
        if (card < 0) return;
        const Card homeTop = p.HomeTop(suitOf(card));
        if ((homeTop != kNoCard || kinds == StepKinds::Recorded)
            && followsOnFoundation(card, homeTop))
            visit(Step { from, foundationOf(card) });
        for (int d = 0; d < kColumns; ++d)
            if (d != ownColumn && stacksOn(card, p.Top(d))) visit(Step { from, next(d) });
        if (search) { // one empty column and one empty cell stand for all
            const bool lone = ownColumn >= 0 && p.Length(ownColumn) == 1;
            if (firstEmptyColumn >= 0 && !lone)
                visit(Step { from, static_cast<Loc>(firstEmptyColumn) });
            if (firstEmptyCell >= 0 && ownColumn >= 0)
                visit(Step { from, static_cast<Loc>(kFirstCell + firstEmptyCell) });
            return;
        }
        for (int d = 0; d < kColumns; ++d)
            if (p.Length(d) == 0) visit(Step { from, static_cast<Loc>(d) });
        for (int i = 0; i < kCells; ++i)
            if (p.Cell(i) == kNoCard) visit(Step { from, static_cast<Loc>(kFirstCell + i) });
    };
    for (int c = 0; c < kColumns; ++c)
        if (p.Length(c) > 0) stepsOf(static_cast<Loc>(next(c) - kColumns), p.Top(c), c);
    for (int i = 0; i < kCells; ++i)
        if (p.Cell(i) != kNoCard) stepsOf(static_cast<Loc>(kFirstCell + i), p.Cell(i), -1);
}

// The board in play as a position, read once: the generator asks each column many times.
class BoardPosition {
public:
    explicit BoardPosition(const cGame& board);
    int Length(int column) const { return length_[static_cast<std::size_t>(column)]; }
    Card Top(int column) const { return top_[static_cast<std::size_t>(column)]; }
    Card Cell(int index) const { return cell_[static_cast<std::size_t>(index)]; }
    Card HomeTop(int suit) const { return home_[static_cast<std::size_t>(suit - 1)]; }

private:
    std::array<int, kColumns> length_ {};
    std::array<Card, kColumns> top_ {};
    std::array<Card, kCells> cell_ {};
    std::array<Card, 4> home_ {};
};

// Whether a card may step from `location`: the top card of a column, or a cell's card.
bool IsStepSource(const cGame& board, Loc location);
// Whether a player (or, for Recorded, a game) may take the step on the board.
bool IsStep(const cGame& board, Step step, StepKinds kinds = StepKinds::Player);

} // namespace quadrell
