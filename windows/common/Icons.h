#pragma once

#include <QCursor>
#include <QIcon>

namespace quadrell {

// The program's icons, painted from vectors at every size asked for, so they are crisp on
// any screen: the commands, the folders and games of the lists, the program, the player,
// the move pointer.
namespace Icons {
enum class Glyph {
    NewGame,
    SelectGame,
    RestartGame,
    OpenGame,
    SaveGame,
    Undo,
    Redo,
    UndoAll,
    RedoAll,
    Back,
    Forward,
    Stop,
    Finish,
    AddFavourite,
    OrganizeFavourites,
    OpenFavourite,
    Options,
    ScoreBoard,
    Help,
    ClosedFolder,
    OpenFolder,
    IncompleteGame,
    FinishedGame,
};
QIcon Of(Glyph glyph);
QIcon Program();
QIcon Player();
QCursor MovePointer();
} // namespace Icons

} // namespace quadrell
