#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace quadrell {

// With QUADRELL_STARTUP_PROBE set, the program reports how long it took from its start to
// the first painted board, and its memory then, and quits: the start-up benchmark.
class StartupProbe final : public QObject {
public:
    StartupProbe();
    void Watch(QWidget* board);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock_;
    bool enabled_ = false;
};

} // namespace quadrell
