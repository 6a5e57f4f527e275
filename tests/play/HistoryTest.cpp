#include "GameFile.h"
#include "SessionFixture.h"

#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class HistoryTest : public SessionFixture {
protected:
    HistoryTest() { BoardBuilder(session.engine).column(0, "KS").cell(1, "KH"); }

    // A player move: the KS goes between column 0 and the first cell.
    void playerMove() {
        const bool inColumn = board().GetCardIndex(0) != kNoCard;
        board().SetLocation(inColumn ? 0 : 200, inColumn ? 200 : 0, kModePlayer, 0, true);
    }
    // A follow-up step: the KH goes round the other three cells.
    void followUp() {
        const Loc from = board().GetLocation(CardOf("KH"));
        board().SetLocation(
            from, from == 203 ? 201 : static_cast<Loc>(from + 1), kModeFollowUp, 0, true);
    }
    // Moves 1..9, move 5 followed by two automatic steps.
    void playNine() {
        for (int move = 1; move <= 9; ++move) {
            playerMove();
            if (move == 5) {
                followUp();
                followUp();
            }
        }
    }
    void counters(int count, int id, int moveCounter) {
        EXPECT_EQ(trans().TransCount(), count);
        EXPECT_EQ(trans().GetTransID(), id);
        EXPECT_EQ(trans().MoveCounter(), moveCounter);
    }
};

TEST_F(HistoryTest, OneUndoTakesBackAPlayerMoveWithItsAutomaticMoves) {
    playerMove();
    followUp();
    followUp();
    followUp();
    counters(4, 4, 1);
    EXPECT_TRUE(trans().Undo());
    counters(4, 0, 0);
    EXPECT_EQ(board().GetCardIndex(0), CardOf("KS"));
    EXPECT_EQ(view.moves.size(), 8U); // four steps made, four taken back
    EXPECT_FALSE(trans().Undo());
}

TEST_F(HistoryTest, ClickedIntoACellKeepsTheMoveNumber) {
    playerMove();
    board().SetLocation(200, 203, kModeClickPlace, 0, true);
    followUp();
    counters(3, 3, 1);
    EXPECT_EQ(trans().Entry(2).MoveNo, 1);
    EXPECT_TRUE(trans().Undo()); // the -1 entry and its follow-up only
    counters(3, 1, 1);
    EXPECT_TRUE(trans().Undo());
    counters(3, 0, 0);
    // Redo takes them one move at a time too: the click into the cell is not joined to the
    // move before it.
    EXPECT_TRUE(trans().Redo());
    counters(3, 1, 1);
    EXPECT_FALSE(trans().Redo()); // the -1 entry and its follow-up, the last ones
    counters(3, 3, 1);
}

TEST_F(HistoryTest, RedoToTheEndAnswersFalseAndTheNextMoveIsNumberedOn) {
    playerMove();
    playerMove();
    followUp();
    trans().UndoAll();
    EXPECT_TRUE(trans().Redo());
    counters(3, 1, 1);
    EXPECT_FALSE(trans().Redo());
    counters(3, 3, 2);
    playerMove();
    EXPECT_EQ(trans().Entry(4).MoveNo, 3);
}

TEST_F(HistoryTest, ANewMoveAfterUndoDropsTheUndoneEntries) {
    for (int i = 0; i < 4; ++i)
        playerMove();
    trans().Undo();
    trans().Undo();
    playerMove();
    counters(3, 3, 3);
}

