#include "BoardKeys.h"

#include "KeyboardPlay.h"

#include <QKeyEvent>

namespace quadrell {

bool BoardKeys::Apply(const QKeyEvent& event, KeyboardPlay& keyboard) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier;
    using Step = KeyboardPlay::Step;
    switch (event.key()) {
    case Qt::Key_Left:
        return plain && (keyboard.Go(Step::Left), true);
    case Qt::Key_Right:
        return plain && (keyboard.Go(Step::Right), true);
    case Qt::Key_Up:
        return plain && (keyboard.Go(Step::Up), true);
    case Qt::Key_Down:
        return plain && (keyboard.Go(Step::Down), true);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods == Qt::ShiftModifier) {
            keyboard.ActivateTwice();
            return true;
        }
        [[fallthrough]];
    case Qt::Key_Space:
        return plain && (keyboard.Activate(), true);
    case Qt::Key_Escape:
        return plain && (keyboard.ClearSelection(), true);
    default:
        return false;
    }
}

} // namespace quadrell
