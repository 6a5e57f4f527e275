#pragma once

#include "Card.h"
#include "SolveTask.h"

#include <QObject>
#include <array>

class QLabel;

namespace quadrell {

class cOpt;
struct GameState;

// "Can It Be Won": beside the clock, whether the position in play can still be won, from a
// search in the background after every move. The search has a node budget, so it never
// slows play and answers the same on any machine, and the next move cancels it.
class WinnableWatch final : public QObject {
    Q_OBJECT
public:
    // Enough for nearly every position in a moment; beyond it the answer is "not known".
    static constexpr long kNodeBudget = 300'000;

    WinnableWatch(
        const GameState& state, const cOpt& opt, QLabel& label, QObject* parent = nullptr);

    // The option or the position may have changed: search again when the position did.
    void Update();

private:
    using Places = std::array<Loc, kCardCount>;
    Places places() const;
    void show(const QString& text);

    const GameState& state_;
    const cOpt& opt_;
    QLabel& label_;
    SolveTask task_;
    Places searched_ {};
    bool any_ = false; // something searched since the watch was last off
};

} // namespace quadrell
