#include "Fakes.h"
#include "FaultInjection.h"
#include "SafeFile.h"
#include "ScoreFile.h"
#include "SettingsStore.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"
#include "cUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace quadrell::test {
namespace {

TEST(PointsFormula, RoundedQuotientTripledForAWin) {
    struct Row {
        qint32 moves, time;
        qint16 perc;
        qint32 points;
    };
    for (const Row& r : { Row { 93, 187, 100, 108 }, Row { 20, 80, 50, 50 }, Row { 50, 10, 0, 0 },
             Row { 150, 50, 5, 2 }, Row { 150, 50, 7, 4 }, Row { 100, 100, 100, 150 },
             Row { 0, 0, 3, 300 }, Row { 100, 98, 99, 50 } }) // 99 % is no win
        EXPECT_EQ(cScore::GetScore(r.moves, r.time, r.perc), r.points)
            << r.moves << " " << r.time << " " << r.perc;
}

TEST(ScoreFileFormat, QuotedTextsPlainNumbersTimeBeforeGame) {
    ScoreRec r;
    r.Name = QStringLiteral("Guest");
    r.Time = 187;
    r.GameNo = 617;
    r.Moves = 93;
    r.Date = *ScoreDate::Parse(QByteArrayView("2026-12-05 10:11:12"));
    r.Perc = 100;
    r.Score = 108;
    const QByteArray line = ScoreFile::FormatLine(r);
    EXPECT_EQ(line, QByteArray("\"Guest\",187,617,93,\"2026-12-05 10:11:12\",100,108\r\n"));
    const auto back = ScoreFile::ParseLine(line.chopped(2));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GameNo, 617);
    EXPECT_EQ(back->Time, 187);
    EXPECT_EQ(back->Date, r.Date);
}

TEST(ScoreFileFormat, LinesThatAreNotSevenFieldsAreSkippedAndATornEndIsIgnored) {
    const QByteArray text = "\"A\",1,2,3,\"2026-01-01 00:00:00\",0,0\r\n"
                            "\"Bad \"name\"\",1,2,3,\"d\",0,0\r\n"
                            "\"C\",1,2,3,\"2026-01-01 00:00:00\",101,0\r\n"
                            "garbage\r\n"
                            "\"D\",1,2,3,\"2026-01-01 00:00:00\",50,5\r\n"
                            "\"E\",1,2,3,\"2026-01-01 00:";
    const auto records = ScoreFile::ParseAll(text);
    ASSERT_EQ(records.size(), 2U);
    EXPECT_EQ(records[0].Name, QStringLiteral("A"));
    EXPECT_EQ(records[1].Name, QStringLiteral("D"));
}

TEST(ScoreFileFormat, AFileReadInPartsGivesWhatItGivesWhole) {
    const QByteArray text = "\"Ann\",1,2,3,\"2026-01-01 00:00:00\",0,0\r\n"
                            "\"Bob\",4,5,6,\"2026-01-02 00:00:00\",100,7\r\n\r\n"
                            "\"Ann\",8,9,10,\"2026-01-03 00:00:00\",50,1\n"
                            "\"Bob\",1,2,3,\"2026-01-04 00:00:00\",0,0\r"
                            "\"Ann\",1,2,3,\"2026-01-05 00:00";
    // Every cut, even one between the CR and the LF of a line end.
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        std::vector<ScoreRec> records;
        ScoreFile::Reader reader([&records](ScoreRec& r) { records.push_back(r); });
        reader.Feed(QByteArrayView(text).first(cut));
        reader.Feed(QByteArrayView(text).sliced(cut));
        ASSERT_EQ(records.size(), 4U) << cut;
        EXPECT_EQ(records[2].Time, 8) << cut;
        EXPECT_EQ(records[3].Date.Text(), QStringLiteral("2026-01-04 00:00:00")) << cut;
        // One player's records share one name.
        EXPECT_TRUE(records[0].Name.isSharedWith(records[2].Name)) << cut;
    }
}

