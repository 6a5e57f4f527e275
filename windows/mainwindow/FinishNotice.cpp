#include "FinishNotice.h"

#include <QStatusBar>

namespace quadrell {

FinishNotice::FinishNotice(QStatusBar& status, QObject* parent)
    : QObject(parent)
    , status_(status) { }

void FinishNotice::Update(bool possible, const QString& key) {
    if (possible == offered_) return;
    offered_ = possible;
    if (possible) {
        line_ = tr("Every card left can go home: Finish (%1) sends them.").arg(key);
        status_.showMessage(line_);
    } else if (status_.currentMessage() == line_) { // moved on: the line no longer holds
        status_.clearMessage();
    }
}

} // namespace quadrell