TEST_F(HistoryTest, TheMenuStateFollowsTheHistory) {
    state().gGameActive = true;
    auto menu = [this](bool replaying = false) { return session.menu.Update_Menu(replaying); };
    const MenuState idle { .restart = true, .snapshot = true };
    EXPECT_EQ(menu(), idle);
    playerMove();
    EXPECT_EQ(
        menu(), (MenuState { .restart = true, .snapshot = true, .replayAll = true, .undo = true }));
    playerMove();
    EXPECT_EQ(menu(),
        (MenuState {
            .restart = true, .snapshot = true, .replayAll = true, .undo = true, .undoAll = true }));
    // A running replay holds the history commands back.
    EXPECT_EQ(menu(true), (MenuState { .restart = true, .snapshot = true, .replayAll = true }));
    trans().Undo();
    EXPECT_EQ(menu(),
        (MenuState {
            .restart = true, .snapshot = true, .replayAll = true, .undo = true, .redo = true }));
    trans().Undo();
    EXPECT_EQ(menu(),
        (MenuState {
            .restart = true, .snapshot = true, .replayAll = true, .redo = true, .redoAll = true }));
    EXPECT_TRUE(trans().RedoAll());
    EXPECT_FALSE(trans().RedoAll());
    counters(2, 2, 2);
    state().gFinishedView = true; // a finished game watched: no snapshot
    EXPECT_FALSE(menu().snapshot);
    state().gGameActive = false;
    EXPECT_EQ(menu(), MenuState {});
}

TEST_F(HistoryTest, BackToTheSnapshotIncludesItsAutomaticMoves) {
    playNine();
    trans().PlayNum(5);
    counters(11, 7, 5);
    EXPECT_EQ(trans().MoveID(), 5);
    trans().PlayNum(0); // a snapshot of the deal itself
    counters(11, 0, 0);
}

TEST_F(HistoryTest, ForwardToTheSnapshotStopsAfterThePlayerMove) {
    playNine();
    trans().PlayNum(2);
    counters(11, 2, 2);
    trans().PlayNum(5);
    counters(11, 5, 5);
    EXPECT_EQ(board().GetCardIndex(201), CardOf("KH")); // its follow-ups stay undone
}

TEST_F(HistoryTest, SnapshotCommandsUseTheSettings) {
    playNine();
    trans().PlayNum(5);
    session.menu.SnapshotPosition();
    EXPECT_TRUE(session.save.SnapShot());
    EXPECT_EQ(session.save.SnapShotValue(), 5);
    trans().RedoAll();
    session.menu.UndoToSnapshot();
    counters(11, 7, 5);
}

TEST_F(HistoryTest, AFullHistoryKeepsItsEntriesAndRecordsNoMore) {
    for (int i = 0; i < 32767; ++i)
        playerMove();
    playerMove(); // the board still moves, the 16-bit history does not overflow
    counters(32767, 32767, 32767);
    EXPECT_EQ(trans().Entry(32767).MoveNo, 32767);
    EXPECT_TRUE(trans().Undo());
    counters(32767, 32766, 32766);
}
TEST_F(HistoryTest, UndoAndRedoAnimateAtTheSpeedTheyAreGiven) {
    playerMove();
    view.moves.clear();
    session.menu.SelectType(CommandId::Undo);
    session.menu.SelectType(CommandId::Redo);
    session.menu.SelectType(CommandId::UndoAll);
    ASSERT_EQ(view.moves.size(), 3U);
    EXPECT_EQ(view.moves[0].steps, 10);
    EXPECT_EQ(view.moves[1].steps, 10);
    EXPECT_EQ(view.moves[2].steps, 5);
}

