#include "CommandId.h"
#include "FaultInjection.h"
#include "SessionFixture.h"
#include "Solver.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class FlowTest : public SessionFixture {
protected:
    void startGame(qint32 n) {
        session.menu.NewGame(n, false);
        session.menu.Game_Started(false);
    }
};

// A new game, and a numbered deal as Today's Deal plays one, during a game or after it has
// ended (its history still there to watch).
TEST_F(FlowTest, NewGameDealsAFreshBoardAndHistory) {
    session.opt.SetRandomIndex(0); // the range 0..0: New deals game 0
    for (const auto& [numbered, ended] :
        { std::pair { false, false }, std::pair { true, false }, std::pair { true, true } }) {
        SCOPED_TRACE(testing::Message() << "numbered " << numbered << ", ended " << ended);
        startGame(5);
        session.engine.rules().CardDoubleClicked(48);
        session.save.SetUnfinished(true);
        session.save.SetGameStartTime(now.addDays(-1));
        state().gGameActive = !ended;
        if (numbered)
            ASSERT_TRUE(session.menu.PlayNumbered(1000));
        else
            session.menu.SelectGame(CommandId::New);
        const qint32 n = numbered ? 1000 : 0;
        EXPECT_EQ(state().gGameNumber, n);
        EXPECT_TRUE(state().gGameActive);
        EXPECT_FALSE(state().gFinishedView); // to play, not to watch
        EXPECT_EQ(trans().TransCount(), 0);
        EXPECT_EQ(window.Caption(), u"QuadRell 2000 - Game No. %1"_s.arg(n));
        EXPECT_FALSE(session.save.Unfinished());
        EXPECT_EQ(session.save.GameStartTime({}), now);
        EXPECT_TRUE(view.shown);
        for (Loc i = 0; i < kCardCount; ++i)
            EXPECT_EQ(board().GetLocation(board().GetCardIndex(i)), i);
        EXPECT_EQ(board().GetCardIndex(200), kNoCard);
    }
}

// Restart deals the same number again with a fresh history, after asking during a game, and
// after an ended game without asking.
TEST_F(FlowTest, RestartDealsTheSameGameWithAFreshHistory) {
    for (const bool ended : { false, true }) {
        SCOPED_TRACE(ended);
        startGame(4242);
        session.engine.rules().CardDoubleClicked(48);
        state().gGameActive = !ended;
        const std::size_t asked = prompter.questions.size();
        session.menu.SelectGame(CommandId::Restart);
        EXPECT_EQ(state().gGameNumber, 4242);
        EXPECT_TRUE(state().gGameActive);
        EXPECT_EQ(trans().TransCount(), 0);
        EXPECT_EQ(prompter.questions.size() - asked, ended ? 0U : 1U);
    }
}

TEST_F(FlowTest, TheQuestionThatGivesAGameUpOffersToFindWhereItWasLost) {
    int searches = 0;
    session.menu.SetWhereLost([&searches] { ++searches; });
    const struct {
        bool other, yes;
        bool allowed;
        int searches;
    } rows[] { { true, true, false, 1 }, { false, false, false, 1 }, { false, true, true, 1 } };
    for (const auto& row : rows) {
        startGame(5);
        prompter.other = row.other;
        prompter.yes = row.yes;
        EXPECT_EQ(session.menu.AllowNewGame(), row.allowed);
        EXPECT_EQ(state().gGameActive, !row.allowed);
        EXPECT_EQ(searches, row.searches);
        EXPECT_EQ(prompter.thirdButtons.back(), "&Where Was It Lost?");
    }
}

// With a review to offer, the question has a fourth button: it keeps the game and reviews it.
TEST_F(FlowTest, TheQuestionThatGivesAGameUpOffersToReviewIt) {
    int searches = 0, reviews = 0;
    session.menu.SetWhereLost([&searches] { ++searches; });
    session.menu.SetReview([&reviews] { ++reviews; });
    startGame(5);
    prompter.secondOther = true;
    EXPECT_FALSE(session.menu.AllowNewGame());
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(reviews, 1);
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(prompter.fourthButtons.back(), "Re&view Game...");
    session.menu.SetReview({});
    prompter.secondOther = false;
    prompter.yes = false;
    EXPECT_FALSE(session.menu.AllowNewGame());
    EXPECT_EQ(prompter.fourthButtons.back(), ""); // none offered
}

