#include "SessionFixture.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class ClockTest : public SessionFixture {
protected:
    cTime& clock() { return session.time; }
    void startedSecondsAgo(int seconds) {
        session.save.SetGameStartTime(QDateTime::currentDateTime().addSecs(-seconds));
    }
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
    EXPECT_NEAR(clock().GetGameTime(), 30, 1);
    session.save.SetUnfinished(true);
    session.save.SetLastGameTime(100);
    EXPECT_NEAR(clock().GetGameTime(), 130, 1);
    session.save.SetUnfinished(false);
    EXPECT_NEAR(clock().GetGameTime(), 30, 1);
}

TEST_F(ClockTest, AClockSetBackRestartsFromTheBase) {
    startedSecondsAgo(40);
    EXPECT_NEAR(clock().GetGameTime(), 40, 1);
    session.save.SetGameStartTime(QDateTime::currentDateTime().addSecs(60)); // the clock went back
    EXPECT_LT(clock().GetGameTime(), 0);                                     // that one reading
    EXPECT_EQ(session.save.LastGameTime(), 40);
    session.save.SetUnfinished(true);
    EXPECT_NEAR(clock().GetGameTime(), 40, 1); // counting again from the base
}

TEST_F(ClockTest, AGameOverADayRestartsAndSoDoesTheSession) {
    startedSecondsAgo(86401);
    clock().GetGameTime();
    EXPECT_NEAR(session.save.GameStartTime().secsTo(QDateTime::currentDateTime()), 0, 1);
    session.save.SetSessionStart(QDateTime::currentDateTime().addSecs(-90000));
    EXPECT_GT(clock().GetSessionTime(), 86400);
    EXPECT_NEAR(clock().GetSessionTime(), 0, 1);
}

} // namespace
} // namespace quadrell::test
