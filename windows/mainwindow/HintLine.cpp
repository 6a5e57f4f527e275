#include "HintLine.h"

#include "BoardWidget.h"

#include <QStatusBar>

namespace quadrell {

HintLine::HintLine(BoardWidget& board, QStatusBar& status, QObject* parent)
    : QObject(parent)
    , board_(board)
    , status_(status) {
    // Only the hint itself: a message shown since stays.
    connect(&board_, &BoardWidget::HintCleared, this, [this] {
        if (status_.currentMessage() == shown_) status_.clearMessage();
    });
}

void HintLine::Show(Loc source, Loc target, const QString& line) {
    shown_ = line.arg(board_.ShowHint(source, target));
    status_.showMessage(shown_);
}

} // namespace quadrell