TEST_F(FlowTest, NoGameEmptiesTheBoardAndForgetsTheSnapshot) {
    startGame(5);
    session.menu.SnapshotPosition();
    session.engine.rules().CardDoubleClicked(48);
    session.menu.NoGame();
    EXPECT_FALSE(state().gGameActive);
    EXPECT_FALSE(state().gFinishedView);
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(session.save.SnapShot());
    EXPECT_EQ(trans().TransCount(), 0);
    EXPECT_EQ(window.Caption(), u"Quadrell 2000"_s);
    EXPECT_EQ(board().GetPossibleMoves(), 0);
}

TEST_F(FlowTest, LeavingAGameInPlayAsksOnce) {
    startGame(5);
    prompter.yes = false;
    EXPECT_FALSE(session.menu.AllowNewGame());
    EXPECT_TRUE(state().gGameActive);
    prompter.yes = true;
    EXPECT_TRUE(session.menu.AllowNewGame());
    EXPECT_FALSE(state().gGameActive);
    EXPECT_EQ(prompter.questions,
        (std::vector<std::string>(2, "Are you sure You want to Quit this Game ?")));
    EXPECT_EQ(prompter.questionIcons[0], MessageIcon::Question);
    EXPECT_TRUE(session.menu.AllowNewGame()); // nothing on the board: no question
    state().gGameActive = true;
    state().gFinishedView = true;
    EXPECT_TRUE(session.menu.AllowNewGame()); // watching: no question
    EXPECT_EQ(prompter.questions.size(), 2U);
}

// A message while a game ends (here: the score file is a pipe) runs an event loop in the
// window, where a queued command could end the same game again.
TEST_F(FlowTest, AGameIsEndedOnceWhatEverArrivesWhileItsMessageIsOpen) {
    session.users.AddUser(u"Guest"_s, QString(), u"2000-01-01 00:00:00"_s);
    startGame(5);
    session.engine.rules().CardDoubleClicked(48);
    const QString pipe = file(u"scores.sre"_s);
    ASSERT_TRUE(makeFifo(pipe));
    session.save.SetScoreFile(pipe);
    prompter.onMessage = [&] {
        prompter.onMessage = {};
        EXPECT_FALSE(session.menu.AllowNewGame()); // "Select Game" pressed meanwhile
        session.menu.GameLost();                   // or "Close Game"
        session.menu.GameWon();
    };
    session.menu.GameLost();
    EXPECT_EQ(prompter.messages.size(), 1U);
    QFile::remove(pipe);
    session.score.RecoverPending();
    EXPECT_EQ(contentOf(pipe).count("\r\n"), 1);
    EXPECT_EQ(session.players.GetTotal(1), 1);
}

// A command's key names its toolbar button and image: each its own, as the game names them.
TEST(CommandKeys, EveryCommandHasAKeyOfItsOwn) {
    std::set<std::string> keys;
    for (int id = 0; id <= static_cast<int>(CommandId::About); ++id) {
        const std::string key = KeyOf(static_cast<CommandId>(id));
        EXPECT_FALSE(key.empty()) << id;
        EXPECT_TRUE(keys.insert(key).second) << key;
    }
    EXPECT_STREQ(KeyOf(CommandId::New), "New");
    EXPECT_STREQ(KeyOf(CommandId::Undo), "Undo");
    EXPECT_STREQ(KeyOf(CommandId::ReplayBack), "ReplayBack");
    EXPECT_STREQ(KeyOf(CommandId::Scoreboard), "Scoreboard");
}

TEST_F(FlowTest, ToolbarKeysReachOnlyTheirOwnDispatcher) {
    startGame(5);
    session.engine.rules().CardDoubleClicked(48);
    session.menu.SelectGame(CommandId::Undo);
    EXPECT_EQ(trans().GetTransID(), trans().TransCount());
    session.menu.SelectType(CommandId::New);
    EXPECT_EQ(state().gGameNumber, 5);
    EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(FlowTest, EndingAGameWritesTheSettingsFewTimes) {
    session.save.SetInCompleteSave(1);
    startGame(5);
    session.engine.rules().CardDoubleClicked(48);
    session.kept.Update();
    const int before = session.store.Writes();
    session.menu.GameLost();
    session.kept.Update();
    // The autosave's recent list; the record's note; the record with the player's and the
    // Total row's totals; the emptied board.
    EXPECT_LE(session.store.Writes() - before, 4);
}

TEST_F(FlowTest, RandomDealsStayInTheirRange) {
    for (int i = 0; i < 2000; ++i) {
        const qint32 n = cMenu::DrawGameNumber(40000);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 40000);
    }
    EXPECT_EQ(cMenu::DrawGameNumber(0), 0);
    session.opt.SetRandomIndex(1);
    session.menu.SelectGame(CommandId::New);
    EXPECT_TRUE(state().gGameActive);
    EXPECT_LE(state().gGameNumber, 40000);
}

