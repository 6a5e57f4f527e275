#include "CommandId.h"

namespace quadrell {

const char* KeyOf(CommandId id) {
    // No default: a command added without its key does not build.
    switch (id) {
    case CommandId::New:
        return "New";
    case CommandId::Select:
        return "Select";
    case CommandId::NewDifficulty:
        return "NewDifficulty";
    case CommandId::SameDifficulty:
        return "SameDifficulty";
    case CommandId::TodaysDeal:
        return "TodaysDeal";
    case CommandId::Restart:
        return "Restart";
    case CommandId::Open:
        return "Open";
    case CommandId::Save:
        return "Save";
    case CommandId::Close:
        return "Close";
    case CommandId::Exit:
        return "Exit";
    case CommandId::Undo:
        return "Undo";
    case CommandId::Redo:
        return "Redo";
    case CommandId::Snapshot:
        return "Snapshot";
    case CommandId::UndoSnapshot:
        return "UndoSnapshot";
    case CommandId::UndoAll:
        return "UndoAll";
    case CommandId::RedoAll:
        return "RedoAll";
    case CommandId::Hint:
        return "Hint";
    case CommandId::Finish:
        return "Finish";
    case CommandId::Toolbar:
        return "Toolbar";
    case CommandId::Statusbar:
        return "Statusbar";
    case CommandId::Timer:
        return "Timer";
    case CommandId::Winnable:
        return "Winnable";
    case CommandId::Difficulty:
        return "Difficulty";
    case CommandId::Source:
        return "Source";
    case CommandId::ReplayForward:
        return "ReplayForward";
    case CommandId::ReplayBack:
        return "ReplayBack";
    case CommandId::ReplayAll:
        return "ReplayAll";
    case CommandId::Solution:
        return "Solution";
    case CommandId::SolutionFaster:
        return "SolutionFaster";
    case CommandId::SolutionSlower:
        return "SolutionSlower";
    case CommandId::SolutionEnd:
        return "SolutionEnd";
    case CommandId::WhereLost:
        return "WhereLost";
    case CommandId::Review:
        return "Review";
    case CommandId::ReplayStop:
        return "ReplayStop";
    case CommandId::AddFav:
        return "AddFav";
    case CommandId::OpenFav:
        return "OpenFav";
    case CommandId::OrgFav:
        return "OrgFav";
    case CommandId::Customize:
        return "Customize";
    case CommandId::Options:
        return "Options";
    case CommandId::AutoSave:
        return "AutoSave";
    case CommandId::Scoreboard:
        return "Scoreboard";
    case CommandId::Help:
        return "Help";
    case CommandId::About:
        return "About";
    }
    return "";
}

} // namespace quadrell
