#include "Deal.h"

#include "cArray.h"
#include "cGame.h"

#include <algorithm>
#include <cstdlib>

namespace quadrell {

std::int32_t roundedDiv(std::int32_t n, std::int32_t d) {
    std::int32_t q = n / d;
    const std::int32_t r = n % d;
    const std::int32_t away = n < 0 ? -1 : 1;
    const std::int64_t twice = 2 * std::abs(static_cast<std::int64_t>(r));
    if (twice > d || (twice == d && q % 2 != 0)) q += away;
    return q;
}

std::array<std::int16_t, 4> DealDigits(std::int32_t gameNumber) {
    std::array<std::int16_t, 4> digits {};
    std::int32_t q = roundedDiv(gameNumber, 4);
    for (std::size_t j = 0; j < digits.size(); ++j) {
        if (j > 0) q = roundedDiv(q, 30);
        // A remainder is below 30 already; a zero (or a negative number's) counts as 1.
        digits[j] = static_cast<std::int16_t>(std::max(q % 30, 1));
    }
    return digits;
}

namespace {

// Offsets that turn each array's ranks into one suit: diamonds, hearts, spades, clubs.
constexpr std::array<int, 4> kSuitOffset { 26, 0, 39, 13 };

// Block b (0-based) starts at 13 * ((X + b - 1) mod 4) of the deck.
int blockStart(int rotation, int block) { return 13 * ((rotation + block - 1) % 4); }

int rotationOf(std::int32_t gameNumber) {
    int x = 4 + gameNumber % 4;
    return x > 4 ? x - 4 : x;
}

} // namespace

void DealGame(std::int32_t gameNumber, Deck& deck) {
    const auto digits = DealDigits(gameNumber);
    std::array<cArray, 4> arrays;
    for (std::size_t j = 0; j < arrays.size(); ++j)
        arrays[j].SetIndex(digits[j]);

    const int rotation = rotationOf(gameNumber);
    for (int block = 0; block < 4; ++block) {
        const int start = blockStart(rotation, block);
        for (int k = 0; k < 13; ++k) {
            int array = ((k - block) % 4 + 4) % 4; // 0-based array index
            int member = k + 1;
            // The last block swaps its final two places.
            if (block == 3 && k == 11) {
                array = 1;
                member = 13;
            } else if (block == 3 && k == 12) {
                array = 0;
                member = 12;
            }
            deck[static_cast<std::size_t>(start + k)]
                = static_cast<Card>(arrays[static_cast<std::size_t>(array)].c(member)
                    + kSuitOffset[static_cast<std::size_t>(array)]);
        }
    }
}

cGame DealtBoard(std::int32_t gameNumber) {
    Deck deck {};
    DealGame(gameNumber, deck);
    cGame board;
    for (Loc i = 0; i < kCardCount; ++i)
        board.init(i, deck[static_cast<std::size_t>(i)]);
    return board;
}

} // namespace quadrell
