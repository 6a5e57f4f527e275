#include "CommandActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <vector>

namespace quadrell {

QMenu* CommandActions::BuildMenus(QMenuBar& bar, QWidget& owner) {
    std::vector<QMenu*> menus;
    for (const MenuInfo& info : CommandTable::Menus()) {
        QMenu* menu = bar.addMenu(CommandTable::Text(info.caption));
        menu->setObjectName(QLatin1String(info.control));
        // Slot 0 gathers the menus always shown; the customised ones are 1 to 5.
        topMenus_[static_cast<std::size_t>(info.customIndex)] = menu;
        menus.push_back(menu);
    }
    for (const Command& command : CommandTable::Commands()) {
        QMenu* menu = menus[static_cast<std::size_t>(command.menu)];
        if (command.gapBefore) menu->addSeparator();
        QAction* action = menu->addAction(CommandTable::Text(command.caption));
        action->setObjectName(QLatin1String(command.control));
        action->setShortcut(QKeySequence(QLatin1String(command.shortcut)));
        action->setCheckable(command.checkable);
        QObject::connect(action, &QAction::triggered, &owner, [this, &command] { run_(command); });
        entries_.insert(QLatin1String(command.control), action);
        owner.addAction(action);
    }
    return menus.front();
}

void CommandActions::BuildButtons(
    QToolBar& toolbar, QStyle* style, const std::shared_ptr<PictureCache>& art) {
    for (int position = 1; position <= CommandTable::kPositions; ++position) {
        const Command* command = CommandTable::AtPosition(position);
        if (!command) {
            toolbar.addSeparator();
            continue;
        }
        QAction* a
            = toolbar.addAction(Icons::Of(command->glyph, art), CommandTable::Text(command->tip));
        toolbar.widgetForAction(a)->setStyle(style);
        QObject::connect(a, &QAction::triggered, &toolbar, [this, command] { run_(*command); });
        buttons_.insert(QLatin1String(KeyOf(command->id)), a);
    }
}

QAction* CommandActions::Find(const QString& name) const {
    if (entries_.contains(name)) return entries_.value(name);
    return buttons_.value(name, nullptr);
}

QAction* CommandActions::EntryFor(CommandId id) const {
    for (const Command& command : CommandTable::Commands())
        if (command.id == id) return entries_.value(QLatin1String(command.control));
    return nullptr;
}

void CommandActions::Apply() {
    for (const Command& command : CommandTable::Commands()) {
        const bool on = !command.enabled || command.enabled(state_);
        entries_.value(QLatin1String(command.control))->setEnabled(on);
        if (QAction* button = buttons_.value(QLatin1String(KeyOf(command.id))))
            button->setEnabled(on);
    }
}

} // namespace quadrell
