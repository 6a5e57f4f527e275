#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

// Runs carried as chains of single steps, checked step by step.
class MoveColumnTest : public EngineFixture {
protected:
    // Columns 2 to 5 hold cards that take nothing the tests move.
    BoardBuilder standers() {
        BoardBuilder b = build();
        b.column(2, "KC").column(3, "KS").column(4, "QH").column(5, "QD");
        return b;
    }
    void move(Loc exposed, Loc target) {
        engine.rules().CardClicked(exposed);
        engine.rules().CardClicked(target);
    }
};

TEST_F(MoveColumnTest, FiveCardsThroughOneCellAndTwoEmptyColumns) {
    standers().columns({ "5C QS JH TS 9H 8S", "KD" }).cells({ "3D", "4H", "5D" });
    move(40, 1);
    const std::vector<Step> expected {
        { 40, 203, 1 }, // 8S to the cell
        { 32, 6, 2 },   // 9H to the first empty column
        { 203, 14, 2 }, // 8S onto it
        { 24, 203, 2 }, // TS to the cell
        { 16, 7, 2 },   // JH to the next empty column
        { 203, 15, 2 }, // TS onto it
        { 8, 9, 2 },    // QS onto the KD
        { 15, 203, 2 }, // TS to the cell
        { 7, 17, 2 },   // JH home
        { 203, 25, 2 }, // TS home
        { 14, 203, 2 }, // 8S to the cell
        { 6, 33, 2 },   // 9H home
        { 203, 41, 2 }, // 8S home
    };
    EXPECT_EQ(recorder.steps, expected);
    EXPECT_FALSE(state().gMultiMove);
    EXPECT_EQ(view.moves.size(), expected.size());
}

TEST_F(MoveColumnTest, ThreeCardsThroughTwoEmptyColumnsAndNoCell) {
    standers().columns({ "5C JH TS 9H", "QC" }).cells({ "3D", "4H", "5D", "6D" });
    move(24, 1);
    const std::vector<Step> expected { { 24, 6, 2 }, { 16, 7, 2 }, { 8, 9, 2 }, { 7, 17, 2 },
        { 6, 25, 2 } };
    EXPECT_EQ(recorder.steps, expected);
}

TEST_F(MoveColumnTest, ThreeCardsThroughTwoCellsStartANewMove) {
    standers()
        .columns({ "5C JH TS 9H", "QC", "", "", "", "", "KH", "KD" })
        .cells({ "3D", "", "5D" });
    move(24, 1);
    const std::vector<Step> expected { { 24, 201, 1 }, { 16, 203, 2 }, { 8, 9, 2 }, { 203, 17, 2 },
        { 201, 25, 2 } };
    EXPECT_EQ(recorder.steps, expected);
}

TEST_F(MoveColumnTest, MoveColumnIntoTheOnlyEmptyColumnIsCutToCapacity) {
    standers()
        .columns({ "5C QS JH TS 9H", "KD", "", "", "", "", "QC" })
        .cells({ "3D", "4H", "5D" });
    prompter.emptyColumn = EmptyColumnChoice::Column;
    engine.rules().CardClicked(32);
    engine.rules().BackgroundClicked(9000, 2000);
    // One cell and the target column: the lowest two cards of the run, no message.
    EXPECT_EQ(recorder.steps, (std::vector<Step> { { 32, 203, 1 }, { 24, 7, 2 }, { 203, 15, 2 } }));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(at(16), CardOf("JH"));
}

TEST_F(MoveColumnTest, AutomaticPlayWaitsForTheWholeRun) {
    standers().columns({ "5C AH QS JH TS 9H", "KD", "", "", "", "", "QC" }).cells({ "3D", "4H" });
    move(40, 1); // QS..9H onto KD uncovers the ace of hearts
    ASSERT_GE(recorder.steps.size(), 2U);
    EXPECT_EQ(recorder.steps.back(), (Step { 8, 205, 2 }));
    for (std::size_t i = 0; i + 1 < recorder.steps.size(); ++i)
        EXPECT_NE(recorder.steps[i].destination, 205) << i;
    EXPECT_EQ(at(33), CardOf("9H"));
}

} // namespace
} // namespace quadrell::test
