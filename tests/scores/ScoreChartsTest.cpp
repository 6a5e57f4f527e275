#include "ScoreCharts.h"

#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

ScoreRec game(const char* name, const char* date, bool won, qint32 time, qint32 score) {
    ScoreRec r;
    r.Name = QString::fromLatin1(name);
    r.Date = *ScoreDate::Parse(date);
    r.Time = time;
    r.Score = score;
    r.Perc = won ? 100 : 60;
    return r;
}

// Ann wins, loses, wins on three days of one week; a week without games; then Bob and Ann
// win in the week after.
const std::vector<ScoreRec> kGames {
    game("Ann", "2026-11-30 10:00:00", true, 100, 500),
    game("Ann", "2026-12-01 10:00:00", false, 50, 20),
    game("Ann", "2026-12-02 10:00:00", true, 250, 800),
    game("Bob", "2026-12-15 10:00:00", true, 90, 300),
    game("Ann", "2026-12-16 10:00:00", true, 120, 650),
};

using Bin = ScoreCharts::Bin;

TEST(ScoreChartsTest, WeeksAndMonthsCountPlayedAndWonWithTheEmptyOnesBetween) {
    const auto weeks = ScoreCharts::Of(kGames, {}, ScoreCharts::Span::Week).periods;
    ASSERT_EQ(weeks.size(), 3u);
    EXPECT_EQ(weeks[0].start, QDate(2026, 11, 30)); // a Monday
    EXPECT_EQ(weeks[0].played, 3);
    EXPECT_EQ(weeks[0].won, 2);
    EXPECT_NEAR(weeks[0].WinRate(), 66.667, 0.001);
    EXPECT_EQ(weeks[1].start, QDate(2026, 12, 7));
    EXPECT_EQ(weeks[1].played, 0);
    EXPECT_EQ(weeks[1].WinRate(), 0);
    EXPECT_EQ(weeks[2].start, QDate(2026, 12, 14));
    EXPECT_EQ(weeks[2].won, 2);
    const auto months = ScoreCharts::Of(kGames, {}, ScoreCharts::Span::Month).periods;
    ASSERT_EQ(months.size(), 2u);
    EXPECT_EQ(months[0].start, QDate(2026, 11, 1));
    EXPECT_EQ(months[0].played, 1);
    EXPECT_EQ(months[1].start, QDate(2026, 12, 1));
    EXPECT_EQ(months[1].played, 4);
    EXPECT_EQ(months[1].won, 3);
}

TEST(ScoreChartsTest, StreaksAndBestsArePerPlayerAndTogether) {
    const auto charts = ScoreCharts::Of(kGames, {}, ScoreCharts::Span::Week);
    ASSERT_EQ(charts.players.size(), 2u);
    const auto& ann = charts.players[0];
    EXPECT_EQ(ann.name, u"Ann"_s);
    EXPECT_EQ(ann.played, 4);
    EXPECT_EQ(ann.won, 3);
    EXPECT_EQ(ann.bestTime, 100); // the lost game's 50 s is no best time
    EXPECT_EQ(ann.bestScore, 800);
    EXPECT_EQ(ann.longestStreak, 2);
    EXPECT_EQ(ann.currentStreak, 2);
    EXPECT_EQ(charts.players[1].bestTime, 90);
    EXPECT_EQ(charts.longestStreak, 3); // Ann, Bob, Ann after the loss
    EXPECT_EQ(charts.currentStreak, 3);
}

TEST(ScoreChartsTest, TheChosenPlayersOnly) {
    const auto bob = ScoreCharts::Of(kGames, { u"Bob"_s }, ScoreCharts::Span::Week);
    ASSERT_EQ(bob.players.size(), 1u);
    ASSERT_EQ(bob.periods.size(), 1u);
    EXPECT_EQ(bob.periods[0].start, QDate(2026, 12, 14));
    EXPECT_EQ(bob.longestStreak, 1);
    const auto nobody = ScoreCharts::Of(kGames, { u"Cy"_s }, ScoreCharts::Span::Month);
    EXPECT_TRUE(nobody.periods.empty());
    EXPECT_TRUE(nobody.winningTimes.empty());
    EXPECT_EQ(nobody.longestStreak, 0);
}

TEST(ScoreChartsTest, HistogramsHaveRoundWidthsAndCountEveryValue) {
    const auto charts = ScoreCharts::Of(kGames, {}, ScoreCharts::Span::Week);
    // Won games' times 90..250: bins of 20 from 80.
    ASSERT_EQ(charts.winningTimes.size(), 9u);
    EXPECT_EQ(charts.winningTimes[0], (Bin { 80, 100, 1 }));
    EXPECT_EQ(charts.winningTimes[1], (Bin { 100, 120, 1 }));
    EXPECT_EQ(charts.winningTimes[2], (Bin { 120, 140, 1 }));
    EXPECT_EQ(charts.winningTimes[8], (Bin { 240, 260, 1 }));
    // Every game's points 20..800: bins of 100 from 0.
    ASSERT_EQ(charts.points.size(), 9u);
    EXPECT_EQ(charts.points[0], (Bin { 0, 100, 1 }));
    EXPECT_EQ(charts.points[8], (Bin { 800, 900, 1 }));
    qint64 counted = 0;
    for (const Bin& b : charts.points)
        counted += b.count;
    EXPECT_EQ(counted, 5);
    // Below zero, the first bin still starts on a multiple of the width.
    const auto mixed = ScoreCharts::Histogram({ -5, 7 });
    ASSERT_EQ(mixed.size(), 7u);
    EXPECT_EQ(mixed.front(), (Bin { -6, -4, 1 }));
    EXPECT_EQ(mixed.back(), (Bin { 6, 8, 1 }));
    EXPECT_EQ(ScoreCharts::Histogram({ 42, 42 }), (std::vector<Bin> { { 42, 43, 2 } }));
}

} // namespace
} // namespace quadrell::test
