#pragma once

#include <QObject>
#include <QString>

class QStatusBar;

namespace quadrell {

// Says in the status bar, once, when every card left can go home, and the key that sends
// them: with the defaults nothing finishes by itself, and a player would not know.
class FinishNotice final : public QObject {
    Q_OBJECT
public:
    explicit FinishNotice(QStatusBar& status, QObject* parent = nullptr);

    // After each refresh of the commands: whether Finish is offered, and its key.
    void Update(bool possible, const QString& key);

private:
    QStatusBar& status_;
    bool offered_ = false;
    QString line_;
};

} // namespace quadrell
