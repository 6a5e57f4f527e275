#include "ScoreBoard.h"

#include "Fakes.h"
#include "FaultInjection.h"
#include "SettingsStore.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"
#include "cUser.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

ScoreRec game(
    const char* name, const char* date, qint32 moves, qint32 time, qint16 perc, qint32 number = 1) {
    ScoreRec r;
    r.Name = QLatin1String(name);
    r.Date = *ScoreDate::Parse(QByteArrayView(date));
    r.Moves = moves;
    r.Time = time;
    r.Perc = perc;
    r.GameNo = number;
    r.Score = cScore::GetScore(moves, time, perc);
    return r;
}

class ScoreBoardTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.path() };
    cSave save { store, dir.path() };
    cPlayer players { store, save };
    ScriptedPrompter prompter;
    cUser users { players, prompter };
    std::vector<ScoreRec> records {
        game("Ann", "2026-12-05 09:00:00", 93, 187, 100, 617), // 108 points
        game("Ann", "2026-12-04 23:59:00", 20, 80, 50, 7),     // 50
        game("Bob", "2026-12-05 10:00:00", 50, 150, 100, 8),   // 150
        game("Bob", "2026-11-20 10:00:00", 40, 60, 0, 9),      // 0
    };
    const QDate today { 2026, 12, 5 };

    void SetUp() override {
        users.AddUser(u"Ann"_s, u"Ann Lee"_s, u"2026-11-01 08:00:00"_s);
        users.AddUser(u"Bob"_s, QString(), u"2026-12-01 08:00:00"_s);
    }
    static QString value(const std::vector<ScoreBoard::Row>& rows, const char* label) {
        for (const auto& [l, v] : rows)
            if (l == QLatin1String(label)) return v;
        return u"?"_s;
    }
};

TEST_F(ScoreBoardTest, GeneralCountsEveryGameWithRoundedAverages) {
    const auto rows = ScoreBoard::General(records);
    EXPECT_EQ(value(rows, "Games Played"), u"4"_s);
    EXPECT_EQ(value(rows, "Games Won"), u"2"_s);
    EXPECT_EQ(value(rows, "Games Lost"), u"2"_s);
    EXPECT_EQ(value(rows, "Time Taken"), u"0:07:57"_s); // 477 s
    EXPECT_EQ(value(rows, "Total Score"), u"308"_s);
    EXPECT_EQ(value(rows, "Average Moves"), u"51"_s); // 203 / 4 = 50.75
    EXPECT_EQ(value(rows, "Average Score"), u"77"_s);
    EXPECT_EQ(value(rows, "Winning Percentage"), u"50 %"_s);
    const auto none = ScoreBoard::General({});
    EXPECT_EQ(value(none, "Average Time"), u"0:00:00"_s);
    EXPECT_EQ(value(none, "Winning Percentage"), u"0 %"_s);
}

TEST_F(ScoreBoardTest, TheSessionCountsGamesAfterItsStart) {
    const QStringList s = ScoreBoard::Session(records, QDateTime(today, QTime(9, 0, 0)));
    EXPECT_EQ(s[1], u"Games Played : 1"_s); // 09:00:00 itself is not after the start
    EXPECT_EQ(s[2], u"Games Won : 1"_s);
    EXPECT_EQ(s[4], u"Percentage : 100 %"_s);
}

TEST_F(ScoreBoardTest, TheListFollowsPlayerPeriodAndFinishedGames) {
    using V = std::vector<int>;
    EXPECT_EQ(
        ScoreBoard::ListScore(records, u"Ann"_s, 1, false, today), V { 0 }); // not yesterday 23:59
    EXPECT_EQ(ScoreBoard::ListScore(records, u"Ann"_s, 2, false, today), (V { 0, 1 }));
    EXPECT_EQ(ScoreBoard::ListScore(records, std::nullopt, 5, false, today), (V { 0, 1, 2, 3 }));
    EXPECT_EQ(ScoreBoard::ListScore(records, std::nullopt, 4, true, today), (V { 0, 2 }));
    // A player called "All" is a player like any other.
    EXPECT_EQ(ScoreBoard::ListScore(records, u"All"_s, 5, false, today), V {});
    EXPECT_EQ(ScoreBoard::ListScore(records, u"Bob"_s, 3, false, today), V { 2 });
    EXPECT_EQ(ScoreBoard::ListScore(records, u"Bob"_s, 9, false, today), (V { 2, 3 })); // no limit
}

