#pragma once

#include "Card.h"

#include <array>
#include <cstdint>

namespace quadrell {

using Deck = std::array<Card, kCardCount>; // the card dealt to each location

// Exact division rounded to the nearest integer, ties to the even one (d > 0).
std::int32_t roundedDiv(std::int32_t n, std::int32_t d);

// The four permutation rows the game number selects, each clamped to 1..30.
std::array<std::int16_t, 4> DealDigits(std::int32_t gameNumber);

// Fills deck[0..51] with the dealt order of the game: card deck[i] lies at location i.
void DealGame(std::int32_t gameNumber, Deck& deck);

class cGame;
// The game's deal laid out on a board of its own: the cards in the columns, nothing else.
cGame DealtBoard(std::int32_t gameNumber);

} // namespace quadrell
