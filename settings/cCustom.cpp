#include "cCustom.h"

#include "SettingsStore.h"

namespace quadrell {

namespace {

// Each separator and the command positions of its group.
struct Group {
    int separator, first, last;
};
constexpr Group kGroups[] = { { 4, 1, 3 }, { 7, 5, 6 }, { 12, 8, 11 }, { 16, 13, 15 },
    { 20, 17, 19 }, { 23, 21, 22 }, { 25, 26, 26 } }; // "Finish" stands apart, after Help

} // namespace

bool cCustom::get(const char* kind, int index) const {
    return store_.GetBool(
        QStringLiteral("Custom"), QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(index), true);
}

void cCustom::set(const char* kind, int index, bool visible) {
    store_.SetBool(QStringLiteral("Custom"),
        QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(index), visible);
}

bool cCustom::IsSeparator(int position) {
    for (const Group& g : kGroups)
        if (g.separator == position) return true;
    return false;
}

std::array<bool, cCustom::kButtons + 1> cCustom::ToolbarVisibility(
    const std::array<bool, kButtons + 1>& checked) {
    std::array<bool, kButtons + 1> visible {};
    for (int i = 1; i <= kButtons; ++i)
        visible[static_cast<std::size_t>(i)]
            = !IsSeparator(i) && checked[static_cast<std::size_t>(i)];
    for (const Group& g : kGroups) {
        bool any = false;
        for (int i = g.first; i <= g.last; ++i)
            any = any || checked[static_cast<std::size_t>(i)];
        visible[static_cast<std::size_t>(g.separator)] = any;
    }
    return visible;
}

} // namespace quadrell
