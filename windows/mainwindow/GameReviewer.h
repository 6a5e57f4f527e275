#pragma once

#include "dlgReview.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace quadrell {

class BoardWidget;
class Engine;
class cTrans;

// Opens "Review Game" on the game on the board and moves the board to the row the player
// chooses: the history goes there at once, as undo and redo would, and the solver's first
// move from the position before is outlined, as Hint outlines it.
class GameReviewer final : public QObject {
    Q_OBJECT
public:
    // `changed` runs after the board has moved (menus, status bar).
    GameReviewer(Engine& engine, cTrans& trans, BoardWidget& board, QWidget& owner,
        std::function<void()> changed);

    // Closing leaves the game at the row chosen; with `back`, where it was (the finished
    // game's dialog is still open over it).
    void Open(bool back);
    // The review open now, for the tests.
    dlgReview* Showing() const { return showing_; }

private:
    void choose(const dlgReview& dialog, int position);

    Engine& engine_;
    cTrans& trans_;
    BoardWidget& board_;
    QWidget& owner_;
    std::function<void()> changed_;
    QPointer<dlgReview> showing_;
};

} // namespace quadrell
