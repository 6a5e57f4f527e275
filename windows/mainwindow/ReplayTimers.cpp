#include "ReplayTimers.h"

namespace quadrell {

ReplayTimers::ReplayTimers() {
    QObject::connect(&forward_, &QTimer::timeout, [this] {
        if (tick_) tick_(true);
    });
    QObject::connect(&backward_, &QTimer::timeout, [this] {
        if (tick_) tick_(false);
    });
}

void ReplayTimers::SetHandlers(std::function<void(bool)> tick,
    std::function<void(bool)> stopEnabled, std::function<void()> stopping) {
    tick_ = std::move(tick);
    stopEnabled_ = std::move(stopEnabled);
    stopping_ = std::move(stopping);
}

void ReplayTimers::SetInterval(int milliseconds) {
    forward_.setInterval(milliseconds);
    backward_.setInterval(milliseconds);
}

void ReplayTimers::SetForward(bool running) { running ? forward_.start() : forward_.stop(); }
void ReplayTimers::SetBackward(bool running) { running ? backward_.start() : backward_.stop(); }

void ReplayTimers::SetStopEnabled(bool enabled) {
    if (stopEnabled_) stopEnabled_(enabled);
}

void ReplayTimers::StopPlayback() {
    if (stopping_) stopping_();
    ReplayControl::StopPlayback();
}

} // namespace quadrell
