#include "BoardKeys.h"

#include "Card.h"
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
    case Qt::Key_Home:
        return plain && (keyboard.SendHome(), true);
    case Qt::Key_C:
        return plain && (keyboard.NextCell(), true);
    case Qt::Key_F:
        return plain && (keyboard.NextFoundation(), true);
    default:
        // 1 to 8: that column, played as a click.
        if (plain && event.key() >= Qt::Key_1 && event.key() < Qt::Key_1 + kColumns) {
            keyboard.PlayColumn(event.key() - Qt::Key_1);
            return true;
        }
        return false;
    }
}

} // namespace quadrell
