#include "SearchPosition.h"

#include "cGame.h"

#include <algorithm>
#include <cstring>

namespace quadrell {

namespace {

constexpr std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb93fe53d4e53ULL;
    return x ^ (x >> 33);
}

// A key for each card at each row of a column, and for each card in a cell (the last entry
// for an empty cell), and whether one card stacks on another: fixed at compile time.
struct Tables {
    std::uint64_t row[SearchPosition::kMaxRows][kCardCount] {};
    std::uint64_t cell[kCardCount + 1] {};
    bool stacks[kCardCount][kCardCount] {};
    constexpr Tables() {
        std::uint64_t seed = 0x9e3779b97f4a7c15ULL;
        for (auto& r : row)
            for (auto& k : r)
                k = mix(seed += 0x9e3779b97f4a7c15ULL);
        for (auto& k : cell)
            k = mix(seed += 0x9e3779b97f4a7c15ULL);
        for (int a = 0; a < kCardCount; ++a)
            for (int b = 0; b < kCardCount; ++b)
                stacks[a][b] = stacksOn(static_cast<Card>(a), static_cast<Card>(b));
    }
};
constexpr Tables kTables;

constexpr int suitIndex(int card) { return card / 13; } // 0..3

} // namespace

SearchPosition SearchPosition::From(const cGame& board) {
    SearchPosition p {};
    std::fill(std::begin(p.row), std::end(p.row), kEmpty);
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kMaxRows; ++r) {
            const Card card = board.GetCardIndex(static_cast<Loc>(r * kColumns + c));
            if (card < 0) break;
            p.push(c, static_cast<std::uint8_t>(card));
        }
    }
    for (int i = 0; i < kCells; ++i) {
        const Card card = board.GetCardIndex(static_cast<Loc>(kFirstCell + i));
        p.cell[i] = card < 0 ? kEmpty : static_cast<std::uint8_t>(card);
    }
    for (int s = 0; s < 4; ++s)
        p.home[s] = static_cast<std::uint8_t>(
            std::max(0, rankOf(board.GetCardIndex(static_cast<Loc>(kFirstFoundation + s)))));
    return p;
}

SearchPosition SearchPosition::Unpack(const PackedPosition& packed) {
    SearchPosition p {};
    std::fill(std::begin(p.row), std::end(p.row), kEmpty);
    std::uint8_t cards[kCardCount + kMaxRows] {};
    std::memcpy(cards, packed.cards.data(), kCardCount);
    const std::uint8_t* from = cards;
    for (int c = 0; c < kColumns; ++c) {
        const int n = packed.len[static_cast<std::size_t>(c)];
        std::memcpy(p.col[c], from, kMaxRows);
        from += n;
        p.len[c] = static_cast<std::uint8_t>(n);
        std::uint64_t key = 0;
        int breaks = 0;
        for (int r = 0; r < n; ++r) {
            const std::uint8_t card = p.col[c][r];
            if (r > 0 && !kTables.stacks[card][p.col[c][r - 1]]) ++breaks;
            key += kTables.row[r][card];
            p.row[card] = static_cast<std::uint8_t>(r);
            p.column[card] = static_cast<std::uint8_t>(c);
        }
        p.colKey[static_cast<std::size_t>(c)] = key;
        p.breaks[c] = static_cast<std::uint8_t>(breaks);
    }
    for (int i = 0; i < kCells; ++i)
        p.cell[i] = packed.cell[static_cast<std::size_t>(i)];
    for (int s = 0; s < 4; ++s)
        p.home[s] = packed.home[static_cast<std::size_t>(s)];
    return p;
}

