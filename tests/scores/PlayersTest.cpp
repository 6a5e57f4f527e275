#include "Fakes.h"
#include "SettingsStore.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"
#include "cUser.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

TEST(ConvertTimeS, ClockTimeWithTwoDigitMinutesAndSecondsAndEveryHour) {
    const std::pair<qint64, const char*> rows[] { { 0, "0:00:00" }, { 65, "0:01:05" },
        { 3725, "1:02:05" }, { 86399, "23:59:59" }, { 216000, "60:00:00" },
        { 300000400, "83333:26:40" }, { -5, "0:00:00" } };
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(cScore::ConvertTimeS(seconds), QLatin1String(text)) << seconds;
}

class PlayersTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.path() };
    cSave save { store, dir.path() };
    cPlayer players { store, save };
    ScriptedPrompter prompter;
    cUser users { players, prompter };
};

TEST_F(PlayersTest, PlayersFillTheFirstEmptySlotsUpToFive) {
    users.AddUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"),
        QStringLiteral("2026-12-05 10:00:00"));
    users.AddUser(QStringLiteral("guest"), QString(), QString()); // names are case-sensitive
    EXPECT_EQ(players.TotalPlayers(), 2);
    EXPECT_EQ(players.GetFullName(1), QStringLiteral("Guest Player"));
    EXPECT_EQ(players.GetNum(QStringLiteral("guest")), 2);
    users.AddUser(QStringLiteral("Guest"), QString(), QString());
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Player exists!" }));
    for (const char* name : { "C", "D", "E", "F" })
        users.AddUser(QLatin1String(name), QString(), QString());
    EXPECT_EQ(players.TotalPlayers(), 5);
    EXPECT_EQ(prompter.messages.back(), "Maximum 5 Players only");
    EXPECT_FALSE(players.PlayerExists(QStringLiteral("F")));
    EXPECT_EQ(users.ComboNames(), (QStringList { "Guest", "guest", "C", "D", "E" }));
}

TEST_F(PlayersTest, TheCurrentPlayerAndAPendingChangeAreStored) {
    EXPECT_EQ(players.CurrentComboIndex(), 1);
    EXPECT_FALSE(players.ChangePlayer());
    players.SetCurrentComboIndex(3);
    players.SetChangePlayer(true);
    players.SetNewPlayerComboIndex(2);
    EXPECT_EQ(
        store.GetText(QStringLiteral("Player6"), QStringLiteral("CurrentComboIndex"), QString()),
        QStringLiteral("3"));
    EXPECT_EQ(store.GetText(QStringLiteral("Save"), QStringLiteral("ChangePlayer"), QString()),
        QStringLiteral("True"));
    EXPECT_EQ(players.NewPlayerComboIndex(), 2);
}

TEST_F(PlayersTest, RemovingKeepsTheLastPlayerAndMakesTheFirstCurrent) {
    users.AddUser(QStringLiteral("A"), QString(), QString());
    EXPECT_FALSE(users.RemoveUser(QStringLiteral("x1")));
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Minimum one player is Required !" }));
    users.AddUser(QStringLiteral("B"), QString(), QString());
    users.AddUser(QStringLiteral("C"), QString(), QString());
    players.SetCurrentComboIndex(3);
    EXPECT_TRUE(users.RemoveUser(QStringLiteral("x2")));
    EXPECT_EQ(users.ComboNames(), (QStringList { "A", "C" }));
    EXPECT_EQ(players.CurrentComboIndex(), 1);
    users.AddUser(QStringLiteral("D"), QString(), QString());
    EXPECT_EQ(players.GetName(2), QStringLiteral("D")); // the freed slot is used again
    EXPECT_FALSE(users.RemoveUser(QStringLiteral("y1")));
}

TEST_F(PlayersTest, NewNamesAreProposedAndChecked) {
    EXPECT_EQ(users.ProposedName(), QStringLiteral("Player1"));
    users.AddUser(QStringLiteral("Player1"), QString(), QString());
    users.AddUser(QStringLiteral("Player2"), QString(), QString());
    EXPECT_EQ(users.ProposedName(), QStringLiteral("Player3"));
    users.AddUser(QStringLiteral("Player3"), QString(), QString());
    users.AddUser(QStringLiteral("Player4"), QString(), QString());
    EXPECT_EQ(users.ProposedName(), QString());
    EXPECT_EQ(cUser::CheckName(QString()), QStringLiteral("PlayerName is Required"));
    EXPECT_EQ(
        cUser::CheckName(QStringLiteral("123456789")), QStringLiteral("Maximum 8 Characters only"));
    EXPECT_EQ(cUser::CheckName(QStringLiteral("12345678")), QString());
    EXPECT_EQ(cUser::CheckName(QStringLiteral("   ")), QStringLiteral("PlayerName is Required"));
    // Eight characters, each stored in two UTF-16 units.
    EXPECT_EQ(cUser::CheckName(QString::fromUtf8("\U0001F0A1\U0001F0B1\U0001F0C1\U0001F0D1"
                                                 "\U0001F0A2\U0001F0B2\U0001F0C2\U0001F0D2")),
        QString());
    EXPECT_FALSE(cUser::CheckName(QStringLiteral("a\"b")).isEmpty());
}

TEST_F(PlayersTest, APendingChangeFollowsItsPlayerOrGoesWithIt) {
    for (const char* name : { "A", "B", "C" })
        users.AddUser(QLatin1String(name), QString(), QString());
    players.SetChangePlayer(true);
    players.SetNewPlayerComboIndex(3); // C, at the end of the game
    EXPECT_TRUE(users.RemoveUser(QStringLiteral("x1")));
    EXPECT_TRUE(players.ChangePlayer());
    EXPECT_EQ(players.NewPlayerComboIndex(), 2); // C moved up one place
    EXPECT_TRUE(users.RemoveUser(QStringLiteral("x3")));
    EXPECT_FALSE(players.ChangePlayer()); // C is gone: nothing waits
    EXPECT_EQ(players.GetName(players.GetCurrentPlayerIndex()), QStringLiteral("B"));
}

} // namespace
} // namespace quadrell::test
