#include "SettingsStore.h"
#include "cCustom.h"
#include "cRecent.h"
#include "cSave.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class SavedGamesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store { dir.filePath(QStringLiteral("config")) };
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
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), QStringLiteral("0412-2107-1234.q2k"));
    touch(save.GetFileName(1234, true, when));
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), QStringLiteral("0412-2107-1234-00.q2k"));
    touch(save.GetFileName(1234, true, when));
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), QStringLiteral("0412-2107-1234-01.q2k"));
    save.SetIncludeTime(0);
    EXPECT_EQ(name(save.GetFileName(1234, true, when)), QStringLiteral("0412-1234.q2k"));
    save.SetIncludeDate(0);
    EXPECT_EQ(name(save.GetFileName(0, true, when)), QStringLiteral("0.q2k"));
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
    EXPECT_EQ(names.front(), QStringLiteral("1234.qrl"));
    EXPECT_EQ(names[1], QStringLiteral("1234-00.qrl"));
    EXPECT_EQ(names.back(), QStringLiteral("1234-09.qrl"));
    for (int i = 0; i < 120; ++i)
        touch(save.GetFileName(1234, false, when));
    EXPECT_EQ(name(save.GetFileName(1234, false, when)), QStringLiteral("1234-130.qrl"));
}

TEST_F(SavedGamesTest, LongPathsAreShortenedForDisplay) {
    const QString sixty(60, QLatin1Char('x'));
    const QString path = QStringLiteral("C:/games") + sixty.left(52);
    const QString shown = cSave::SizeCheck(path, 50);
    EXPECT_EQ(shown.size(), 53);
    EXPECT_EQ(shown, path.left(7) + QStringLiteral("...") + path.right(43));
    EXPECT_EQ(cSave::SizeCheck(sixty.left(50), 50), sixty.left(50));
    EXPECT_EQ(cSave::SizeCheck(QString(71, QLatin1Char('y')), 0).size(), 73); // below 1 means 70
}

TEST_F(SavedGamesTest, TheAutosavePageIsWrittenInOneGo) {
    save.SaveAutoSave(1, 0, QStringLiteral("/in"), QStringLiteral("/fin"), 0, 1);
    EXPECT_EQ(save.InCompleteSave(), 1);
    EXPECT_EQ(save.FinishedSave(), 0);
    EXPECT_EQ(save.IncompleteDir(), QStringLiteral("/in"));
    EXPECT_EQ(save.FinishedDir(), QStringLiteral("/fin"));
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
        recent.AddtoRecent(QStringLiteral("/g/won%1.q2k").arg(i));
    EXPECT_EQ(recent.GetRecent(1), QStringLiteral("/g/won6.q2k"));
    EXPECT_EQ(recent.GetRecent(5), QStringLiteral("/g/won2.q2k")); // the first dropped out
    recent.AddtoRecent(QStringLiteral("/g/won4.q2k"));             // already in slot 3
    EXPECT_EQ(recent.GetRecent(1), QStringLiteral("/g/won6.q2k"));
    EXPECT_EQ(recent.GetRecent(3), QStringLiteral("/g/won4.q2k"));
    recent.AddtoRecent(QStringLiteral("/g/won2.q2k")); // already in the last slot
    EXPECT_EQ(recent.GetRecent(1), QStringLiteral("/g/won6.q2k"));
    EXPECT_EQ(recent.GetRecent(5), QStringLiteral("/g/won2.q2k"));
    recent.AddtoRecent(QStringLiteral("/g/WON4.Q2K")); // another case is another path
    EXPECT_EQ(recent.GetRecent(1), QStringLiteral("/g/WON4.Q2K"));
    EXPECT_FALSE(recent.EnableInComplete());
    recent.AddtoRecent(QStringLiteral("/g/lost.qrl"));
    recent.AddtoRecent(QStringLiteral("/g/notes.txt"));
    recent.AddtoRecent(QString());
    EXPECT_EQ(recent.GetRecent(6), QStringLiteral("/g/lost.qrl"));
    EXPECT_EQ(recent.GetTotalNumb(6), 1);
    EXPECT_TRUE(recent.EnableInComplete());
    EXPECT_EQ(rebuilt, 12);      // every offer rebuilds the menus, taken or not
    for (int i = 2; i <= 5; ++i) // both lists full: clearing empties all ten slots
        recent.AddtoRecent(QStringLiteral("/g/lost%1.qrl").arg(i));
    EXPECT_EQ(recent.GetRecent(10), QStringLiteral("/g/lost.qrl"));
    recent.CrearRecent();
    EXPECT_FALSE(recent.EnableFinish());
    EXPECT_FALSE(recent.EnableInComplete());
    for (qint16 slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(recent.GetRecent(slot), QString()) << slot;
    EXPECT_EQ(
        store.GetText(QStringLiteral("Recent"), QStringLiteral("Recent1"), QStringLiteral("x")),
        QString());
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
    EXPECT_EQ(store.GetText(QStringLiteral("Custom"), QStringLiteral("Panel2"), QString()),
        QStringLiteral("False"));
    EXPECT_FALSE(custom.Panel(2));
}

} // namespace
} // namespace quadrell::test
