#include "SettingsStore.h"
#include "cCustom.h"
#include "cRecent.h"
#include "cSave.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class SavedGamesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.filePath(u"config"_s) };
    cSave save { store, dir.path() };
    cRecent recent { store };
    const QDateTime when { QDate(2026, 12, 4), QTime(21, 7, 30) };

    void touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString name(const QString& path) const { return QFileInfo(path).fileName(); }
};

TEST_F(SavedGamesTest, AutosaveNamesCarryDateAndTimeAndNeverOverwrite) {
    save.SetFinishedDir(dir.path());
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), u"0412-2107-1234.q2k"_s);
    touch(save.GetFileName(1234, true, when));
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), u"0412-2107-1234-00.q2k"_s);
    touch(save.GetFileName(1234, true, when));
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), u"0412-2107-1234-01.q2k"_s);
    save.SetIncludeTime(0);
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), u"0412-1234.q2k"_s);
    save.SetIncludeDate(0);
    EXPECT_EQ(name(save.GetFileName(0, true, when)), u"0.q2k"_s);
    EXPECT_EQ(QFileInfo(save.GetFileName(0, true, when)).absolutePath(), dir.path());
}

TEST_F(SavedGamesTest, ElevenSavesInOneMinuteCountUpToNine) {
    save.SetIncompleteDir(dir.path());
    save.SetIncludeDate(0);
    save.SetIncludeTime(0);
    QStringList names;
    for (int i = 0; i < 11; ++i) {
        const QString path = save.GetFileName(1234, false, when);
        names << name(path);
        touch(path);
    }
    EXPECT_EQ(names.front(), u"1234.qrl"_s);
    EXPECT_EQ(names[1], u"1234-00.qrl"_s);
    EXPECT_EQ(names.back(), u"1234-09.qrl"_s);
    for (int i = 0; i < 120; ++i)
        touch(save.GetFileName(1234, false, when));
    EXPECT_EQ(name(save.GetFileName(1234, false, when)), u"1234-130.qrl"_s);
}

TEST_F(SavedGamesTest, LongPathsAreShortenedForDisplay) {
    const QString sixty(60, QLatin1Char('x'));
    const QString path = u"C:/games"_s + sixty.left(52);
    const QString shown = cSave::SizeCheck(path, 50);
    EXPECT_EQ(shown.size(), 53);
    EXPECT_EQ(shown, path.left(7) + u"..."_s + path.right(43));
    EXPECT_EQ(cSave::SizeCheck(sixty.left(50), 50), sixty.left(50));
    EXPECT_EQ(cSave::SizeCheck(QString(71, QLatin1Char('y')), 0).size(), 73); // below 1 means 70
}

TEST_F(SavedGamesTest, TheAutosavePageIsWrittenInOneGo) {
    save.SaveAutoSave(1, 0, u"/in"_s, u"/fin"_s, 0, 1);
    EXPECT_EQ(save.InCompleteSave(), 1);
    EXPECT_EQ(save.FinishedSave(), 0);
    EXPECT_EQ(save.IncompleteDir(), u"/in"_s);
    EXPECT_EQ(save.FinishedDir(), u"/fin"_s);
    EXPECT_EQ(save.IncludeTime(), 0);
    EXPECT_EQ(save.IncludeDate(), 1);
}

TEST_F(SavedGamesTest, TheAutosavePageReadsTheStoreAndEnablesByItsBoxes) {
    const AutoSavePage page = save.GetSave();
    EXPECT_EQ(page.finished, 1);
    EXPECT_EQ(page.incomplete, 0);
    EXPECT_EQ(page.incompleteDir, dir.path());
    EXPECT_EQ(cSave::AutoSave_Change(page), (AutoSaveEnabled { true, true, false }));
    EXPECT_EQ(cSave::AutoSave_Change(AutoSavePage {}), (AutoSaveEnabled { false, false, false }));
    AutoSavePage both;
    both.finished = 1;
    both.incomplete = 1;
    EXPECT_EQ(cSave::AutoSave_Change(both), (AutoSaveEnabled { true, true, true }));
}

