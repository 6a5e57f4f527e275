#pragma once

#include <QCursor>
#include <QIcon>
#include <memory>

namespace quadrell {

class PictureCache;

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
    MoreAcross, // a menu bar or toolbar too narrow for its entries: the rest, to the right
    MoreDown,   // the same for a toolbar standing upright
};
QIcon Of(Glyph glyph);
// The same, its pixmaps looked for in `pictures` before they are drawn and kept there after.
QIcon Of(Glyph glyph, std::shared_ptr<PictureCache> pictures);
QIcon Program();
QIcon Player();
QCursor MovePointer();
} // namespace Icons

} // namespace quadrell
