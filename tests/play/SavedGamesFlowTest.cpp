#include "AutoSaves.h"
#include "FaultInjection.h"
#include "GameLists.h"
#include "Lifecycle.h"
#include "SelectGameRules.h"
#include "SessionFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class SavedGamesFlowTest : public SessionFixture {
protected:
    void playGame(qint32 n) {
        session.menu.NewGame(n, false);
        session.menu.Game_Started(false);
        session.engine.rules().CardDoubleClicked(48);
    }
    QString folder(const QString& name) {
        QDir().mkpath(file(name));
        return file(name);
    }
};

TEST(SelectGameRules, NumbersStrictlyInsideTheRangeRoundedHalvesToEven) {
    const std::pair<const char*, qint32> accepted[] { { "1", 1 }, { "12.5", 12 }, { "13.5", 14 },
        { "1e3", 1000 }, { " 77 ", 77 }, { "3239999", 3239999 }, { "0.6", 1 }, { "0.4", 0 } };
    for (const auto& [text, game] : accepted)
        EXPECT_EQ(SelectGameRules::Validate(QLatin1String(text)), game) << text;
    for (const char* text : { "0", "3240000", "-5", "abc", "", "1e9", "nan", "inf", "12abc" })
        EXPECT_FALSE(SelectGameRules::Validate(QLatin1String(text))) << text;
    EXPECT_EQ(SelectGameRules::Label(40000), u"Select a Game Number between 0 and 40000"_s);
}

TEST_F(SavedGamesFlowTest, AGivenUpGameIsAutosavedWhenThatIsOn) {
    session.save.SetInCompleteSave(1);
    session.save.SetIncompleteDir(folder(u"lost"_s));
    session.save.SetIncludeDate(0);
    session.save.SetIncludeTime(0);
    playGame(1234);
    session.menu.GameLost();
    EXPECT_TRUE(QFile::exists(file(u"lost/1234.qrl"_s)));
    EXPECT_EQ(session.recent.GetRecent(6), file(u"lost/1234.qrl"_s));
    session.save.SetInCompleteSave(0);
    playGame(1234);
    session.menu.GameLost();
    EXPECT_FALSE(QFile::exists(file(u"lost/1234-00.qrl"_s)));
}

TEST_F(SavedGamesFlowTest, AWonGameIsAutosavedByDefault) {
    session.save.SetFinishedDir(folder(u"won"_s));
    playGame(5);
    now = QDateTime(QDate(2027, 1, 15), QTime(8, 30)); // named by the session's clock
    session.menu.GameWon();
    EXPECT_TRUE(QFile::exists(file(u"won/1501-0830-5.q2k"_s)));
    EXPECT_TRUE(session.recent.EnableFinish());
}

TEST_F(SavedGamesFlowTest, AnAutosaveFolderThatIsGoneIsReportedAndTheGameStillEnds) {
    session.save.SetInCompleteSave(1);
    session.save.SetIncompleteDir(file(u"missing"_s));
    playGame(9);
    session.menu.GameLost();
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(prompter.messages[0].find(file(u"missing"_s).toStdString()), std::string::npos);
    EXPECT_FALSE(state().gGameActive);
    EXPECT_FALSE(session.recent.EnableInComplete());
}

TEST_F(SavedGamesFlowTest, ARecentFileThatIsGoneLeavesTheGameInPlay) {
    session.recent.AddtoRecent(file(u"gone.qrl"_s));
    playGame(3);
    const int entries = trans().TransCount();
    session.menu.OpenRecent(6);
    EXPECT_EQ(prompter.messages,
        (std::vector<std::string> {
            "Sorry File Doesn't Exists\r\n" + file(u"gone.qrl"_s).toStdString() }));
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(trans().TransCount(), entries);
}

TEST_F(SavedGamesFlowTest, ARecentGameOpensAfterTheQuestion) {
    playGame(3);
    const int entries = trans().TransCount();
    trans().SaveToFile(file(u"three.qrl"_s));
    session.recent.AddtoRecent(file(u"three.qrl"_s));
    playGame(4);
    session.menu.OpenRecent(6);
    EXPECT_EQ(prompter.questions.size(), 1U);
    EXPECT_EQ(state().gGameNumber, 3);
    EXPECT_EQ(trans().TransCount(), entries);
}

TEST_F(SavedGamesFlowTest, TheSaveDialogProposesTheNumberAndRemembersTheFolder) {
    playGame(77);
    prompter.saveAs = file(u"kept"_s).toStdString(); // no extension typed
    session.menu.SelectType(CommandId::Save);
    EXPECT_EQ(prompter.proposedNames, (std::vector<std::string> { "77.qrl" }));
    EXPECT_TRUE(QFile::exists(file(u"kept.qrl"_s)));
    EXPECT_EQ(session.save.GetLastDir(), dir.path());
    EXPECT_EQ(session.recent.GetRecent(6), file(u"kept.qrl"_s));
    prompter.saveAs.clear(); // cancelled: nothing happens
    session.menu.SelectType(CommandId::Save);
    EXPECT_EQ(session.recent.GetTotalNumb(6), 1);
    for (const char* dotted : { "my.game", "v1.2 best" }) { // a dot is no extension
        prompter.saveAs = file(QLatin1String(dotted)).toStdString();
        session.menu.SelectType(CommandId::Save);
        EXPECT_TRUE(QFile::exists(file(QLatin1String(dotted) + u".qrl"_s))) << dotted;
    }
}

