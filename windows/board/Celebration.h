#pragma once

#include "Card.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace quadrell {

class BoardWidget;

// A won game's moment on the board: the cards leap from their foundations, one after
// another, and bounce away. It lasts at most three seconds; a click or a key ends it early.
class Celebration final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDurationMs = 3000;
    static constexpr int kFrameMs = 16; // about 60 frames a second
    static constexpr int kLaunchMs = 33;

    explicit Celebration(BoardWidget& board);

    // Over the board from now; `done` runs once it has ended by itself or been skipped.
    void Start(std::function<void()> done);
    // Ends it at once without `done`: whatever closes the won game has come first.
    void Stop();
    // While its frames come: a moment left running unseen would wake the program for ever.
    bool Running() const { return timer_.isActive(); }
    // Shows the moment `ms` after the start; from the last moment on, it ends.
    void Frame(qint64 ms);
    // The cards in the air at the current moment.
    int CardsInFlight() const;
    // How far the card that leapt `order`-th (0 for the first) has come from its foundation.
    QPointF Travelled(int order) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Flight {
        QPixmap face;
        QPointF from;     // its foundation's corner, in pixels
        QPointF velocity; // pixels a second, at the start
        qint64 launchMs;
    };
    QPointF where(const Flight& flight, double seconds) const;
    void end();

    BoardWidget& board_;
    std::vector<Flight> flights_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 now_ = 0;
    std::function<void()> done_;
};

} // namespace quadrell
