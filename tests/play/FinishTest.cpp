#include "BoardBuilder.h"
#include "FaultInjection.h"
#include "Favourites.h"
#include "FinishFlow.h"
#include "GameDialogs.h"
#include "GameLists.h"
#include "SessionFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class FinishTest : public SessionFixture {
protected:
    FinishTest() {
        session.users.AddUser(u"Guest"_s, QString(), u"2000-01-01 00:00:00"_s);
        session.save.SetFinishedSave(0);
        QDir().mkpath(file(u"fav/Easy Games"_s));
        session.save.SetFavFolder(file(u"fav"_s));
        session.menu.NewGame(617, false);
        session.menu.Game_Started(false);
        session.engine.rules().CardDoubleClicked(48);
        session.GameWonDetected();
    }
    FinishFlow& flow = session.finishing;
    QByteArray scores() { return contentOf(session.save.ScoreFile()); }
    FinishFlow::Choices choices() {
        FinishFlow::Choices c;
        c.savePath = file(u"617"_s);
        c.favFolder = file(u"fav/Easy Games"_s);
        c.favName = flow.Proposed().favName;
        return c;
    }
};

TEST_F(FinishTest, TheBoxesOpenWithTheGameNumberAndThePlayer) {
    session.save.SaveLastDir(dir.path());
    session.finish.SetSaveEnable(1);
    session.finish.SetLastSelectIndex(3);
    session.finish.SetLastFavIndex(2);
    const FinishFlow::Choices c = flow.Proposed();
    EXPECT_EQ(c.savePath, file(u"617"_s));
    EXPECT_EQ(c.favName, u"617 Played by Guest"_s);
    EXPECT_TRUE(c.save);
    EXPECT_FALSE(c.favourite);
    EXPECT_EQ(c.nextIndex, 3);
    EXPECT_EQ(c.favIndex, 2);
    EXPECT_EQ(flow.FavouriteFolders(), QStringList { file(u"fav/Easy Games"_s) });
}

// Each figure of the win against the player's earlier bests: only a better one is a new best,
// a tie is not.
TEST_F(FinishTest, OnlyAFigureBetterThanTheBestIsANewOne) {
    session.menu.NewGame(617, false);
    BoardBuilder(session.engine)
        .foundation("KH")
        .foundation("KC")
        .foundation("KD")
        .foundation("KS");
    session.menu.FreezeResult(); // every card home
    const GameResult won = session.menu.Result();
    ASSERT_EQ(won.Perc, 100);
    session.score.SaveScore(
        8, won.Moves + 1, won.Time + 1, 100, session.clock()); // worse in every figure
    for (const FinishFlow::Figure& f : flow.Figures()) {
        EXPECT_TRUE(f.newBest) << f.name.toStdString();
        EXPECT_EQ(f.against, u"New best"_s);
    }
    session.score.SaveScore(9, won.Moves, won.Time, 100, session.clock()); // the same figures
    for (const FinishFlow::Figure& f : flow.Figures()) {
        EXPECT_FALSE(f.newBest) << f.name.toStdString();
        EXPECT_EQ(f.against, u"Best "_s + f.value) << f.name.toStdString();
    }
}

// Unticked boxes write nothing, whatever their names say; the win is still recorded.
TEST_F(FinishTest, OkWithNeitherBoxTickedWritesNoGameFile) {
    FinishFlow::Choices c = choices();
    c.save = false;
    c.favourite = false;
    c.favIndex = 2;
    flow.Accept(c);
    EXPECT_FALSE(QFile::exists(file(u"617.q2k"_s)));
    EXPECT_FALSE(QFile::exists(file(u"fav/Easy Games/617 Played by Guest.q2k"_s)));
    EXPECT_EQ(scores().count("\r\n"), 1);
}

// A win is recorded with the time it was won in, however long the finished-game dialog
// then stays open.
TEST_F(FinishTest, TheWinIsRecordedWithTheTimeItWasWonIn) {
    flow.Accept(choices()); // the win the fixture played
    const QDateTime start(QDate(2027, 2, 1), QTime(10, 0));
    now = start;
    session.menu.NewGame(617, false);
    session.menu.Game_Started(false);
    now = start.addSecs(95);
    session.engine.rules().CardDoubleClicked(48);
    session.GameWonDetected();
    now = start.addSecs(695); // ten minutes over the dialog
    flow.Accept(choices());
    // Timed to the win, dated by the session's clock as the dialog records it.
    EXPECT_EQ(scores().split('\n').at(1), "\"Guest\",95,617,1,\"2027-02-01 10:11:35\",6,6\r");
}

TEST_F(FinishTest, OkSavesAsChosenRecordsTheWinAndDealsTheNextGame) {
    FinishFlow::Choices c = choices();
    c.save = true;
    c.favourite = true;
    c.nextIndex = 3; // "Restart the Same Game"
    c.favIndex = 2;  // the second folder of the list
    flow.Accept(c);
    EXPECT_TRUE(QFile::exists(file(u"617.q2k"_s)));
    EXPECT_TRUE(QFile::exists(file(u"fav/Easy Games/617 Played by Guest.q2k"_s)));
    EXPECT_EQ(session.recent.GetRecent(1),
        file(u"617.q2k"_s)); // no autosave, so listed here
    EXPECT_EQ(session.save.GetLastDir(), dir.path());
    EXPECT_EQ(scores().count("\r\n"), 1);
    EXPECT_EQ(session.finish.SaveEnable(), 1);
    EXPECT_EQ(session.finish.FavEnable(), 1);
    EXPECT_EQ(session.finish.LastSelectIndex(), 3);
    EXPECT_EQ(session.finish.LastFavIndex(), 2); // proposed again next time
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(state().gGameNumber, 617);
    EXPECT_EQ(trans().TransCount(), 0);
    EXPECT_FALSE(session.win.Pending());
}

