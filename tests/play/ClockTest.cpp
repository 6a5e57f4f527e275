#include "FaultInjection.h"
#include "SessionFixture.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class ClockTest : public SessionFixture {
protected:
    cTime& clock() { return session.time; }
    void startedSecondsAgo(int seconds) { session.save.SetGameStartTime(now.addSecs(-seconds)); }
};

TEST_F(ClockTest, CardsLeftAndPercentageFollowTheFoundations) {
    EXPECT_EQ(clock().GetCardLeft(), 0); // no game
    session.menu.NewGame(7, false);
    EXPECT_EQ(clock().GetCardLeft(), 52);
    EXPECT_EQ(clock().GetGamePercentage(), 0);
    for (Card c = 0; c < 26;
         ++c) // hearts and clubs finished: their pictures lie on the foundations
        board().init(foundationOf(c), c);
    EXPECT_EQ(clock().GetCardLeft(), 26);
    EXPECT_EQ(clock().GetGamePercentage(), 50);
}

TEST_F(ClockTest, GameTimeCountsFromTheStartPlusAKeptBase) {
    startedSecondsAgo(30);
    EXPECT_EQ(clock().GetGameTime(), 30);
    session.save.SetUnfinished(true);
    session.save.SetLastGameTime(100);
    EXPECT_EQ(clock().GetGameTime(), 130);
    session.save.SetUnfinished(false);
    EXPECT_EQ(clock().GetGameTime(), 30);
}

// Saved early, opened after a long while of another game or of watching: the opened game
// is timed alone. The kept game resumed at start-up goes on from its kept time.
TEST_F(ClockTest, AnOpenedGameIsTimedFromZeroAndOnlyTheKeptGameFromItsBase) {
    ASSERT_TRUE(writeContent(file(u"seven.qrl"_s), " 7 \r\n 48  200  1  1 \r\n"));
    for (const bool resumed : { false, true }) {
        startedSecondsAgo(209);
        session.save.SetUnfinished(true);
        session.save.SetLastGameTime(2);
        ASSERT_TRUE(session.menu.OpenFromFile(file(u"seven.qrl"_s), resumed));
        EXPECT_EQ(clock().GetGameTime(), resumed ? 211 : 0) << resumed;
    }
}

// A reading in the game's first second is a reading like any other: nothing is reset, and
// the time kept from before stays as it was.
TEST_F(ClockTest, AGameJustStartedReadsZeroAndResetsNothing) {
    startedSecondsAgo(40);
    EXPECT_EQ(clock().GetGameTime(), 40);
    session.save.SetLastGameTime(7);
    startedSecondsAgo(0);
    EXPECT_EQ(clock().GetGameTime(), 0);
    EXPECT_EQ(session.save.LastGameTime(), 7);
}

TEST_F(ClockTest, AClockSetBackRestartsFromTheBase) {
    startedSecondsAgo(40);
    EXPECT_EQ(clock().GetGameTime(), 40);
    startedSecondsAgo(-60);                     // the clock went back
    EXPECT_LT(clock().GetGameTime(), 0);        // that one reading
    EXPECT_EQ(session.save.LastGameTime(), 40); // the reading before
    session.save.SetUnfinished(true);
    EXPECT_EQ(clock().GetGameTime(), 40); // counting again from the base
}

// A reading of a day exactly still counts; one a second past it, or before the start (the
// clock set back), starts the count again from then.
TEST_F(ClockTest, ADayIsTheLongestReadingAndAClockSetBackRestarts) {
    const QDateTime start = now;
    const struct {
        qint64 after;
        bool restarts;
    } rows[] { { 0, false }, { 86400, false }, { 86401, true }, { -1, true } };
    for (const auto& row : rows) {
        now = start.addSecs(row.after);
        session.save.SetSessionStart(start);
        EXPECT_EQ(clock().GetSessionTime(), row.after);
        EXPECT_EQ(session.save.SessionStart({}), row.restarts ? now : start) << row.after;
        session.save.SetGameStartTime(start);
        EXPECT_EQ(clock().GetGameTime(), row.after);
        EXPECT_EQ(session.save.GameStartTime({}), row.restarts ? now : start) << row.after;
    }
}

} // namespace
} // namespace quadrell::test
