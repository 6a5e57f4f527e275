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
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>
#include <vector>

namespace quadrell::test {

using namespace Qt::StringLiterals;
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
    r.Name = u"Guest"_s;
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
    EXPECT_EQ(records[0].Name, u"A"_s);
    EXPECT_EQ(records[1].Name, u"D"_s);
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
        EXPECT_EQ(records[3].Date.Text(), u"2026-01-04 00:00:00"_s) << cut;
        // One player's records share one name.
        EXPECT_TRUE(records[0].Name.isSharedWith(records[2].Name)) << cut;
    }
}

TEST(ScoreFileFormat, UnreadableDatesAndNegativeNumbersAreSkipped) {
    for (const char* line :
        { "\"A\",1,2,3,\"yesterday\",0,0", "\"A\",1,2,3,\"2026-13-01 00:00:00\",0,0",
            "\"A\",1,2,3,\"2026-01-01 24:00:00\",0,0", "\"A\",1,2,3,\"05/12/2026 10:11:12\",0,0",
            "\"A\",1,2,3,\"2026-01-01 00:00:001\",0,0", "\"A\",1,2,3,\"2026-01-01 00:00:0\",0,0",
            "\"A\",-1,2,3,\"2026-01-01 00:00:00\",0,0", "\"A\",1,2,-3,\"2026-01-01 00:00:00\",0,0",
            "\"A\",1,2,3,\"2026-01-01 00:00:00\",0,-7" })
        EXPECT_FALSE(ScoreFile::ParseLine(line)) << line;
    // A game number may be negative, as a game file's may.
    EXPECT_EQ(ScoreFile::ParseLine("\"A\",1,-2,3,\"2026-01-01 00:00:00\",0,0")->GameNo, -2);
}

TEST(PlayerNames, ControlCharactersAreRefused) {
    for (const char* name : { "a\r\nb", "tab\there", "nl\n" })
        EXPECT_FALSE(cUser::CheckName(QLatin1String(name)).isEmpty()) << name;
    EXPECT_TRUE(cUser::CheckName(u"Zoë"_s).isEmpty());
}

class ScoresTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.filePath(u"config"_s) };
    cSave save { store, dir.path() };
    cPlayer players { store, save };
    ScriptedPrompter prompter;
    cUser users { players, prompter };
    const QDateTime created { QDate(2026, 12, 1), QTime(10, 0, 0) };
    QDateTime now = created; // what the clock says
    const Clock clock = [this] { return now; };
    cScore score { save, players, prompter, clock };

    QByteArray file() { return contentOf(save.ScoreFile()); }
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

// The totals slot sums all five players, the fifth as much as the first.
TEST_F(ScoresTest, TheTotalsSlotSumsEveryPlayer) {
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot)
        ASSERT_TRUE(players.SaveScore(slot, 1, slot == 5 ? 1 : 0, slot == 5 ? 0 : 1, 10 * slot, 0));
    EXPECT_EQ(players.GetTotal(6), 5);
    EXPECT_EQ(players.GetWon(6), 1);
    EXPECT_EQ(players.GetLost(6), 4);
    EXPECT_EQ(players.GetTime(6), 150);
}

// The bests are the player's own wins since they were made: the highest score, the fewest
// moves and the shortest time, each from its own game.
TEST_F(ScoresTest, BestsAreTheCurrentPlayersOwnWins) {
    addPlayer("Ann", created);
    addPlayer("Bob", created);
    // Ann's of the second she was made, as an earlier version could write it: not hers.
    ASSERT_TRUE(
        writeContent(save.ScoreFile(), "\"Ann\",5,1,5,\"2026-12-01 10:00:00\",100,999\r\n"));
    score.SaveScore(2, 93, 187, 100, created.addSecs(1));  // 108 points
    score.SaveScore(3, 100, 100, 100, created.addSecs(2)); // 150 points
    score.SaveScore(4, 10, 10, 50, created.addSecs(3));    // lost
    players.SetCurrentComboIndex(2);
    score.SaveScore(5, 20, 20, 100, created.addSecs(4)); // Bob's
    players.SetCurrentComboIndex(1);
    const PlayerBests best = score.CurrentBests();
    EXPECT_TRUE(best.AnyWin);
    EXPECT_EQ(best.Score, 150);
    EXPECT_EQ(best.Moves, 93);
    EXPECT_EQ(best.Time, 100);
}

