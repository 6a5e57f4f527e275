#pragma once

namespace quadrell {

// The options the rules read. Read at every use: the store is the only copy.
class EngineOptions {
public:
    virtual ~EngineOptions() = default;
    virtual int ShowMessages() const = 0;     // 1: tell the player about an illegal move
    virtual int AllowDoubleClick() const = 0; // 1: a double click sends a card to a cell
    virtual int CardSpeed() const = 0;        // animation steps of an ordinary move
    virtual int FinishByItself() const = 0;   // 1: a game every card of can go home finishes
};

} // namespace quadrell
