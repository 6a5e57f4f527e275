#include "GameFile.h"

#include "Deal.h"
#include "FaultInjection.h"
#include "GameFileSummary.h"
#include "GameSource.h"
#include "SafeFile.h"
#include "SessionFixture.h"
#include "Solver.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

TEST(GameFileFormat, SignPositionDigitsAndATrailingSpace) {
    const std::vector<TransRecord> entries { { 12, 200, -1, 3 }, { 0, 205, 2, 0 } };
    EXPECT_EQ(GameFile::Format(1234, entries, 2),
        QByteArray(" 1234 \r\n 12  200 -1  3 \r\n 0  205  2  0 \r\n"));
    EXPECT_EQ(GameFile::Format(-7, entries, 0), QByteArray("-7 \r\n"));
}

TEST(GameFileFormat, KindIsTheLastThreeCharactersInAnyCase) {
    EXPECT_EQ(GameFile::KindOf(u"/a/b.QRL"_s), GameFile::Kind::Incomplete);
    EXPECT_EQ(GameFile::KindOf(u"b.qrl"_s), GameFile::Kind::Incomplete);
    EXPECT_EQ(GameFile::KindOf(u"b.Q2K"_s), GameFile::Kind::Finished);
    EXPECT_EQ(GameFile::KindOf(u"b.q2k"_s), GameFile::Kind::Finished);
    EXPECT_EQ(GameFile::KindOf(u"q2k"_s), GameFile::Kind::Finished);
    EXPECT_EQ(GameFile::KindOf(u"b.txt"_s), GameFile::Kind::Other);
    EXPECT_EQ(GameFile::KindOf(QString()), GameFile::Kind::Other);
}

TEST(GameFileParse, AnySpacingCommasAndLineEndsReadTheSame) {
    // Game 0 exposes 9H and 2S; 9H to a cell, then 2S to the next.
    const auto read = GameFile::Parse("0\n48,200,1,1\r\n\r\n   49 , 201 , -1 , 1");
    ASSERT_TRUE(read.game) << read.error.toStdString();
    EXPECT_EQ(read.game->gameNumber, 0);
    const std::vector<TransRecord> expected { { 48, 200, 1, 1 }, { 49, 201, -1, 1 } };
    EXPECT_EQ(read.game->entries, expected);
    const auto again = GameFile::Parse(GameFile::Format(0, expected, 2));
    ASSERT_TRUE(again.game);
    EXPECT_EQ(again.game->entries, expected);
}

// A history of exactly the most entries a file holds is a game that could have been played
// (a card walked from cell to cell); one entry more is refused by its count.
TEST(GameFileParse, TheMostEntriesAreAcceptedAndOneMoreIsRefused) {
    for (const int count : { GameFile::kMaxEntries, GameFile::kMaxEntries + 1 }) {
        std::vector<TransRecord> entries { { 48, 200, 1, 1 } };
        while (static_cast<int>(entries.size()) < count) {
            const Loc from = entries.back().Destloc;
            const Loc to = static_cast<Loc>(200 + (from - 200 + 1) % 4);
            const auto move = static_cast<qint16>(std::min<std::size_t>(entries.size() + 1, 32767));
            entries.push_back({ from, to, 1, move });
        }
        const auto read = GameFile::Parse(GameFile::Format(0, entries, entries.size()));
        SCOPED_TRACE(count);
        EXPECT_EQ(read.game.has_value(), count == GameFile::kMaxEntries)
            << read.error.toStdString();
        if (!read.game) {
            EXPECT_NE(read.error.indexOf(u"more than 32767"_s), -1);
        }
    }
}

// A card on a foundation stays there: a file that takes one off is no game.
TEST(GameFileParse, NoStepTakesACardOffAFoundation) {
    Deck deck {};
    for (std::int32_t game = 1; game < 500; ++game) {
        DealGame(game, deck);
        for (Loc loc = 48; loc < 52; ++loc) {
            const Card card = deck[static_cast<std::size_t>(loc)];
            if (rankOf(card) != 1) continue;
            const QByteArray home = QByteArray::number(foundationOf(card));
            const QByteArray homed
                = QByteArray::number(game) + " " + QByteArray::number(loc) + " " + home + " 2 0";
            const QByteArray text = homed + " " + home + " 200 1 1";
            const auto read = GameFile::Parse(text);
            ASSERT_FALSE(read.game);
            EXPECT_TRUE(read.error.contains(QLatin1String("no card can leave ") + home))
                << read.error.toStdString();
            EXPECT_TRUE(GameFile::Parse(homed).game) << homed.data();
            return;
        }
    }
    FAIL() << "no deal with an exposed ace";
}