// Every slot's games are read, the last one's too, and a file read whole says nothing.
TEST_F(ScoresTest, TheLastSlotsGamesAreReadWithoutAWord) {
    for (const char* name : { "Anna", "Bert", "Cleo", "Dora", "Emil" })
        addPlayer(name, created);
    players.SetCurrentComboIndex(cPlayer::kSlots);
    score.SaveScore(2, 10, 10, 50, created.addSecs(1));
    score.LoadScores();
    ASSERT_EQ(score.Records().size(), 1U);
    EXPECT_EQ(score.Records()[0].Name, u"Emil"_s);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ScoresTest, LoadingKeepsOnlyRecordsOfPlayersMadeBeforeThem) {
    addPlayer("Ann", created);
    addPlayer("Bob", created);
    // A line of the same second, as an earlier version could write it: not loaded.
    ASSERT_TRUE(
        writeContent(save.ScoreFile(), "\"Ann\",10,1,10,\"2026-12-01 10:00:00\",50,25\r\n"));
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
            note = store.GetText(u"Save"_s, u"PendingScore"_s, {});
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
        ASSERT_TRUE(writeContent(save.ScoreFile(), left));
        store.SetText(u"Save"_s, u"PendingScore"_s, note);
        store.SetInt(u"Player1"_s, u"Total"_s, 1);
        store.SetInt(u"Player1"_s, u"Won"_s, 0);
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
        const QString path = dir.filePath(QLatin1String(row.what) + u"/scores.sre"_s);
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
        EXPECT_FALSE(store.GetText(u"Save"_s, u"PendingScore"_s, {}).isEmpty());
        // The next start with the way still blocked says so again and still counts nothing.
        cScore next { save, players, prompter, clock };
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
        EXPECT_TRUE(store.GetText(u"Save"_s, u"PendingScore"_s, {}).isEmpty());
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

// The settings file is over a file-size limit that small files are not: every game ended
// meanwhile is kept beside the score file and recorded once the settings write again.
TEST_F(ScoresTest, GamesEndedWhileTheSettingsCannotBeWrittenAreKeptForTheNextStart) {
    addPlayer("Guest", created);
    for (int i = 0; i < 60; ++i) // a settings file of a few kilobytes
        store.SetText(u"Padding"_s, u"Key%1"_s.arg(i), QString(40, 'x'));
    int forgotten = 0;
    score.SetForgetGame([&forgotten] { ++forgotten; });
    {
        FileSizeLimit limit(2048);
        for (int game = 1; game <= 30; ++game)
            score.SaveScore(game, 95, 120, 100, created.addSecs(60 + game));
        EXPECT_TRUE(store.WriteFailing());
    }
    EXPECT_TRUE(file().isEmpty());
    EXPECT_EQ(forgotten, 30);
    const QString aside = save.ScoreFile() + u".waiting"_s;
    ASSERT_TRUE(QFile::exists(aside));
    { // a start while the settings still cannot be written keeps what was set aside
        FileSizeLimit limit(2048);
        SettingsStore still { dir.filePath(u"config"_s) };
        cSave stillSave { still, dir.path() };
        cPlayer stillPlayers { still, stillSave };
        cScore { stillSave, stillPlayers, prompter, clock }.RecoverPending();
        EXPECT_TRUE(QFile::exists(aside));
    }
    // The next start: a fresh store reads what reached the disk.
    SettingsStore next { dir.filePath(u"config"_s) };
    cSave nextSave { next, dir.path() };
    cPlayer nextPlayers { next, nextSave };
    cScore nextScore { nextSave, nextPlayers, prompter, clock };
    EXPECT_EQ(nextPlayers.GetTotal(1), 0);
    nextScore.SetForgetGame([&forgotten] { ++forgotten; });
    nextScore.RecoverPending();
    EXPECT_EQ(forgotten, 31); // a kept copy of the last game is not resumed as well
    const auto lines = ScoreFile::ParseAll(file());
    ASSERT_EQ(lines.size(), 30U);
    EXPECT_EQ(lines.front().GameNo, 1);
    EXPECT_EQ(lines.back().GameNo, 30);
    EXPECT_EQ(nextPlayers.GetTotal(1), 30);
    EXPECT_EQ(nextPlayers.GetWon(1), 30);
    EXPECT_FALSE(QFile::exists(aside));
    nextScore.RecoverPending(); // once only
    EXPECT_EQ(nextPlayers.GetTotal(1), 30);
    EXPECT_EQ(ScoreFile::ParseAll(file()).size(), 30U);
}

TEST_F(ScoresTest, APipePutInTheFilesPlaceAfterItWasPreparedIsRefusedNotWaitedOn) {
    const QString path = dir.filePath(u"scores.sre"_s);
    const ScoreFile::Place place = ScoreFile::Prepare(path, nullptr);
    ASSERT_EQ(place.offset, 0);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(makeFifo(path));
    QString error;
    EXPECT_EQ(
        ScoreFile::WriteAt(path, place, "\"Guest\",1,1,1,\"2026-01-01 00:00:00\",0,0\r\n", &error),
        ScoreFile::Outcome::Failed);
    EXPECT_NE(error.indexOf(u"pipe"_s), -1);
}

QByteArray scoreLines(int count, const char* name = "Guest") {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray("\"") + name + "\",30," + QByteArray::number(i)
            + ",9,\"2026-12-01 11:00:00\",10,3\r\n";
    return text;
}

// A record waits (the disk was full) while the file is changed from outside: whatever
// is in the file then stays, and the waiting line goes after it, once.
TEST_F(ScoresTest, AWaitingRecordNeverCutsAScoreFileChangedMeanwhile) {
    struct Row {
        const char* what;
        QByteArray content; // put in the file's place while the record waits
    };
    const QByteArray two = scoreLines(2);
    QByteArray twoOthers = two;
    twoOthers.replace("\",30,", "\",31,"); // the same length, other lines
    const std::vector<Row> rows {
        { "a larger backup restored", scoreLines(200) },
        { "an older, shorter file", scoreLines(1) },
        { "the file cleared", QByteArray() },
        { "the same length, other lines", twoOthers },
        { "a torn last line", two + "\"Gues" },
    };
    addPlayer("Guest", created);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(writeContent(save.ScoreFile(), two));
        const qint32 before = players.GetTotal(1);
        {
            FileSizeLimit full(two.size()); // the line does not fit
            score.SaveScore(77, 10, 20, 10, created.addSecs(60));
        }
        ASSERT_EQ(file(), two);
        ASSERT_EQ(players.GetTotal(1), before);
        QFile::remove(save.ScoreFile()); // a restore replaces the file, or writes over it
        ASSERT_TRUE(writeContent(save.ScoreFile(), row.content));
        QString noteWhenWritten;
        score.SetCheckpoint([&](const char* step) {
            if (qstrcmp(step, "written") == 0)
                noteWhenWritten = store.GetText(u"Save"_s, u"PendingScore"_s, {});
        });
        score.RecoverPending();
        score.SetCheckpoint({});
        const QByteArray after = file();
        const QByteArray whole = row.content.left(row.content.lastIndexOf('\n') + 1);
        EXPECT_TRUE(after.startsWith(whole)) << after.left(200).toStdString();
        const auto lines = ScoreFile::ParseAll(after);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(whole.count('\n') + 1));
        EXPECT_EQ(lines.back().GameNo, 77);
        EXPECT_EQ(players.GetTotal(1), before + 1);
        score.RecoverPending(); // nothing left: never a second line
        EXPECT_EQ(file(), after);
        // Killed just after the line went in: its note names the place it went to.
        store.SetText(u"Save"_s, u"PendingScore"_s, noteWhenWritten);
        score.RecoverPending();
        EXPECT_EQ(file(), after);
    }
}

