#include "WonGame.h"

#include "BoardWidget.h"
#include "Celebration.h"
#include "FinishFlow.h"
#include "Session.h"
#include "SessionDialogs.h"
#include "dlgFinish.h"

#include <QAccessible>
#include <QScopedValueRollback>
#include <QTimer>

namespace quadrell {

WonGame::WonGame(Session& session, BoardWidget& board, QWidget& owner, std::function<void()> after,
    std::function<void()> review)
    : session_(session)
    , owner_(owner)
    , after_(std::move(after))
    , review_(std::move(review))
    , celebration_(new Celebration(board)) { }

void WonGame::Celebrate() {
    // Not for players who asked for less motion, nor with the animation turned down.
    const bool still = session_.opt.ReduceMotion() == 1 || session_.opt.CardSpeed() <= 1;
    if (finishShown_) return; // the dialog came first
    if (!session_.win.Pending()) return ShowFinish();
    // Without the moment, a screen reader still gets to say the winning move: a dialog that
    // opens at once is spoken in its place (the reader drops a focus from a window that is
    // no longer active). Without one, the dialog opens at once.
    if (still)
        return QTimer::singleShot(
            QAccessible::isActive() ? kSpokenMs : 0, &owner_, [this] { ShowFinish(); });
    celebration_->Start([this] { ShowFinish(); });
}

void WonGame::ShowFinish() {
    celebration_->Stop(); // whatever closes the won game ends its celebration first
    // Once: a command or a handed-over file arriving while the dialog is open waits for it.
    if (!session_.win.Pending() || finishShown_) return;
    const QScopedValueRollback<bool> shown(finishShown_, true);
    dlgFinish finish = SessionDialogs::Finish(session_, &owner_, review_);
    finish.exec();
    if (after_) after_();
}

} // namespace quadrell
