#include "RatingTask.h"

#include <QCoreApplication>

namespace quadrell {

RatingTask::RatingTask(QObject* parent, Rate rate) : QObject(parent), rate_(std::move(rate)) { }

void RatingTask::Start(std::int32_t number, Done done) {
    task_.Start(
        [rate = rate_, number](const std::atomic<bool>* stop) { return rate(number, stop); },
        std::move(done));
}

QString RatingTask::Name(Difficulty::Level level) {
    return QCoreApplication::translate("Difficulty", Difficulty::EnglishName(level));
}

} // namespace quadrell
