#include "EngineFixture.h"
#include "RefusalWords.h"

#include <functional>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class RefusalTest : public EngineFixture {
protected:
    std::string why(Loc selected, Loc place) {
        return RefusalWords(WhyRefused(board(), selected, place), prompter);
    }
};

struct RefusalRow {
    const char* scene;
    std::function<void(BoardBuilder)> lay;
    Loc selected;
    Loc place;
    const char* said;   // empty: the rules take the cards there, or have nothing to say
    bool takes = false; // a drop there would move them
};

// Two free cells and no empty column: free space for a run of three.
void crowded(BoardBuilder b) {
    b.column(0, "5C QS JH TS 9H").column(1, "KD").column(2, "KC").column(3, "KS");
    b.column(4, "QH").column(5, "QD").column(6, "QC").column(7, "JC").cell(0, "5S").cell(1, "6S");
}

// A card dragged by itself off a run is refused as the one card it is.
TEST_F(RefusalTest, ACardHeldAloneIsRefusedAsOneCard) {
    build().column(0, "KH 9S 8H").column(1, "KD 5C");
    const auto alone = [this](Loc place) {
        return RefusalWords(WhyRefused(board(), 16, place, true), prompter);
    };
    EXPECT_EQ(alone(1), "The Eight of Hearts goes on a black Nine");
    EXPECT_EQ(why(16, 1), "Nothing in that run goes on the Five of Clubs: it takes a red Four");
}

TEST_F(RefusalTest, EachRuleNamesItselfAndOnlyAPlaceThatTakesTheCardsIsMarked) {
    const std::vector<RefusalRow> rows {
        { "a lone card of the wrong colour",
            [](BoardBuilder b) { b.column(0, "KH 3S").column(1, "KD 5C"); }, 8, 1,
            "The Three of Spades goes on a red Four" },
        { "a lone card of the wrong rank, let go over the column's first card",
            [](BoardBuilder b) { b.column(0, "KH 3S").column(1, "KD 6H"); }, 8, 1,
            "The Three of Spades goes on a red Four" },
        { "a card from a cell", [](BoardBuilder b) { b.cell(0, "8H").column(1, "KD 5C"); }, 200, 9,
            "The Eight of Hearts goes on a black Nine" },
        { "a king", [](BoardBuilder b) { b.column(0, "KH").column(1, "QD 5C"); }, 0, 1,
            "The King of Hearts goes on no card, only to a cell, an empty column or home" },
        { "a run with no card that fits",
            [](BoardBuilder b) { b.column(0, "KH 9S 8H").column(1, "KD 5C"); }, 16, 1,
            "Nothing in that run goes on the Five of Clubs: it takes a red Four" },
        { "a run onto an ace", [](BoardBuilder b) { b.column(0, "KH 3S 2H").column(1, "KD AC"); },
            16, 9, "Nothing goes on the Ace of Clubs" },
        { "a run longer than the free places carry", crowded, 32, 1,
            "That run needs 3 free places; there are 2" },
        { "a taken cell", [](BoardBuilder b) { b.column(0, "KH 3S").cell(1, "4D"); }, 8, 201,
            "A cell holds one card; this one holds the Four of Diamonds" },
        { "a foundation waiting for another card",
            [](BoardBuilder b) { b.column(0, "KH 3S").foundation("AS"); }, 8, 208,
            "The Spades foundation takes the Two of Spades next" },
        { "another suit's foundation",
            [](BoardBuilder b) { b.column(0, "KH 2S").foundation("AD"); }, 8, 207,
            "The Diamonds foundation takes the Two of Diamonds next" },
        { "a complete foundation", [](BoardBuilder b) { b.column(0, "KD 3S").foundation("KH"); }, 8,
            205, "The Hearts foundation is complete" },
        { "a fitting card", [](BoardBuilder b) { b.column(0, "KH 3S").column(1, "KC 4D"); }, 8, 1,
            "", true },
        { "a run that fits, as long as the space carries",
            [](BoardBuilder b) { b.column(0, "KH 9S 8H").column(1, "KD TH"); }, 16, 9, "", true },
        { "its own column", [](BoardBuilder b) { b.column(0, "KH 3S"); }, 8, 0, "" },
        { "an empty column", [](BoardBuilder b) { b.column(0, "KH 3S"); }, 8, 3, "", true },
        { "an empty cell", [](BoardBuilder b) { b.column(0, "KH 3S"); }, 8, 203, "", true },
        { "the cell it is in", [](BoardBuilder b) { b.cell(2, "3S"); }, 202, 202, "" },
        { "the next card home", [](BoardBuilder b) { b.column(0, "KH 2S").foundation("AS"); }, 8,
            208, "", true },
        { "an empty foundation, which aces reach by themselves",
            [](BoardBuilder b) { b.column(0, "KH 2S"); }, 8, 208, "" },
        { "nothing selected", [](BoardBuilder b) { b.column(0, "KH 3S"); }, kNoLoc, 1, "" },
        { "the gap between the cells and the foundations, no place",
            [](BoardBuilder b) { b.column(0, "KH 3S"); }, 8, kNotAPlace, "" },
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.scene);
        board().Clear();
        row.lay(build());
        EXPECT_EQ(why(row.selected, row.place), row.said);
        EXPECT_EQ(TakesDrop(board(), row.selected, row.place), row.takes);
    }
}

// Numbers fill their places in the order a translation puts them; a place with no value,
// or a % that is no place, stays as it is.
TEST(FillInTest, EachNumberTakesItsValueAndAnyOtherPercentStays) {
    const std::pair<std::string, std::string> rows[] {
        { "%1 goes on %2", "Ace goes on Two" },
        { "%2 under %1", "Two under Ace" },
        { "%3 is not given", "%3 is not given" },
        { "100% and %1", "100% and Ace" },
        { "ends in %", "ends in %" },
        { "%0 and %9", "%0 and %9" },
    };
    for (const auto& [text, filled] : rows)
        EXPECT_EQ(FillIn(text, { "Ace", "Two" }), filled) << text;
}

} // namespace
} // namespace quadrell::test
