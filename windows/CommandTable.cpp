// The one table of the program's commands.
#include "CommandTable.h"

#include "frmMain.h"

namespace quadrell {

namespace {

using G = Icons::Glyph;
using R = Command::Route;

bool gameOpen(const CommandState& s) { return s.game.restart; }
bool gameInPlay(const CommandState& s) { return s.game.snapshot; }
bool solutionFree(const CommandState& s) { return s.game.snapshot && !s.solutionPlaying; }
bool undoToSnapshot(const CommandState& s) { return s.game.undoToSnapshot; }
bool replayAll(const CommandState& s) { return s.game.replayAll; }
bool undo(const CommandState& s) { return s.game.undo; }
bool redo(const CommandState& s) { return s.game.redo; }
bool undoAll(const CommandState& s) { return s.game.undoAll; }
bool redoAll(const CommandState& s) { return s.game.redoAll; }
bool stop(const CommandState& s) { return s.stop; }

enum Menu { Game, Edit, View, Replay, Favorites, Go, Help };

const MenuInfo kMenus[] = {
    { "&Game", "mnuGame", 0, "" },
    { "&Edit", "mnuEdit", 1, "Edit" },
    { "&View", "mnuView", 2, "View" },
    { "&Replay", "mnuReplay", 3, "Replay" },
    { "&Favorites", "mnuFav", 4, "Favorites" },
    { "G&o", "mnuGo", 0, "" },
    { "&Help", "mnuHelp", 5, "Help" },
};

} // namespace

const char* const CommandTable::kPanelNames[4]
    = { "Total Moves", "Cards Left", "Possible Moves", "Session Time" };

// The window-routed rows name frmMain's own handlers, hence the rows live in this member.
std::span<const Command> CommandTable::Commands() {
    // In menu order; the Game menu's two recent lists follow "Close Game".
    // clang-format off
    static const Command kCommands[] = {
        { .key = "New", .menu = Game, .control = "mnuNew", .caption = "&New Game", .shortcut = "F2",
            .button = 1, .tip = "New Game", .glyph = G::NewGame, .route = R::Game },
        { .key = "Select", .menu = Game, .control = "mnuSelect", .caption = "&Select Game..",
            .shortcut = "F3", .button = 2, .tip = "Select Game", .glyph = G::SelectGame,
            .route = R::Game },
        { .key = "Restart", .menu = Game, .control = "mnuRestart", .caption = "&Restart Game",
            .button = 3, .tip = "Restart Game", .listName = "Restart Game ",
            .glyph = G::RestartGame, .route = R::Game, .enabled = gameOpen },
        { .key = "Open", .menu = Game, .control = "mnuOpen", .caption = "&Open Game",
            .shortcut = "Ctrl+O", .gapBefore = true, .button = 5, .tip = "Open Game",
            .glyph = G::OpenGame, .route = R::Game },
        { .key = "Save", .menu = Game, .control = "mnuSave", .caption = "&Save Game",
            .shortcut = "Ctrl+S", .button = 6, .tip = "Save Game", .glyph = G::SaveGame,
            .enabled = gameOpen },
        { .key = "Close", .menu = Game, .control = "mnuClose", .caption = "&Close Game",
            .route = R::Window, .handler = &frmMain::closeGame, .enabled = gameOpen },
        { .key = "Exit", .menu = Game, .control = "mnuExit", .caption = "E&xit",
            .shortcut = "Ctrl+Q", .gapBefore = true, .route = R::Window,
            .handler = &frmMain::exitNow },
        { .key = "Undo", .menu = Edit, .control = "mnuUndo", .caption = "&Undo",
            .shortcut = "Ctrl+Z", .button = 9, .tip = "Undo", .glyph = G::Undo, .enabled = undo },
        { .key = "Redo", .menu = Edit, .control = "mnuRedo", .caption = "&Redo",
            .shortcut = "Ctrl+X", .button = 10, .tip = "Redo", .glyph = G::Redo, .enabled = redo },
        { .key = "Snapshot", .menu = Edit, .control = "mnusnap", .caption = "Snapshot &Position",
            .shortcut = "Ctrl+P", .gapBefore = true, .enabled = gameInPlay },
        { .key = "UndoSnapshot", .menu = Edit, .control = "mnuUndosnap",
            .caption = "Und&o to Snapshot", .enabled = undoToSnapshot },
        { .key = "UndoAll", .menu = Edit, .control = "mnuUndoall", .caption = "U&ndo All",
            .shortcut = "Ctrl+C", .gapBefore = true, .button = 8, .tip = "Undo All",
            .glyph = G::UndoAll, .enabled = undoAll },
        { .key = "RedoAll", .menu = Edit, .control = "mnuRedoall", .caption = "R&edo All",
            .shortcut = "Ctrl+V", .button = 11, .tip = "Redo All", .glyph = G::RedoAll,
            .enabled = redoAll },
        { .key = "Hint", .menu = Edit, .control = "mnuHint", .caption = "&Hint", .shortcut = "H",
            .gapBefore = true, .route = R::Window, .handler = &frmMain::Hint,
            .enabled = gameInPlay },
        { .key = "Toolbar", .menu = View, .control = "mnuToolbar", .caption = "&Toolbar",
            .checkable = true, .route = R::Window, .handler = &frmMain::toggleToolbar },
        { .key = "Statusbar", .menu = View, .control = "mnuStatusbar", .caption = "Status &Bar",
            .checkable = true, .route = R::Window, .handler = &frmMain::toggleStatusbar },
        { .key = "Timer", .menu = View, .control = "mnuTimer", .caption = "T&imer",
            .checkable = true, .route = R::Window, .handler = &frmMain::toggleTimer },
        { .key = "Winnable", .menu = View, .control = "mnuWinnable", .caption = "&Can It Be Won",
            .checkable = true, .route = R::Window, .handler = &frmMain::toggleWinnable },
        { .key = "Source", .menu = View, .control = "mnuSource", .caption = "S&ource",
            .shortcut = "F4", .gapBefore = true, .route = R::Window,
            .handler = &frmMain::showSource, .enabled = gameOpen },
        { .key = "ReplayForward", .menu = Replay, .control = "mnuForward", .caption = "&Forward",
            .button = 15, .tip = "Replay Forward", .glyph = G::Forward, .enabled = redo },
        { .key = "ReplayBack", .menu = Replay, .control = "mnuBack", .caption = "&Back",
            .button = 13, .tip = "Replay Back", .glyph = G::Back, .enabled = undo },
        { .key = "ReplayAll", .menu = Replay, .control = "mnuReplayAll", .caption = "Replay &All",
            .enabled = replayAll },
        { .key = "Solution", .menu = Replay, .control = "mnuSolution", .caption = "Show &Solution",
            .route = R::Window, .handler = &frmMain::ShowSolution, .enabled = solutionFree },
        { .key = "ReplayStop", .menu = Replay, .control = "mnuStop", .caption = "Sto&p",
            .shortcut = "Ctrl+T", .button = 14, .tip = "Stop", .glyph = G::Stop, .enabled = stop },
        { .key = "AddFav", .menu = Favorites, .control = "mnuAddFav",
            .caption = "&Add to Favorites...", .button = 17, .tip = "Add to Favorites",
            .glyph = G::AddFavourite, .enabled = gameOpen },
        { .key = "OpenFav", .menu = Favorites, .control = "mnuFavOpen",
            .caption = "O&pen from Favorites...", .button = 19, .tip = "Play from Favorites",
            .glyph = G::OpenFavourite },
        { .key = "OrgFav", .menu = Favorites, .control = "mnuOrgFav",
            .caption = "&Organize Favorites...", .button = 18, .tip = "Organize Favorites",
            .glyph = G::OrganizeFavourites },
        { .key = "Customize", .menu = Go, .control = "mnuCustom", .caption = "C&ustomize" },
        { .key = "Options", .menu = Go, .control = "mnuOptions", .caption = "&Options",
            .shortcut = "F5", .button = 21, .tip = "Options", .glyph = G::Options },
        { .key = "AutoSave", .menu = Go, .control = "mnuautosave", .caption = "&AutoSave" },
        { .key = "Scoreboard", .menu = Go, .control = "mnuScore", .caption = "Score &Board",
            .shortcut = "F8", .button = 22, .tip = "Score Board", .glyph = G::ScoreBoard },
        { .key = "Help", .menu = Help, .control = "mnuContents", .caption = "H&elp Topics",
            .shortcut = "F1", .button = 24, .tip = "Help Contents", .glyph = G::Help,
            .route = R::Window, .handler = &frmMain::showHelp },
        { .key = "About", .menu = Help, .control = "mnuAbout", .caption = "&About Quadrell 2000",
            .route = R::Window, .handler = &frmMain::showAbout },
    };
    // clang-format on
    return kCommands;
}
std::span<const MenuInfo> CommandTable::Menus() { return kMenus; }

const Command* CommandTable::AtPosition(int position) {
    for (const Command& c : Commands())
        if (c.button == position) return &c;
    return nullptr;
}

const char* CommandTable::ListName(const Command& command) {
    return *command.listName ? command.listName : command.tip;
}

} // namespace quadrell
