#include "Lifecycle.h"

#include "FaultInjection.h"
#include "KeptGame.h"
#include "SessionFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class LifecycleTest : public SessionFixture {
protected:
    KeptGame& kept = session.kept;
    Lifecycle& life = session.lifecycle;

    QString data(const QString& name) const { return paths.dataFolder + QLatin1Char('/') + name; }
    void playGame(qint32 n) {
        session.menu.NewGame(n, false);
        session.menu.Game_Started(false);
        session.engine.rules().CardDoubleClicked(48);
    }
};

TEST_F(LifecycleTest, TheFirstRunResetsEverythingAndSetsUpTheFolders) {
    EXPECT_TRUE(life.FirstRunNeeded());
    session.opt.SetCardSpeed(3);
    EXPECT_FALSE(life.FirstRunNeeded());
    session.store.SetText(u"Install"_s, u"Fresh"_s, u"1"_s);
    EXPECT_TRUE(life.FirstRunNeeded());
    life.FirstRunReset();
    EXPECT_EQ(registered, 1);
    EXPECT_EQ(session.opt.CardSpeed(), 30); // every setting deleted
    EXPECT_FALSE(life.FirstRunNeeded());
    EXPECT_EQ(session.save.InStallFolder(), paths.dataFolder);
    EXPECT_EQ(session.save.FavFolder(), data(u"favorites"_s));
    EXPECT_TRUE(QDir(data(u"favorites/Easy Games"_s)).exists());
    EXPECT_TRUE(QDir(data(u"Incomplete"_s)).exists());
    EXPECT_TRUE(QDir(data(u"Finished"_s)).exists());
    const QFileInfo scores(data(u"Quadrell2000.sre"_s)); // made, and empty
    EXPECT_TRUE(scores.isFile() && scores.size() == 0);
    // The places are written into the settings, not only worked out when asked.
    for (const char* key :
        { "InstallFolder", "FavFolder", "ScoreFile", "IncompleteDir", "FinishedDir" })
        EXPECT_FALSE(session.store.GetText(u"Save"_s, QLatin1String(key), {}).isEmpty()) << key;
    EXPECT_EQ(session.players.GetName(1), u"Guest"_s);
    EXPECT_EQ(session.players.GetFullName(1), u"Guest Player"_s);
    EXPECT_EQ(session.players.GetDate(1), cSave::DateText(now));
}

TEST_F(LifecycleTest, TheSessionAndItsFirstGameAreTimedFromTheStart) {
    // Last session's times, left in the store by the run before.
    session.save.SetSessionStart(now.addDays(-1));
    session.save.SetGameStartTime(now.addDays(-1));
    life.Start();
    EXPECT_EQ(session.save.SessionStart({}), now);
    EXPECT_EQ(session.save.GameStartTime({}), now);
}

TEST_F(LifecycleTest, MissingFoldersAndFilesAreReplacedAtStart) {
    session.save.SetFavFolder(data(u"gone"_s));
    session.save.SetIncompleteDir(data(u"gone too"_s));
    session.save.SetScoreFile(data(u"scores.sre"_s));
    life.CheckFolders();
    EXPECT_EQ(session.save.FavFolder(), data(u"favorites"_s));
    EXPECT_TRUE(QDir(data(u"favorites/Easy Games"_s)).exists());
    EXPECT_EQ(session.save.IncompleteDir(), paths.dataFolder);
    EXPECT_FALSE(QDir(data(u"gone too"_s)).exists());       // nothing created for it
    for (const QString& name : { QString(), u"games"_s }) { // empty, relative
        session.save.SetFinishedDir(name);
        life.CheckFolders();
        EXPECT_EQ(session.save.FinishedDir(), paths.dataFolder) << name.toStdString();
    }
    EXPECT_TRUE(QFile::exists(data(u"scores.sre"_s)));
    EXPECT_EQ(session.players.TotalPlayers(), 1);
}

TEST_F(LifecycleTest, AKeptGameIsResumedAndNothingElseOpensAnEmptyBoard) {
    EXPECT_TRUE(life.Open_Game(QString()));
    EXPECT_FALSE(state().gGameActive);
    playGame(1000);
    life.Unload();
    EXPECT_TRUE(session.save.Unfinished());
    session.menu.NoGame();
    EXPECT_TRUE(life.Open_Game(QString()));
    EXPECT_TRUE(state().gGameActive);
    EXPECT_EQ(state().gGameNumber, 1000);
    EXPECT_EQ(trans().TransCount(), 1);
    EXPECT_TRUE(prompter.questions.empty());
}

