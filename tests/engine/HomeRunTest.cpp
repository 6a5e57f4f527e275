#include "HomeRun.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class HomeRunTest : public EngineFixture {
protected:
    void stuck() { build().sureWinBehindOneMove(); }
    bool allHome() {
        for (Loc home = kFirstFoundation; home <= kLastFoundation; ++home)
            if (rankOf(at(home)) != 13) return false;
        return true;
    }
};

TEST_F(HomeRunTest, EveryCardGoesHomeOnlyWhenNoneIsBuriedUnderAnother) {
    stuck();
    EXPECT_TRUE(StepsHome(board()).empty());
    EXPECT_FALSE(engine.autoPlayer().CanFinish());
    board().ApplyStep(16, 200); // the Queen of Spades to a cell: now every card can go
    const std::vector<quadrell::Step> steps = StepsHome(board());
    ASSERT_EQ(steps.size(), 8u);
    EXPECT_EQ(steps.front(), (quadrell::Step { 8, foundationOf(CardOf("KH")) }));
    EXPECT_TRUE(engine.autoPlayer().CanFinish());
    state().gGameActive = false;
    EXPECT_FALSE(engine.autoPlayer().CanFinish()); // no game, nothing to finish
    // Only the last suit buried: the other kings going home is no finish.
    build().foundation("QH").foundation("KC").foundation("KD").foundation("TS").columns(
        { "JS QS", "KH" });
    EXPECT_TRUE(StepsHome(board()).empty());
}

TEST_F(HomeRunTest, FinishSendsThemAllHomeAsOneMoveAndWinsOnce) {
    stuck();
    board().ApplyStep(16, 200);
    engine.autoPlayer().Finish();
    EXPECT_TRUE(allHome());
    ASSERT_EQ(recorder.steps.size(), 8u);
    EXPECT_EQ(recorder.steps.front().mode, kModePlayer); // one move, undone as one
    for (std::size_t i = 1; i < recorder.steps.size(); ++i)
        EXPECT_EQ(recorder.steps[i].mode, kModeFollowUp);
    EXPECT_EQ(view.moves.size(), 8u); // each one shown moving, at the player's card speed
    for (const ViewMove& m : view.moves)
        EXPECT_TRUE(m.steps == options.cardSpeed && !m.instant);
    EXPECT_EQ(view.finishing, std::vector<int> { 8 }); // told first, so it is said as one
    EXPECT_EQ(winListener.wins, 1);
}

// A history with no room for all its steps refuses Finish before any card moves; room for
// exactly all of them is enough.
TEST_F(HomeRunTest, FinishNeedsRoomInTheHistoryForEveryStep) {
    for (const auto& [room, finished] : { std::pair { 7, false }, std::pair { 8, true } }) {
        SCOPED_TRACE(room);
        board().Clear();
        recorder.steps.clear();
        stuck();
        board().ApplyStep(16, 200);
        recorder.room = room;
        engine.autoPlayer().Finish();
        EXPECT_EQ(allHome(), finished);
        EXPECT_EQ(recorder.steps.size(), finished ? 8u : 0u);
        EXPECT_EQ(view.finishing.size(), finished ? 1u : 0u); // nothing said of a refused one
        view.finishing.clear();
    }
}

TEST_F(HomeRunTest, WhenChosenTheMoveThatFreesTheLastCardFinishesTheGame) {
    for (const int byItself : { 0, 1 }) {
        SCOPED_TRACE(byItself);
        board().Clear();
        recorder.steps.clear();
        winListener.wins = 0;
        options.finishByItself = byItself;
        stuck();
        engine.rules().CardClicked(16);
        engine.rules().CellClicked(200);
        EXPECT_EQ(recorder.steps.size(), byItself == 1 ? 9u : 1u);
        EXPECT_EQ(allHome(), byItself == 1);
        EXPECT_EQ(winListener.wins, byItself);
    }
}

} // namespace
} // namespace quadrell::test
