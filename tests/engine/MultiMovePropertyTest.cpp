#include "EngineFixture.h"
#include "Stacking.h"

#include <algorithm>
#include <array>
#include <random>

namespace quadrell::test {
namespace {

// Every multi-card move, onto a card or into an empty column, with any number of free cells
// and empty columns, ends where the same cards end when laid on the target one at a time:
// nothing else moves, nothing vanishes, and the recorded steps, replayed one by one on a
// plain board, are each a legal single-card move reaching exactly that position.
class MultiMovePropertyTest : public EngineFixture {
protected:
    std::mt19937 random { 20261206 };

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // A card of the given rank in the given colour (1 red, 2 black) not used yet.
    Card take(int rank, int colour, std::array<bool, kCardCount>& used) {
        std::array<int, 2> suits
            = colour == 1 ? std::array<int, 2> { 1, 3 } : std::array<int, 2> { 2, 4 };
        if (pick(0, 1) == 1) std::swap(suits[0], suits[1]);
        for (int suit : suits) {
            const Card c = static_cast<Card>((suit - 1) * 13 + rank - 1);
            if (!used[static_cast<std::size_t>(c)]) {
                used[static_cast<std::size_t>(c)] = true;
                return c;
            }
        }
        return kNoCard;
    }
    // Any unused card that cannot go home by itself (no aces, no twos).
    Card filler(std::array<bool, kCardCount>& used) {
        for (;;) {
            const Card c = static_cast<Card>(pick(0, kCardCount - 1));
            if (rankOf(c) > 2 && !used[static_cast<std::size_t>(c)]) {
                used[static_cast<std::size_t>(c)] = true;
                return c;
            }
        }
    }

    struct Case {
        int source, target, length, freeCells, emptyColumns;
        bool ontoCard;
    };

    // Lays out a case; false when its run cannot be dealt (no cards of those ranks left).
    bool lay(const Case& k) {
        engine.NewBoard();
        state().gGameActive = true;
        std::array<bool, kCardCount> used {};
        cGame& b = board();
        int row;
        const int top = pick(k.length + 2, 13); // the run starts below this rank
        int colour = pick(1, 2);
        if (k.ontoCard) {
            b.init(static_cast<Loc>(k.target), filler(used));
            const Card head = take(top, colour, used);
            if (head == kNoCard) return false;
            b.init(static_cast<Loc>(kColumns + k.target), head);
        }
        row = 1;
        for (int i = 0; i < k.length; ++i) {
            colour = 3 - colour;
            const Card c = take(top - 1 - i, colour, used);
            if (c == kNoCard || rankOf(c) < 3) return false;
            b.init(static_cast<Loc>(row++ * kColumns + k.source), c);
        }
        // Under the run a card it does not stack on, so the run is exactly `length` long.
        Card base = filler(used);
        while (colourOf(base) != colourOf(b.GetCardIndex(static_cast<Loc>(kColumns + k.source))))
            base = filler(used);
        b.init(static_cast<Loc>(k.source), base);
        int empties = k.emptyColumns;
        for (int c = 0; c < kColumns; ++c) {
            if (c == k.source || c == k.target) continue;
            if (empties > 0) {
                --empties;
                continue;
            }
            b.init(static_cast<Loc>(c), filler(used));
        }
        for (int i = k.freeCells; i < kCells; ++i)
            b.init(static_cast<Loc>(kFirstCell + i), filler(used));
        return true;
    }

