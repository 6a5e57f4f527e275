#include "SolverAssist.h"

#include "BoardWidget.h"
#include "Engine.h"
#include "GameWindow.h"
#include "Prompter.h"
#include "cMenu.h"
#include "cOpt.h"

#include <QApplication>
#include <QStatusBar>
#include <algorithm>

namespace quadrell {

SolverAssist::SolverAssist(Engine& engine, cMenu& menu, const cOpt& opt, Prompter& prompter,
    BoardWidget& board, ReplayControl& replay, QStatusBar& status, std::function<void()> afterStep)
    : engine_(engine)
    , menu_(menu)
    , opt_(opt)
    , prompter_(prompter)
    , board_(board)
    , replay_(replay)
    , status_(status)
    , afterStep_(std::move(afterStep)) {
    connect(&timer_, &QTimer::timeout, this, &SolverAssist::tick);
}

bool SolverAssist::assistable() const {
    const GameState& s = engine_.state();
    return s.gGameActive && !s.gFinishedView;
}

void SolverAssist::start(std::function<void(const Solver::Result&)> done) {
    Cancel();
    task_.Start(
        engine_.state().gBoard, [this, done = std::move(done)](const Solver::Result& result) {
            QApplication::restoreOverrideCursor();
            status_.clearMessage();
            answer(result, done);
        });
    // A search that takes a while shows that it is busy.
    QTimer::singleShot(300, this, [this] {
        if (!task_.Running()) return;
        QApplication::setOverrideCursor(Qt::BusyCursor);
        status_.showMessage(tr("Looking for a winning line..."));
    });
}

void SolverAssist::answer(
    const Solver::Result& result, const std::function<void(const Solver::Result&)>& done) {
    // A hint is for the position the moves being drawn leave.
    board_.WhenStill(this, [result, done] { done(result); });
}

void SolverAssist::Cancel() {
    if (!task_.Running()) return;
    task_.Cancel();
    if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    status_.clearMessage();
}

bool SolverAssist::reportNoLine(const Solver::Result& result) {
    if (result.verdict == Solver::Verdict::Won && !result.line.empty()) return false;
    if (result.verdict == Solver::Verdict::Lost) {
        prompter_.Message(tr("This game can no longer be won from here.\r\nUndo can take "
                             "you back to a position that can.")
                              .toStdString(),
            MessageIcon::Information, kAppTitle);
    } else if (result.verdict == Solver::Verdict::Unknown) {
        prompter_.Message(tr("No winning line was found in the time allowed.").toStdString(),
            MessageIcon::Information, kAppTitle);
    }
    return true;
}

void SolverAssist::Hint() {
    if (!assistable()) return;
    start([this](const Solver::Result& result) {
        if (reportNoLine(result)) return;
        hint_.Show(result.line.front().source, result.line.front().target, tr("Hint: %1"));
    });
}

void SolverAssist::ShowSolution() {
    // Never while a solution plays: that game was given up and is only watched.
    if (!assistable()) return;
    start([this](const Solver::Result& result) {
        if (reportNoLine(result)) return;
        // Only a game given up is shown its way out: a solution is never a scored win.
        if (!prompter_.Question(tr("Showing the solution gives this game up: it is "
                                   "recorded as lost.\r\nDo you want to give it up ?")
                                    .toStdString(),
                kAppTitle, MessageIcon::Question))
            return;
        menu_.GiveUpAndWatch();
        line_ = result.line;
        step_ = 0;
        timer_.setInterval(opt_.SolutionSpeed() * 10);
        timer_.start();
        replay_.SetStopEnabled(true);
    });
}

void SolverAssist::StopSolution() {
    if (!timer_.isActive()) return;
    timer_.stop();
    replay_.SetStopEnabled(false);
}

void SolverAssist::Faster() { setPace(timer_.interval() * 2 / 3); }
void SolverAssist::Slower() { setPace(timer_.interval() * 3 / 2); }

void SolverAssist::setPace(int ms) {
    if (!timer_.isActive()) return;
    timer_.setInterval(std::clamp(ms, kFastestMs, kSlowestMs));
    status_.showMessage(
        tr("Show Solution: %1 s between moves").arg(timer_.interval() / 1000.0, 0, 'f', 2),
        kPaceShownMs);
}

void SolverAssist::ToTheEnd() {
    board_.SetInstantMoves(true);
    while (timer_.isActive()) // each move stops it after the last, or one that would not play
        tick();
    board_.SetInstantMoves(false); // each move has asked for its own repaint
}

void SolverAssist::tick() {
    const bool played = step_ < line_.size() && engine_.state().gGameActive
        && Solver::Play(engine_, line_[step_]);
    ++step_;
    if (!played || step_ >= line_.size()) StopSolution();
    afterStep_();
}

} // namespace quadrell
