#include "Favourites.h"

#include "FaultInjection.h"
#include "SessionFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quadrell::test {
namespace {

class FavouritesTest : public SessionFixture {
protected:
    FavouritesTest() {
        session.save.SetFavFolder(file(QStringLiteral("fav")));
        QDir().mkpath(file(QStringLiteral("fav/Easy Games")));
        QDir().mkpath(file(QStringLiteral("fav/Hard Games")));
        session.users.AddUser(QStringLiteral("Guest"), QString(), QString());
    }
    void touch(const QString& relative) {
        QFile f(file(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(" 0 \r\n");
    }
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
    touch(QStringLiteral("fav/Easy Games/won.q2k"));
    touch(QStringLiteral("fav/Easy Games/notes.txt"));
    touch(QStringLiteral("fav/stray.qrl"));
    EXPECT_EQ(names(QStringLiteral("fav/Easy Games")), (QStringList { "notes", "won" }));
    EXPECT_TRUE(favourites.Games(file(QStringLiteral("fav"))).empty());
    EXPECT_EQ(favourites.Folders().size(), 2);
}

TEST_F(FavouritesTest, AddingProposesTheGameAndSavesItByItsKind) {
    session.menu.NewGame(0, false);
    session.menu.Game_Started(false);
    EXPECT_EQ(favourites.AddProposal(), QStringLiteral("0 - Played by Guest"));
    EXPECT_TRUE(favourites.Add(file(QStringLiteral("fav/Easy Games")), favourites.AddProposal()));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("fav/Easy Games/0 - Played by Guest.qrl"))));
    state().gFinishedView = true;
    EXPECT_TRUE(favourites.Add(file(QStringLiteral("fav/Easy Games")), QStringLiteral("watch")));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("fav/Easy Games/watch.q2k"))));
    // The root itself, no folder and a folder gone: a folder is asked for, nothing saved.
    for (const QString& folder :
        { file(QStringLiteral("fav")), QString(), file(QStringLiteral("fav/Gone")) }) {
        prompter.messages.clear();
        EXPECT_FALSE(favourites.Add(folder, QStringLiteral("kept")));
        EXPECT_EQ(prompter.messages,
            std::vector<std::string> { "Choose a favourites folder for the game." });
    }
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("fav/kept.q2k"))));
}

TEST_F(FavouritesTest, TypedNamesNeverLeaveTheRoot) {
    session.menu.NewGame(5, false);
    for (const char* bad : { "../out", "a/b", "..", ".", "a\\b", "", "   " }) {
        EXPECT_FALSE(favourites.Add(file(QStringLiteral("fav/Easy Games")), QLatin1String(bad)))
            << bad;
    }
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("fav/out.qrl"))));
    EXPECT_EQ(prompter.messages.size(), 7U);
    prompter.input = "../../escape";
    EXPECT_FALSE(favourites.CreateFolder());
    EXPECT_FALSE(QDir(file(QStringLiteral("escape"))).exists());
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
}

TEST_F(FavouritesTest, TheLastFolderStaysAndDeletingAsksFirst) {
    touch(QStringLiteral("fav/Hard Games/g.qrl"));
    prompter.yes = false;
    EXPECT_FALSE(favourites.DeleteFolder(file(QStringLiteral("fav/Hard Games"))));
    EXPECT_EQ(prompter.questions.back(), "Are you sure you want to delete Hard Games ?");
    EXPECT_EQ(prompter.questionIcons.back(), MessageIcon::Stop); // it destroys games
    prompter.yes = true;
    EXPECT_TRUE(favourites.DeleteFolder(file(QStringLiteral("fav/Hard Games"))));
    EXPECT_FALSE(QDir(file(QStringLiteral("fav/Hard Games"))).exists());
    EXPECT_FALSE(favourites.DeleteFolder(file(QStringLiteral("fav/Easy Games"))));
    EXPECT_EQ(prompter.messages, (std::vector<std::string> { "Minimum one folder must exists" }));
}