// The review's jump: to any entry count at once, back or forward, nothing animated, the move
// counter as undo and redo leave it; a count outside the history changes nothing.
TEST_F(HistoryTest, GoingToAnEntryCountMovesTheHistoryThereAtOnce) {
    playNine();
    ASSERT_TRUE(trans().Undo());
    const struct {
        int entries;
        bool done;
        int id, moveCounter;
        Loc kingOfSpades;
    } rows[] {
        { 0, true, 0, 0, 0 },
        { 11, true, 11, 9, 200 }, // past the present position, as redo goes
        { 5, true, 5, 5, 200 },
        { 7, true, 7, 5, 200 }, // after move 5's automatic steps
        { 12, false, 7, 5, 200 },
        { -1, false, 7, 5, 200 },
        { 6, true, 6, 5, 200 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entries);
        view.moves.clear();
        EXPECT_EQ(trans().GoTo(row.entries), row.done);
        counters(11, row.id, row.moveCounter);
        EXPECT_EQ(board().GetLocation(CardOf("KS")), row.kingOfSpades);
        for (const auto& m : view.moves)
            EXPECT_TRUE(m.instant);
    }
    view.moves.clear();
    EXPECT_TRUE(trans().GoTo(0));
    EXPECT_EQ(view.moves.size(), 6U); // one step shown for each entry taken back
}

// The player's moves between two points of the history: an automatic step is not one.
TEST_F(HistoryTest, MovesBetweenTwoPointsCountThePlayersMovesOnly) {
    playNine(); // entries 6 and 7 are move 5's automatic steps
    const struct {
        int from, to, moves;
    } rows[] { { 0, 11, 9 }, { 0, 0, 0 }, { 4, 7, 1 }, { 5, 7, 0 }, { 5, 8, 1 }, { 10, 11, 1 },
        { 10, 40, 1 }, { -3, 1, 1 } };
    for (const auto& row : rows)
        EXPECT_EQ(trans().MovesIn(row.from, row.to), row.moves) << row.from << ".." << row.to;
}

TEST_F(HistoryTest, ReplayForwardTicksOnePlayerMoveAtATimeAndStopsByItself) {
    playerMove();
    followUp();
    playerMove();
    trans().UndoAll();
    trans().Replay(1);
    EXPECT_TRUE(replay.ForwardRunning());
    EXPECT_TRUE(replay.StopEnabled());
    trans().ReplayTick(true);
    counters(3, 2, 1);
    EXPECT_TRUE(replay.ForwardRunning());
    trans().ReplayTick(true);
    counters(3, 3, 2);
    EXPECT_FALSE(replay.ForwardRunning());
    EXPECT_FALSE(replay.StopEnabled());
    trans().Replay(2);
    EXPECT_TRUE(replay.BackwardRunning());
    trans().ReplayStop();
    EXPECT_FALSE(replay.BackwardRunning());
    EXPECT_FALSE(replay.StopEnabled());
}

TEST_F(HistoryTest, ReplayAllRewindsAtOnceThenPlaysOnTheTimer) {
    playerMove();
    playerMove();
    view.moves.clear();
    trans().ReplayAll();
    counters(2, 0, 0);
    EXPECT_EQ(view.moves.front().steps, 1);
    EXPECT_TRUE(replay.ForwardRunning());
}

TEST_F(HistoryTest, AMoveTheFullHistoryCouldNotRecordIsRefusedBeforeAnythingMoves) {
    for (int i = 0; i < GameFile::kMaxEntries - 100; ++i)
        trans().SaveTrans(0, 200, kModePlayer); // entries only; the board stays
    const int entries = trans().GetTransID();
    session.engine.rules().CardClicked(0);       // the KS is selected
    session.engine.rules().CellClicked(200);     // and would go to the first cell
    session.engine.rules().CardDoubleClicked(0); // or by a double click
    EXPECT_EQ(board().GetCardIndex(0), CardOf("KS"));
    EXPECT_EQ(board().GetCardIndex(200), kNoCard);
    EXPECT_EQ(trans().GetTransID(), entries);
    ASSERT_EQ(prompter.messages.size(), 2U);
    EXPECT_NE(prompter.messages[0].find("history of this game is full"), std::string::npos);
    EXPECT_EQ(state().gSelected, kNoLoc);
    trans().Reset(); // with room again the same move is played and recorded
    session.engine.rules().CardDoubleClicked(0);
    EXPECT_EQ(board().GetCardIndex(200), CardOf("KS"));
}

} // namespace
} // namespace quadrell::test
