#include "SolveTask.h"

#include <QMetaObject>

namespace quadrell {

SolveTask::~SolveTask() { stop(); }

void SolveTask::stop() {
    // Told to stop before it is waited for: a search may otherwise run for its whole budget.
    if (cancel_) cancel_->store(true);
    if (worker_.joinable()) worker_.join();
}

void SolveTask::Cancel() {
    if (cancel_) cancel_->store(true);
    running_ = false;
}

void SolveTask::Start(const cGame& board, Done done, Solver::Limits limits) {
    stop();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    limits.cancel = cancel_.get();
    running_ = true;
    cGame copy = board;
    copy.Attach(nullptr); // the copy only answers questions about its places
    worker_ = std::thread([this, copy, limits, done = std::move(done), keep = cancel_]() {
        Solver::Result result = Solver::Solve(copy, limits);
        if (keep->load()) return;
        QMetaObject::invokeMethod(
            this,
            [this, result, keep, done] {
                // Only the latest solve (its stop flag is the one held), and only while nobody
                // cancelled it, is answered.
                if (keep != cancel_ || !running_) return;
                running_ = false;
                done(result);
            },
            Qt::QueuedConnection);
    });
}

} // namespace quadrell