TEST(GameFileParse, DamagedFilesAreRefusedWithAReason) {
    struct Row {
        QByteArray text;
        const char* reason;
    };
    QByteArray tooMany(" 0 \r\n");
    for (int i = 0; i < 16384; ++i)
        tooMany += " 48  200  1  1 \r\n 200  48  1  2 \r\n";
    const Row rows[] {
        { "", "no game number" },
        { " \r\n , ", "no game number" },
        { "abc", "\"abc\" at line 1, column 1 is not a number" },
        { "\xEF\xBB\xBF 0 \r\n", "byte-order mark" },
        { " 0 \r\n 48\t200 1 1\r\n", "a tab at line 2, column 4" },
        { " 0 \r\n 48 2\x01"
          "00 1 1\r\n",
            "byte 0x01 at line 2, column 6" },
        { " 12x ", "not a number" },
        { "1.5", "not a number" },
        { "--3", "not a number" },
        { "99999999999", "out of range" },
        { "0 48 200 1", "incomplete" },
        { "0 48 213 1 1", "outside 0..212" },
        { "0 -1 200 1 1", "outside 0..212" },
        { "0 48 200 3 1", "mode 3" },
        { "0 48 200 0 1", "mode 0" },
        { "0 200 48 1 1", "no card can leave 200" },
        { "0 40 200 1 1", "no card can leave 40" }, // covered, not exposed
        { "0 48 56 1 1", "cannot go to 56" },       // further down its own column
        { "0 48 205 1 1", "cannot go to 205" },     // a nine on an empty foundation
        { "0 48 200 1 1 49 200 1 2", "cannot go to 200" },
        { "0 48 204 1 1", "cannot go to 204" },
        { "0 48 200 1 70000", "out of range" },
        { "0 48 200 1 -32768", "move number -32768 should be 1" },
        { "0 48 200 1 1 49 201 1 1", "move number 1 should be 2" },
        { "0 48 200 2 1", "move number 1 should be 0" },
        { QByteArray("\x00\xff\x13\x37", 4), "a byte 0x00 at line 1, column 1" },
        { tooMany, "more than 32767" },
    };
    for (const Row& row : rows) {
        const auto read = GameFile::Parse(row.text);
        EXPECT_FALSE(read.game) << row.reason;
        EXPECT_TRUE(read.error.contains(QLatin1String(row.reason))) << read.error.toStdString();
    }
}

class GameFileTest : public SessionFixture {
protected:
    void dealAndPlay() {
        session.menu.NewGame(0, false);
        session.menu.Game_Started(false);
        session.engine.rules().CardDoubleClicked(48); // 9H to cell 1
        session.engine.rules().CardDoubleClicked(49); // 2S to cell 2
        session.engine.rules().CardDoubleClicked(50); // 7C to cell 3
    }
};

TEST_F(GameFileTest, SavingWritesOnlyTheEntriesOnTheBoard) {
    dealAndPlay();
    trans().Undo();
    ASSERT_TRUE(trans().SaveToFile(file("a.qrl")));
    // The 9H uncovered the AH, which went home by itself.
    EXPECT_EQ(contentOf(file("a.qrl")),
        QByteArray(" 0 \r\n 48  200  1  1 \r\n 40  205  2  1 \r\n 49  201  1  2 \r\n"));
    state().gFinishedView = true; // while a finished game is watched, all of it
    ASSERT_TRUE(trans().SaveToFile(file("b.q2k")));
    EXPECT_EQ(contentOf(file("b.q2k")).count("\r\n"), 5);
}

TEST_F(GameFileTest, AnIncompleteGameComesBackAtItsPositionWithNoRedo) {
    dealAndPlay();
    trans().Undo();
    trans().SaveToFile(file("a.qrl"));
    const auto tags = [this] {
        std::vector<Loc> t;
        for (Card c = 0; c < kCardCount; ++c)
            t.push_back(board().GetLocation(c));
        return t;
    };
    const auto before = tags();
    session.menu.NoGame();
    view.moves.clear();
    ASSERT_TRUE(session.menu.OpenFromFile(file("a.qrl")));
    EXPECT_EQ(tags(), before);
    EXPECT_EQ(trans().TransCount(), 3);
    EXPECT_EQ(trans().GetTransID(), 3);
    EXPECT_EQ(trans().MoveCounter(), 2);
    EXPECT_FALSE(trans().RedoPossible());
    EXPECT_TRUE(state().gGameActive);
    EXPECT_FALSE(state().gFinishedView);
    for (const ViewMove& m : view.moves)
        EXPECT_EQ(m.steps, 1); // restored in single steps
}

TEST_F(GameFileTest, AFinishedGameIsDealtAndReplayedForWatching) {
    dealAndPlay();
    trans().SaveToFile(file("w.Q2K"));
    session.menu.NoGame();
    ASSERT_TRUE(session.menu.OpenFromFile(file("w.Q2K")));
    EXPECT_TRUE(state().gFinishedView);
    EXPECT_EQ(trans().GetTransID(), 0);
    EXPECT_TRUE(replay.ForwardRunning());
    while (replay.ForwardRunning())
        trans().ReplayTick(true);
    EXPECT_EQ(trans().GetTransID(), 4);
}

