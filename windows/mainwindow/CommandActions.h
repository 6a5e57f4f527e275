#pragma once

#include "CommandTable.h"

#include <QMap>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QStyle;
class QToolBar;
class QWidget;

namespace quadrell {

class PictureCache;

// The menu entries and toolbar buttons built from the command table, and their enabling:
// a button follows its menu entry, both follow the state the window last gave.
class CommandActions {
public:
    using Runner = std::function<void(const Command&)>;
    explicit CommandActions(Runner run) : run_(std::move(run)) { }

    // The menus with one entry per command, in the table's order. `owner` takes the
    // entries too, so that a shortcut works while its menu is hidden. Gives the Game menu.
    QMenu* BuildMenus(QMenuBar& bar, QWidget& owner);
    // The 26 toolbar positions, each button drawn in `style`; gaps are separators.
    void BuildButtons(QToolBar& toolbar, QStyle* style, const std::shared_ptr<PictureCache>& art);
    // Another entry found by name (the recent lists' menus).
    void Add(const QString& name, QAction* action) { entries_.insert(name, action); }

    // A menu entry by its control name ("mnuUndo") or a button by its key ("Undo").
    QAction* Find(const QString& name) const;
    QAction* EntryFor(CommandId id) const;
    // The customisable menus by their number 1..5 (0: the last of those always shown).
    const std::array<QMenu*, 6>& TopMenus() const { return topMenus_; }

    const CommandState& State() const { return state_; }
    CommandState& State() { return state_; }
    // Enables each entry and button as the state allows.
    void Apply();

private:
    Runner run_;
    QMap<QString, QAction*> entries_;
    QMap<QString, QAction*> buttons_;
    std::array<QMenu*, 6> topMenus_ {};
    CommandState state_;
};

} // namespace quadrell
