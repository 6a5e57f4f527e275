#include "DifficultyDraw.h"

#include "SessionFixture.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quadrell::test {
namespace {

using Level = Difficulty::Level;
using Rated = std::optional<Difficulty::Rating>;

Rated rated(Level level) { return Difficulty::Rating { level, 1, 1 }; }

// Numbers are Easy unless listed; every rating is counted.
struct FakeRatings {
    std::map<qint32, Level> levels;
    std::vector<qint32> rated;
    Rated operator()(qint32 n, const std::atomic<bool>*) {
        rated.push_back(n);
        const auto it = levels.find(n);
        return quadrell::test::rated(it == levels.end() ? Level::Easy : it->second);
    }
};

// Draws the listed numbers in turn, then the last again.
DifficultyDraw::Draw drawing(std::vector<qint32> numbers) {
    return [numbers, next = std::size_t { 0 }](
               qint32) mutable { return numbers.at(std::min(next++, numbers.size() - 1)); };
}

TEST(DifficultyDrawTest, RandomNumbersAreRatedUntilOneIsOfTheClassAndASmallRangeIsSearchedWhole) {
    struct Row {
        const char* what;
        qint32 limit;
        std::vector<qint32> draws;
        std::map<qint32, Level> levels;
        Level asked;
        std::optional<qint32> found;
        std::size_t ratings;
    };
    const Row rows[] {
        { "the first of the class drawn", 40000, { 5, 17, 9 },
            { { 17, Level::Hard }, { 9, Level::Hard } }, Level::Hard, 17, 2 },
        { "none among the tries", 40000, { 5 }, {}, Level::Expert, std::nullopt,
            DifficultyDraw::kTries },
        { "a small range from its drawn start, round its end", 9, { 7 }, { { 3, Level::Medium } },
            Level::Medium, 3, 7 },
        { "a small range holding none: each number once", 9, { 4 }, {}, Level::Hard, std::nullopt,
            10 },
        { "a range of one number", 0, { 0 }, {}, Level::Easy, 0, 1 },
        { "a range of exactly the tries: each number once", DifficultyDraw::kTries - 1, { 4 }, {},
            Level::Hard, std::nullopt, DifficultyDraw::kTries },
    };
    for (const Row& row : rows) {
        FakeRatings ratings { row.levels, {} };
        const DifficultyDraw draw(row.limit, drawing(row.draws), std::ref(ratings));
        EXPECT_EQ(draw.Find(row.asked, {}), row.found) << row.what;
        EXPECT_EQ(ratings.rated.size(), row.ratings) << row.what;
        if (row.limit < DifficultyDraw::kTries) {
            std::set<qint32> distinct(ratings.rated.begin(), ratings.rated.end());
            EXPECT_EQ(distinct.size(), ratings.rated.size()) << row.what;
        }
    }
}

TEST(DifficultyDrawTest, CancellingStopsTheSearch) {
    FakeRatings ratings;
    const DifficultyDraw draw(40000, drawing({ 1, 2, 3, 4, 5 }), std::ref(ratings));
    EXPECT_EQ(draw.Find(Level::Expert, [](std::int64_t done, std::int64_t) { return done < 3; }),
        std::nullopt);
    EXPECT_EQ(ratings.rated, (std::vector<qint32> { 1, 2, 3 }));
}

// The player cancels while a deal is rated: the rating is handed the cancel and stops.
TEST(DifficultyDrawTest, ACancelStopsTheRatingUnderWay) {
    std::atomic<bool> cancelled { false };
    std::vector<const std::atomic<bool>*> stops;
    const DifficultyDraw draw(
        40000, drawing({ 1, 2 }), [&](qint32, const std::atomic<bool>* stop) -> Rated {
            stops.push_back(stop);
            cancelled = true;
            return stop && *stop ? std::nullopt : rated(Level::Easy);
        });
    const Prompter::Progress progress(
        [&](std::int64_t, std::int64_t) { return !cancelled; }, &cancelled);
    EXPECT_EQ(draw.Find(Level::Easy, progress), std::nullopt);
    EXPECT_EQ(stops, (std::vector<const std::atomic<bool>*> { &cancelled }));
}

TEST(DifficultyDrawTest, OnlyTheFourPlayableClassesAreKeptAsAChoice) {
    for (const Level level : { Level::Easy, Level::Medium, Level::Hard, Level::Expert })
        EXPECT_EQ(DifficultyDraw::Asked(Difficulty::Code(level)), level);
    for (const int code : { -1, 0, 5, 6 })
        EXPECT_EQ(DifficultyDraw::Asked(code), std::nullopt) << code;
}

class NewGameOfDifficultyTest : public SessionFixture {
protected:
    NewGameOfDifficultyTest() { session.opt.SetRandomIndex(1); } // 0 to 40000
    void startGame(qint32 n) {
        session.menu.NewGame(n, false);
        session.menu.Game_Started(false);
    }
    // Every number Easy, but one Hard.
    static Rated oneHard(qint32 n, const std::atomic<bool>*) {
        return rated(n == 2024 ? Level::Hard : Level::Easy);
    }
    static Rated allEasy(qint32, const std::atomic<bool>*) { return rated(Level::Easy); }
};

TEST_F(NewGameOfDifficultyTest, TheGameFoundIsDealtAsANewGameAndTheClassRemembered) {
    startGame(5); // ended, its history still there to watch
    session.engine.rules().CardDoubleClicked(48);
    state().gGameActive = false;
    // Left from the game before: a snapshot, and that game only watched.
    session.save.SetSnapShot(true);
    state().gFinishedView = true;
    // Every number is Easy here: the first one drawn is dealt.
    EXPECT_TRUE(session.menu.NewGameOfDifficulty(Level::Easy, &allEasy));
    EXPECT_TRUE(state().gGameActive);
    EXPECT_FALSE(state().gFinishedView); // played, not watched
    EXPECT_FALSE(session.save.SnapShot());
    EXPECT_EQ(trans().TransCount(), 0);
    EXPECT_EQ(session.opt.AskedDifficulty(), 1);
    EXPECT_EQ(prompter.progressLabels,
        (std::vector<std::string> { "Looking for a game of that difficulty..." }));
    session.opt.SetRandomIndex(0); // the range 0..0
    EXPECT_FALSE(session.menu.NewGameOfDifficulty(Level::Hard, &oneHard));
    EXPECT_EQ(prompter.messages.back(),
        "No game of that difficulty was found in the random range of the options (0 to 0).");
    EXPECT_EQ(session.opt.AskedDifficulty(), 3);
}

// Cancel pressed while the range's only number is rated: the rating hears it, and the
// command is cancelled rather than finding none.
TEST_F(NewGameOfDifficultyTest, ACancelDuringTheLastRatingIsACancel) {
    session.opt.SetRandomIndex(0); // the range 0..0
    bool heard = false;
    const auto cancelledMidway = [&](qint32, const std::atomic<bool>* stop) {
        prompter.cancelled = true;
        heard = stop && *stop;
        return heard ? std::nullopt : rated(Level::Easy);
    };
    EXPECT_FALSE(session.menu.NewGameOfDifficulty(Level::Easy, cancelledMidway));
    EXPECT_TRUE(heard);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(state().gGameActive);
    EXPECT_EQ(session.opt.AskedDifficulty(), 0);
}

TEST_F(NewGameOfDifficultyTest, TheGameInPlayIsLeftOnlyOnceAGameIsFoundAndThePlayerAgrees) {
    startGame(77);
    session.opt.SetRandomIndex(0);
    EXPECT_FALSE(session.menu.NewGameOfDifficulty(Level::Hard, &oneHard)); // none: not asked
    EXPECT_TRUE(prompter.questions.empty());
    prompter.cancelAt = 0;
    EXPECT_FALSE(session.menu.NewGameOfDifficulty(Level::Easy, &allEasy)); // cancelled
    EXPECT_TRUE(prompter.questions.empty());
    prompter.cancelAt = INT64_MAX;
    prompter.yes = false;
    EXPECT_FALSE(session.menu.NewGameOfDifficulty(Level::Easy, &allEasy));
    EXPECT_EQ(prompter.questions.size(), 1U);
    EXPECT_EQ(state().gGameNumber, 77);
    prompter.yes = true;
    EXPECT_TRUE(session.menu.NewGameOfDifficulty(Level::Easy, &allEasy));
    EXPECT_EQ(state().gGameNumber, 0);
    EXPECT_TRUE(state().gGameActive);
}

TEST_F(NewGameOfDifficultyTest, AnotherOfThatDifficultyDealsTheClassLastAskedWithTheSolversRating) {
    session.opt.SetAskedDifficulty(2);
    session.menu.SelectType(CommandId::SameDifficulty);
    ASSERT_TRUE(state().gGameActive);
    EXPECT_EQ(Difficulty::RateDeal(state().gGameNumber)->level, Level::Medium);
}

} // namespace
} // namespace quadrell::test
