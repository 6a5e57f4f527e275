#pragma once

#include "HintLine.h"
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
// stays live; a hint outlines the next move and names it in the status bar until the player
// acts, a solution plays its line on the replay timer through the click rules.
class SolverAssist final : public QObject {
    Q_OBJECT

public:
    // The quickest and slowest pace a solution can be set to while it plays.
    static constexpr int kFastestMs = 20;
    static constexpr int kSlowestMs = 3000;
    // How long the new pace is told in the status bar.
    static constexpr int kPaceShownMs = 2500;

    // `afterStep` runs after each move the solution plays.
    SolverAssist(Engine& engine, cMenu& menu, const cOpt& opt, Prompter& prompter,
        BoardWidget& board, ReplayControl& replay, QStatusBar& status,
        std::function<void()> afterStep);

    void Hint();
    void ShowSolution();
    void StopSolution();
    // While a solution plays: a third quicker, half as slow again, or every move left at once.
    void Faster();
    void Slower();
    void ToTheEnd();
    int PaceMs() const { return timer_.interval(); }
    // A search under way is dropped: the next command changes the position it was for.
    void Cancel();
    bool Solving() const { return task_.Running(); }
    bool PlayingSolution() const { return timer_.isActive(); }

private:
    void start(std::function<void(const Solver::Result&)> done);
    void answer(
        const Solver::Result& result, const std::function<void(const Solver::Result&)>& done);
    bool reportNoLine(const Solver::Result& result);
    bool assistable() const;
    void tick();
    void setPace(int ms);

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
    HintLine hint_ { board_, status_ };
    std::vector<SolverMove> line_;
    std::size_t step_ = 0;
};

} // namespace quadrell