TEST_F(ScoreBoardTest, StatisticsPerPlayer) {
    const auto stats = ScoreBoard::Statistics(records, players);
    const ScoreStats& ann = stats[1];
    EXPECT_EQ(ann.Name, u"Ann"_s);
    EXPECT_EQ(ann.Total, 2);
    EXPECT_EQ(ann.Won, 1);
    EXPECT_EQ(ann.Perc, 50);
    EXPECT_EQ(ann.AvgScore, 79); // 158 / 2
    EXPECT_EQ(ann.AvgTime, 187);
    EXPECT_EQ(ann.AvgMoves, 93);
    EXPECT_TRUE(stats[3].Name.isEmpty());
    const QStringList bob = ScoreBoard::StatisticsColumn(
        stats[2], players.GetDate(2), QDateTime(today, QTime(12, 0)));
    EXPECT_EQ(bob[0], u"2"_s);
    EXPECT_EQ(bob[8], u"50 %"_s);
    EXPECT_EQ(bob[9], u"2"_s); // all in the month of creation: games per month = games
    const QStringList annColumn
        = ScoreBoard::StatisticsColumn(ann, players.GetDate(1), QDateTime(today, QTime(12, 0)));
    EXPECT_EQ(annColumn[9], u"1"_s); // two games over two months
    EXPECT_EQ(annColumn[7], u"0:03:07"_s);
}

// 23 won of 40 is 57.5 %: 58 on every page, halves to even.
TEST_F(ScoreBoardTest, EveryPageRoundsAPercentageTheSameWay) {
    std::vector<ScoreRec> forty;
    for (int i = 0; i < 40; ++i)
        forty.push_back(game("Ann", "2026-12-05 09:00:00", 10, 10, i < 23 ? 100 : 0));
    EXPECT_EQ(value(ScoreBoard::General(forty), "Winning Percentage"), u"58 %"_s);
    EXPECT_EQ(ScoreBoard::Statistics(forty, players)[1].Perc, 58);
    EXPECT_EQ(ScoreBoard::Session(forty, QDateTime(today.addDays(-1), QTime()))[4],
        u"Percentage : 58 %"_s);
    players.SaveScore(1, 40, 23, 17, 400, 0);
    EXPECT_EQ(players.GetPerc(1), 58);
    EXPECT_EQ(ScoreBoard::Global(players)[0][6], u"58 %"_s);
    EXPECT_EQ(PercentOf(1, 8), 12); // 12.5
    EXPECT_EQ(AverageOf(7, 2), 4);  // 3.5
}

// Sums past 32 bits stay exact, and so do their averages and times.
TEST_F(ScoreBoardTest, StatisticsSumsNeverWrap) {
    std::vector<ScoreRec> big(3, game("Ann", "2026-12-05 09:00:00", 2000000000, 2000000000, 100));
    const ScoreStats ann = ScoreBoard::Statistics(big, players)[1];
    EXPECT_EQ(ann.Moves, 6000000000LL);
    EXPECT_EQ(ann.AvgMoves, 2000000000LL);
    const QStringList column
        = ScoreBoard::StatisticsColumn(ann, players.GetDate(1), QDateTime(today, QTime(12, 0)));
    EXPECT_EQ(column[3], u"6000000000"_s);
    EXPECT_EQ(column[6], u"1666666:40:00"_s);
}

TEST_F(ScoreBoardTest, TopScoresKeepTwelveByPointsAndTiesInFileOrder) {
    std::vector<ScoreRec> many;
    for (int points = 12; points >= 1; --points) {
        ScoreRec r = game("Ann", "2026-12-05 09:00:00", 1, 1, 1, points);
        r.Score = points;
        many.push_back(r);
    }
    ScoreRec tie = many[2];
    tie.GameNo = 99;
    many.push_back(tie);
    ScoreRec zero = many[0];
    zero.Score = 0;
    many.push_back(zero);
    const auto top = ScoreBoard::TopScores(many);
    EXPECT_EQ(top[1].Score, 12);
    EXPECT_EQ(top[3].GameNo, 10); // the earlier of the two tens stays ahead
    EXPECT_EQ(top[4].GameNo, 99);
    EXPECT_EQ(top[12].Score, 2);
}

TEST_F(ScoreBoardTest, GlobalRowsFillUpToFiveAndEndWithTheTotal) {
    players.SaveScore(1, 1, 1, 0, 120, 30);
    const auto rows = ScoreBoard::Global(players);
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(rows[0], (QStringList { "Ann", "1", "1", "0", "0:02:00", "30", "100 %" }));
    EXPECT_EQ(rows[2], QStringList { "None" });
    EXPECT_EQ(rows[5][0], u"Total"_s);
    EXPECT_EQ(rows[5][1], u"1"_s);
}

TEST_F(ScoreBoardTest, TheExportTextInPrintZones) {
    players.SaveScore(1, 1, 1, 0, 187, 108);
    const std::vector<ScoreRec> one { records[0] };
    const auto stats = ScoreBoard::Statistics(one, players);
    QByteArray text
        = ScoreBoard::ExportHead(stats, players, u"Ann"_s, QDateTime(today, QTime(12, 30)));
    ScoreBoard::ExportLine(one[0], text);
    // Kept beside the tests, as a player's export is written: CR LF, print zones of 14.
    const QByteArray expected = contentOf(QStringLiteral(QUADRELL_EXPORT_TEXT));
    EXPECT_EQ(text.toStdString(), expected.toStdString());
}

} // namespace
} // namespace quadrell::test
