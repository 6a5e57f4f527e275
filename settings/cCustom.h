#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace quadrell {

class SettingsStore;

// Which toolbar positions, top-level menus and status panels are shown, section "Custom".
class cCustom {
public:
    static constexpr int kButtons = 26;
    static constexpr int kMenus = 5;
    static constexpr int kPanels = 4;

    explicit cCustom(SettingsStore& store) : store_(store) { }

    bool Button(int position) const { return get("Button", position); }
    bool Menu(int index) const { return get("Menu", index); }
    bool Panel(int index) const { return get("Panel", index); }
    void SetButton(int position, bool visible) { set("Button", position, visible); }
    void SetMenu(int index, bool visible) { set("Menu", index, visible); }
    void SetPanel(int index, bool visible) { set("Panel", index, visible); }

    static bool IsSeparator(int position);
    // UpdateToolbar: every position's visibility from the checked command buttons (index 1..26;
    // separators ignored), each separator shown while a button of its group is.
    static std::array<bool, kButtons + 1> ToolbarVisibility(
        const std::array<bool, kButtons + 1>& checked);

private:
    bool get(const char* kind, int index) const;
    void set(const char* kind, int index, bool visible);

    SettingsStore& store_;
};

} // namespace quadrell