TEST_F(FlowTest, AWinIsAnnouncedOnceHoweverManyPassesSeeIt) {
    BoardBuilder(session.engine)
        .columns({ "KS" })
        .foundation("KH")
        .foundation("KC")
        .foundation("KD")
        .foundation("QS");
    session.engine.rules().CardClicked(0);
    session.engine.rules().FoundationClicked(208);
    EXPECT_EQ(wins, 1);
    EXPECT_TRUE(session.win.Pending());
}

TEST_F(FlowTest, AReplayIsStoppedBeforeTheQuestionThatCanEndTheGame) {
    startGame(1000);
    session.engine.rules().CardDoubleClicked(48);
    session.engine.rules().CardDoubleClicked(49);
    session.menu.SelectType(CommandId::ReplayBack);
    ASSERT_TRUE(replay.BackwardRunning());
    prompter.yes = false;
    session.menu.SelectGame(CommandId::New);
    ASSERT_EQ(prompter.questions.size(), 1U);
    EXPECT_FALSE(replay.BackwardRunning()); // nothing took the moves back behind the question
    EXPECT_FALSE(replay.StopEnabled());
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(trans().GetTransID(), trans().TransCount());
}

// The replay's commands from the menu: back, stop, forward, and the whole game again from
// its deal.
TEST_F(FlowTest, TheReplayCommandsRunAndStopTheReplay) {
    startGame(1000);
    session.engine.rules().CardDoubleClicked(48);
    session.engine.rules().CardDoubleClicked(49);
    const int entries = trans().TransCount();
    session.menu.SelectType(CommandId::ReplayBack);
    EXPECT_TRUE(replay.BackwardRunning());
    session.menu.SelectType(CommandId::ReplayStop);
    EXPECT_FALSE(replay.BackwardRunning() || replay.ForwardRunning());
    session.menu.SelectType(CommandId::UndoAll);
    ASSERT_EQ(trans().GetTransID(), 0);
    session.menu.SelectType(CommandId::ReplayForward);
    EXPECT_TRUE(replay.ForwardRunning());
    session.menu.SelectType(CommandId::ReplayStop);
    EXPECT_FALSE(replay.ForwardRunning());
    session.menu.SelectType(CommandId::Redo);
    ASSERT_GT(trans().GetTransID(), 0);
    session.menu.SelectType(CommandId::ReplayAll);
    EXPECT_EQ(trans().GetTransID(), 0); // from the deal
    EXPECT_TRUE(replay.ForwardRunning());
    EXPECT_EQ(trans().TransCount(), entries);
}

TEST_F(FlowTest, AFileFromOutsideIsCheckedBeforeTheGameInPlayIsLeft) {
    startGame(1000);
    session.engine.rules().CardDoubleClicked(48);
    trans().SaveToFile(file(u"kept.qrl"_s));
    ASSERT_TRUE(writeContent(file(u"bad.qrl"_s), "not a game"));
    EXPECT_FALSE(session.menu.OpenChecked(file(u"bad.qrl"_s)));
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(trans().TransCount(), 1); // the game in play is untouched
    startGame(7);
    EXPECT_TRUE(session.menu.OpenChecked(file(u"kept.qrl"_s)));
    EXPECT_EQ(prompter.questions.size(), 1U); // leaving game 7 asks once
    EXPECT_EQ(state().gGameNumber, 1000);
}

TEST_F(FlowTest, AGameGivenUpToWatchItsSolutionIsOneLossAndNoWin) {
    session.users.AddUser(u"Guest"_s, QString(), u"2000-01-01 00:00:00"_s);
    startGame(617);
    session.engine.rules().CardDoubleClicked(48); // a move of the player's own
    std::vector<Loc> before;
    for (Card c = 0; c < kCardCount; ++c)
        before.push_back(board().GetLocation(c));
    session.menu.GiveUpAndWatch();
    EXPECT_EQ(session.players.GetLost(1), 1);
    EXPECT_TRUE(state().gFinishedView);
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(state().gGameNumber, 617);
    for (Card c = 0; c < kCardCount; ++c)
        EXPECT_EQ(board().GetLocation(c), before[static_cast<std::size_t>(c)]) << c;
    // Played out to the last king: watched, never a second record.
    const Solver::Result solved
        = Solver::Solve(board(), Solver::Limits::Nodes(Solver::kDealBudget));
    ASSERT_EQ(solved.verdict, Solver::Verdict::Won);
    for (const SolverMove& move : solved.line)
        ASSERT_TRUE(Solver::Play(session.engine, move));
    EXPECT_EQ(wins, 0);
    EXPECT_EQ(session.players.GetTotal(1), 1);
}

