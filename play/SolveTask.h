#pragma once

#include "Solver.h"
#include "cGame.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace quadrell {

// Runs the solver on a copy of the board off the user-interface thread and hands the
// answer back on it. A new start or Cancel stops the one under way.
class SolveTask final : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const Solver::Result&)>;

    explicit SolveTask(QObject* parent = nullptr) : QObject(parent) { }
    ~SolveTask() override;

    void Start(const cGame& board, Done done, Solver::Limits limits = {});
    void Cancel();
    bool Running() const { return running_; }

private:
    void stop();

    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool running_ = false;
};

} // namespace quadrell
