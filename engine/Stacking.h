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
// The possible-moves count of a board in play.
std::int16_t CountPossibleMoves(const cGame& board);
// The lower rank of the colour's two foundations (-1 for an empty one); 0 for another colour.
std::int16_t GetLowestFoundation(const cGame& board, int colour);

} // namespace quadrell