// Finish sends every card left home: offered once each can go, never while a replay runs.
TEST_F(FlowTest, FinishIsOfferedWhenEveryCardCanGoHomeButNotDuringAReplay) {
    session.opt.SetFinishByItself(0); // left to the player
    // The first deal whose winning line passes a position where every card left can go home.
    bool found = false;
    for (qint32 game = 1; game < 50 && !found; ++game) {
        startGame(game);
        EXPECT_FALSE(session.menu.Update_Menu(false).finish);
        const Solver::Result solved
            = Solver::Solve(board(), Solver::Limits::Nodes(Solver::kDealBudget));
        for (const SolverMove& move : solved.line) {
            if ((found = session.engine.autoPlayer().CanFinish())) break;
            if (!Solver::Play(session.engine, move)) break;
        }
    }
    ASSERT_TRUE(found);
    EXPECT_TRUE(session.menu.Update_Menu(false).finish);
    EXPECT_FALSE(session.menu.Update_Menu(true).finish);
    state().gGameActive = false;
    EXPECT_FALSE(session.menu.Update_Menu(false).finish);
}

// A game only watched was never played here: whichever command leaves it, and however it
// came to be watched, it is left without a question and leaves no record.
TEST_F(FlowTest, LeavingAWatchedGameRecordsNothingWhicheverWayItWasEntered) {
    session.users.AddUser(u"Guest"_s, QString(), u"2000-01-01 00:00:00"_s);
    const QString watched = file(u"seven.q2k"_s);
    ASSERT_TRUE(writeContent(watched, " 7 \r\n 48  200  1  1 \r\n"));
    const std::vector<std::pair<const char*, std::function<void()>>> ways {
        { "its solution shown",
            [&] {
                startGame(1000);
                session.engine.rules().CardDoubleClicked(48);
                session.menu.GiveUpAndWatch(); // the one record of this game
            } },
        { "a finished game opened", [&] { ASSERT_TRUE(session.menu.OpenChecked(watched)); } },
    };
    const std::vector<std::pair<const char*, std::function<void()>>> leaves {
        { "Close Game", [&] { session.menu.CloseGame(); } },
        { "New Game", [&] { session.menu.SelectGame(CommandId::New); } },
        { "Restart Game", [&] { session.menu.SelectGame(CommandId::Restart); } },
        { "given up", [&] { session.menu.GameLost(); } },
    };
    session.save.SetFinishedSave(1); // an autosave of the watched game would be a second copy
    session.save.SetInCompleteSave(1);
    for (const auto& [way, enter] : ways)
        for (const auto& [leave, run] : leaves) {
            SCOPED_TRACE(std::string(way) + ", then " + leave);
            enter();
            ASSERT_TRUE(state().gFinishedView);
            const QByteArray recorded = contentOf(session.save.ScoreFile());
            const qint32 total = session.players.GetTotal(1);
            prompter.questions.clear();
            run();
            EXPECT_EQ(contentOf(session.save.ScoreFile()), recorded);
            EXPECT_EQ(session.players.GetTotal(1), total);
            EXPECT_TRUE(prompter.questions.empty());
            EXPECT_FALSE(state().gFinishedView);
            session.menu.NoGame();
        }
    EXPECT_EQ(session.players.GetTotal(1), 4); // the four solutions shown
    EXPECT_EQ(contentOf(session.save.ScoreFile()).count("\r\n"), 4);
}

TEST_F(FlowTest, ClosingAGamePlayedAsksAndGivesItUpOnlyOnYes) {
    session.users.AddUser(u"Guest"_s, QString(), u"2000-01-01 00:00:00"_s);
    startGame(5);
    prompter.yes = false;
    session.menu.CloseGame();
    EXPECT_EQ(prompter.questions,
        std::vector<std::string> { "Are you sure you want to close this Game ?" });
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(session.players.GetTotal(1), 0);
    prompter.yes = true;
    session.menu.CloseGame();
    EXPECT_FALSE(state().gGameActive);
    EXPECT_EQ(session.players.GetLost(1), 1);
    session.menu.CloseGame(); // an empty board: nothing to ask or record
    EXPECT_EQ(prompter.questions.size(), 2U);
    EXPECT_EQ(session.players.GetTotal(1), 1);
}

} // namespace
} // namespace quadrell::test
