#pragma once

#include <array>
#include <cstdint>

namespace quadrell {

// A card number 0..51 (hearts, clubs, diamonds, spades, each ace to king); -1 is no card.
using Card = std::int16_t;
// A location code: column places 0..199, cells 200..203, foundations 205..208.
using Loc = std::int16_t;

constexpr Card kNoCard = -1;
constexpr Loc kNoLoc = -1;
constexpr Loc kFirstCell = 200;
constexpr Loc kNotAPlace = 204;
constexpr Loc kFirstFoundation = 205;
constexpr Loc kLastFoundation = 208;
constexpr int kBoardSize = 213; // codes 209..212 exist but are never used
constexpr int kColumns = 8;
constexpr int kCells = 4;
constexpr int kCardCount = 52;
// Seven dealt cards under a king and the twelve below it: no column can hold more.
constexpr int kMaxColumnCards = 19;
// A card's size on the board, in twips.
constexpr int kCardWidthTwips = 1065;
constexpr int kCardHeightTwips = 1440;

// Move modes passed with every single-card step.
constexpr std::int32_t kModePlayer = 1;
constexpr std::int32_t kModeClickPlace = -1;
constexpr std::int32_t kModeFollowUp = 2;
constexpr std::int32_t kModeHistory = 3;

// Suit 1 hearts, 2 clubs, 3 diamonds, 4 spades; -1 for no card.
constexpr int suitOf(Card c) { return c < 0 ? -1 : c / 13 + 1; }
// Rank 1 ace .. 13 king; -1 for no card.
constexpr int rankOf(Card c) { return c < 0 ? -1 : c % 13 + 1; }
// Colour code 1 red (hearts, diamonds), 2 black (clubs, spades).
constexpr int colourOf(Card c) { return suitOf(c) == 1 || suitOf(c) == 3 ? 1 : 2; }

namespace detail {
// The one rule for building down a column: a card lies on one of the other colour and one
// rank higher.
constexpr bool stacksByRule(Card moving, Card target) {
    return colourOf(moving) != colourOf(target) && rankOf(moving) + 1 == rankOf(target);
}
// The rule for every pair of cards, worked out once: the solver asks it millions of times.
inline constexpr auto kStacks = [] {
    std::array<std::array<bool, 52>, 52> table {};
    for (Card a = 0; a < 52; ++a)
        for (Card b = 0; b < 52; ++b)
            table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = stacksByRule(a, b);
    return table;
}();
} // namespace detail

constexpr bool stacksOn(Card moving, Card target) {
    return moving >= 0 && target >= 0
        && detail::kStacks[static_cast<std::size_t>(moving)][static_cast<std::size_t>(target)];
}
// The one rule for sending a card home: it is the next card of its suit on the foundation
// whose top card is `top` (kNoCard for an empty one, which takes an ace).
constexpr bool followsOnFoundation(Card card, Card top) {
    if (card < 0) return false;
    return top == kNoCard ? rankOf(card) == 1
                          : suitOf(top) == suitOf(card) && rankOf(top) + 1 == rankOf(card);
}

constexpr bool isColumnPlace(int loc) { return loc >= 0 && loc < kFirstCell; }
constexpr bool isCell(int loc) { return loc >= kFirstCell && loc < kFirstCell + kCells; }
constexpr bool isFoundation(int loc) { return loc >= kFirstFoundation && loc <= kLastFoundation; }
constexpr int columnOf(int loc) { return loc % kColumns; }
constexpr int rowOf(int loc) { return loc / kColumns; }
constexpr Loc foundationOf(Card c) { return static_cast<Loc>(kNotAPlace + suitOf(c)); }

} // namespace quadrell
