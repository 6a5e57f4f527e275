#include "Fakes.h"
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
    users.AddUser(u"Guest"_s, u"Guest Player"_s, u"2026-12-05 10:00:00"_s);
    users.AddUser(u"guest"_s, QString(), QString()); // names are case-sensitive
    EXPECT_EQ(players.TotalPlayers(), 2);
    EXPECT_EQ(players.GetFullName(1), u"Guest Player"_s);
    EXPECT_EQ(players.GetNum(u"guest"_s), 2);
    users.AddUser(u"Guest"_s, QString(), QString());
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Player exists!" }));
    for (const char* name : { "C", "D", "E", "F" })
        users.AddUser(QLatin1String(name), QString(), QString());
    EXPECT_EQ(players.TotalPlayers(), 5);
    EXPECT_EQ(prompter.messages.back(), "Maximum 5 Players only");
    EXPECT_FALSE(players.PlayerExists(u"F"_s));
    EXPECT_EQ(users.ComboNames(), (QStringList { "Guest", "guest", "C", "D", "E" }));
}

TEST_F(PlayersTest, TheCurrentPlayerAndAPendingChangeAreStored) {
    EXPECT_EQ(players.CurrentComboIndex(), 1);
    EXPECT_FALSE(players.ChangePlayer());
    players.SetCurrentComboIndex(3);
    players.SetChangePlayer(true);
    players.SetNewPlayerComboIndex(2);
    EXPECT_EQ(store.GetText(u"Player6"_s, u"CurrentComboIndex"_s, QString()), u"3"_s);
    EXPECT_EQ(store.GetText(u"Save"_s, u"ChangePlayer"_s, QString()), u"True"_s);
    EXPECT_EQ(players.NewPlayerComboIndex(), 2);
}

TEST_F(PlayersTest, RemovingKeepsTheLastPlayerAndMakesTheFirstCurrent) {
    users.AddUser(u"A"_s, QString(), QString());
    EXPECT_FALSE(users.RemoveUser(u"x1"_s));
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Minimum one player is Required !" }));
    users.AddUser(u"B"_s, QString(), QString());
    users.AddUser(u"C"_s, QString(), QString());
    players.SetCurrentComboIndex(3);
    EXPECT_TRUE(users.RemoveUser(u"x2"_s));
    EXPECT_EQ(users.ComboNames(), (QStringList { "A", "C" }));
    EXPECT_EQ(players.CurrentComboIndex(), 1);
    users.AddUser(u"D"_s, QString(), QString());
    EXPECT_EQ(players.GetName(2), u"D"_s); // the freed slot is used again
    EXPECT_FALSE(users.RemoveUser(u"y1"_s));
}

TEST_F(PlayersTest, NewNamesAreProposedAndChecked) {
    EXPECT_EQ(users.ProposedName(), u"Player1"_s);
    users.AddUser(u"Player1"_s, QString(), QString());
    users.AddUser(u"Player2"_s, QString(), QString());
    EXPECT_EQ(users.ProposedName(), u"Player3"_s);
    users.AddUser(u"Player3"_s, QString(), QString());
    users.AddUser(u"Player4"_s, QString(), QString());
    EXPECT_EQ(users.ProposedName(), QString());
    EXPECT_EQ(cUser::CheckName(QString()), u"PlayerName is Required"_s);
    EXPECT_EQ(cUser::CheckName(u"123456789"_s), u"Maximum 8 Characters only"_s);
    EXPECT_EQ(cUser::CheckName(u"12345678"_s), QString());
    EXPECT_EQ(cUser::CheckName(u"   "_s), u"PlayerName is Required"_s);
    // Eight characters, each stored in two UTF-16 units.
    EXPECT_EQ(cUser::CheckName(QString::fromUtf8("\U0001F0A1\U0001F0B1\U0001F0C1\U0001F0D1"
                                                 "\U0001F0A2\U0001F0B2\U0001F0C2\U0001F0D2")),
        QString());
    EXPECT_FALSE(cUser::CheckName(u"a\"b"_s).isEmpty());
}

TEST_F(PlayersTest, APendingChangeFollowsItsPlayerOrGoesWithIt) {
    for (const char* name : { "A", "B", "C" })
        users.AddUser(QLatin1String(name), QString(), QString());
    players.SetChangePlayer(true);
    players.SetNewPlayerComboIndex(3); // C, at the end of the game
    EXPECT_TRUE(users.RemoveUser(u"x1"_s));
    EXPECT_TRUE(players.ChangePlayer());
    EXPECT_EQ(players.NewPlayerComboIndex(), 2); // C moved up one place
    EXPECT_TRUE(users.RemoveUser(u"x3"_s));
    EXPECT_FALSE(players.ChangePlayer()); // C is gone: nothing waits
    EXPECT_EQ(players.GetName(players.GetCurrentPlayerIndex()), u"B"_s);
}

} // namespace
} // namespace quadrell::test
