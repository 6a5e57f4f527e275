#pragma once

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

namespace quadrell {

// Work run off the window's thread whose answer comes back on it, the latest start's only:
// a new start or Cancel drops the one under way, which stops at its next look at `stop` and
// is never heard. The work holds its own copies, so it may end after its owner is gone.
template <typename T> class LatestTask {
public:
    using Work = std::function<T(const std::atomic<bool>* stop)>;
    using Done = std::function<void(const T&)>;

    // The answer is handed over as an event of `owner`'s.
    explicit LatestTask(QObject* owner) : owner_(owner) { }
    ~LatestTask() { Cancel(); }
    LatestTask(const LatestTask&) = delete;
    LatestTask& operator=(const LatestTask&) = delete;

    void Start(Work work, Done done) {
        Cancel();
        stop_ = std::make_shared<std::atomic<bool>>(false);
        auto* watcher = watcher_ = new QFutureWatcher<T>(owner_);
        QObject::connect(watcher, &QFutureWatcherBase::finished, owner_,
            [this, watcher, done = std::move(done)] {
                if (watcher != watcher_) return;
                watcher_ = nullptr;
                stop_.reset();
                watcher->deleteLater();
                done(watcher->result());
            });
        auto promise = std::make_shared<QPromise<T>>();
        watcher->setFuture(promise->future());
        promise->start();
        QThreadPool::globalInstance()->start([promise, work = std::move(work), stop = stop_] {
            promise->addResult(work(stop.get()));
            promise->finish();
        });
    }

    void Cancel() {
        if (stop_) stop_->store(true);
        stop_.reset();
        if (watcher_) watcher_->deleteLater(); // its work ends on its own, unheard
        watcher_ = nullptr;
    }

    bool Running() const { return watcher_ != nullptr; }

private:
    QObject* owner_;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFutureWatcher<T>* watcher_ = nullptr; // the latest start's
};

} // namespace quadrell
