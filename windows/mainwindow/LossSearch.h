#pragma once

#include "HintLine.h"
#include "LatestTask.h"
#include "LossFinder.h"

#include <QObject>

class QStatusBar;

namespace quadrell {

class BoardWidget;
class Engine;
class Prompter;
class cMenu;
class cTrans;

// "Where Was It Lost?": finds off the window's thread the move after which the deal could
// no longer be won, then takes the game back to just before it with the move outlined, so
// the player can try again from there.
class LossSearch final : public QObject {
    Q_OBJECT
public:
    LossSearch(Engine& engine, cTrans& trans, cMenu& menu, BoardWidget& board, Prompter& prompter,
        QStatusBar& status, QObject* parent = nullptr);

    void Start();
    void Cancel();
    bool Running() const { return task_.Running(); }

private:
    void show(const LossFinder::Finding& found, const std::vector<TransRecord>& played);

    Engine& engine_;
    cTrans& trans_;
    cMenu& menu_;
    BoardWidget& board_;
    Prompter& prompter_;
    QStatusBar& status_;
    HintLine line_ { board_, status_ };
    LatestTask<LossFinder::Finding> task_ { this };
};

} // namespace quadrell