// Kept only while the bytes before it are the ones prepared: then a torn copy of the
// line beyond it is written over, and a line already there is not written again.
// A file whose end is no record, or whose torn end cannot be set aside, is not made ready:
// the reason is said and not a byte is cut.
TEST(ScoreFilePlace, AnEndThatCannotBeSetAsideIsLeftWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"s.sre"_s);
    const QByteArray line = "\"A\",1,2,3,\"2026-01-01 00:00:00\",0,0\r\n";
    for (const QByteArray& end : { QByteArray(70 * 1024, 'x'), QByteArray("\"B\",1,2") }) {
        const QByteArray text = line + end;
        ASSERT_TRUE(writeContent(path, text));
        QDir().mkpath(ScoreFile::TornPath(path)); // a folder where the torn end would go
        QString error;
        EXPECT_EQ(ScoreFile::Prepare(path, &error).offset, -1);
        EXPECT_EQ(error.startsWith(u"Its last line is too long"_s), end.size() > 1000)
            << error.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(contentOf(path), text);
    }
}

TEST(ScoreFilePlace, TrustedOnlyWhereTheBytesBeforeItAreTheOnesPrepared) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"s.sre"_s);
    const QByteArray head = scoreLines(3);
    const QByteArray line = scoreLines(1, "Ann");
    struct Row {
        const char* what;
        QByteArray content;
        ScoreFile::Outcome outcome;
        QByteArray after;
    };
    QByteArray edited = head;
    edited[head.size() - 5] = '4';
    const std::vector<Row> rows {
        { "as prepared", head, ScoreFile::Outcome::Written, head + line },
        { "a torn copy beyond", head + line.left(9), ScoreFile::Outcome::Written, head + line },
        { "written before a kill", head + line, ScoreFile::Outcome::Written, head + line },
        { "a line before it edited", edited, ScoreFile::Outcome::Changed, edited },
        { "another line beyond", head + head.left(40), ScoreFile::Outcome::Changed,
            head + head.left(40) },
        { "shorter", head.left(60), ScoreFile::Outcome::Changed, head.left(60) },
    };
    ASSERT_TRUE(writeContent(path, head));
    const ScoreFile::Place place = ScoreFile::Prepare(path, nullptr);
    ASSERT_EQ(place.offset, head.size());
    EXPECT_EQ(ScoreFile::Place::FromText(place.Text()), place);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(writeContent(path, row.content));
        EXPECT_EQ(ScoreFile::WriteAt(path, place, line, nullptr), row.outcome);
        EXPECT_EQ(contentOf(path), row.after);
    }
    // A place noted by an earlier version, with no mark, is never trusted to write at.
    ASSERT_TRUE(writeContent(path, head));
    const auto bare = ScoreFile::Place::FromText(QString::number(head.size()));
    EXPECT_EQ(ScoreFile::WriteAt(path, bare, line, nullptr), ScoreFile::Outcome::Changed);
    for (const char* text : { "", "x", "-5:ab", "12x:ab" })
        EXPECT_EQ(ScoreFile::Place::FromText(QString::fromLatin1(text)).offset, -1) << text;
}