// A kept game spoilt on the disk is said once, and the start goes on to an empty board with
// nothing of the last session's snapshot left.
TEST_F(LifecycleTest, AKeptGameThatCannotBeReadLeavesAnEmptyBoard) {
    playGame(1000);
    life.Unload();
    ASSERT_TRUE(writeContent(kept.Path(), "not a game\r\n"));
    session.menu.NoGame();
    session.save.SetSnapShot(true); // as the last session left it
    EXPECT_TRUE(life.Open_Game(QString()));
    EXPECT_FALSE(state().gGameActive);
    EXPECT_FALSE(session.save.SnapShot());
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(prompter.messages[0].find("cannot be opened"), std::string::npos);
}

TEST_F(LifecycleTest, ANamedFileWithAKeptGameWaitingAsksFirst) {
    playGame(7);
    trans().SaveToFile(file(u"seven.qrl"_s));
    playGame(1000);
    life.Unload();
    prompter.yes = false;
    EXPECT_FALSE(life.Open_Game(file(u"seven.qrl"_s)));
    ASSERT_EQ(prompter.questions.size(), 1U);
    EXPECT_EQ(prompter.questions[0],
        "Are you sure you want to exit the previously\r\nunfinished game and start this game ?");
    prompter.yes = true;
    EXPECT_TRUE(life.Open_Game(file(u"seven.qrl"_s)));
    EXPECT_EQ(state().gGameNumber, 7);
}

TEST_F(LifecycleTest, ClosingWithoutKeepingGivesTheGameUp) {
    session.opt.SetEnableUnfinished(0);
    playGame(1000);
    life.Unload();
    EXPECT_FALSE(state().gGameActive);
    EXPECT_FALSE(session.save.Unfinished());
    EXPECT_EQ(session.save.LastGameTime(), 0);
}

TEST_F(LifecycleTest, EveryMoveIsKeptAndAKilledGameComesBack) {
    playGame(1000);
    kept.Update();
    session.engine.rules().CardDoubleClicked(49);
    kept.Update();
    const QByteArray written = contentOf(kept.Path());
    EXPECT_EQ(written.count("\r\n"), 1 + trans().TransCount());
    EXPECT_FALSE(session.save.Unfinished()); // the key keeps its meaning in play
    // The next start finds the game as if the program had been closed.
    KeptGame next { session.store, session.save, session.opt, session.engine, session.trans,
        session.time, session.prompter };
    next.Recover();
    EXPECT_TRUE(session.save.Unfinished());
    session.menu.NoGame();
    EXPECT_TRUE(life.Open_Game(QString()));
    EXPECT_EQ(trans().TransCount(), 2);
}

TEST_F(LifecycleTest, AnEndedGameIsNoLongerKept) {
    playGame(1000);
    kept.Update();
    session.menu.GameLost();
    kept.Update();
    KeptGame next { session.store, session.save, session.opt, session.engine, session.trans,
        session.time, session.prompter };
    next.Recover();
    EXPECT_FALSE(session.save.Unfinished());
}

TEST_F(LifecycleTest, AFirstRunNeverEmptiesOrRemovesWhatExists) {
    const QByteArray scores = "\"Guest\",10,5,3,\"2026-12-01 10:00:00\",0,0\r\n";
    ASSERT_TRUE(writeContent(data(u"Quadrell2000.sre"_s), scores));
    QDir().mkpath(data(u"favorites/Easy Games"_s));
    ASSERT_TRUE(writeContent(data(u"favorites/Easy Games/mine.q2k"_s), " 7 \r\n"));
    ASSERT_TRUE(writeContent(data(u"Unfinished.qrl"_s), " 7 \r\n"));
    for (int run = 0; run < 2; ++run) {
        // An empty store (a settings file lost), then "Fresh" set on purpose.
        if (run == 1) session.store.SetText(u"Install"_s, u"Fresh"_s, u"1"_s);
        ASSERT_TRUE(life.FirstRunNeeded());
        life.FirstRunReset();
        EXPECT_EQ(contentOf(data(u"Quadrell2000.sre"_s)), scores);
        EXPECT_TRUE(QFile::exists(data(u"favorites/Easy Games/mine.q2k"_s)));
        EXPECT_TRUE(QFile::exists(data(u"Unfinished.qrl"_s)));
    }
}

