#pragma once

#include <array>

namespace quadrell {

// Every command of the menus and the toolbar, by a name the compiler checks: the dispatch
// switches on it, so a command nobody answers, or a key spelt wrong, does not build.
enum class CommandId {
    New,
    Select,
    NewDifficulty,
    SameDifficulty,
    TodaysDeal,
    Restart,
    Open,
    Save,
    Close,
    Exit,
    Undo,
    Redo,
    Snapshot,
    UndoSnapshot,
    UndoAll,
    RedoAll,
    Hint,
    Finish,
    Toolbar,
    Statusbar,
    Timer,
    Winnable,
    Difficulty,
    Source,
    ReplayForward,
    ReplayBack,
    ReplayAll,
    Solution,
    SolutionFaster,
    SolutionSlower,
    SolutionEnd,
    WhereLost,
    Review,
    ReplayStop,
    AddFav,
    OpenFav,
    OrgFav,
    Customize,
    Options,
    AutoSave,
    Scoreboard,
    Help,
    About,
};

// The command's text key ("New", "Undo", "ReplayBack"): the name of its toolbar button and
// of its image.
const char* KeyOf(CommandId id);

// The game commands, in the order the finished-game dialog offers the next game.
inline constexpr std::array<CommandId, 4> kNextGameCommands { CommandId::New, CommandId::Select,
    CommandId::Restart, CommandId::Open };

} // namespace quadrell
