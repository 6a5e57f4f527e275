#include "Favourites.h"

#include "FaultInjection.h"
#include "SessionFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

class FavouritesTest : public SessionFixture {
protected:
    FavouritesTest() {
        session.save.SetFavFolder(file(u"fav"_s));
        QDir().mkpath(file(u"fav/Easy Games"_s));
        QDir().mkpath(file(u"fav/Hard Games"_s));
        session.users.AddUser(u"Guest"_s, QString(), QString());
    }
    void touch(const QString& relative) { ASSERT_TRUE(writeContent(file(relative), " 0 \r\n")); }
    QStringList names(const QString& folder) {
        QStringList out;
        for (const GameListItem& g : favourites.Games(file(folder)))
            out << g.name;
        out.sort();
        return out;
    }
    Favourites favourites = session.MakeFavourites();
};

TEST_F(FavouritesTest, EveryFileOfAFolderIsListedButNothingFromTheRoot) {
    touch(u"fav/Easy Games/won.q2k"_s);
    touch(u"fav/Easy Games/notes.txt"_s);
    touch(u"fav/stray.qrl"_s);
    EXPECT_EQ(names(u"fav/Easy Games"_s), (QStringList { "notes", "won" }));
    EXPECT_TRUE(favourites.Games(file(u"fav"_s)).empty());
    EXPECT_EQ(favourites.Folders().size(), 2);
}

TEST_F(FavouritesTest, AddingProposesTheGameAndSavesItByItsKind) {
    session.menu.NewGame(0, false);
    session.menu.Game_Started(false);
    EXPECT_EQ(favourites.AddProposal(), u"0 - Played by Guest"_s);
    EXPECT_TRUE(favourites.Add(file(u"fav/Easy Games"_s), favourites.AddProposal()));
    EXPECT_TRUE(QFile::exists(file(u"fav/Easy Games/0 - Played by Guest.qrl"_s)));
    state().gFinishedView = true;
    EXPECT_TRUE(favourites.Add(file(u"fav/Easy Games"_s), u"watch"_s));
    EXPECT_TRUE(QFile::exists(file(u"fav/Easy Games/watch.q2k"_s)));
    // The root itself, no folder and a folder gone: a folder is asked for, nothing saved.
    for (const QString& folder : { file(u"fav"_s), QString(), file(u"fav/Gone"_s) }) {
        prompter.messages.clear();
        EXPECT_FALSE(favourites.Add(folder, u"kept"_s));
        EXPECT_EQ(prompter.messages,
            std::vector<std::string> { "Choose a favourites folder for the game." });
    }
    EXPECT_FALSE(QFile::exists(file(u"fav/kept.q2k"_s)));
}

TEST_F(FavouritesTest, TypedNamesNeverLeaveTheRoot) {
    session.menu.NewGame(5, false);
    for (const char* bad : { "../out", "a/b", "..", ".", "a\\b", "", "   " }) {
        EXPECT_FALSE(favourites.Add(file(u"fav/Easy Games"_s), QLatin1String(bad))) << bad;
    }
    EXPECT_FALSE(QFile::exists(file(u"fav/out.qrl"_s)));
    EXPECT_EQ(prompter.messages.size(), 7U);
    prompter.input = "../../escape";
    EXPECT_FALSE(favourites.CreateFolder());
    EXPECT_FALSE(QDir(file(u"escape"_s)).exists());
}

