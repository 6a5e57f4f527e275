#include "DifficultyTally.h"

#include "FaultInjection.h"
#include "RatingsCache.h"
#include "ScoreFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

using Level = Difficulty::Level;
using Tally = DifficultyTally::Tally;

// Game 33 is Easy, 7 Medium, 40 Hard, 89 Expert (their pinned ratings); 12 is not rated.
const RatingsCache::Levels kLevels { { 33, Level::Easy }, { 7, Level::Medium }, { 40, Level::Hard },
    { 89, Level::Expert } };

// Name, time, game, moves, date, per cent, score; 100 per cent is a win.
const QByteArray kScoreFile = "\"Ann\",60,33,80,\"2026-12-01 10:00:00\",100,500\r\n"
                              "\"Ann\",90,33,85,\"2026-12-01 11:00:00\",60,100\r\n"
                              "\"Bob\",70,33,81,\"2026-12-01 12:00:00\",100,450\r\n"
                              "\"Ann\",200,7,95,\"2026-12-02 10:00:00\",100,400\r\n"
                              "\"Bob\",300,40,99,\"2026-12-02 11:00:00\",40,80\r\n"
                              "\"Ann\",500,89,110,\"2026-12-03 10:00:00\",30,50\r\n"
                              "\"Ann\",100,12,90,\"2026-12-03 11:00:00\",100,420\r\n"
                              "\"Bob\",400,89,105,\"2026-12-04 10:00:00\",100,300\r\n";

TEST(DifficultyTallyTest, ACraftedScoreFileCountsAsByHandPerPlayerAndTogether) {
    DifficultyTally tally(ScoreFile::ParseAll(kScoreFile));
    EXPECT_EQ(tally.AddKnown(kLevels), (std::vector<qint32> { 12 }));
    const struct {
        QStringList players;
        DifficultyTally::Classes classes;
        qint64 unrated;
    } rows[] {
        { {}, { Tally { 3, 2 }, Tally { 1, 1 }, Tally { 1, 0 }, Tally { 2, 1 }, Tally {} }, 1 },
        { { "Ann" }, { Tally { 2, 1 }, Tally { 1, 1 }, Tally {}, Tally { 1, 0 }, Tally {} }, 1 },
        { { "Bob" }, { Tally { 1, 1 }, Tally {}, Tally { 1, 0 }, Tally { 1, 1 }, Tally {} }, 0 },
        { { "Nobody" }, {}, 0 },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(tally.Counted().Of(row.players), row.classes)
            << row.players.join(',').toStdString();
        EXPECT_EQ(tally.Counted().UnratedOf(row.players), row.unrated);
    }
    tally.Add(12, Level::NotSolved);
    tally.Add(12, Level::NotSolved); // a number is counted once
    tally.Add(13, Level::Easy);      // nor is a number never played
    EXPECT_EQ(tally.Counted().Of({}).back(), (Tally { 1, 1 }));
    EXPECT_EQ(tally.Counted().Of({}).front(), (Tally { 3, 2 }));
    EXPECT_EQ(tally.Counted().UnratedOf({}), 0);
}

TEST(RatingsCacheTest, WhatIsSavedIsReadBack) {
    QTemporaryDir dir;
    const QString path = RatingsCache::PathFor(dir.filePath(u"Quadrell2000.sre"_s));
    EXPECT_TRUE(path.endsWith(u"Quadrell2000.sre.ratings"_s));
    bool trusted = false;
    EXPECT_TRUE(RatingsCache::Load(path, &trusted).isEmpty());
    EXPECT_TRUE(trusted); // none yet is nothing wrong
    ASSERT_TRUE(RatingsCache::Save(path, kLevels));
    EXPECT_EQ(RatingsCache::Load(path, &trusted), kLevels);
    EXPECT_TRUE(trusted);
}

// A damaged cache, or one of another rule, is read as empty and so rebuilt: a wrong class
// would be shown as a fact.
TEST(RatingsCacheTest, ADamagedCacheOrOneOfAnotherRuleIsNotTrusted) {
    const QByteArray good = RatingsCache::Text(kLevels);
    const auto replaced
        = [&good](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    const std::pair<const char*, QByteArray> rows[] {
        { "a class changed", replaced("\n7 2\n", "\n7 4\n") },
        { "a line gone", replaced("\n40 3\n", "\n") },
        { "a class out of range", replaced("\n40 3\n", "\n40 9\n") },
        { "a class as no class", replaced("\n40 3\n", "\n40 0\n") },
        { "another search", replaced("ratings 42108 ", "ratings 42109 ") },
        { "the first rule's file", replaced("ratings 42108 ", "ratings 1 ") },
        { "other limits", replaced(" 140 460 ", " 140 470 ") },
        { "cut short", good.left(good.size() - 5) },
        { "no end line", good.left(good.lastIndexOf("end ")) },
        { "empty", QByteArray() },
        { "garbage", QByteArray("\x01\x02 not a cache\n") },
    };
    for (const auto& [what, text] : rows) {
        bool trusted = true;
        EXPECT_TRUE(RatingsCache::Parse(text, &trusted).isEmpty()) << what;
        EXPECT_FALSE(trusted) << what;
    }
    bool trusted = false;
    EXPECT_EQ(RatingsCache::Parse(good, &trusted), kLevels);
    EXPECT_TRUE(trusted);
    // Each class in its one stored form, as the settings keep it too: Easy is 1.
    EXPECT_TRUE(good.contains("\n7 2\n33 1\n40 3\n89 4\n"));
}

// A pipe where the cache should be, or a full disk, costs a count again and nothing more: no
// wait on the pipe, the last cache kept whole. (What a write may replace: SafeFileTest.)
TEST(RatingsCacheTest, APipeInItsPlaceOrAFullDiskCostsOnlyACountAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Quadrell2000.sre.ratings"_s);
    ASSERT_TRUE(makeFifo(path));
    bool trusted = true;
    EXPECT_TRUE(RatingsCache::Load(path, &trusted).isEmpty());
    EXPECT_FALSE(trusted);
    EXPECT_FALSE(RatingsCache::Save(path, kLevels));
    QFile::remove(path);
    ASSERT_TRUE(RatingsCache::Save(path, kLevels));
    RatingsCache::Levels more = kLevels;
    for (qint32 n = 1000; n < 3000; ++n)
        more.insert(n, Level::Hard);
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(RatingsCache::Save(path, more));
    }
    EXPECT_EQ(RatingsCache::Load(path), kLevels);
}

} // namespace
} // namespace quadrell::test
