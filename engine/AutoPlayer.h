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

private:
    Engine& engine_;
};

} // namespace quadrell
