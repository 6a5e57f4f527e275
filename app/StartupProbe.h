#pragma once

#include <QElapsedTimer>
#include <QString>

class QWidget;

namespace quadrell {

// With QUADRELL_STARTUP_PROBE set, the program reports how long it took from its start to
// the first painted board, its memory then and the size of the help it carries, and quits:
// the start-up benchmark, and the check that an installed copy starts.
class StartupProbe final {
public:
    StartupProbe();
    void Watch(QWidget* board);
    // The language the program speaks, reported with the rest.
    void Language(QString language) { language_ = std::move(language); }

private:
    void report() const;

    QElapsedTimer clock_;
    bool enabled_ = false;
    QString language_;
};

} // namespace quadrell
