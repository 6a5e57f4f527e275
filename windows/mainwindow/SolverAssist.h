#pragma once

#include "SolveTask.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class QStatusBar;

namespace quadrell {

class BoardWidget;
class Prompter;
class ReplayControl;
class Engine;
class cMenu;
class cOpt;

// "Hint" and "Show Solution": the solver runs off the window's thread while the window
// stays live; a hint outlines the next move for a moment, a solution plays its line on the
// replay timer through the click rules.
class SolverAssist final : public QObject {
    Q_OBJECT // tr() looks its texts up under this class's name
        public : static constexpr int kHintMs
                 = 1500;

    // `afterStep` runs after each move the solution plays.
    SolverAssist(Engine& engine, cMenu& menu, const cOpt& opt, Prompter& prompter,
        BoardWidget& board, ReplayControl& replay, QStatusBar& status,
        std::function<void()> afterStep);

    void Hint();
    void ShowSolution();
    void StopSolution();
    // A search under way is dropped: the next command changes the position it was for.
    void Cancel();
    bool Solving() const { return task_.Running(); }
    bool PlayingSolution() const { return timer_.isActive(); }

private:
    void start(std::function<void(const Solver::Result&)> done);
    bool reportNoLine(const Solver::Result& result);
    bool assistable() const;
    void tick();

    Engine& engine_;
    cMenu& menu_;
    const cOpt& opt_;
    Prompter& prompter_;
    BoardWidget& board_;
    ReplayControl& replay_;
    QStatusBar& status_;
    std::function<void()> afterStep_;
    SolveTask task_;
    QTimer timer_;
    std::vector<SolverMove> line_;
    std::size_t step_ = 0;
};

} // namespace quadrell
