#include "Deal.h"

#include "DailyDeal.h"
#include "cArray.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace quadrell::test {
namespace {

Deck dealOf(std::int32_t n) {
    Deck deck {};
    DealGame(n, deck);
    return deck;
}

bool sameLayout(std::int32_t a, std::int32_t b) {
    const Deck x = dealOf(a);
    const Deck y = dealOf(b);
    return std::equal(x.begin(), x.begin() + 52, y.begin());
}

TEST(PermutationTable, RowsFollowTheirRule) {
    const auto& t = cArray::PermutationTable();
    auto shifted = [&t](int base, int k, int i) {
        return (t[static_cast<std::size_t>(base)][static_cast<std::size_t>(i)] + k) % 13;
    };
    for (int i = 0; i < 13; ++i) {
        for (int k = 0; k <= 12; ++k)
            EXPECT_EQ(t[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)], shifted(0, k, i))
                << k;
        EXPECT_EQ(t[13][static_cast<std::size_t>(i)], t[0][static_cast<std::size_t>(i)]);
        for (int k = 14; k <= 20; ++k)
            EXPECT_EQ(
                t[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)], shifted(14, k - 14, i))
                << k;
        for (int k = 21; k <= 30; ++k)
            EXPECT_EQ(
                t[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)], shifted(21, k - 21, i))
                << k;
    }
}

TEST(PermutationTable, IndexOutsideTheTableLeavesMembersAlone) {
    cArray a;
    a.SetIndex(5);
    a.SetIndex(31);
    a.SetIndex(-1);
    EXPECT_EQ(a.c(1), 9);
    EXPECT_EQ(a.c(13), 0);
    // Both ends of the table are in it.
    for (const std::int16_t edge : { 0, 30 }) {
        a.SetIndex(edge);
        for (int m = 1; m <= 13; ++m)
            EXPECT_EQ(a.c(m), cArray::PermutationTable()[std::size_t(edge)][std::size_t(m - 1)]);
    }
}

TEST(Deal, GameZeroGivesTheWorkedExample) {
    const Deck expected { 18, 26, 4, 46, 25, 28, 10, 42, 24, 34, 1, 45, 22, 44, 13, 30, 7, 51, 15,
        36, 3, 50, 21, 27, 6, 48, 5, 39, 17, 33, 12, 41, 23, 29, 11, 47, 14, 9, 32, 31, 0, 43, 20,
        38, 2, 49, 16, 37, 8, 40, 19, 35 };
    EXPECT_EQ(dealOf(0), expected);
}

TEST(Deal, GameOneIsGameZeroRotated) {
    const Deck zero = dealOf(0);
    const Deck one = dealOf(1);
    EXPECT_TRUE(std::equal(zero.begin() + 39, zero.begin() + 52, one.begin()));
    EXPECT_TRUE(std::equal(zero.begin(), zero.begin() + 39, one.begin() + 13));
    EXPECT_EQ(one[0], 31);
    EXPECT_EQ(one[1], 0);
}

TEST(Deal, NumbersThatShareALayout) {
    EXPECT_TRUE(sameLayout(0, 4));
    EXPECT_TRUE(sameLayout(0, 120));
    EXPECT_TRUE(sameLayout(0, 3240000));
    EXPECT_FALSE(sameLayout(0, 1));
    EXPECT_TRUE(sameLayout(-4, 0)); // negative numbers: digits 1, X = 4
    EXPECT_TRUE(sameLayout(-1, 3)); // game -1 has X = 3
}

TEST(Deal, DigitsRoundHalvesToEven) {
    struct Row {
        std::int32_t game;
        std::array<std::int16_t, 4> digits;
    };
    for (const Row& r : { Row { 0, { 1, 1, 1, 1 } }, Row { 6, { 2, 1, 1, 1 } },
             Row { 10, { 2, 1, 1, 1 } }, Row { 58, { 14, 1, 1, 1 } }, Row { 1000, { 10, 8, 1, 1 } },
             Row { 1800, { 1, 15, 1, 1 } }, Row { 3239999, { 1, 1, 1, 1 } },
             Row { -5, { 1, 1, 1, 1 } }, Row { 2147483647, { 2, 7, 3, 24 } } }) {
        EXPECT_EQ(DealDigits(r.game), r.digits) << r.game;
    }
    EXPECT_EQ(roundedDiv(-6, 4), -2);
    EXPECT_EQ(roundedDiv(-10, 4), -2);
    EXPECT_EQ(roundedDiv(7, 2), 4);
}

// Golden number: a checksum over the game numbers offered (the first thousand, then every
// 97th, and the last), so any change to the deal shows at once. Each deal is also a
// permutation of the 52 cards.
TEST(Deal, OfferedNumbersDealPermutations) {
    std::uint64_t checksum = 1469598103934665603ULL;
    Deck deck {};
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = 0; n < 3240000; n += n < 1000 ? 1 : 97)
        numbers.push_back(n);
    numbers.push_back(3240000);
    for (const std::int32_t n : numbers) {
        DealGame(n, deck);
        std::uint64_t seen = 0;
        for (int i = 0; i < 52; ++i) {
            seen |= 1ULL << deck[static_cast<std::size_t>(i)];
            checksum = (checksum ^ static_cast<std::uint64_t>(deck[static_cast<std::size_t>(i)]))
                * 1099511628211ULL;
        }
        ASSERT_EQ(seen, (1ULL << 52) - 1) << "game " << n;
    }
    EXPECT_EQ(checksum, 10831255530765855497ULL)
        << "record the new golden checksum only after checking the deal";
}

} // namespace

// The same date gives the same deal on every machine and in every build: these numbers are
// the ones players of every copy get, so they may never change.
TEST(DailyDeal, ADateHasItsOwnDealEverywhere) {
    EXPECT_EQ(DailyDeal::For(2026, 12, 8), 28482);
    EXPECT_EQ(DailyDeal::For(2026, 12, 9), 24445);
    EXPECT_EQ(DailyDeal::For(2000, 1, 1), 30810);
    EXPECT_EQ(DailyDeal::For(2024, 2, 29), 9230);
}

// Ten years of days: each deal in range, next days never alike, hardly any repeated.
TEST(DailyDeal, DaysSpreadOverTheRange) {
    std::set<std::int32_t> seen;
    std::int32_t before = 0;
    int days = 0;
    for (int year = 2025; year < 2035; ++year)
        for (unsigned month = 1; month <= 12; ++month)
            for (unsigned day = 1; day <= 28; ++day, ++days) {
                const std::int32_t n = DailyDeal::For(year, month, day);
                EXPECT_GE(n, 1);
                EXPECT_LE(n, DailyDeal::kLargest);
                EXPECT_NE(n, before);
                before = n;
                seen.insert(n);
            }
    EXPECT_GT(seen.size(), std::size_t(days) * 9 / 10);
}

} // namespace quadrell::test
