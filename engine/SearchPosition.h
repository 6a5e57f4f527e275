#pragma once

#include "Card.h"
#include "Steps.h"

#include <array>
#include <cstdint>

namespace quadrell {

class cGame;

// The solver's position in a form the search can keep by the million: the cards column by
// column, the cells and the foundations, 68 bytes.
struct PackedPosition {
    std::array<std::uint8_t, kCardCount> cards; // each column's cards from the deepest up
    std::array<std::uint8_t, kColumns> len;
    std::array<std::uint8_t, kCells> cell;
    std::array<std::uint8_t, 4> home;
};

// The solver's working position: what the search copies, changes, hashes and scores for
// every step it tries. It keeps what those need up to date as cards come and go (each
// column's hash and its breaks in order, where every card lies), so a key and an estimate
// cost a few operations rather than a pass over all 52 cards.
struct SearchPosition {
    static constexpr std::uint8_t kEmpty = 0xff;
    static constexpr int kMaxRows = 20;

    std::uint8_t col[kColumns][kMaxRows];
    std::uint8_t len[kColumns];
    std::uint8_t cell[kCells];
    std::uint8_t home[4];          // rank on each suit's foundation, 0 for none
    std::uint8_t breaks[kColumns]; // cards that do not stack on the card below them
    std::uint8_t row[kCardCount];  // a card's row in its column; kEmpty in a cell or home
    std::uint8_t column[kCardCount];
    std::array<std::uint64_t, kColumns> colKey; // the sum of each card's key at its row

    static SearchPosition From(const cGame& board);
    static SearchPosition Unpack(const PackedPosition& packed);
    PackedPosition Pack() const;

    // As a position for the step generator.
    int Length(int c) const { return len[c]; }
    Card Top(int c) const { return len[c] ? Card(col[c][len[c] - 1]) : kNoCard; }
    Card Cell(int i) const { return cell[i] == kEmpty ? kNoCard : Card(cell[i]); }
    Card HomeTop(int suit) const {
        return home[suit - 1] == 0 ? kNoCard
                                   : static_cast<Card>((suit - 1) * 13 + home[suit - 1] - 1);
    }
    int Homed() const { return home[0] + home[1] + home[2] + home[3]; }

    // The card leaves its place and lands on another.
    void Apply(Step step);
    // Automatic play to its end; the result does not depend on the order of the moves.
    void AutoPlay();
    // Equal for positions that differ only in the order of their columns or of their cells.
    std::uint64_t Key() const;
    // What an estimate counts, and how much: each card still out, each card above the next
    // card of a suit, each cell in use, each card out of order in its column, and each empty
    // column (counted off).
    struct Weights {
        int out;
        int depth;
        int cell;
        int outOfOrder;
        int emptyColumn;
    };
    // Lower is closer to a win.
    int Estimate(const Weights& weights) const;

private:
    void push(int c, std::uint8_t card);
    std::uint8_t pop(int c);
    void toCell(int i, std::uint8_t card);
};

} // namespace quadrell