TEST_F(GameFileTest, AnyOtherEndingShowsTheDealWithTheHistoryLoaded) {
    dealAndPlay();
    trans().SaveToFile(file("game.txt"));
    session.menu.NoGame();
    ASSERT_TRUE(session.menu.OpenFromFile(file("game.txt")));
    EXPECT_EQ(trans().TransCount(), 4);
    EXPECT_EQ(trans().GetTransID(), 0);
    EXPECT_EQ(board().GetCardIndex(48), 8);
    EXPECT_TRUE(view.shown);
}

TEST_F(GameFileTest, AnEmptyHistoryIsAOneLineFile) {
    session.menu.NewGame(77, false);
    trans().SaveToFile(file("e.qrl"));
    EXPECT_EQ(contentOf(file("e.qrl")), QByteArray(" 77 \r\n"));
    ASSERT_TRUE(session.menu.OpenFromFile(file("e.qrl")));
    EXPECT_EQ(state().gGameNumber, 77);
    EXPECT_EQ(trans().TransCount(), 0);
}

TEST_F(GameFileTest, AFileThatCannotBeUsedChangesNothing) {
    dealAndPlay();
    ASSERT_TRUE(writeContent(file("bad.qrl"), QByteArray(" 5 \r\n 48  999  1  1 \r\n")));
    const int count = trans().TransCount();
    const Card top = board().GetCardIndex(200);
    EXPECT_FALSE(session.menu.OpenFromFile(file("bad.qrl")));
    EXPECT_FALSE(session.menu.OpenFromFile(file("missing.qrl")));
    EXPECT_FALSE(session.menu.OpenFromFile(dir.path()));
    // A name in another encoding reaches Qt with its odd bytes replaced: not "missing".
    EXPECT_FALSE(session.menu.OpenFromFile(dir.filePath(QString::fromUtf8("caf\xEF\xBF\xBD.qrl"))));
    ASSERT_EQ(prompter.messages.size(), 4U);
    EXPECT_NE(prompter.messages[3].find("not written in UTF-8"), std::string::npos);
    EXPECT_EQ(prompter.messages[0].find("The game file\r\n" + file("bad.qrl").toStdString()), 0U);
    EXPECT_EQ(
        prompter.messages[1], "Sorry File Doesn't Exists\r\n" + file("missing.qrl").toStdString());
    EXPECT_NE(prompter.messages[2].find("folder"), std::string::npos);
    EXPECT_EQ(trans().TransCount(), count);
    EXPECT_EQ(board().GetCardIndex(200), top);
    EXPECT_EQ(state().gGameNumber, 0);
    EXPECT_TRUE(state().gGameActive);
}

TEST_F(GameFileTest, AFullHistoryFitsTheCapAndAnythingLargerIsRefusedUnread) {
    dealAndPlay();
    while (trans().GetTransID() < GameFile::kMaxEntries)
        trans().SaveTrans(207, 203, kModePlayer); // the widest places, five-digit move numbers
    ASSERT_TRUE(trans().WriteFile(file("full.qrl"), nullptr));
    EXPECT_LT(QFileInfo(file("full.qrl")).size(), SafeFile::kGameFileCap);
    // Read whole (the made-up moves are then refused for what they are, not for the size).
    EXPECT_EQ(GameFile::Read(file("full.qrl")).error.indexOf(u"too large"_s), -1);
    QByteArray hostile(SafeFile::kGameFileCap + 1, ' ');
    hostile.replace(0, 5, " 5 \r\n");
    ASSERT_TRUE(writeContent(file("hostile.qrl"), hostile));
    const GameFileRead read = GameFile::Read(file("hostile.qrl"));
    EXPECT_FALSE(read.game);
    EXPECT_NE(read.error.indexOf(u"too large"_s), -1);
}

TEST_F(GameFileTest, AFailedSaveIsReportedWithItsPath) {
    dealAndPlay();
    EXPECT_FALSE(trans().SaveToFile(file("no/such/folder/x.qrl")));
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_NE(
        prompter.messages[0].find(file("no/such/folder/x.qrl").toStdString()), std::string::npos);
}

