#include "RatingTask.h"

#include <QtConcurrent/QtConcurrentRun>

namespace quadrell {

RatingTask::RatingTask(QObject* parent, Rate rate) : QObject(parent), rate_(std::move(rate)) { }

void RatingTask::Cancel() {
    if (cancel_) cancel_->store(true);
    cancel_.reset();
    if (watcher_) watcher_->deleteLater(); // its search ends on its own, unheard
    watcher_ = nullptr;
}

void RatingTask::Start(std::int32_t number, Done done) {
    Cancel();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    auto* watcher = watcher_ = new QFutureWatcher<Difficulty::Rating>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, done = std::move(done)] {
        if (watcher != watcher_) return;
        watcher_ = nullptr;
        cancel_.reset();
        watcher->deleteLater();
        done(watcher->result());
    });
    // The search holds its own copies: the task may be gone before it ends.
    watcher->setFuture(QtConcurrent::run(
        [rate = rate_, number, stop = cancel_] { return rate(number, stop.get()); }));
}

QString RatingTask::Name(Difficulty::Level level) {
    return QCoreApplication::translate("Difficulty", Difficulty::EnglishName(level));
}

} // namespace quadrell
