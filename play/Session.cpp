#include "Session.h"

namespace quadrell {

Session::Session(const AppPaths& appPaths, BoardView& view, Prompter& prompter, GameWindow& window,
    ReplayControl& replay)
    : paths(appPaths)
    , store(appPaths.configFolder)
    , opt(store)
    , save(store, appPaths.dataFolder)
    , engine(view, opt, prompter, *this)
    , trans(engine, opt, replay)
    , menu(engine, trans, opt, save, window, replay) { }

void Session::GameWonDetected() {
    // Every automatic-play pass that follows the last king tests again; one win is one dialog.
    if (winPending_) return;
    winPending_ = true;
    if (winHandler_) winHandler_();
}

} // namespace quadrell