TEST_F(FavouritesTest, GamesAreMovedAndDeleted) {
    touch(QStringLiteral("fav/Easy Games/a.qrl"));
    touch(QStringLiteral("fav/Easy Games/b.q2k"));
    touch(QStringLiteral("fav/Hard Games/b.q2k"));
    const QStringList both { file(QStringLiteral("fav/Easy Games/a.qrl")),
        file(QStringLiteral("fav/Easy Games/b.q2k")) };
    prompter.yes = false; // keep the b already there
    favourites.MoveGames(both, file(QStringLiteral("fav/Hard Games")));
    EXPECT_EQ(names(QStringLiteral("fav/Easy Games")), QStringList { "b" });
    EXPECT_EQ(names(QStringLiteral("fav/Hard Games")), (QStringList { "a", "b" }));
    EXPECT_EQ(prompter.questions.size(), 1U);
    favourites.MoveGames(
        { file(QStringLiteral("fav/Hard Games/a.qrl")) }, file(QStringLiteral("fav/Hard Games")));
    EXPECT_EQ(names(QStringLiteral("fav/Hard Games")),
        (QStringList { "a", "b" })); // same folder: nothing
    prompter.yes = true;
    favourites.DeleteGames({ file(QStringLiteral("fav/Hard Games/a.qrl")),
        file(QStringLiteral("fav/Hard Games/gone.qrl")) });
    EXPECT_EQ(prompter.questions.back(), "Are you sure you want to delete ?");
    EXPECT_EQ(prompter.questionIcons.back(), MessageIcon::Stop);
    EXPECT_EQ(names(QStringLiteral("fav/Hard Games")), QStringList { "b" });
    EXPECT_NE(prompter.messages.back().find("gone.qrl"), std::string::npos);
    // Yes to replacing: the game moved takes the place of the one there.
    QFile easyB(file(QStringLiteral("fav/Easy Games/b.q2k")));
    ASSERT_TRUE(easyB.open(QIODevice::WriteOnly));
    easyB.write(" 7 \r\n");
    easyB.close();
    favourites.MoveGames(
        { file(QStringLiteral("fav/Easy Games/b.q2k")) }, file(QStringLiteral("fav/Hard Games")));
    EXPECT_TRUE(names(QStringLiteral("fav/Easy Games")).isEmpty());
    QFile hardB(file(QStringLiteral("fav/Hard Games/b.q2k")));
    ASSERT_TRUE(hardB.open(QIODevice::ReadOnly));
    EXPECT_EQ(hardB.readAll(), QByteArray(" 7 \r\n"));
    // No to deleting keeps the games; a game gone before it could move is said.
    prompter.yes = false;
    favourites.DeleteGames({ file(QStringLiteral("fav/Hard Games/b.q2k")) });
    EXPECT_EQ(names(QStringLiteral("fav/Hard Games")), QStringList { "b" });
    const std::size_t told = prompter.messages.size();
    favourites.MoveGames({ file(QStringLiteral("fav/Easy Games/gone.qrl")) },
        file(QStringLiteral("fav/Hard Games")));
    ASSERT_EQ(prompter.messages.size(), told + 1);
    EXPECT_EQ(prompter.messages.back().rfind("These games could not be moved:\r\n", 0), 0u);
    EXPECT_NE(prompter.messages.back().find("gone.qrl"), std::string::npos);
}

TEST_F(FavouritesTest, PlayingNamesTheGameInTheCaption) {
    session.menu.NewGame(9, false);
    trans().SaveToFile(file(QStringLiteral("fav/Easy Games/nine.qrl")));
    session.menu.NoGame();
    EXPECT_TRUE(favourites.Play(file(QStringLiteral("fav/Easy Games/nine.qrl"))));
    EXPECT_EQ(window.Caption(), QStringLiteral("QuadRell 2000 - Game No. 9 [nine]"));
}

TEST_F(FavouritesTest, DeletingALinkedFolderRemovesTheLinkOnly) {
    QDir().mkpath(file(QStringLiteral("elsewhere")));
    touch(QStringLiteral("elsewhere/keep.q2k"));
    ASSERT_TRUE(QFile::link(file(QStringLiteral("elsewhere")), file(QStringLiteral("fav/Linked"))));
    EXPECT_TRUE(favourites.DeleteFolder(file(QStringLiteral("fav/Linked"))));
    EXPECT_FALSE(QFileInfo(file(QStringLiteral("fav/Linked"))).isSymLink());
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("elsewhere/keep.q2k"))));
}

// Only folders are folders and only regular files are games: a link to a device, a pipe or
// nothing is neither (a device read as a game would never end).
TEST_F(FavouritesTest, LinksToDevicesPipesAndNothingAreNeitherFoldersNorGames) {
    const QString device = deviceNode(dir.path());
    ASSERT_TRUE(makeFifo(file(QStringLiteral("pipe"))));
    for (const QString& folder : { QStringLiteral("fav"), QStringLiteral("fav/Easy Games") }) {
        ASSERT_TRUE(QFile::link(device, file(folder + QStringLiteral("/zero"))));
        ASSERT_TRUE(
            QFile::link(file(QStringLiteral("pipe")), file(folder + QStringLiteral("/pipe.qrl"))));
        ASSERT_TRUE(
            QFile::link(file(QStringLiteral("gone")), file(folder + QStringLiteral("/gone.qrl"))));
    }
    ASSERT_TRUE(makeFifo(file(QStringLiteral("fav/Easy Games/fifo.qrl"))));
    touch(QStringLiteral("fav/Easy Games/won.q2k"));
    QStringList folders = favourites.Folders();
    folders.sort();
    EXPECT_EQ(folders,
        (QStringList {
            file(QStringLiteral("fav/Easy Games")), file(QStringLiteral("fav/Hard Games")) }));
    EXPECT_EQ(names(QStringLiteral("fav/Easy Games")), QStringList { "won" });
}

} // namespace
} // namespace quadrell::test
