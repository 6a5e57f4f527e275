#pragma once

#include "Card.h"

#include <QObject>
#include <QString>

class QStatusBar;

namespace quadrell {

class BoardWidget;

// A move outlined on the board with a status-bar line naming it: both stay until the player
// acts (a move, a selection, a deal), then go together. Another line shown in between is
// left alone.
class HintLine final : public QObject {
    Q_OBJECT
public:
    HintLine(BoardWidget& board, QStatusBar& status, QObject* parent = nullptr);

    // `line` holds "%1" for the move in words ("Hint: %1").
    void Show(Loc source, Loc target, const QString& line);

private:
    BoardWidget& board_;
    QStatusBar& status_;
    QString shown_;
};

} // namespace quadrell
