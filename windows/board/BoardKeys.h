#pragma once

class QKeyEvent;

namespace quadrell {

class KeyboardPlay;

// The keys that play on the board: the arrows move the cursor, Space or Enter clicks at it,
// Shift+Enter double-clicks, Escape lets go of the selection. Any other key, or one of these
// with another modifier, is left to the window's shortcuts.
class BoardKeys {
public:
    // True when the key was one of them and has been applied.
    static bool Apply(const QKeyEvent& event, KeyboardPlay& keyboard);
};

} // namespace quadrell
