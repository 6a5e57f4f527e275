#pragma once

#include "Difficulty.h"
#include "LatestTask.h"

#include <QObject>
#include <functional>

namespace quadrell {

// Rates a deal off the window's thread and hands the rating back on it: typing a number
// never waits for a hard deal. A new start or Cancel drops the one under way.
class RatingTask final : public QObject {
    Q_OBJECT
public:
    using Rate = Difficulty::Rater;
    using Done = std::function<void(const Difficulty::Rating&)>;

    explicit RatingTask(QObject* parent = nullptr, Rate rate = &Difficulty::RateDeal);

    void Start(std::int32_t number, Done done);
    void Cancel() { task_.Cancel(); }
    bool Running() const { return task_.Running(); }

    // A class as the player reads it: "Easy", "Not solved", in the player's language.
    static QString Name(Difficulty::Level level);

private:
    Rate rate_;
    LatestTask<Difficulty::Rating> task_ { this };
};

} // namespace quadrell