TEST_F(LifecycleTest, ANamedFileThatCannotBeUsedCostsNothing) {
    playGame(1000);
    life.Unload();
    const QString fifo = file(u"pipe.qrl"_s);
    ASSERT_TRUE(makeFifo(fifo));
    ASSERT_TRUE(writeContent(file(u"binary.qrl"_s), QByteArray("\x00\x01\xff", 3)));
    for (const QString& named :
        { file(u"missing.qrl"_s), fifo, file(u"binary.qrl"_s), dir.path() }) {
        prompter.messages.clear();
        session.menu.NoGame();
        EXPECT_TRUE(life.Open_Game(named));
        EXPECT_EQ(prompter.messages.size(), 1U) << named.toStdString();
        EXPECT_TRUE(prompter.questions.empty()); // nothing to choose between
        EXPECT_EQ(state().gGameNumber, 1000);    // the kept game goes on
        EXPECT_EQ(trans().TransCount(), 1);
        EXPECT_TRUE(session.save.Unfinished());
    }
}

TEST_F(LifecycleTest, AResumedGameThatEndsIsNeverResumedAgain) {
    playGame(1000);
    life.Unload();
    session.menu.NoGame();
    life.Recover();
    ASSERT_TRUE(life.Open_Game(QString()));
    kept.Update();
    session.menu.GameLost(); // "Close Game"
    // Forgotten in the same write that records it, before anything else happens.
    EXPECT_FALSE(session.save.Unfinished());
    EXPECT_FALSE(session.store.GetBool(u"Save"_s, u"KeptRunning"_s, false));
    kept.Update();
    EXPECT_FALSE(QFile::exists(kept.Path()));
    life.Recover();
    EXPECT_TRUE(life.Open_Game(QString()));
    EXPECT_FALSE(state().gGameActive);
    EXPECT_EQ(contentOf(session.save.ScoreFile()).count("\r\n"), 1);
}

TEST_F(LifecycleTest, AKeptGameOutlivesAnEndThatTheSettingsCouldNotTake) {
    playGame(1000);
    kept.Update();
    {
        FileSizeLimit full(0); // the whole disk: neither the record nor the forgetting lands
        session.menu.GameLost();
        kept.Update();
        EXPECT_TRUE(session.store.WriteFailing());
    }
    // A kill now. The files as it leaves them are started in a home of their own, since
    // Qt shares a settings file's unsaved changes within one process.
    QTemporaryDir after;
    ASSERT_EQ(QProcess::execute(u"cp"_s, { u"-a"_s, dir.path() + u"/."_s, after.path() }), 0);
    const AppPaths afterPaths = AppPaths::Inside(after.path());
    Session next { afterPaths, view, prompter, window, replay };
    Lifecycle& start = next.lifecycle;
    start.Start();
    ASSERT_TRUE(start.Open_Game(QString()));
    EXPECT_EQ(next.state().gGameNumber, 1000); // taken up again, not lost unrecorded
    EXPECT_TRUE(contentOf(next.save.ScoreFile()).isEmpty());
}

// Settings that cannot be saved are said once, with what is kept: the last saved settings,
// or none at all.
TEST_F(LifecycleTest, SettingsThatCannotBeSavedAreSaidWithWhatIsKept) {
    for (const bool savedBefore : { true, false }) {
        QTemporaryDir home;
        const AppPaths at = AppPaths::Inside(home.path());
        ASSERT_TRUE(at.Create());
        ScriptedPrompter told;
        Session other { at, view, told, window, replay, [] {} };
        if (savedBefore) other.opt.SetCardSpeed(12);
        {
            FileSizeLimit full(0);
            other.opt.SetCardSpeed(13);
            other.opt.SetCardSpeed(14);
        }
        const std::string ini = (at.configFolder + u"/quadrell 2000.ini"_s).toStdString();
        EXPECT_EQ(told.messages,
            std::vector<std::string> { "The settings could not be saved to\r\n" + ini
                + (savedBefore ? "\r\nThe last saved settings are kept."
                               : "\r\nNo settings have been saved yet: the game goes on with "
                                 "its defaults.") });
    }
}

