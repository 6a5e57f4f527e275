#include "StepPacer.h"

#include <QApplication>
#include <QEvent>
#include <QThread>
#include <QWidget>

namespace quadrell {

namespace {

enum class Input { None, Asks, Follows };

// Input that asks for something lands the move in progress at once; input that only follows
// on from it (a release, a pointer moving) is held with it.
Input inputOf(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::Close:
        return Input::Asks;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::KeyRelease:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return Input::Follows;
    default:
        return Input::None;
    }
}

} // namespace

StepPacer::StepPacer(QObject* parent) : QObject(parent) {
    // A timer, not a queued call: it waits for the end of the turn's moves like every other.
    handOn_.setSingleShot(true);
    handOn_.setInterval(0);
    connect(&handOn_, &QTimer::timeout, this, &StepPacer::handOn);
}

bool StepPacer::WaitUntil(const QElapsedTimer& clock, qint64 ms) {
    // Nested waits (a queued call that moves cards mid-move) share the one filter.
    if (waiting_++ == 0) qApp->installEventFilter(this);
    for (;;) {
        // Timers and sockets are left for later: a replay step, a file handed over by a
        // second copy or the turn's announcement would otherwise start mid-move.
        QCoreApplication::processEvents(
            QEventLoop::X11ExcludeTimers | QEventLoop::ExcludeSocketNotifiers);
        const qint64 left = ms - clock.elapsed();
        if (hurried_ || left <= 0) break;
        QThread::msleep(static_cast<unsigned long>(left));
    }
    if (--waiting_ == 0) qApp->removeEventFilter(this);
    return !hurried_;
}

bool StepPacer::eventFilter(QObject* watched, QEvent* event) {
    if (waiting_ == 0) return false;
    const Input input = inputOf(event->type());
    if (input == Input::None) return false;
    if (input == Input::Asks) hurried_ = true;
    // The window stays until the close is handed on.
    if (event->type() == QEvent::Close) event->ignore();
    hold(watched, *event);
    return true;
}

void StepPacer::hold(QObject* receiver, const QEvent& event) {
    if (held_.empty()) modal_ = QApplication::activeModalWidget();
    held_.push_back({ receiver, std::unique_ptr<QEvent>(event.clone()) });
    handOn_.start();
}

void StepPacer::handOn() {
    hurried_ = false;
    std::vector<HeldEvent> held = std::exchange(held_, {});
    if (QApplication::activeModalWidget() != modal_) return;
    for (HeldEvent& h : held)
        if (h.receiver) QCoreApplication::postEvent(h.receiver, h.event.release());
}

} // namespace quadrell
