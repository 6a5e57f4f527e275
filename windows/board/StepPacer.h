#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace quadrell {

// Paces a move's steps on the window's thread without shutting the player out: a click or
// key during a move is held back, the move lands at once, and the input is handed on once the
// turn's moves are over, as if it came after them. Timers wait until then too, so that nothing
// (a replay step, the turn's announcement) starts in the middle of a move.
class StepPacer final : public QObject {
public:
    explicit StepPacer(QObject* parent = nullptr);

    // Paints and answers the window system until `ms` after `clock` started. False as soon
    // as the player has pressed something: the move is to land at once.
    bool WaitUntil(const QElapsedTimer& clock, qint64 ms);
    // The player pressed something during this turn: the turn's other moves land at once.
    bool Hurried() const { return hurried_; }
    // How many events are held back to be handed on.
    std::size_t Held() const { return held_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct HeldEvent {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    void hold(QObject* receiver, const QEvent& event);
    void handOn();

    std::vector<HeldEvent> held_;
    // The modal window in front when the input came: input for a window that a dialog
    // opened by the move now covers is dropped, never slipped past the dialog.
    QPointer<QWidget> modal_;
    QTimer handOn_;
    int waiting_ = 0; // the waits under way, one inside another at most rarely
    bool hurried_ = false;
};

} // namespace quadrell