// A disk that fills in the middle of the line: the file keeps its old bytes, and the
// message gives the system's reason.
TEST_F(ScoresTest, AFailedWriteLeavesTheFileAsItWasAndSaysWhy) {
    addPlayer("Guest", created);
    const QByteArray two = scoreLines(200); // longer than the settings
    ASSERT_TRUE(writeContent(save.ScoreFile(), two));
    {
        FileSizeLimit full(two.size() + 2); // two bytes of the line fit
        score.SaveScore(1, 10, 20, 10, created.addSecs(60));
    }
    EXPECT_EQ(file(), two);
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(prompter.messages[0].find(std::strerror(EFBIG)), std::string::npos)
        << prompter.messages[0];
    EXPECT_EQ(prompter.messages[0].find("Unknown error"), std::string::npos);
    score.RecoverPending();
    EXPECT_EQ(ScoreFile::ParseAll(file()).size(), 201U);
}

// The clock set back, or summer time ending in a player's first hour: the game is dated
// no earlier than the player and the last record, so the board shows every game counted.
TEST_F(ScoresTest, AClockThatGoesBackNeverHidesARecordedGame) {
    struct Row {
        const char* what;
        QDateTime lastRecord; // invalid: none
        QDateTime clock;
        const char* recorded;
    };
    const std::vector<Row> rows {
        { "the clock right", {}, created.addSecs(90), "2026-12-01 10:01:30" },
        { "an hour back in the first hour", {}, created.addSecs(-3600 + 600),
            "2026-12-01 10:00:01" },
        { "the same second as the player", {}, created, "2026-12-01 10:00:01" },
        { "behind the last record", created.addDays(2), created.addDays(1), "2026-12-03 10:00:00" },
        { "ahead of the last record", created.addSecs(60), created.addSecs(120),
            "2026-12-01 10:02:00" },
    };
    addPlayer("Guest", created);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(save.ScoreFile());
        if (row.lastRecord.isValid()) score.SaveScore(1, 10, 20, 10, row.lastRecord);
        const auto before = score.Records().size();
        score.SaveScore(2, 10, 20, 100, row.clock);
        const auto lines = ScoreFile::ParseAll(file());
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().Date.Text(), QLatin1String(row.recorded));
        score.LoadScores();
        EXPECT_EQ(score.Records().size(), lines.size()) << before;
    }
    // A record still waiting counts as the last one.
    QFile::remove(save.ScoreFile());
    {
        FileSizeLimit full(0);
        score.SaveScore(3, 10, 20, 10, created.addDays(5));
        score.SaveScore(4, 10, 20, 10, created.addDays(4));
    }
    score.RecoverPending();
    const auto lines = ScoreFile::ParseAll(file());
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[1].Date, lines[0].Date);
}

