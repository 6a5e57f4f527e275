#pragma once

#include "DifficultyTally.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace quadrell {

// Counts the score file's games by difficulty off the window's thread: reads the ratings
// cache, rates every deal it lacks, and writes the cache again, so a million-line score file
// never blocks the window. The window reads the counts as they grow.
class RatingsCount final : public QObject {
    Q_OBJECT
public:
    // A deal's class; none when the count was stopped during its search.
    using Rate = Difficulty::Rater;
    struct Snapshot {
        DifficultyTally::Counts counts;
        qint64 toRate = 0; // deals the cache lacked
        qint64 rated = 0;  // of those, rated so far
        bool done = false;
    };
    static constexpr int kPollMs = 250;
    // Ratings between two writes of the cache, so that a long count killed halfway keeps
    // most of its work.
    static constexpr int kSaveEvery = 100;

    explicit RatingsCount(
        QString cachePath, Rate rate = &Difficulty::RateDeal, QObject* parent = nullptr);
    // Stops the count; what was rated is still written to the cache.
    ~RatingsCount() override;

    void Start(const std::vector<ScoreRec>& records);
    void Stop();
    Snapshot Latest() const;

signals:
    void Changed(); // the counts grew, or the count ended

private:
    struct Shared {
        mutable std::mutex lock;
        Snapshot latest;
        bool changed = false;
        std::atomic<bool> stop { false };
    };
    static void count(
        std::shared_ptr<Shared> shared, std::vector<ScoreRec> records, QString path, Rate rate);
    void poll();

    QString path_;
    Rate rate_;
    std::shared_ptr<Shared> shared_;
    QTimer poll_;
};

} // namespace quadrell
