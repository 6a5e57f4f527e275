#pragma once

#include "Card.h"

namespace quadrell {

class Engine;

// Safe cards go up to the foundations by themselves after every recorded move.
class AutoPlayer {
public:
    explicit AutoPlayer(Engine& engine) : engine_(engine) { }

    // One pass over the exposed cards of columns 0..7, then cells 0..3. Every automatic
    // move is itself a recorded step and so runs a complete pass of its own, nested.
    void AutoPlay();
    void TryAutoMove(Loc location);
    void CheckGameWon();

    // Every card left can go home by foundation moves alone.
    bool CanFinish() const;
    // "Finish": sends them home, animated; one move, the automatic moves' way of undoing.
    void Finish();

private:
    Engine& engine_;
    int depth_ = 0; // passes under way, nested
    bool finishing_ = false;
};

} // namespace quadrell