TEST_F(SavedGamesFlowTest, TheOpenDialogOpensAGameAndListsIt) {
    playGame(12);
    trans().SaveToFile(file(u"twelve.qrl"_s));
    session.menu.NoGame();
    prompter.openAs = file(u"twelve.qrl"_s).toStdString();
    EXPECT_TRUE(session.files.File_Open());
    EXPECT_EQ(state().gGameNumber, 12);
    EXPECT_TRUE(replay.ForwardRunning() && replay.StopEnabled()); // its replay started
    EXPECT_EQ(session.save.GetLastDir(), dir.path());             // the next dialog opens there
    EXPECT_EQ(session.recent.GetRecent(6), file(u"twelve.qrl"_s));
    ASSERT_TRUE(writeContent(file(u"junk.qrl"_s), "junk"));
    prompter.openAs = file(u"junk.qrl"_s).toStdString();
    EXPECT_FALSE(session.files.File_Open());
    EXPECT_EQ(session.recent.GetTotalNumb(6), 1); // a file that did not open is not listed
    // A folder or nothing chosen in its place opens nothing, says nothing and moves no folder.
    const QString lastDir = session.save.GetLastDir();
    const std::size_t said = prompter.messages.size();
    for (const QString& chosen : { folder(u"a folder"_s), QString() }) {
        prompter.openAs = chosen.toStdString();
        EXPECT_FALSE(session.files.File_Open());
        EXPECT_EQ(session.save.GetLastDir(), lastDir);
        EXPECT_EQ(prompter.messages.size(), said);
    }
    // A finished game being watched keeps its history when the next file is damaged.
    trans().SaveToFile(file(u"twelve.q2k"_s));
    ASSERT_TRUE(session.menu.OpenFromFile(file(u"twelve.q2k"_s)));
    ASSERT_TRUE(state().gFinishedView);
    const qint16 entries = trans().TransCount();
    ASSERT_GT(entries, 0);
    EXPECT_FALSE(session.files.File_Open());
    EXPECT_EQ(trans().TransCount(), entries);
    EXPECT_TRUE(state().gFinishedView && state().gGameActive);
}

TEST_F(SavedGamesFlowTest, ListsShowOnlyTheGameFilesOfTheirKind) {
    const QString mixed = folder(u"mixed"_s);
    for (const char* name : { "a.qrl", "b.Q2K", "c.txt", "d.q2k" })
        ASSERT_TRUE(writeContent(mixed + QLatin1Char('/') + QLatin1String(name), {}));
    EXPECT_EQ(GameLists::Folder(mixed, GameLists::Kinds::Both, QString()).size(), 3U);
    const auto finished = GameLists::Folder(mixed, GameLists::Kinds::Finished, QString());
    EXPECT_EQ(finished.size(), 2U);
    for (const GameListItem& item : finished)
        EXPECT_TRUE(item.finished) << item.name.toStdString();
    const auto incomplete = GameLists::Folder(mixed, GameLists::Kinds::Incomplete, QString());
    ASSERT_EQ(incomplete.size(), 1U);
    EXPECT_EQ(incomplete[0].name, u"a"_s);
    EXPECT_FALSE(incomplete[0].finished);
    EXPECT_TRUE(GameLists::Folder(file(u"nowhere"_s), GameLists::Kinds::Both, QString()).empty());
}

TEST_F(SavedGamesFlowTest, TheKeptGameIsInNoListAndTheFileDialogsStartElsewhere) {
    Lifecycle& life = session.lifecycle;
    life.Start(); // the first run: the "Incomplete" folder made and set
    playGame(1000);
    session.kept.Update();
    ASSERT_TRUE(QFile::exists(session.save.KeptGamePath()));
    EXPECT_EQ(session.save.GetLastDir(), session.save.IncompleteDir());
    EXPECT_NE(QDir(session.save.GetLastDir()), QDir(paths.dataFolder));
    // Even where a player points the lists at the install folder.
    session.save.SaveLastDir(paths.dataFolder);
    session.save.SetIncompleteDir(paths.dataFolder);
    EXPECT_TRUE(GameLists::Folder(
        session.save.GetLastDir(), GameLists::Kinds::Both, session.save.KeptGamePath())
                    .empty());
    EXPECT_TRUE(AutoSaves(session.save, prompter).Games(AutoSaves::Folder::Incomplete).empty());
}

// Select Game's two recent lists: the five finished games last played, newest first, and
// the five games in play; neither takes one of the other's.
TEST_F(SavedGamesFlowTest, EachRecentListHoldsItsOwnFiveGames) {
    for (int i = 1; i <= 6; ++i) {
        session.recent.AddtoRecent(file(u"done%1.q2k"_s.arg(i)));
        session.recent.AddtoRecent(file(u"going%1.qrl"_s.arg(i)));
    }
    const auto names = [](const std::vector<GameListItem>& items) {
        QStringList out;
        for (const GameListItem& item : items)
            out << item.name;
        return out.join(QLatin1Char(' '));
    };
    EXPECT_EQ(
        names(GameLists::Recent(session.recent, 1)).toStdString(), "done6 done5 done4 done3 done2");
    EXPECT_EQ(names(GameLists::Recent(session.recent, 6)).toStdString(),
        "going6 going5 going4 going3 going2");
}

} // namespace
} // namespace quadrell::test
