#pragma once

#include <functional>

namespace quadrell {

// A won game waiting for its finished-game dialog: raised once by the win, taken once by
// the dialog's answer, so that no nested event loop can record the game twice.
class WinLatch {
public:
    // Runs when the latch is raised (the window opens the dialog from here).
    void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    void Raise() {
        pending_ = true;
        if (handler_) handler_();
    }
    bool Pending() const { return pending_; }
    // True once per win: the answer that takes it is the one that records the game.
    bool Take() {
        const bool was = pending_;
        pending_ = false;
        return was;
    }

private:
    std::function<void()> handler_;
    bool pending_ = false;
};

} // namespace quadrell