TEST(ScoreFileFormat, UnreadableDatesAndNegativeNumbersAreSkipped) {
    for (const char* line :
        { "\"A\",1,2,3,\"yesterday\",0,0", "\"A\",1,2,3,\"2026-13-01 00:00:00\",0,0",
            "\"A\",1,2,3,\"2026-01-01 24:00:00\",0,0", "\"A\",1,2,3,\"05/12/2026 10:11:12\",0,0",
            "\"A\",-1,2,3,\"2026-01-01 00:00:00\",0,0", "\"A\",1,2,-3,\"2026-01-01 00:00:00\",0,0",
            "\"A\",1,2,3,\"2026-01-01 00:00:00\",0,-7" })
        EXPECT_FALSE(ScoreFile::ParseLine(line)) << line;
    // A game number may be negative, as a game file's may.
    EXPECT_EQ(ScoreFile::ParseLine("\"A\",1,-2,3,\"2026-01-01 00:00:00\",0,0")->GameNo, -2);
}

TEST(PlayerNames, ControlCharactersAreRefused) {
    for (const char* name : { "a\r\nb", "tab\there", "nl\n" })
        EXPECT_FALSE(cUser::CheckName(QLatin1String(name)).isEmpty()) << name;
    EXPECT_TRUE(cUser::CheckName(QStringLiteral("Zoë")).isEmpty());
}

class ScoresTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.filePath(QStringLiteral("config")) };
    cSave save { store, dir.path() };
    cPlayer players { store, save };
    RecordingPrompter prompter;
    cUser users { players, prompter };
    cScore score { save, players, prompter };
    const QDateTime created { QDate(2026, 12, 1), QTime(10, 0, 0) };

    QByteArray file() {
        QFile f(save.ScoreFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void addPlayer(const char* name, const QDateTime& when) {
        users.AddUser(QLatin1String(name), QString(), cSave::DateText(when));
    }
};

TEST_F(ScoresTest, AnEndedGameIsOneLineAndCountsForItsPlayer) {
    addPlayer("Guest", created);
    score.SaveScore(617, 93, 187, 100, created.addDays(1));
    score.SaveScore(5, 0, 30, 0, created.addDays(1));
    EXPECT_EQ(file(),
        QByteArray("\"Guest\",187,617,93,\"2026-12-02 10:00:00\",100,108\r\n"
                   "\"Guest\",30,5,0,\"2026-12-02 10:00:00\",0,0\r\n"));
    EXPECT_EQ(players.GetTotal(1), 2);
    EXPECT_EQ(players.GetWon(1), 1);
    EXPECT_EQ(players.GetLost(1), 1);
    EXPECT_EQ(players.GetTime(1), 217);
    EXPECT_EQ(players.GetScore(1), 108);
    EXPECT_EQ(players.GetTotal(6), 2); // the totals slot
    EXPECT_EQ(players.GetAvgScore(1), 54);
    EXPECT_EQ(players.GetPerc(1), 50);
}

TEST_F(ScoresTest, LoadingKeepsOnlyRecordsOfPlayersMadeBeforeThem) {
    addPlayer("Ann", created);
    addPlayer("Bob", created);
    score.SaveScore(1, 10, 10, 50, created);            // the same second: not loaded
    score.SaveScore(2, 10, 10, 50, created.addSecs(1)); // Ann, a second later
    players.SetCurrentComboIndex(2);
    score.SaveScore(3, 10, 10, 50, created.addSecs(5)); // Bob
    score.LoadScores();
    ASSERT_EQ(score.Records().size(), 2U);
    EXPECT_EQ(score.Records()[0].GameNo, 2);
    // Bob leaves; a new Bob made later does not inherit his games.
    players.RemovePlayer(2);
    addPlayer("Bob", created.addDays(1));
    score.LoadScores();
    ASSERT_EQ(score.Records().size(), 1U);
    EXPECT_EQ(file().count("\r\n"), 3); // the file keeps every line
}

TEST_F(ScoresTest, ATornLineIsSetAsideNeverClosedIntoARecord) {
    addPlayer("Guest", created);
    score.SaveScore(1, 10, 20, 10, created.addSecs(60));
    // Cut from ",300": closed with a line end it would read as a wrong record.
    const QByteArray torn = "\"Guest\",100,5,30,\"2026-12-02 10:00:00\",100,30";
    {
        QFile f(save.ScoreFile());
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(torn);
    }
    score.SaveScore(3, 10, 20, 10, created.addSecs(120));
    score.LoadScores();
    ASSERT_EQ(score.Records().size(), 2U);
    EXPECT_EQ(score.Records()[1].GameNo, 3);
    EXPECT_FALSE(file().contains(torn));
    QFile side(ScoreFile::TornPath(save.ScoreFile()));
    ASSERT_TRUE(side.open(QIODevice::ReadOnly));
    EXPECT_EQ(side.readAll(), torn + "\r\n"); // nothing is lost
}

TEST_F(ScoresTest, ARecordCutShortByAKillIsFinishedOnceAtTheNextStart) {
    addPlayer("Guest", created);
    score.SaveScore(1, 10, 20, 10, created.addSecs(60));
    // The files as a kill leaves them after each step of recording the next game.
    QString note;
    QByteArray before, written;
    score.SetCheckpoint([&](const char* step) {
        if (qstrcmp(step, "noted") == 0) {
            note = store.GetText(QStringLiteral("Save"), QStringLiteral("PendingScore"), {});
            before = file();
        }
        if (qstrcmp(step, "written") == 0) written = file();
    });
    score.SaveScore(2, 5, 40, 100, created.addSecs(120));
    score.SetCheckpoint({});
    ASSERT_FALSE(note.isEmpty());
    const QByteArray done = file();
    for (const QByteArray& left : { before, written, written.left(written.size() - 7) }) {
        ASSERT_TRUE(QFile::remove(save.ScoreFile()));
        QFile f(save.ScoreFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(left);
        f.close();
        store.SetText(QStringLiteral("Save"), QStringLiteral("PendingScore"), note);
        store.SetInt(QStringLiteral("Player1"), QStringLiteral("Total"), 1);
        store.SetInt(QStringLiteral("Player1"), QStringLiteral("Won"), 0);
        score.RecoverPending();
        EXPECT_EQ(file(), done);
        EXPECT_EQ(players.GetTotal(1), 2);
        EXPECT_EQ(players.GetWon(1), 1);
        score.RecoverPending(); // a second start has nothing left to do
        EXPECT_EQ(players.GetTotal(1), 2);
    }
}

// Whatever stands in the score file's way, a record is finished or still waiting, never
// half: the totals count exactly the lines in the file, and a waiting record is finished
// once the way is clear.
TEST_F(ScoresTest, ARecordThatCannotBeWrittenWaitsAndTheTotalsCountOnlyWrittenLines) {
    struct Row {
        const char* what;
        std::function<void(const QString& path)> block;
        bool limitSize;
    };
    const std::vector<Row> rows {
        { "disk full", [](const QString&) {}, true },
        { "a pipe", [](const QString& p) { QFile::remove(p), makeFifo(p); }, false },
        { "a folder", [](const QString& p) { QFile::remove(p), QDir().mkpath(p); }, false },
        { "a link to a device",
            [this](const QString& p) { QFile::remove(p), QFile::link(deviceNode(dir.path()), p); },
            false },
        { "over its cap", [](const QString& p) { QFile(p).resize(SafeFile::kScoreFileCap + 1); },
            false },
        { "its folder gone",
            [](const QString& p) { QDir(QFileInfo(p).path()).removeRecursively(); }, false },
    };
    addPlayer("Guest", created);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = dir.filePath(QLatin1String(row.what) + QStringLiteral("/scores.sre"));
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(writeContent(path, QByteArray()));
        save.SetScoreFile(path);
        const qint32 before = players.GetTotal(1);
        const qint32 won = players.GetWon(1);
        prompter.messages.clear();
        row.block(path);
        {
            std::optional<FileSizeLimit> full;
            if (row.limitSize) full.emplace(0);
            score.SaveScore(1, 10, 20, 10, created.addSecs(60));
            score.SaveScore(2, 10, 20, 100, created.addSecs(120)); // a second game waits behind
        }
        EXPECT_EQ(prompter.messages.size(), 1U); // said once
        EXPECT_EQ(players.GetTotal(1), before);  // nothing counted that is not written
        EXPECT_FALSE(
            store.GetText(QStringLiteral("Save"), QStringLiteral("PendingScore"), {}).isEmpty());
        // The next start with the way still blocked says so again and still counts nothing.
        cScore next { save, players, prompter };
        if (!row.limitSize) {
            next.RecoverPending();
            EXPECT_EQ(prompter.messages.size(), 2U);
            EXPECT_EQ(players.GetTotal(1), before);
        }
        QFile::remove(path);
        QDir(path).removeRecursively();
        QDir().mkpath(QFileInfo(path).path());
        next.RecoverPending();
        EXPECT_EQ(players.GetTotal(1), before + 2);
        EXPECT_EQ(players.GetWon(1), won + 1);
        const auto lines = ScoreFile::ParseAll(contentOf(path));
        ASSERT_EQ(lines.size(), 2U);
        EXPECT_EQ(lines[0].GameNo, 1); // in the order played
        EXPECT_EQ(lines[1].GameNo, 2);
        EXPECT_TRUE(
            store.GetText(QStringLiteral("Save"), QStringLiteral("PendingScore"), {}).isEmpty());
    }
}

// The settings cannot be written but the score file could: a line written now would, after a
// kill, be in the file with no note and no totals, so it waits for its note to be on disk.
TEST_F(ScoresTest, NoLineIsWrittenWhileItsNoteCannotReachTheDisk) {
    addPlayer("Guest", created);
    {
        FileSizeLimit settingsFull(50); // the settings with the note are longer, a line shorter
        score.SaveScore(1, 10, 20, 10, created.addSecs(60));
        EXPECT_TRUE(store.WriteFailing());
    }
    EXPECT_TRUE(file().isEmpty());
    EXPECT_EQ(players.GetTotal(1), 0);
    ASSERT_EQ(prompter.messages.size(), 1U);
    score.RecoverPending(); // the settings write again, and the line follows its note
    EXPECT_EQ(file().count("\r\n"), 1);
    EXPECT_EQ(players.GetTotal(1), 1);
}

TEST_F(ScoresTest, APipePutInTheFilesPlaceAfterItWasPreparedIsRefusedNotWaitedOn) {
    const QString path = dir.filePath(QStringLiteral("scores.sre"));
    const qint64 offset = ScoreFile::Prepare(path, nullptr);
    ASSERT_EQ(offset, 0);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(makeFifo(path));
    QString error;
    EXPECT_FALSE(ScoreFile::WriteAt(
        path, offset, "\"Guest\",1,1,1,\"2026-01-01 00:00:00\",0,0\r\n", &error));
    EXPECT_NE(error.indexOf(QStringLiteral("pipe")), -1);
}

TEST_F(ScoresTest, AScoreFileThatCannotBeReadSaysSoRatherThanShowingNoGames) {
    addPlayer("Guest", created);
    score.SaveScore(1, 10, 20, 10, created.addSecs(60));
    ASSERT_TRUE(QFile(save.ScoreFile()).resize(SafeFile::kScoreFileCap + 1));
    prompter.messages.clear();
    score.LoadScores();
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(prompter.messages[0].find("too large"), std::string::npos);
    EXPECT_EQ(QFileInfo(save.ScoreFile()).size(), SafeFile::kScoreFileCap + 1); // left as it is
}

TEST_F(ScoresTest, AStoredPeriodOutsideTheFiveIsTheFirst) {
    // The box and the list's filter both read it: "Show Today" must list only today.
    for (const char* text : { "9", "0", "-3", "6", "today" }) {
        store.SetText(
            QStringLiteral("Score"), QStringLiteral("DayComboIndex"), QLatin1String(text));
        EXPECT_EQ(score.DayComboIndex(), 1) << text;
    }
    store.SetText(QStringLiteral("Score"), QStringLiteral("DayComboIndex"), QStringLiteral("5"));
    EXPECT_EQ(score.DayComboIndex(), 5);
}

TEST_F(ScoresTest, TotalsThatWouldOverflowAreRefusedWithAMessage) {
    addPlayer("Guest", created);
    store.SetInt(QStringLiteral("Player1"), QStringLiteral("Time"), 2147483000);
    score.SaveScore(1, 10, 1000, 10, created.addSecs(60));
    EXPECT_EQ(players.GetTime(1), 2147483000);
    EXPECT_EQ(players.GetTotal(1), 0);
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_NE(prompter.messages.back().find("too large"), std::string::npos);
    score.LoadScores();
    EXPECT_EQ(score.Records().size(), 1U); // the game itself is still in the file
}

TEST_F(ScoresTest, ClearingEmptiesTheFileOrTheTotals) {
    addPlayer("Guest", created);
    score.SaveScore(1, 10, 20, 100, created.addSecs(60));
    score.Clear_General();
    EXPECT_TRUE(file().isEmpty());
    EXPECT_NE(save.GeneralClearedDate(), QStringLiteral("None"));
    EXPECT_EQ(players.GetTotal(1), 1);
    score.Clear_Global();
    EXPECT_EQ(players.GetTotal(1), 0);
    EXPECT_EQ(players.GetTotal(6), 0);
    EXPECT_EQ(players.GetName(1), QStringLiteral("Guest"));
}

TEST_F(ScoresTest, ExportWritesTheBoardWholeAndNotesItOnlyWhenWritten) {
    addPlayer("Guest", created);
    score.SaveScore(617, 93, 187, 100, created.addDays(1));
    const std::array<ScoreStats, 6> statistics {};
    // A clock that moves on: the place is chosen a minute after the click and the writing
    // takes another.
    QDateTime now = created;
    const auto clock = [&now] { return now; };
    prompter.onSaveFileName = [&now] { now = now.addSecs(60); };
    EXPECT_FALSE(score.Export(statistics, QStringLiteral("Guest"), clock)); // cancelled
    const QString path = dir.filePath(QStringLiteral("board.txt"));
    prompter.saveAs = path.toStdString();
    ASSERT_TRUE(writeContent(path, "the last export"));
    {
        FileSizeLimit full(8);
        EXPECT_FALSE(score.Export(statistics, QStringLiteral("Guest"), clock));
    }
    EXPECT_EQ(contentOf(path), QByteArray("the last export"));
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(prompter.messages[0].find(path.toStdString()), std::string::npos);
    EXPECT_EQ(save.LastExportedFile(), QStringLiteral("None"));
    prompter.cancelAt = 0; // Cancel at the first report
    EXPECT_FALSE(score.Export(statistics, QStringLiteral("Guest"), clock));
    EXPECT_EQ(contentOf(path), QByteArray("the last export"));
    EXPECT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(save.LastExportedFile(), QStringLiteral("None"));
    prompter.cancelAt = INT64_MAX;
    now = created.addDays(2);
    prompter.onProgress = [&now] { now = now.addSecs(60); };
    ASSERT_TRUE(score.Export(statistics, QStringLiteral("Guest"), clock));
    EXPECT_TRUE(contentOf(path).contains("Guest"));
    // Both dates tell when the file was closed, not when the button was clicked.
    EXPECT_TRUE(contentOf(path).contains("Created Date  2026-12-03 10:02:00"));
    EXPECT_EQ(save.LastExportedFile(), path);
    EXPECT_EQ(save.LastExportedDate(), QStringLiteral("2026-12-03 10:02:00"));
}

} // namespace
} // namespace quadrell::test
