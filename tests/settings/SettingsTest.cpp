#include "Fakes.h"
#include "SettingsStore.h"
#include "cCustom.h"
#include "cFinish.h"
#include "cOpt.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.path() };
    cOpt opt { store };
    cSave save { store, u"/games"_s };

    void put(const char* key, const char* value) {
        store.SaveSetting(kApp, u"Options"_s, QLatin1String(key), QLatin1String(value));
    }
};

TEST_F(SettingsTest, AnEmptyStoreGivesEveryDefaultAndStaysEmpty) {
    cFinish finish { store };
    cCustom custom { store };
    cPlayer players { store, save };
    ScriptedPrompter prompter;
    cScore score { save, players, prompter, &QDateTime::currentDateTime };
    auto n = [](auto value) { return QString::number(value); };
    auto b = [](bool value) { return SettingsStore::FromBool(value); };
    // Every key of the settings table with its default, as its owner reads it.
    const std::vector<std::pair<const char*, std::function<QString()>>> rows {
        { "1 Options/RandomIndex 3", [&] { return n(opt.RandomIndex()); } },
        { "2 Options/RandomLimit 3240000", [&] { return n(opt.GetRandomLimit()); } },
        { "3 Options/EnableFlash 1", [&] { return n(opt.EnableFlash()); } },
        { "4 Options/AllowDoubleClick 1", [&] { return n(opt.AllowDoubleClick()); } },
        { "5 Options/EnableUnfinished 1", [&] { return n(opt.EnableUnfinished()); } },
        { "6 Options/ShowTimer 1", [&] { return n(opt.ShowTimer()); } },
        { "7 Options/ShowStatusbar 1", [&] { return n(opt.ShowStatusbar()); } },
        { "8 Options/ShowToolbar 1", [&] { return n(opt.ShowToolbar()); } },
        { "9 Options/ShowMessages 1", [&] { return n(opt.ShowMessages()); } },
        { "10 Options/BackPicEnable False", [&] { return b(opt.BackPicEnable()); } },
        { "11 Options/BackColor 8404992", [&] { return n(opt.BackColor()); } },
        { "12 Options/BackPicture ", [&] { return opt.BackPicture(); } },
        { "13 Options/FwdBackSpeed 50", [&] { return n(opt.FwdBackSpeed()); } },
        { "14 Options/UndoRedoAllSpeed 5", [&] { return n(opt.UndoRedoAllSpeed()); } },
        { "15 Options/UndoRedoSpeed 10", [&] { return n(opt.UndoRedoSpeed()); } },
        { "16 Options/CardSpeed 30", [&] { return n(opt.CardSpeed()); } },
        { "17 Save/ScoreFile /games/Quadrell2000.sre", [&] { return save.ScoreFile(); } },
        { "18 Save/InstallFolder /games", [&] { return save.InStallFolder(); } },
        { "19 Save/SnapShotValue 0", [&] { return n(save.SnapShotValue()); } },
        { "20 Save/SnapShot False", [&] { return b(save.SnapShot()); } },
        { "21 Save/LastExportedDate None", [&] { return save.LastExportedDate(); } },
        { "22 Save/LastExportedFile None", [&] { return save.LastExportedFile(); } },
        { "23 Save/GeneralClearedDate None", [&] { return save.GeneralClearedDate(); } },
        { "24 Save/GlobalClearedDate None", [&] { return save.GlobalClearedDate(); } },
        { "25 Save/FavFolder /games/Favorites", [&] { return save.FavFolder(); } },
        { "26 Save/FinishedDir /games", [&] { return save.FinishedDir(); } },
        { "27 Save/IncompleteDir /games", [&] { return save.IncompleteDir(); } },
        { "28 Save/IncludeDate 1", [&] { return n(save.IncludeDate()); } },
        { "29 Save/IncludeTime 1", [&] { return n(save.IncludeTime()); } },
        { "30 Save/InCompleteSave 0", [&] { return n(save.InCompleteSave()); } },
        { "31 Save/FinishedSave 1", [&] { return n(save.FinishedSave()); } },
        { "32 Save/LastDir /games", [&] { return save.GetLastDir(); } },
        { "33 Save/Unfinished False", [&] { return b(save.Unfinished()); } },
        { "34 Save/NewPlayerComboIndex 1", [&] { return n(players.NewPlayerComboIndex()); } },
        { "35 Save/ChangePlayer False", [&] { return b(players.ChangePlayer()); } },
        { "36 Player6/CurrentComboIndex 1", [&] { return n(players.CurrentComboIndex()); } },
        { "37 Player1/Total 0", [&] { return n(players.GetTotal(1)); } },
        { "38 Player1/Name ", [&] { return players.GetName(1); } },
        { "39 Finish/FavEnable 0", [&] { return n(finish.FavEnable()); } },
        { "40 Finish/SaveEnable 0", [&] { return n(finish.SaveEnable()); } },
        { "41 Finish/LastFavIndex 1", [&] { return n(finish.LastFavIndex()); } },
        { "42 Finish/LastSelectIndex 1", [&] { return n(finish.LastSelectIndex()); } },
        { "43 Score/DayComboIndex 1", [&] { return n(score.DayComboIndex()); } },
        { "44 Custom/Button24 True", [&] { return b(custom.Button(24)); } },
        { "45 Custom/Menu5 True", [&] { return b(custom.Menu(5)); } },
        { "46 Custom/Panel4 True", [&] { return b(custom.Panel(4)); } },
        { "47 Recent/Recent10 ",
            [&] { return store.GetText(u"Recent"_s, u"Recent10"_s, QString()); } },
    };
    for (const auto& [row, read] : rows) {
        const QString expected = QString::fromLatin1(row).section(QLatin1Char(' '), 2);
        EXPECT_EQ(read(), expected) << row;
    }
    for (int i = 1; i <= cCustom::kButtons; ++i)
        EXPECT_TRUE(custom.Button(i)) << i;
    // What the game adds starts off, and a solution plays quicker than a replay.
    EXPECT_EQ(opt.FinishByItself() + opt.ReduceMotion() + opt.HighContrast() + opt.Sounds(), 0);
    EXPECT_LT(opt.SolutionSpeed(), opt.FwdBackSpeed());
    // Reading wrote nothing.
    EXPECT_TRUE(store.IsEmpty(kApp));
    EXPECT_FALSE(QFile::exists(store.FileName(kApp)));
}