PackedPosition SearchPosition::Pack() const {
    PackedPosition packed;
    // Whole rows copied and overwritten by the next column: fixed sizes copy without branches.
    std::uint8_t cards[kCardCount + kMaxRows] {};
    std::uint8_t* to = cards;
    for (int c = 0; c < kColumns; ++c) {
        std::memcpy(to, col[c], kMaxRows);
        to += len[c];
        packed.len[static_cast<std::size_t>(c)] = len[c];
    }
    std::memcpy(packed.cards.data(), cards, kCardCount);
    for (int i = 0; i < kCells; ++i)
        packed.cell[static_cast<std::size_t>(i)] = cell[i];
    for (int s = 0; s < 4; ++s)
        packed.home[static_cast<std::size_t>(s)] = home[s];
    return packed;
}

void SearchPosition::push(int c, std::uint8_t card) {
    const int r = len[c];
    if (r > 0 && !kTables.stacks[card][col[c][r - 1]]) ++breaks[c];
    colKey[c] += kTables.row[r][card];
    col[c][r] = card;
    row[card] = static_cast<std::uint8_t>(r);
    column[card] = static_cast<std::uint8_t>(c);
    ++len[c];
}

std::uint8_t SearchPosition::pop(int c) {
    const int r = --len[c];
    const std::uint8_t card = col[c][r];
    if (r > 0 && !kTables.stacks[card][col[c][r - 1]]) --breaks[c];
    colKey[c] -= kTables.row[r][card];
    row[card] = kEmpty;
    return card;
}

void SearchPosition::Apply(Step step) {
    std::uint8_t card = 0;
    if (isCell(step.from)) {
        card = cell[step.from - kFirstCell];
        cell[step.from - kFirstCell] = kEmpty;
    } else {
        card = pop(columnOf(step.from));
    }
    if (isFoundation(step.to)) {
        ++home[suitIndex(card)];
    } else if (isCell(step.to)) {
        cell[step.to - kFirstCell] = card;
    } else {
        push(columnOf(step.to), card);
    }
}

void SearchPosition::AutoPlay() {
    // Each round looks only at the one card each suit waits for: where it lies is known.
    for (bool moved = true; moved;) {
        moved = false;
        const int red = std::min(home[0], home[2]);
        const int black = std::min(home[1], home[3]);
        for (int s = 0; s < 4; ++s) {
            const int rank = home[s] + 1;
            const int other = s % 2 == 0 ? black : red;
            if (rank > 13 || (rank > 2 && rank >= other + 2)) continue; // not by itself
            const std::uint8_t card = static_cast<std::uint8_t>(s * 13 + rank - 1);
            if (row[card] == kEmpty) { // in a cell, or on no place (a test's partial board)
                int i = 0;
                while (i < kCells && cell[i] != card)
                    ++i;
                if (i == kCells) continue;
                cell[i] = kEmpty;
            } else if (row[card] + 1 == len[column[card]]) {
                pop(column[card]);
            } else {
                continue; // under other cards
            }
            ++home[s];
            moved = true;
        }
    }
}

std::uint64_t SearchPosition::Key() const {
    std::uint64_t key = mix(home[0] | home[1] << 4 | home[2] << 8 | home[3] << 12 | 1ULL << 20);
    for (int c = 0; c < kColumns; ++c)
        key += mix(colKey[c] + len[c]);
    for (int i = 0; i < kCells; ++i)
        key += kTables.cell[cell[i] == kEmpty ? kCardCount : cell[i]];
    return key;
}

int SearchPosition::Estimate(const Weights& w) const {
    int h = (kCardCount - Homed()) * w.out;
    for (int s = 0; s < 4; ++s) {
        if (home[s] == 13) continue;
        const int need = s * 13 + home[s];
        if (row[need] != kEmpty) h += (len[column[need]] - 1 - row[need]) * w.depth;
    }
    for (int c = 0; c < kColumns; ++c)
        h += len[c] == 0 ? -w.emptyColumn : breaks[c] * w.outOfOrder;
    for (int i = 0; i < kCells; ++i)
        h += cell[i] != kEmpty ? w.cell : 0;
    return h;
}

} // namespace quadrell