// The next game chosen in the dialog is the one dealt or asked for: a new random game,
// Select Game, the same game again, Open.
TEST_F(FinishTest, TheNextGameIsTheOneChosen) {
    struct Windows final : GameDialogs {
        std::string shown;
        void ShowSelectGame() override { shown = "select"; }
        void ShowOpenGame() override { shown = "open"; }
        void ShowScoreBoard() override { }
        void ShowAddFav() override { }
        void ShowOpenFav() override { }
        void ShowOrganizeFav() override { }
        void ShowOptions() override { }
        void ShowCustomize() override { }
        void ShowAutoSave() override { }
        void ShowNewOfDifficulty() override { }
    } windows;
    session.menu.SetDialogs(&windows);
    const struct {
        int next;
        std::string shown;
        bool dealt;
    } rows[] { { 1, "", true }, { 2, "select", false }, { 3, "", true }, { 4, "open", false },
        { 0, "", true }, { 5, "", true } }; // a stored choice out of range: a new game
    for (const auto& row : rows) {
        SCOPED_TRACE(row.next);
        session.menu.NewGame(617, false);
        session.menu.Game_Started(false);
        session.engine.rules().CardDoubleClicked(48);
        session.GameWonDetected();
        windows.shown.clear();
        FinishFlow::Choices c = choices();
        c.nextIndex = row.next;
        flow.Accept(c);
        EXPECT_EQ(windows.shown, row.shown);
        EXPECT_EQ(state().gGameActive, row.dealt);
        if (row.next == 3) {
            EXPECT_EQ(state().gGameNumber, 617);
        }
        if (row.next != 3 && row.dealt) {
            EXPECT_NE(state().gGameNumber, 617); // a random deal is 617 once in millions
        }
    }
    session.menu.SetDialogs(nullptr);
}

TEST_F(FinishTest, AFavouriteThatExistsIsReplacedOnlyOnYes) {
    FinishFlow::Choices c = choices();
    c.favourite = true;
    const QString fav = file(u"fav/Easy Games/617 Played by Guest.q2k"_s);
    ASSERT_TRUE(writeContent(fav, "old"));
    prompter.yes = false;
    flow.Accept(c);
    ASSERT_EQ(prompter.questions.size(), 1U);
    EXPECT_EQ(
        prompter.questions[0], "File " + fav.toStdString() + " exists! Do you want to overwrite ?");
    QFile kept(fav);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));
    EXPECT_EQ(scores().count("\r\n"), 1); // the win is recorded all the same
}

TEST_F(FinishTest, OkOrCancelReachedAgainWhileAQuestionIsOpenRecordsTheWinOnce) {
    FinishFlow::Choices c = choices();
    c.favourite = true;
    ASSERT_TRUE(writeContent(file(u"fav/Easy Games/617 Played by Guest.q2k"_s), {}));
    prompter.onQuestion = [&] {
        prompter.onQuestion = {};
        flow.Accept(c); // a second OK, delivered by the question's own event loop
        flow.Cancel();
    };
    flow.Accept(c);
    EXPECT_EQ(scores().count("\r\n"), 1);
    EXPECT_EQ(session.players.GetTotal(1), 1);
}

TEST_F(FinishTest, AFavouriteNameOrAMissingFolderIsRefusedBeforeAnythingIsDone) {
    FinishFlow::Choices c = choices();
    c.favourite = true;
    for (const char* name : { "../escape", "tab\there", "..", "   " }) {
        c.favName = QLatin1String(name);
        EXPECT_EQ(flow.Refusal(c), Favourites::CheckName(QString(name).trimmed())) << name;
        EXPECT_FALSE(flow.Refusal(c).isEmpty()) << name;
    }
    c.favName = u"fine"_s;
    EXPECT_TRUE(flow.Refusal(c).isEmpty());
    c.favFolder.clear(); // no favourite folder at all
    EXPECT_TRUE(flow.Refusal(c).contains(u"no favourite folder"_s));
    c.favourite = false;
    EXPECT_TRUE(flow.Refusal(c).isEmpty());
}

TEST_F(FinishTest, AMissingSaveFolderSavesNothingAndSaysNothing) {
    FinishFlow::Choices c = choices();
    c.save = true;
    c.savePath = file(u"nowhere/617"_s);
    flow.Accept(c);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(scores().count("\r\n"), 1);
}

TEST_F(FinishTest, CancelRecordsTheWinAndStoresNoChoice) {
    session.finish.SetLastSelectIndex(2);
    flow.Cancel();
    EXPECT_EQ(scores().count("\r\n"), 1);
    EXPECT_TRUE(scores().contains(",617,"));
    EXPECT_FALSE(state().gGameActive);
    EXPECT_EQ(session.finish.LastSelectIndex(), 2);
    EXPECT_EQ(session.players.GetTotal(1), 1);
}

} // namespace
} // namespace quadrell::test