TEST_F(FavouritesTest, FoldersAreCreatedOnceWithinThirtyCharacters) {
    prompter.input = std::string(31, 'x');
    EXPECT_FALSE(favourites.CreateFolder());
    EXPECT_TRUE(prompter.messages.empty()); // too long: nothing at all
    prompter.input = std::string(30, 'x');
    EXPECT_TRUE(favourites.CreateFolder());
    prompter.input.clear();
    for (int i = 0; i < 30; ++i)
        prompter.input += "\U0001F0A1"; // thirty characters, sixty UTF-16 units
    EXPECT_TRUE(favourites.CreateFolder());
    EXPECT_EQ(prompter.prompts.back(), "Enter the folder name you want to create");
    EXPECT_FALSE(favourites.CreateFolder());
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Folder Exists" }));
    prompter.inputOk = false;
    prompter.input = "New";
    EXPECT_FALSE(favourites.CreateFolder());
    // A root that is no folder: said, with the folder's whole path.
    prompter.inputOk = true;
    touch(u"plain"_s);
    session.save.SetFavFolder(file(u"plain"_s));
    EXPECT_FALSE(favourites.CreateFolder());
    EXPECT_EQ(prompter.messages.back(),
        "The folder " + file(u"plain/New"_s).toStdString() + " could not be created.");
}

TEST_F(FavouritesTest, TheLastFolderStaysAndDeletingAsksFirst) {
    touch(u"fav/Hard Games/g.qrl"_s);
    prompter.yes = false;
    EXPECT_FALSE(favourites.DeleteFolder(file(u"fav/Hard Games"_s)));
    EXPECT_EQ(prompter.questions.back(), "Are you sure you want to delete Hard Games ?");
    EXPECT_EQ(prompter.questionIcons.back(), MessageIcon::Stop); // it destroys games
    prompter.yes = true;
    EXPECT_TRUE(favourites.DeleteFolder(file(u"fav/Hard Games"_s)));
    EXPECT_FALSE(QDir(file(u"fav/Hard Games"_s)).exists());
    EXPECT_FALSE(favourites.DeleteFolder(file(u"fav/Easy Games"_s)));
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Minimum one folder must exists" }));
    // A folder outside the root is never deleted, and that is said.
    QDir().mkpath(file(u"fav/Hard Games"_s));
    QDir().mkpath(file(u"elsewhere"_s));
    EXPECT_FALSE(favourites.DeleteFolder(file(u"elsewhere"_s)));
    EXPECT_TRUE(QDir(file(u"elsewhere"_s)).exists());
    EXPECT_EQ(prompter.messages.back(),
        "The folder " + file(u"elsewhere"_s).toStdString() + " could not be deleted.");
}

TEST_F(FavouritesTest, GamesAreMovedAndDeleted) {
    touch(u"fav/Easy Games/a.qrl"_s);
    touch(u"fav/Easy Games/b.q2k"_s);
    touch(u"fav/Hard Games/b.q2k"_s);
    const QStringList both { file(u"fav/Easy Games/a.qrl"_s), file(u"fav/Easy Games/b.q2k"_s) };
    prompter.yes = false; // keep the b already there
    favourites.MoveGames(both, file(u"fav/Hard Games"_s));
    EXPECT_EQ(names(u"fav/Easy Games"_s), QStringList { "b" });
    EXPECT_EQ(names(u"fav/Hard Games"_s), (QStringList { "a", "b" }));
    EXPECT_EQ(prompter.questions.size(), 1U);
    favourites.MoveGames({ file(u"fav/Hard Games/a.qrl"_s) }, file(u"fav/Hard Games"_s));
    EXPECT_EQ(names(u"fav/Hard Games"_s), (QStringList { "a", "b" })); // same folder: nothing
    prompter.yes = true;
    favourites.DeleteGames({ file(u"fav/Hard Games/a.qrl"_s), file(u"fav/Hard Games/gone.qrl"_s) });
    EXPECT_EQ(prompter.questions.back(), "Are you sure you want to delete ?");
    EXPECT_EQ(prompter.questionIcons.back(), MessageIcon::Stop);
    EXPECT_EQ(names(u"fav/Hard Games"_s), QStringList { "b" });
    EXPECT_NE(prompter.messages.back().find("gone.qrl"), std::string::npos);
    // Yes to replacing: the game moved takes the place of the one there.
    ASSERT_TRUE(writeContent(file(u"fav/Easy Games/b.q2k"_s), " 7 \r\n"));
    favourites.MoveGames({ file(u"fav/Easy Games/b.q2k"_s) }, file(u"fav/Hard Games"_s));
    EXPECT_TRUE(names(u"fav/Easy Games"_s).isEmpty());
    QFile hardB(file(u"fav/Hard Games/b.q2k"_s));
    ASSERT_TRUE(hardB.open(QIODevice::ReadOnly));
    EXPECT_EQ(hardB.readAll(), QByteArray(" 7 \r\n"));
    // No to deleting keeps the games; a game gone before it could move is said.
    prompter.yes = false;
    favourites.DeleteGames({ file(u"fav/Hard Games/b.q2k"_s) });
    EXPECT_EQ(names(u"fav/Hard Games"_s), QStringList { "b" });
    const std::size_t told = prompter.messages.size();
    favourites.MoveGames({ file(u"fav/Easy Games/gone.qrl"_s) }, file(u"fav/Hard Games"_s));
    ASSERT_EQ(prompter.messages.size(), told + 1);
    EXPECT_EQ(prompter.messages.back().rfind("These games could not be moved:\r\n", 0), 0u);
    EXPECT_NE(prompter.messages.back().find("gone.qrl"), std::string::npos);
}

