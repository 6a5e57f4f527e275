#include "AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quadrell {

namespace {

class PaintWatch final : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<void()> work)
        : QObject(widget)
        , work_(std::move(work)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint in progress has finished.
            QTimer::singleShot(0, watched, std::move(work_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void AfterFirstPaint(QWidget* widget, std::function<void()> work) {
    new PaintWatch(widget, std::move(work));
}

} // namespace quadrell
