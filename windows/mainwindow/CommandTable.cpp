// The one table of the program's commands.
#include "CommandTable.h"

#include <QCoreApplication>

namespace quadrell {

namespace {

using G = Icons::Glyph;
using R = Command::Route;
using C = CommandId;

bool gameOpen(const CommandState& s) { return s.game.restart; }
bool gameInPlay(const CommandState& s) { return s.game.snapshot; }
bool solutionFree(const CommandState& s) { return s.game.snapshot && !s.solutionPlaying; }
// A game with moves, in play or watched.
bool reviewable(const CommandState& s) { return s.game.replayAll && !s.solutionPlaying; }
bool undoToSnapshot(const CommandState& s) { return s.game.undoToSnapshot; }
bool replayAll(const CommandState& s) { return s.game.replayAll; }
bool undo(const CommandState& s) { return s.game.undo; }
bool redo(const CommandState& s) { return s.game.redo; }
bool undoAll(const CommandState& s) { return s.game.undoAll; }
bool redoAll(const CommandState& s) { return s.game.redoAll; }
bool stop(const CommandState& s) { return s.stop; }
bool finish(const CommandState& s) { return s.game.finish; }
bool solutionPlaying(const CommandState& s) { return s.solutionPlaying; }

enum Menu { Game, Edit, View, Replay, Favorites, Go, Help };

const MenuInfo kMenus[] = {
    { QT_TRANSLATE_NOOP("Command", "&Game"), "mnuGame", 0, "" },
    { QT_TRANSLATE_NOOP("Command", "&Edit"), "mnuEdit", 1, QT_TRANSLATE_NOOP("Command", "Edit") },
    { QT_TRANSLATE_NOOP("Command", "&View"), "mnuView", 2, QT_TRANSLATE_NOOP("Command", "View") },
    { QT_TRANSLATE_NOOP("Command", "&Replay"), "mnuReplay", 3,
        QT_TRANSLATE_NOOP("Command", "Replay") },
    { QT_TRANSLATE_NOOP("Command", "&Favorites"), "mnuFav", 4,
        QT_TRANSLATE_NOOP("Command", "Favorites") },
    { QT_TRANSLATE_NOOP("Command", "G&o"), "mnuGo", 0, "" },
    { QT_TRANSLATE_NOOP("Command", "&Help"), "mnuHelp", 5, QT_TRANSLATE_NOOP("Command", "Help") },
};

} // namespace

const char* const CommandTable::kPanelNames[4] = { QT_TRANSLATE_NOOP("Command", "Total Moves"),
    QT_TRANSLATE_NOOP("Command", "Cards Left"), QT_TRANSLATE_NOOP("Command", "Possible Moves"),
    QT_TRANSLATE_NOOP("Command", "Session Time") };

QString CommandTable::Text(const char* text) { return Command::tr(text); }

std::span<const Command> CommandTable::Commands() {
    // In menu order; the Game menu's two recent lists follow "Close Game".
    // clang-format off
    static const Command kCommands[] = {
        { .id = C::New, .menu = Game, .control = "mnuNew", .caption = QT_TRANSLATE_NOOP("Command", "&New Game"), .shortcut = "F2",
            .button = 1, .tip = QT_TRANSLATE_NOOP("Command", "New Game"), .glyph = G::NewGame, .route = R::Game },
        { .id = C::Select, .menu = Game, .control = "mnuSelect", .caption = QT_TRANSLATE_NOOP("Command", "&Select Game.."),
            .shortcut = "F3", .button = 2, .tip = QT_TRANSLATE_NOOP("Command", "Select Game"), .glyph = G::SelectGame,
            .route = R::Game },
        { .id = C::NewDifficulty, .menu = Game, .control = "mnuNewDifficulty",
            .caption = QT_TRANSLATE_NOOP("Command", "New Game of &Difficulty..."), .shortcut = "Ctrl+D" },
        { .id = C::SameDifficulty, .menu = Game, .control = "mnuSameDifficulty",
            .caption = QT_TRANSLATE_NOOP("Command", "Ano&ther of That Difficulty"), .shortcut = "Shift+F2" },
        { .id = C::TodaysDeal, .menu = Game, .control = "mnuToday",
            .caption = QT_TRANSLATE_NOOP("Command", "Toda&y's Deal"), .route = R::Window },
        { .id = C::Restart, .menu = Game, .control = "mnuRestart", .caption = QT_TRANSLATE_NOOP("Command", "&Restart Game"),
            .button = 3, .tip = QT_TRANSLATE_NOOP("Command", "Restart Game"), .listName = QT_TRANSLATE_NOOP("Command", "Restart Game "),
            .glyph = G::RestartGame, .route = R::Game, .enabled = gameOpen },
        { .id = C::Open, .menu = Game, .control = "mnuOpen", .caption = QT_TRANSLATE_NOOP("Command", "&Open Game"),
            .shortcut = "Ctrl+O", .gapBefore = true, .button = 5, .tip = QT_TRANSLATE_NOOP("Command", "Open Game"),
            .glyph = G::OpenGame, .route = R::Game },
        { .id = C::Save, .menu = Game, .control = "mnuSave", .caption = QT_TRANSLATE_NOOP("Command", "&Save Game"),
            .shortcut = "Ctrl+S", .button = 6, .tip = QT_TRANSLATE_NOOP("Command", "Save Game"), .glyph = G::SaveGame,
            .enabled = gameOpen },
        { .id = C::Close, .menu = Game, .control = "mnuClose", .caption = QT_TRANSLATE_NOOP("Command", "&Close Game"),
            .enabled = gameOpen },
        { .id = C::Exit, .menu = Game, .control = "mnuExit", .caption = QT_TRANSLATE_NOOP("Command", "E&xit"),
            .shortcut = "Ctrl+Q", .gapBefore = true, .route = R::Window },
        { .id = C::Undo, .menu = Edit, .control = "mnuUndo", .caption = QT_TRANSLATE_NOOP("Command", "&Undo"),
            .shortcut = "Ctrl+Z", .button = 9, .tip = QT_TRANSLATE_NOOP("Command", "Undo"), .glyph = G::Undo, .enabled = undo },
        { .id = C::Redo, .menu = Edit, .control = "mnuRedo", .caption = QT_TRANSLATE_NOOP("Command", "&Redo"),
            .shortcut = "Ctrl+X", .button = 10, .tip = QT_TRANSLATE_NOOP("Command", "Redo"), .glyph = G::Redo, .enabled = redo },
        { .id = C::Snapshot, .menu = Edit, .control = "mnusnap", .caption = QT_TRANSLATE_NOOP("Command", "Snapshot &Position"),
            .shortcut = "Ctrl+P", .gapBefore = true, .enabled = gameInPlay },
        { .id = C::UndoSnapshot, .menu = Edit, .control = "mnuUndosnap",
            .caption = QT_TRANSLATE_NOOP("Command", "Und&o to Snapshot"), .enabled = undoToSnapshot },
        { .id = C::UndoAll, .menu = Edit, .control = "mnuUndoall", .caption = QT_TRANSLATE_NOOP("Command", "U&ndo All"),
            .shortcut = "Ctrl+C", .gapBefore = true, .button = 8, .tip = QT_TRANSLATE_NOOP("Command", "Undo All"),
            .glyph = G::UndoAll, .enabled = undoAll },
        { .id = C::RedoAll, .menu = Edit, .control = "mnuRedoall", .caption = QT_TRANSLATE_NOOP("Command", "R&edo All"),
            .shortcut = "Ctrl+V", .button = 11, .tip = QT_TRANSLATE_NOOP("Command", "Redo All"), .glyph = G::RedoAll,
            .enabled = redoAll },
        { .id = C::Hint, .menu = Edit, .control = "mnuHint", .caption = QT_TRANSLATE_NOOP("Command", "&Hint"), .shortcut = "H",
            .gapBefore = true, .route = R::Window,
            .enabled = gameInPlay },
        { .id = C::Finish, .menu = Edit, .control = "mnuFinish", .caption = QT_TRANSLATE_NOOP("Command", "&Finish"),
            .shortcut = "Ctrl+F", .button = 26, .tip = QT_TRANSLATE_NOOP("Command", "Finish: every card home"),
            .listName = QT_TRANSLATE_NOOP("Command", "Finish"), .glyph = G::Finish, .enabled = finish },
        { .id = C::Toolbar, .menu = View, .control = "mnuToolbar", .caption = QT_TRANSLATE_NOOP("Command", "&Toolbar"),
            .checkable = true, .route = R::Window },
        { .id = C::Statusbar, .menu = View, .control = "mnuStatusbar", .caption = QT_TRANSLATE_NOOP("Command", "Status &Bar"),
            .checkable = true, .route = R::Window },
        { .id = C::Timer, .menu = View, .control = "mnuTimer", .caption = QT_TRANSLATE_NOOP("Command", "T&imer"),
            .checkable = true, .route = R::Window },
        { .id = C::Winnable, .menu = View, .control = "mnuWinnable", .caption = QT_TRANSLATE_NOOP("Command", "&Can It Be Won"),
            .checkable = true, .route = R::Window },
        { .id = C::Difficulty, .menu = View, .control = "mnuDifficulty", .caption = QT_TRANSLATE_NOOP("Command", "&Difficulty"),
            .checkable = true, .route = R::Window },
        { .id = C::Source, .menu = View, .control = "mnuSource", .caption = QT_TRANSLATE_NOOP("Command", "S&ource"),
            .shortcut = "F4", .gapBefore = true, .route = R::Window, .enabled = gameOpen },
        { .id = C::ReplayForward, .menu = Replay, .control = "mnuForward", .caption = QT_TRANSLATE_NOOP("Command", "&Forward"),
            .button = 15, .tip = QT_TRANSLATE_NOOP("Command", "Replay Forward"), .glyph = G::Forward, .enabled = redo },
        { .id = C::ReplayBack, .menu = Replay, .control = "mnuBack", .caption = QT_TRANSLATE_NOOP("Command", "&Back"),
            .button = 13, .tip = QT_TRANSLATE_NOOP("Command", "Replay Back"), .glyph = G::Back, .enabled = undo },
        { .id = C::ReplayAll, .menu = Replay, .control = "mnuReplayAll", .caption = QT_TRANSLATE_NOOP("Command", "Replay &All"),
            .enabled = replayAll },
        { .id = C::Solution, .menu = Replay, .control = "mnuSolution", .caption = QT_TRANSLATE_NOOP("Command", "Show &Solution"),
            .route = R::Window, .enabled = solutionFree },
        { .id = C::SolutionFaster, .menu = Replay, .control = "mnuSolutionFaster", .caption = QT_TRANSLATE_NOOP("Command", "Solution Fas&ter"),
            .shortcut = "+", .route = R::Window, .enabled = solutionPlaying },
        { .id = C::SolutionSlower, .menu = Replay, .control = "mnuSolutionSlower", .caption = QT_TRANSLATE_NOOP("Command", "Solution S&lower"),
            .shortcut = "-", .route = R::Window, .enabled = solutionPlaying },
        { .id = C::SolutionEnd, .menu = Replay, .control = "mnuSolutionEnd", .caption = QT_TRANSLATE_NOOP("Command", "Solution to the &End"),
            .shortcut = "End", .route = R::Window, .enabled = solutionPlaying },
        { .id = C::WhereLost, .menu = Replay, .control = "mnuWhereLost", .caption = QT_TRANSLATE_NOOP("Command", "&Where Was It Lost?"),
            .route = R::Window, .enabled = solutionFree },
        { .id = C::Review, .menu = Replay, .control = "mnuReview", .caption = QT_TRANSLATE_NOOP("Command", "Re&view Game..."),
            .route = R::Window, .enabled = reviewable },
        { .id = C::ReplayStop, .menu = Replay, .control = "mnuStop", .caption = QT_TRANSLATE_NOOP("Command", "Sto&p"),
            .shortcut = "Ctrl+T", .button = 14, .tip = QT_TRANSLATE_NOOP("Command", "Stop"), .glyph = G::Stop, .enabled = stop },
        { .id = C::AddFav, .menu = Favorites, .control = "mnuAddFav",
            .caption = QT_TRANSLATE_NOOP("Command", "&Add to Favorites..."), .button = 17, .tip = QT_TRANSLATE_NOOP("Command", "Add to Favorites"),
            .glyph = G::AddFavourite, .enabled = gameOpen },
        { .id = C::OpenFav, .menu = Favorites, .control = "mnuFavOpen",
            .caption = QT_TRANSLATE_NOOP("Command", "O&pen from Favorites..."), .button = 19, .tip = QT_TRANSLATE_NOOP("Command", "Play from Favorites"),
            .glyph = G::OpenFavourite },
        { .id = C::OrgFav, .menu = Favorites, .control = "mnuOrgFav",
            .caption = QT_TRANSLATE_NOOP("Command", "&Organize Favorites..."), .button = 18, .tip = QT_TRANSLATE_NOOP("Command", "Organize Favorites"),
            .glyph = G::OrganizeFavourites },
        { .id = C::Customize, .menu = Go, .control = "mnuCustom", .caption = QT_TRANSLATE_NOOP("Command", "C&ustomize") },
        { .id = C::Options, .menu = Go, .control = "mnuOptions", .caption = QT_TRANSLATE_NOOP("Command", "&Options"),
            .shortcut = "F5", .button = 21, .tip = QT_TRANSLATE_NOOP("Command", "Options"), .glyph = G::Options },
        { .id = C::AutoSave, .menu = Go, .control = "mnuautosave", .caption = QT_TRANSLATE_NOOP("Command", "&AutoSave") },
        { .id = C::Scoreboard, .menu = Go, .control = "mnuScore", .caption = QT_TRANSLATE_NOOP("Command", "Score &Board"),
            .shortcut = "F8", .button = 22, .tip = QT_TRANSLATE_NOOP("Command", "Score Board"), .glyph = G::ScoreBoard },
        { .id = C::Help, .menu = Help, .control = "mnuContents", .caption = QT_TRANSLATE_NOOP("Command", "H&elp Topics"),
            .shortcut = "F1", .button = 24, .tip = QT_TRANSLATE_NOOP("Command", "Help Contents"), .glyph = G::Help,
            .route = R::Window },
        { .id = C::About, .menu = Help, .control = "mnuAbout", .caption = QT_TRANSLATE_NOOP("Command", "&About Quadrell 2000"),
            .route = R::Window },
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