TEST_F(GameFileTest, SourceNamesPlacesFifteenMovesToALine) {
    EXPECT_EQ(cTrans::GetLocationName(0), u"A"_s);
    EXPECT_EQ(cTrans::GetLocationName(199), u"H"_s);
    EXPECT_EQ(cTrans::GetLocationName(200), u"1"_s);
    EXPECT_EQ(cTrans::GetLocationName(203), u"4"_s);
    EXPECT_EQ(cTrans::GetLocationName(204), QString());
    EXPECT_EQ(cTrans::GetLocationName(205), u"5"_s);
    EXPECT_EQ(cTrans::GetLocationName(208), u"8"_s);
    BoardBuilder(session.engine).column(0, "KS");
    board().SetLocation(0, 200, kModePlayer, 0, true);
    board().SetLocation(200, 0, kModePlayer, 0, true);
    EXPECT_EQ(trans().CreateSource(), u"A1   1A   "_s);
    for (int i = 0; i < 29; ++i)
        board().SetLocation(i % 2 ? 200 : 0, i % 2 ? 0 : 200, kModePlayer, 0, true);
    const QStringList lines = trans().CreateSource().split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 15 * 5);
    EXPECT_EQ(lines[2], u"A1   "_s);
}

TEST(GameSourceFile, HeaderThenTheSourceText) {
    const QDateTime when(QDate(2026, 12, 5), QTime(9, 8, 7));
    EXPECT_EQ(GameSource::FileText(u"Guest"_s, when, 1000, u"A1   15   "_s),
        QStringLiteral(
            "Quadrell 2000 Source File\r\n*************************\r\n \r\nCreated by   : "
            "Guest\r\n"
            "Created Date : 2026-12-05 09:08:07\r\nGame No      : 1000\r\n \r\nA1   15   \r\n"));
    EXPECT_EQ(GameSource::ProposedName(-3), u"-3 Source"_s);
}

TEST(GameFileParse, ACardIsRefusedWhereItDoesNotStack) {
    // Game 0: the exposed card of column 1 does not stack on that of column 0.
    const auto read = GameFile::Parse(" 0 \r\n49 56 1 1\r\n");
    EXPECT_FALSE(read.game);
    EXPECT_TRUE(read.error.contains(QLatin1String("Entry 1: the card cannot go to 56")))
        << read.error.toStdString();
}

// What the Select Game list shows of a file, from its history alone: the moves the player
// made and the cards home where the history ends (counted here from where the cards lie).
TEST_F(GameFileTest, ASummaryIsTheMovesMadeAndTheCardsHomeWhereTheHistoryEnds) {
    const auto home = [this] {
        int n = 0;
        for (Card c = 0; c < kCardCount; ++c)
            n += isFoundation(board().GetLocation(c)) ? 1 : 0;
        return n;
    };
    const auto summary = [this](const char* name) {
        EXPECT_TRUE(trans().SaveToFile(file(QLatin1String(name))));
        return GameFileSummary::Read(file(QLatin1String(name)));
    };
    session.menu.NewGame(0, false);
    session.menu.Game_Started(false);
    const auto dealt = summary("dealt.qrl");
    ASSERT_TRUE(dealt);
    EXPECT_EQ(std::tuple(dealt->gameNumber, dealt->moves, dealt->cardsHome, dealt->Won()),
        std::tuple(0, 0, 0, false));
    dealAndPlay();
    trans().Undo();
    const auto two = summary("two.qrl"); // the ace of hearts went home by itself
    ASSERT_TRUE(two);
    EXPECT_EQ(std::tuple(two->moves, two->cardsHome, two->Won()), std::tuple(2, 1, false));
    trans().Redo();
    const auto three = summary("three.qrl");
    ASSERT_TRUE(three);
    EXPECT_EQ(std::tuple(three->moves, three->cardsHome), std::tuple(3, home()));
    // Won: the solver's line played through; the moves as the score file counts them.
    session.menu.NewGame(617, false);
    session.menu.Game_Started(false);
    const Solver::Result solved
        = Solver::Solve(board(), Solver::Limits::Nodes(Solver::kDealBudget));
    ASSERT_EQ(solved.verdict, Solver::Verdict::Won);
    for (const SolverMove& move : solved.line)
        ASSERT_TRUE(Solver::Play(session.engine, move));
    const auto won = summary("won.q2k");
    ASSERT_TRUE(won);
    EXPECT_EQ(std::tuple(won->gameNumber, won->moves, won->cardsHome, won->Won()),
        std::tuple(617, static_cast<int>(trans().MoveID()), 52, true));
}

TEST_F(GameFileTest, AFileThatIsNoGameHasNoSummary) {
    ASSERT_TRUE(writeContent(file("text.qrl"), "this is not a game\r\n"));
    ASSERT_TRUE(writeContent(
        file("bad-move.qrl"), " 0 \r\n 0  205  1  1 \r\n")); // a covered card sent home
    for (const char* name : { "text.qrl", "bad-move.qrl", "gone.qrl" })
        EXPECT_FALSE(GameFileSummary::Read(file(QLatin1String(name)))) << name;
}

} // namespace
} // namespace quadrell::test