TEST_F(SavedGamesTest, RecentListsShiftKeepDuplicatesInPlaceAndSplitByKind) {
    int rebuilt = 0;
    recent.SetMenuRebuilder([&rebuilt] { ++rebuilt; });
    for (int i = 1; i <= 6; ++i)
        recent.AddtoRecent(u"/g/won%1.q2k"_s.arg(i));
    EXPECT_EQ(recent.GetRecent(1), u"/g/won6.q2k"_s);
    EXPECT_EQ(recent.GetRecent(5), u"/g/won2.q2k"_s); // the first dropped out
    recent.AddtoRecent(u"/g/won4.q2k"_s);             // already in slot 3
    EXPECT_EQ(recent.GetRecent(1), u"/g/won6.q2k"_s);
    EXPECT_EQ(recent.GetRecent(3), u"/g/won4.q2k"_s);
    recent.AddtoRecent(u"/g/won2.q2k"_s); // already in the last slot
    EXPECT_EQ(recent.GetRecent(1), u"/g/won6.q2k"_s);
    EXPECT_EQ(recent.GetRecent(5), u"/g/won2.q2k"_s);
    recent.AddtoRecent(u"/g/WON4.Q2K"_s); // another case is another path
    EXPECT_EQ(recent.GetRecent(1), u"/g/WON4.Q2K"_s);
    EXPECT_FALSE(recent.EnableInComplete());
    recent.AddtoRecent(u"/g/lost.qrl"_s);
    recent.AddtoRecent(u"/g/notes.txt"_s);
    recent.AddtoRecent(QString());
    EXPECT_EQ(recent.GetRecent(6), u"/g/lost.qrl"_s);
    EXPECT_EQ(recent.GetTotalNumb(6), 1);
    EXPECT_TRUE(recent.EnableInComplete());
    EXPECT_EQ(rebuilt, 12);      // every offer rebuilds the menus, taken or not
    for (int i = 2; i <= 5; ++i) // both lists full: clearing empties all ten slots
        recent.AddtoRecent(u"/g/lost%1.qrl"_s.arg(i));
    EXPECT_EQ(recent.GetRecent(10), u"/g/lost.qrl"_s);
    recent.CrearRecent();
    EXPECT_FALSE(recent.EnableFinish());
    EXPECT_FALSE(recent.EnableInComplete());
    for (qint16 slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(recent.GetRecent(slot), QString()) << slot;
    EXPECT_EQ(store.GetText(u"Recent"_s, u"Recent1"_s, u"x"_s), QString());
    // A path in the other list's first slot (a settings file edited by hand) is no reason
    // to leave it out of its own.
    recent.SetRecent(6, u"/g/odd.q2k"_s);
    recent.AddtoRecent(u"/g/odd.q2k"_s);
    EXPECT_EQ(recent.GetRecent(1), u"/g/odd.q2k"_s);
}

TEST_F(SavedGamesTest, CustomisationShowsEverythingAtFirstAndSeparatorsFollowTheirGroups) {
    cCustom custom(store);
    EXPECT_TRUE(custom.Button(4));
    EXPECT_TRUE(custom.Menu(2));
    EXPECT_TRUE(custom.Panel(4));
    std::array<bool, cCustom::kButtons + 1> checked {};
    checked.fill(true);
    checked[1] = checked[2] = checked[3] = false; // New, Select, Restart
    checked[19] = false;                          // Play from Favorites
    auto visible = cCustom::ToolbarVisibility(checked);
    EXPECT_FALSE(visible[4]);
    EXPECT_TRUE(visible[20]); // two of its group remain
    EXPECT_TRUE(visible[24]);
    checked[2] = true;
    visible = cCustom::ToolbarVisibility(checked);
    EXPECT_TRUE(visible[4]);
    checked.fill(false);
    checked[3] = checked[26] = true; // the last of a group; Finish, a group of its own
    visible = cCustom::ToolbarVisibility(checked);
    EXPECT_TRUE(visible[4] && visible[25]);
    EXPECT_FALSE(visible[7]);
    custom.SetPanel(2, false);
    EXPECT_EQ(store.GetText(u"Custom"_s, u"Panel2"_s, QString()), u"False"_s);
    EXPECT_FALSE(custom.Panel(2));
}

} // namespace
} // namespace quadrell::test