TEST(ScoreDates, OneSecondLaterCarriesIntoTheNextDayMonthAndYear) {
    for (const auto& [from, to] : { std::pair { "2026-12-31 23:59:59", "2027-01-01 00:00:00" },
             std::pair { "2028-02-28 23:59:59", "2028-02-29 00:00:00" },
             std::pair { "2026-03-29 01:59:59", "2026-03-29 02:00:00" }, // no zone gap
             std::pair { "2026-12-01 10:00:00", "2026-12-01 10:00:01" } })
        EXPECT_EQ(ScoreDate::Parse(QByteArrayView(from))->NextSecond().Text(), QLatin1String(to));
}

// Each field at its first and last value is read, one beyond either is not, nor a letter,
// nor any one separator that is not its own, nor a date a character short or long.
TEST(ScoreDates, EachFieldIsReadWithinItsRangeOnly) {
    for (const char* date : { "0001-01-01 00:00:00", "9999-12-31 23:59:59" })
        EXPECT_TRUE(ScoreDate::Parse(QByteArrayView(date))) << date;
    for (const char* date : { "0000-01-01 00:00:00", "2026-00-01 00:00:00", "2026-13-01 00:00:00",
             "2026-01-00 00:00:00", "2026-01-32 00:00:00", "2026-01-01 24:00:00",
             "2026-01-01 -1:00:00", "2026-01-01 00:60:00", "2026-01-01 00:-1:00",
             "2026-01-01 00:00:60", "2026-01-01 00:00:-1", "202a-01-01 00:00:00",
             "2026/01-01 00:00:00", "2026-01/01 00:00:00", "2026-01-01_00:00:00",
             "2026-01-01 00.00:00", "2026-01-01 00:00.00", "2026-01-01 00:00:0",
             "2026-01-01 00:00:000" })
        EXPECT_FALSE(ScoreDate::Parse(QByteArrayView(date))) << date;
}

