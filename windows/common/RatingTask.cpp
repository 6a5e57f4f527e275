#include "RatingTask.h"

#include <QCoreApplication>

namespace quadrell {

RatingTask::RatingTask(QObject* parent, Rate rate) : QObject(parent), rate_(std::move(rate)) { }

void RatingTask::Start(std::int32_t number, Done done) {
    task_.Start(
        // A rating stopped is dropped with its task: it is never handed back.
        [rate = rate_, number](const std::atomic<bool>* stop) {
            return rate(number, stop).value_or(Difficulty::Rating {});
        },
        std::move(done));
}

QString RatingTask::Name(Difficulty::Level level) {
    return QCoreApplication::translate("Difficulty", Difficulty::Name(level));
}

} // namespace quadrell