TEST_F(FavouritesTest, PlayingNamesTheGameInTheCaption) {
    session.menu.NewGame(9, false);
    trans().SaveToFile(file(u"fav/Easy Games/nine.qrl"_s));
    // The game in play kept: nothing opened, the caption its own.
    session.menu.NewGame(5, false);
    session.menu.Game_Started(false);
    session.engine.rules().CardDoubleClicked(48);
    prompter.yes = false;
    EXPECT_FALSE(favourites.Play(file(u"fav/Easy Games/nine.qrl"_s)));
    EXPECT_EQ(window.Caption(), u"QuadRell 2000 - Game No. 5"_s);
    prompter.yes = true;
    session.menu.NoGame();
    EXPECT_TRUE(favourites.Play(file(u"fav/Easy Games/nine.qrl"_s)));
    EXPECT_EQ(window.Caption(), u"QuadRell 2000 - Game No. 9 [nine]"_s);
}

TEST_F(FavouritesTest, DeletingALinkedFolderRemovesTheLinkOnly) {
    QDir().mkpath(file(u"elsewhere"_s));
    touch(u"elsewhere/keep.q2k"_s);
    ASSERT_TRUE(QFile::link(file(u"elsewhere"_s), file(u"fav/Linked"_s)));
    EXPECT_TRUE(favourites.DeleteFolder(file(u"fav/Linked"_s)));
    EXPECT_FALSE(QFileInfo(file(u"fav/Linked"_s)).isSymLink());
    EXPECT_TRUE(QFile::exists(file(u"elsewhere/keep.q2k"_s)));
}

// Only folders are folders and only regular files are games: a link to a device, a pipe or
// nothing is neither (a device read as a game would never end).
TEST_F(FavouritesTest, LinksToDevicesPipesAndNothingAreNeitherFoldersNorGames) {
    const QString device = deviceNode(dir.path());
    ASSERT_TRUE(makeFifo(file(u"pipe"_s)));
    for (const QString& folder : { u"fav"_s, u"fav/Easy Games"_s }) {
        ASSERT_TRUE(QFile::link(device, file(folder + u"/zero"_s)));
        ASSERT_TRUE(QFile::link(file(u"pipe"_s), file(folder + u"/pipe.qrl"_s)));
        ASSERT_TRUE(QFile::link(file(u"gone"_s), file(folder + u"/gone.qrl"_s)));
    }
    ASSERT_TRUE(makeFifo(file(u"fav/Easy Games/fifo.qrl"_s)));
    touch(u"fav/Easy Games/won.q2k"_s);
    QStringList folders = favourites.Folders();
    folders.sort();
    EXPECT_EQ(folders, (QStringList { file(u"fav/Easy Games"_s), file(u"fav/Hard Games"_s) }));
    EXPECT_EQ(names(u"fav/Easy Games"_s), QStringList { "won" });
}

} // namespace
} // namespace quadrell::test
