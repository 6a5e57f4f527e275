#pragma once

#include "cCustom.h"

#include <array>

class QLabel;
class QMenu;
class QToolBar;

namespace quadrell {

// What the player has hidden of the main window: toolbar positions 1..24, menus 1..5
// (Edit, View, Replay, Favorites, Help) and status panels 1..4, shown or hidden at once.
class CustomLayout {
public:
    explicit CustomLayout(const cCustom& custom) : custom_(custom) { }
    // The parts it shows and hides, once the window has built them.
    void Attach(QToolBar* toolbar, const std::array<QMenu*, 6>& menus,
        const std::array<QLabel*, 4>& panels);

    // As the settings keep it.
    void RestoreAll();
    void Apply(const std::array<bool, cCustom::kButtons + 1>& buttons,
        const std::array<bool, 6>& menus, const std::array<bool, 5>& panels);
    bool ToolbarPositionVisible(int position) const;
    bool MenuVisible(int index) const;
    bool PanelVisible(int index) const;

private:
    const cCustom& custom_;
    QToolBar* toolbar_ = nullptr;
    std::array<QMenu*, 6> menus_ {};
    std::array<QLabel*, 4> panels_ {};
};

} // namespace quadrell
