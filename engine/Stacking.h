#pragma once

#include "Card.h"

#include <cstdint>

namespace quadrell {

class cGame;

// Board queries the move rules, automatic play and pointer feedback share.

// The card at `moving` may lie directly on the card at `target`: other colour, one rank lower.
bool CanStack(const cGame& board, Loc moving, Loc target);
std::int16_t CountEmptyCells(const cGame& board);
std::int16_t CountEmptyColumns(const cGame& board);
// How many cards beyond the first one move may carry: (columns + 1) x cells + columns.
std::int16_t CalcFreeSpace(std::int16_t columns, std::int16_t cells);
std::int16_t GetFreeSpace(const cGame& board);
// Valid links above a column card, -1 when there is none.
std::int16_t CountSequenceLinks(const cGame& board, Loc location);
// How many cards from the exposed card of the source column go onto the target's column,
// -1 when no number works.
std::int16_t CountCardsToMove(const cGame& board, Loc source, Loc target);
// The one rule for a run moved as one move onto the column card at `target` from `source`
// (a column's exposed card or a cell's card): how many cards go (0 when no number of them
// leads onto it) and how many the free cells and empty columns can set aside meanwhile.
// Clicks, drags, the drop marks and the refusal reasons all ask this.
struct RunMove {
    std::int16_t cards = 0;
    std::int16_t room = 0;
    bool Fits() const { return cards >= 1 && cards - 1 <= room; }
};
RunMove RunOnto(const cGame& board, Loc source, Loc target);
// The longest run that may go into an empty column: the others empty and the cells carry it.
std::int16_t LongestRunIntoEmptyColumn(const cGame& board);
// Whether the cards from `location` to its column's exposed card lie each on the one above,
// so they can leave the column together.
bool IsRunToTheEnd(const cGame& board, Loc location);
// The possible-moves count of a board in play.
std::int16_t CountPossibleMoves(const cGame& board);
// The cards on the four foundations.
int CardsHome(const cGame& board);
// The lower rank of the colour's two foundations (-1 for an empty one); 0 for another colour.
std::int16_t GetLowestFoundation(const cGame& board, int colour);

} // namespace quadrell
