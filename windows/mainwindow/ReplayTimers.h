#pragma once

#include "GameWindow.h"

#include <QTimer>
#include <functional>

namespace quadrell {

// The replay's two timers, forwards and backwards, one history group a tick at the interval
// the options set, and the "Sto&p" entry's state.
class ReplayTimers final : public ReplayControl {
public:
    ReplayTimers();

    // `tick(forward)` plays one step; `stopEnabled` is told when Stop becomes usable or not;
    // `stopping` runs before a playback is stopped (a solution being shown stops too).
    void SetHandlers(std::function<void(bool forward)> tick,
        std::function<void(bool enabled)> stopEnabled, std::function<void()> stopping);
    void SetInterval(int milliseconds);

    void SetForward(bool running) override;
    void SetBackward(bool running) override;
    void SetStopEnabled(bool enabled) override;
    bool ForwardRunning() const override { return forward_.isActive(); }
    bool BackwardRunning() const override { return backward_.isActive(); }
    int Interval(bool forward) const { return (forward ? forward_ : backward_).interval(); }
    void StopPlayback() override;

private:
    QTimer forward_;
    QTimer backward_;
    std::function<void(bool)> tick_;
    std::function<void(bool)> stopEnabled_;
    std::function<void()> stopping_;
};

} // namespace quadrell