TEST(ScoreDates, TheLastRecordIsReadFromTheEndOfTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"s.sre"_s);
    EXPECT_FALSE(ScoreFile::LastDate(path)); // no file
    QByteArray text = scoreLines(500);       // far more than the end that is read
    text += "\"Ann\",1,2,3,\"2027-05-06 07:08:09\",10,3\r\n";
    ASSERT_TRUE(writeContent(path, text + "\"Bob\",1,2,3,\"2099-01-01 00:00"));
    ASSERT_TRUE(ScoreFile::LastDate(path));
    EXPECT_EQ(ScoreFile::LastDate(path)->Text(), u"2027-05-06 07:08:09"_s);
    // Read as descriptor 0, in a program started with its standard input closed.
    const int input = ::dup(0);
    ::close(0);
    const std::optional<ScoreDate> asZero = ScoreFile::LastDate(path);
    ::dup2(input, 0);
    ::close(input);
    EXPECT_TRUE(asZero);
    QFile::remove(path);
    ASSERT_TRUE(makeFifo(path));
    EXPECT_FALSE(ScoreFile::LastDate(path)); // never waited on
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
        store.SetText(u"Score"_s, u"DayComboIndex"_s, QLatin1String(text));
        EXPECT_EQ(score.DayComboIndex(), 1) << text;
    }
    store.SetText(u"Score"_s, u"DayComboIndex"_s, u"5"_s);
    EXPECT_EQ(score.DayComboIndex(), 5);
}

TEST_F(ScoresTest, TotalsThatWouldOverflowAreRefusedWithAMessage) {
    addPlayer("Guest", created);
    store.SetInt(u"Player1"_s, u"Time"_s, 2147483000);
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
    now = created.addDays(2);
    score.Clear_General();
    EXPECT_TRUE(file().isEmpty());
    EXPECT_EQ(save.GeneralClearedDate(), u"2026-12-03 10:00:00"_s);
    EXPECT_EQ(players.GetTotal(1), 1);
    // A folder in the file's place is left as it is, and said.
    ASSERT_TRUE(QFile::remove(save.ScoreFile()) && QDir().mkdir(save.ScoreFile()));
    score.Clear_General();
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(
        prompter.messages[0].rfind("The score file\r\n" + save.ScoreFile().toStdString(), 0), 0U);
    EXPECT_TRUE(QFileInfo(save.ScoreFile()).isDir());
    now = created.addDays(3);
    score.Clear_Global();
    EXPECT_EQ(save.GlobalClearedDate(), u"2026-12-04 10:00:00"_s);
    EXPECT_EQ(players.GetTotal(1), 0);
    EXPECT_EQ(players.GetTotal(6), 0);
    EXPECT_EQ(players.GetName(1), u"Guest"_s);
}

TEST_F(ScoresTest, ExportWritesTheBoardWholeAndNotesItOnlyWhenWritten) {
    addPlayer("Guest", created);
    score.SaveScore(617, 93, 187, 100, created.addDays(1));
    const std::array<ScoreStats, 6> statistics {};
    // A clock that moves on: the place is chosen a minute after the click and the writing
    // takes another.
    prompter.onSaveFileName = [this] { now = now.addSecs(60); };
    EXPECT_FALSE(score.Export(statistics, u"Guest"_s)); // cancelled
    const QString path = dir.filePath(u"board.txt"_s);
    prompter.saveAs = path.toStdString();
    ASSERT_TRUE(writeContent(path, "the last export"));
    {
        FileSizeLimit full(8);
        EXPECT_FALSE(score.Export(statistics, u"Guest"_s));
    }
    EXPECT_EQ(contentOf(path), QByteArray("the last export"));
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(prompter.messages[0].find(path.toStdString()), std::string::npos);
    EXPECT_EQ(save.LastExportedFile(), u"None"_s);
    prompter.cancelAt = 0; // Cancel at the first report: the old file, and nothing beside it
    const QStringList files = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files);
    EXPECT_FALSE(score.Export(statistics, u"Guest"_s));
    EXPECT_EQ(contentOf(path), QByteArray("the last export"));
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), files);
    EXPECT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(save.LastExportedFile(), u"None"_s);
    prompter.cancelAt = INT64_MAX;
    now = created.addDays(2);
    prompter.onProgress = [this] { now = now.addSecs(60); };
    ASSERT_TRUE(score.Export(statistics, u"Guest"_s));
    EXPECT_TRUE(contentOf(path).contains("Guest"));
    // Both dates tell when the file was closed, not when the button was clicked.
    EXPECT_TRUE(contentOf(path).contains("Created Date  2026-12-03 10:02:00"));
    EXPECT_EQ(save.LastExportedFile(), path);
    EXPECT_EQ(save.LastExportedDate(), u"2026-12-03 10:02:00"_s);
}

} // namespace
} // namespace quadrell::test
