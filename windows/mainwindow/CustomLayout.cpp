#include "CustomLayout.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

namespace quadrell {

void CustomLayout::Attach(
    QToolBar* toolbar, const std::array<QMenu*, 6>& menus, const std::array<QLabel*, 4>& panels) {
    toolbar_ = toolbar;
    menus_ = menus;
    panels_ = panels;
}

void CustomLayout::RestoreAll() {
    std::array<bool, cCustom::kButtons + 1> buttons {};
    for (int i = 1; i <= cCustom::kButtons; ++i)
        buttons[static_cast<std::size_t>(i)] = custom_.Button(i);
    std::array<bool, 6> menus {};
    for (int i = 1; i <= cCustom::kMenus; ++i)
        menus[static_cast<std::size_t>(i)] = custom_.Menu(i);
    std::array<bool, 5> panels {};
    for (int i = 1; i <= cCustom::kPanels; ++i)
        panels[static_cast<std::size_t>(i)] = custom_.Panel(i);
    Apply(buttons, menus, panels);
}

void CustomLayout::Apply(const std::array<bool, cCustom::kButtons + 1>& buttons,
    const std::array<bool, 6>& menus, const std::array<bool, 5>& panels) {
    const QList<QAction*> positions = toolbar_->actions();
    for (int i = 0; i < positions.size(); ++i)
        positions[i]->setVisible(buttons[static_cast<std::size_t>(i + 1)]);
    for (int i = 1; i <= cCustom::kMenus; ++i)
        menus_[static_cast<std::size_t>(i)]->menuAction()->setVisible(
            menus[static_cast<std::size_t>(i)]);
    for (int i = 0; i < cCustom::kPanels; ++i)
        panels_[static_cast<std::size_t>(i)]->setVisible(panels[static_cast<std::size_t>(i + 1)]);
}

bool CustomLayout::ToolbarPositionVisible(int position) const {
    return toolbar_->actions().at(position - 1)->isVisible();
}

bool CustomLayout::MenuVisible(int index) const {
    return menus_[static_cast<std::size_t>(index)]->menuAction()->isVisible();
}

bool CustomLayout::PanelVisible(int index) const {
    return !panels_[static_cast<std::size_t>(index - 1)]->isHidden();
}

} // namespace quadrell
