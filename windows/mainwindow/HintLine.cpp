#include "HintLine.h"

#include "BoardWidget.h"

#include <QStatusBar>

namespace quadrell {

HintLine::HintLine(BoardWidget& board, QStatusBar& status, QObject* parent)
    : QObject(parent)
    , board_(board)
    , status_(status) {
    connect(&board_, &BoardWidget::HintCleared, this, [this] {
        if (!shown_.isEmpty() && status_.currentMessage() == shown_) status_.clearMessage();
        shown_.clear();
    });
}

void HintLine::Show(Loc source, Loc target, const QString& line) {
    shown_ = line.arg(board_.ShowHint(source, target));
    status_.showMessage(shown_);
}

} // namespace quadrell
