#pragma once

#include "CommandId.h"
#include "Icons.h"
#include "cMenu.h"

#include <QCoreApplication>
#include <QString>
#include <span>

namespace quadrell {

// What the enabling rules read: the game's menu state and what the window is playing.
struct CommandState {
    MenuState game;
    bool stop = false;            // a replay or a solution can be stopped
    bool solutionPlaying = false; // "Show Solution" is playing its line
};

// The menu bar's menus, in their order; the customisable ones have a number 1..5.
struct MenuInfo {
    const char* caption;
    const char* control;
    int customIndex; // 0: always shown
    const char* listName;
};

// Every command of the menus and the toolbar, one row each: the menus, the toolbar, their
// icons, their enabling and the customisation list are all built from this table.
struct Command {
    // Where a command goes: cMenu::SelectGame, cMenu::SelectType, or the window
    // (WindowCommands).
    enum class Route { Game, Type, Window };
    CommandId id;              // what the dispatchers answer; KeyOf(id) names its button
    int menu;                  // index into Menus()
    const char* control;       // the menu entry's name
    const char* caption;       // the menu entry's text
    const char* shortcut = ""; // in portable text ("Ctrl+Z")
    bool gapBefore = false;    // a separator above the entry
    bool checkable = false;    // a View toggle
    int button = 0;            // toolbar position 1..26; 0 when not on the toolbar
    const char* tip = "";      // the button's tooltip
    const char* listName = ""; // the customise list's text, when not the tip
    Icons::Glyph glyph = Icons::Glyph::NewGame;
    Route route = Route::Type;
    bool (*enabled)(const CommandState&) = nullptr; // nullptr: always usable

    // Last: it leaves what follows private, and the rows are written as plain aggregates.
    Q_DECLARE_TR_FUNCTIONS(Command)
};

// What the window itself answers: the commands routed to it, by key.
class WindowCommands {
public:
    virtual void RunWindowCommand(CommandId id) = 0;

protected:
    ~WindowCommands() = default;
};

class CommandTable {
public:
    static std::span<const Command> Commands();
    static std::span<const MenuInfo> Menus();
    // The toolbar has 26 positions; those without a command are separators.
    static constexpr int kPositions = 26;
    static const Command* AtPosition(int position);
    // The customise list's text for a toolbar command.
    static const char* ListName(const Command& command);
    static const char* const kPanelNames[4];
    // A text of the table (a caption, a tip, a list or panel name) in the user's language.
    static QString Text(const char* text);
};

} // namespace quadrell