// A start sets several values to what they already are: the file is not written again for
// them (each write is a whole new file), but a changed value or a removal is.
TEST_F(SettingsTest, TheSameValueAgainLeavesTheFileAsItWas) {
    put("CardSpeed", "40");
    const QByteArray path = QFile::encodeName(store.FileName(kApp));
    const auto inode = [&path] {
        struct stat st { };
        return ::stat(path.constData(), &st) == 0 ? st.st_ino : 0;
    };
    const auto written = inode();
    put("CardSpeed", "40");
    EXPECT_EQ(inode(), written);
    put("CardSpeed", "41");
    EXPECT_NE(inode(), written);
    const auto changed = inode();
    store.Remove(u"Options"_s, u"CardSpeed"_s);
    EXPECT_NE(inode(), changed);
    EXPECT_EQ(opt.CardSpeed(), 30);
}

TEST_F(SettingsTest, NamesAreFoldedToOneCase) {
    store.SaveSetting(u"QuadRell 2000"_s, u"OPTIONS"_s, u"backcolor"_s, u"255"_s);
    EXPECT_EQ(opt.BackColor(), 255);
    EXPECT_EQ(store.GetSetting(kApp, u"options"_s, u"BACKCOLOR"_s, QString()), u"255"_s);
    save.SetFinishedDir(u"/x"_s);
    EXPECT_EQ(store.GetSetting(kApp, u"save"_s, u"finisheddir"_s, QString()), u"/x"_s);
}

TEST_F(SettingsTest, ValuesThatDoNotConvertGiveTheDefault) {
    put("CardSpeed", "fast");
    put("UndoRedoSpeed", "99999"); // not a 16-bit number
    put("FwdBackSpeed", "");
    put("BackPicEnable", "maybe");
    put("RandomIndex", "2.5");
    EXPECT_EQ(opt.CardSpeed(), 30);
    EXPECT_EQ(opt.UndoRedoSpeed(), 10);
    EXPECT_EQ(opt.FwdBackSpeed(), 50);
    EXPECT_FALSE(opt.BackPicEnable());
    EXPECT_EQ(opt.RandomIndex(), 3);
    store.SetText(u"Save"_s, u"GameStartTime"_s, u"yesterday"_s);
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000);
    EXPECT_EQ(save.GameStartTime(now), now);
    EXPECT_EQ(save.SessionStart(now), now); // none kept
    store.SetText(u"Save"_s, u"Left"_s, u"left"_s);
    store.SetText(u"Save"_s, u"Top"_s, u"inf"_s);
    store.SetText(u"Save"_s, u"Width"_s, u"nan"_s);
    const cSave::WindowPlace place = save.WindowGeometry({ 1, 2, 3, 4 });
    EXPECT_EQ(std::tuple(place.left, place.top, place.width, place.height),
        std::tuple(1.0f, 2.0f, 3.0f, 4.0f));
}