    std::array<Card, kBoardSize> snapshot() {
        std::array<Card, kBoardSize> s {};
        for (int loc = 0; loc < kBoardSize; ++loc)
            s[static_cast<std::size_t>(loc)] = at(loc);
        return s;
    }
};

TEST_F(MultiMovePropertyTest, EveryMultiCardMoveEndsWhereSingleCardMovesWould) {
    int checked = 0, refused = 0;
    for (int round = 0; round < 3000; ++round) {
        Case k {};
        k.freeCells = pick(0, 4);
        k.ontoCard = pick(0, 1) == 1;
        k.emptyColumns = pick(0, 3); // besides an empty target
        k.source = pick(0, kColumns - 1);
        do
            k.target = pick(0, kColumns - 1);
        while (k.target == k.source);
        // How many cards one move carries, by empty columns (rows) and free cells: written
        // out by hand, (columns + 1) x (cells + 1).
        static constexpr int kCarried[4][5] = {
            { 1, 2, 3, 4, 5 },
            { 2, 4, 6, 8, 10 },
            { 3, 6, 9, 12, 15 },
            { 4, 8, 12, 16, 20 },
        };
        const int most = std::min(kCarried[k.emptyColumns][k.freeCells], 10);
        // One card more than a move onto a card can carry is refused whole.
        const bool tooMany = k.ontoCard && most < 10 && pick(0, 5) == 0;
        k.length = tooMany ? most + 1 : pick(2, std::max(2, most));
        if (k.length > most + (tooMany ? 1 : 0) || !lay(k)) continue;
        if (tooMany) {
            const auto before = snapshot();
            prompter.messages.clear();
            const Loc exposed = static_cast<Loc>(k.length * kColumns + k.source);
            engine.rules().SelectCard(exposed);
            engine.rules().MoveCards(exposed, static_cast<Loc>(kColumns + k.target),
                static_cast<std::int16_t>(k.length));
            ASSERT_EQ(snapshot(), before) << "round " << round;
            ASSERT_EQ(prompter.messages.size(), 1u) << "round " << round;
            ++refused;
            continue;
        }
        recorder.steps.clear();
        const auto before = snapshot();
        // The exposed card is selected; the run reaches up from it to row 1.
        const Loc exposed = static_cast<Loc>(k.length * kColumns + k.source);
        engine.rules().SelectCard(exposed);
        if (k.ontoCard) {
            engine.rules().MoveCards(exposed, static_cast<Loc>(kColumns + k.target),
                static_cast<std::int16_t>(k.length));
        } else {
            engine.rules().MoveRunToColumn(k.target);
        }
        // The expected position: the run laid on the target, everything else unmoved.
        auto expected = before;
        const int base = k.ontoCard ? 2 : 0;
        for (int i = 0; i < k.length; ++i) {
            expected[static_cast<std::size_t>((base + i) * kColumns + k.target)]
                = before[static_cast<std::size_t>((1 + i) * kColumns + k.source)];
            expected[static_cast<std::size_t>((1 + i) * kColumns + k.source)] = kNoCard;
        }
        const auto after = snapshot();
        ASSERT_EQ(after, expected)
            << "round " << round << ": " << k.length << " cards, " << k.freeCells << " cells, "
            << k.emptyColumns << " empty columns, onto a card " << k.ontoCard;
        // The steps, one card at a time on a plain board, each legal.
        cGame plain;
        for (int loc = 0; loc < kBoardSize; ++loc)
            plain.init(static_cast<Loc>(loc), before[static_cast<std::size_t>(loc)]);
        ASSERT_GE(recorder.steps.size(), static_cast<std::size_t>(k.length));
        for (const Step& s : recorder.steps) {
            ASSERT_EQ(plain.GetBottomCardLocation(s.source) == s.source || !isColumnPlace(s.source),
                true);
            ASSERT_EQ(plain.GetCardIndex(s.destination), kNoCard) << "round " << round;
            if (isColumnPlace(s.destination) && s.destination >= kColumns) {
                ASSERT_TRUE(CanStack(plain, s.source, static_cast<Loc>(s.destination - kColumns)))
                    << "round " << round;
            }
            plain.ApplyStep(s.source, s.destination);
        }
        for (int loc = 0; loc < kBoardSize; ++loc)
            ASSERT_EQ(
                plain.GetCardIndex(static_cast<Loc>(loc)), expected[static_cast<std::size_t>(loc)]);
        ++checked;
    }
    EXPECT_GT(checked, 1000);
    EXPECT_GT(refused, 50);
}

} // namespace
} // namespace quadrell::test
