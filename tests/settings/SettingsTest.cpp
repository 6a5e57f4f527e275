#include "SettingsStore.h"
#include "cOpt.h"
#include "cSave.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.path() };
    cOpt opt { store };
    cSave save { store, QStringLiteral("/games") };

    void put(const char* key, const char* value) {
        store.SaveSetting(
            kApp, QStringLiteral("Options"), QLatin1String(key), QLatin1String(value));
    }
};

TEST_F(SettingsTest, AnEmptyStoreGivesEveryDefaultAndStaysEmpty) {
    EXPECT_EQ(opt.RandomIndex(), 3);
    EXPECT_EQ(opt.GetRandomLimit(), 3240000);
    EXPECT_EQ(opt.EnableFlash(), 1);
    EXPECT_EQ(opt.AllowDoubleClick(), 1);
    EXPECT_EQ(opt.EnableUnfinished(), 1);
    EXPECT_EQ(opt.ShowTimer(), 1);
    EXPECT_EQ(opt.ShowStatusbar(), 1);
    EXPECT_EQ(opt.ShowToolbar(), 1);
    EXPECT_EQ(opt.ShowMessages(), 1);
    EXPECT_FALSE(opt.BackPicEnable());
    EXPECT_EQ(opt.BackColor(), 8404992);
    EXPECT_EQ(opt.BackPicture(), QString());
    EXPECT_EQ(opt.CardSpeed(), 30);
    EXPECT_EQ(opt.UndoRedoSpeed(), 10);
    EXPECT_EQ(opt.UndoRedoAllSpeed(), 5);
    EXPECT_EQ(opt.FwdBackSpeed(), 50);
    EXPECT_EQ(save.ScoreFile(), QStringLiteral("/games/Quadrell2000.sre"));
    EXPECT_EQ(save.IncompleteDir(), QStringLiteral("/games"));
    EXPECT_EQ(save.LastExportedDate(), QStringLiteral("None"));
    EXPECT_EQ(save.FinishedSave(), 1);
    EXPECT_EQ(save.InCompleteSave(), 0);
    EXPECT_FALSE(save.Unfinished());
    EXPECT_FALSE(save.SnapShot());
    // Reading wrote nothing.
    EXPECT_TRUE(store.IsEmpty(kApp));
    EXPECT_FALSE(QFile::exists(store.FileName(kApp)));
}

TEST_F(SettingsTest, NamesAreFoldedToOneCase) {
    store.SaveSetting(QStringLiteral("QuadRell 2000"), QStringLiteral("OPTIONS"),
        QStringLiteral("backcolor"), QStringLiteral("255"));
    EXPECT_EQ(opt.BackColor(), 255);
    EXPECT_EQ(
        store.GetSetting(kApp, QStringLiteral("options"), QStringLiteral("BACKCOLOR"), QString()),
        QStringLiteral("255"));
    save.SetFinishedDir(QStringLiteral("/x"));
    EXPECT_EQ(
        store.GetSetting(kApp, QStringLiteral("save"), QStringLiteral("finisheddir"), QString()),
        QStringLiteral("/x"));
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
    store.SetText(
        QStringLiteral("Save"), QStringLiteral("GameStartTime"), QStringLiteral("yesterday"));
    EXPECT_LE(save.GameStartTime().secsTo(QDateTime::currentDateTime()), 2);
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
    EXPECT_EQ(store.GetText(QStringLiteral("Options"), QStringLiteral("BackPicEnable"), QString()),
        QStringLiteral("True"));
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

TEST_F(SettingsTest, SettersTellTheWindowAndStoreCheckBoxStates) {
    RecordingWidgets widgets;
    opt.SetWidgets(&widgets);
    opt.SetShowTimer(0);
    EXPECT_FALSE(widgets.timer);
    EXPECT_EQ(store.GetText(QStringLiteral("Options"), QStringLiteral("ShowTimer"), QString()),
        QStringLiteral("0"));
    opt.SetShowTimer(1);
    EXPECT_TRUE(widgets.timer);
    opt.SetShowToolbar(0);
    opt.SetShowStatusbar(0);
    EXPECT_FALSE(widgets.toolbar);
    EXPECT_FALSE(widgets.statusbar);
    for (const auto& [speed, ms] :
        { std::pair { 50, 500 }, std::pair { 1, 10 }, std::pair { 100, 1000 } }) {
        opt.SetFwdBackSpeed(static_cast<qint16>(speed));
        EXPECT_EQ(widgets.interval, ms);
    }
    opt.SetBackPicture(QStringLiteral("/pics/felt.png"));
    EXPECT_EQ(widgets.picture, QStringLiteral("/pics/felt.png"));
    EXPECT_EQ(opt.BackPicture(), QStringLiteral("/pics/felt.png"));
}

TEST_F(SettingsTest, DeleteAllEmptiesTheStoreAndValuesOutliveTheObject) {
    opt.SetCardSpeed(12);
    save.SetGameStartTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    {
        SettingsStore again(dir.path());
        EXPECT_EQ(cOpt(again).CardSpeed(), 12);
        EXPECT_EQ(again.GetText(QStringLiteral("Save"), QStringLiteral("GameStartTime"), QString()),
            QStringLiteral("2026-01-02 03:04:05"));
    }
    EXPECT_FALSE(store.IsEmpty(kApp));
    store.DeleteAll(kApp);
    EXPECT_TRUE(store.IsEmpty(kApp));
    EXPECT_EQ(opt.CardSpeed(), 30);
}

TEST_F(SettingsTest, TheOptionsPagesReadAndWriteTheirKeys) {
    RecordingWidgets widgets;
    opt.SetWidgets(&widgets);
    const GeneralPage general = opt.GeneralInit();
    EXPECT_EQ(general.range, 3);
    EXPECT_EQ(general.doubleClick, 1);
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
    opt.SaveColor(255, QStringLiteral("/p.png"), true);
    EXPECT_EQ(widgets.backgrounds, 1);
    const BackgroundPage back = opt.BackGroundInit();
    EXPECT_TRUE(back.pictureEnabled);
    EXPECT_EQ(back.picture, QStringLiteral("/p.png"));
    EXPECT_EQ(back.colour, 255);
}

} // namespace
} // namespace quadrell::test