TEST_F(SettingsTest, HandEditedValuesAreReadWithinTheirControlsRange) {
    const std::tuple<const char*, const char*, std::function<int()>, int> rows[] {
        { "FwdBackSpeed", "-5", [&] { return opt.FwdBackSpeed(); }, 1 },
        { "CardSpeed", "400", [&] { return opt.CardSpeed(); }, 100 },
        { "UndoRedoSpeed", "0", [&] { return opt.UndoRedoSpeed(); }, 1 },
        { "UndoRedoAllSpeed", "32767", [&] { return opt.UndoRedoAllSpeed(); }, 100 },
        { "ShowToolbar", "2", [&] { return opt.ShowToolbar(); }, 1 },
        { "ShowTimer", "2", [&] { return opt.ShowTimer(); }, 1 },
        { "ShowStatusbar", "-1", [&] { return opt.ShowStatusbar(); }, 0 },
        { "ShowMessages", "7", [&] { return opt.ShowMessages(); }, 1 },
        { "AllowDoubleClick", "3", [&] { return opt.AllowDoubleClick(); }, 1 },
        { "EnableFlash", "-2", [&] { return opt.EnableFlash(); }, 0 },
        { "EnableUnfinished", "9", [&] { return opt.EnableUnfinished(); }, 1 },
        { "ShowWinnable", "5", [&] { return opt.ShowWinnable(); }, 1 },
        { "SolutionSpeed", "0", [&] { return opt.SolutionSpeed(); }, 1 },
        { "FinishByItself", "4", [&] { return opt.FinishByItself(); }, 1 },
        { "ReduceMotion", "-3", [&] { return opt.ReduceMotion(); }, 0 },
        { "Sounds", "7", [&] { return opt.Sounds(); }, 1 },
    };
    for (const auto& [key, text, read, value] : rows) {
        put(key, text);
        EXPECT_EQ(read(), value) << key << "=" << text;
    }
}

TEST_F(SettingsTest, TrueFalseSettingsReadWordsOrNumbers) {
    struct Row {
        const char* text;
        bool value;
    };
    for (const Row& r : { Row { "True", true }, Row { "FALSE", false }, Row { "true", true },
             Row { "0", false }, Row { "-1", true }, Row { "2", true } }) {
        put("BackPicEnable", r.text);
        EXPECT_EQ(opt.BackPicEnable(), r.value) << r.text;
    }
    opt.SetBackPicEnable(true);
    EXPECT_EQ(store.GetText(u"Options"_s, u"BackPicEnable"_s, QString()), u"True"_s);
}

TEST_F(SettingsTest, RandomLimitFollowsTheIndex) {
    const std::pair<qint16, qint32> rows[] { { 1, 40000 }, { 2, 640000 }, { 3, 3240000 }, { 0, 0 },
        { 4, 0 } };
    for (const auto& [index, limit] : rows) {
        opt.SetRandomIndex(index);
        EXPECT_EQ(opt.GetRandomLimit(), limit) << index;
    }
}

class RecordingWidgets final : public OptionWidgets {
public:
    void TimerShown(bool shown) override { timer = shown; }
    void StatusbarShown(bool shown) override { statusbar = shown; }
    void ToolbarShown(bool shown) override { toolbar = shown; }
    void BackPictureChosen(const QString& path) override { picture = path; }
    void ReplayIntervalChanged(int milliseconds) override { interval = milliseconds; }
    void BackgroundChanged() override { ++backgrounds; }
    int backgrounds = 0;
    bool timer = true, statusbar = true, toolbar = true;
    QString picture;
    int interval = 0;
};

TEST_F(SettingsTest, DeleteAllEmptiesTheStoreAndValuesOutliveTheObject) {
    opt.SetCardSpeed(12);
    save.SetGameStartTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    {
        SettingsStore again(dir.path());
        EXPECT_EQ(cOpt(again).CardSpeed(), 12);
        EXPECT_EQ(
            again.GetText(u"Save"_s, u"GameStartTime"_s, QString()), u"2026-01-02 03:04:05"_s);
    }
    EXPECT_FALSE(store.IsEmpty(kApp));
    store.DeleteAll(kApp);
    EXPECT_TRUE(store.IsEmpty(kApp));
    EXPECT_EQ(opt.CardSpeed(), 30);
}

TEST_F(SettingsTest, TheOptionsPagesReadAndWriteTheirKeys) {
    RecordingWidgets widgets;
    opt.SetWidgets(&widgets);
    opt.SaveGeneral(0, 0, 1, 0, 1);
    EXPECT_EQ(opt.AllowDoubleClick(), 0);
    EXPECT_EQ(opt.ShowMessages(), 0);
    EXPECT_EQ(opt.EnableUnfinished(), 0);
    EXPECT_EQ(opt.RandomIndex(), 1);
    opt.SetRandomIndex(9);
    EXPECT_EQ(opt.GeneralInit().range, 0);
    opt.SaveGeneral(1, 1, 1, 1, 0); // no range chosen: RandomIndex stays
    EXPECT_EQ(opt.RandomIndex(), 9);
    EXPECT_EQ(opt.SliderInit(), (std::array<qint16, 4> { 30, 10, 5, 50 }));
    opt.SaveSlider(60, 20, 2, 100);
    EXPECT_EQ(opt.SliderInit(), (std::array<qint16, 4> { 60, 20, 2, 100 }));
    EXPECT_EQ(widgets.interval, 1000);
    opt.SaveColor(255, u"/p.png"_s, true);
    EXPECT_EQ(widgets.backgrounds, 1);
    const BackgroundPage back = opt.BackGroundInit();
    EXPECT_TRUE(back.pictureEnabled);
    EXPECT_EQ(back.picture, u"/p.png"_s);
    EXPECT_EQ(back.colour, 255);
}

} // namespace
} // namespace quadrell::test
