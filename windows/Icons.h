#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

namespace quadrell {

// The program's icons, painted from vectors at every size asked for, so they are crisp on
// any screen: toolbar commands by key, the program, the player, the move pointer.
namespace Icons {
// A toolbar or menu command by its key ("New", "Undo", "ReplayStop", ...).
QIcon Command(const QString& key);
QIcon Program();
QIcon Player();
QCursor MovePointer();
} // namespace Icons

} // namespace quadrell