TEST_F(LifecycleTest, AKeptGameThatCannotBeWrittenIsReportedOnceAndPlayGoesOn) {
    playGame(1000);
    kept.Update();
    auto reports = [this] {
        return std::count_if(prompter.messages.begin(), prompter.messages.end(),
            [](const std::string& m) { return m.find("Unfinished.qrl") != std::string::npos; });
    };
    {
        FileSizeLimit full(16);
        for (Loc loc : { 49, 50, 51 }) {
            session.engine.rules().CardDoubleClicked(loc);
            kept.Update();
        }
    }
    EXPECT_EQ(reports(), 1);
    EXPECT_EQ(trans().TransCount(), 4);
    kept.Update(); // nothing new to write: the position is unchanged
    session.engine.rules().CardDoubleClicked(200);
    kept.Update();
    EXPECT_EQ(contentOf(kept.Path()).count("\r\n"), 1 + trans().TransCount());
    {
        FileSizeLimit full(16);
        trans().Undo();
        kept.Update();
    }
    EXPECT_EQ(reports(), 2); // a success in between cleared the state
}

// The next start, in the window's order, whatever happened to the settings in between.
TEST_F(LifecycleTest, StartUpResumesAKeptGameUnlessTheSettingsSayItWasRecorded) {
    struct Row {
        const char* what;
        std::function<void()> between;
        bool resumed;
        qint32 clock; // the kept time the resumed game's clock goes on from
        bool firstRun;
    };
    const QString ini = session.store.FileName(kApp);
    const std::vector<Row> rows {
        { "closed", [] {}, true, 42, false },
        { "settings lost", [&] { QFile::rename(ini, ini + u".away"_s); }, true, 0, true },
        { "fresh start asked", [&] { session.store.SetText(u"Install"_s, u"Fresh"_s, u"1"_s); },
            true, 42, true },
        { "killed in play",
            [&] {
                session.save.SetUnfinished(false);
                session.store.SetBool(u"Save"_s, u"KeptRunning"_s, true);
                // the time kept with the last move, later than the last closing's
                session.store.SetInt(u"Save"_s, u"KeptGameTime"_s, 57);
            },
            true, 57, false },
        { "recorded", [&] { session.kept.Forget(); }, false, 0, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(ini + u".away"_s);
        playGame(1000);
        life.Unload();
        session.save.SetLastGameTime(42);
        row.between();
        int firstRuns = 0;
        Session next { paths, view, prompter, window, replay, [&firstRuns] { ++firstRuns; } };
        Lifecycle& start = next.lifecycle;
        start.Start();
        EXPECT_EQ(firstRuns, row.firstRun ? 1 : 0);
        EXPECT_EQ(QFile::exists(data(u"Unfinished.qrl"_s)), row.resumed);
        ASSERT_TRUE(start.Open_Game(QString()));
        EXPECT_EQ(next.state().gGameActive, row.resumed);
        if (row.resumed) {
            EXPECT_EQ(next.save.LastGameTime(), row.clock);
        }
        session.menu.NoGame();
    }
}

// A settings file the game cannot use (here a folder in its place) is moved aside, and the
// player is told once where it went; the game goes on with its defaults.
TEST_F(LifecycleTest, ASettingsFileThatCannotBeUsedIsMovedAsideAndSaidOnce) {
    QTemporaryDir other;
    const AppPaths elsewhere = AppPaths::Inside(other.path());
    ASSERT_TRUE(elsewhere.Create());
    const QString ini = elsewhere.configFolder + u"/quadrell 2000.ini"_s;
    ASSERT_TRUE(QDir().mkpath(ini));
    ScriptedPrompter told;
    Session moved { elsewhere, view, told, window, replay, [] {} };
    EXPECT_EQ(moved.opt.CardSpeed(), 30);
    moved.opt.SetCardSpeed(12);
    ASSERT_EQ(told.messages.size(), 1u);
    const std::string& text = told.messages.front();
    EXPECT_EQ(
        text.rfind("The settings file\r\n" + QDir::toNativeSeparators(ini).toStdString(), 0), 0u)
        << text;
    EXPECT_NE(text.find("It was moved to\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("starts with its default settings."), std::string::npos) << text;
    EXPECT_TRUE(QFileInfo(ini).isFile()); // the new settings written in its place
}

} // namespace
} // namespace quadrell::test
