#pragma once

#include "Difficulty.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

namespace quadrell {

// Rates a deal off the window's thread and hands the rating back on it: typing a number
// never waits for a hard deal. A new start or Cancel drops the one under way, which stops
// at its next check.
class RatingTask final : public QObject {
    Q_OBJECT
public:
    using Rate = std::function<Difficulty::Rating(std::int32_t, const std::atomic<bool>*)>;
    using Done = std::function<void(const Difficulty::Rating&)>;

    explicit RatingTask(QObject* parent = nullptr, Rate rate = &Difficulty::RateDeal);
    ~RatingTask() override { Cancel(); }

    void Start(std::int32_t number, Done done);
    void Cancel();
    bool Running() const { return watcher_ != nullptr; }

    // A class as the player reads it: "Easy", "Not solved", in the player's language.
    static QString Name(Difficulty::Level level);

private:
    Rate rate_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QFutureWatcher<Difficulty::Rating>* watcher_ = nullptr; // the latest start's
};

} // namespace quadrell
