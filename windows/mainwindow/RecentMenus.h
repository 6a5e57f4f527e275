#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace quadrell {

class cRecent;

// The Game menu's two recent lists, "Recent &Finished" and "Recent &InComplete": five
// numbered paths each from the store, or "None".
class RecentMenus final : public QObject {
public:
    // Inserted into `game` before `before`; `open` gets the chosen slot (1..5 finished games,
    // 6..10 incomplete ones).
    RecentMenus(
        QMenu& game, QAction* before, const cRecent& recent, std::function<void(qint16)> open);

    void Update();
    // Each list is usable when it holds a path.
    void UpdateEnabled();
    QAction* Menu(int list) const { return menus_[list]; }
    QAction* Item(int list, int index) const { return items_[list][index]; }
    QAction* None(int list) const { return none_[list]; }

private:
    const cRecent& recent_;
    QAction* menus_[2] {};
    QAction* items_[2][5] {};
    QAction* none_[2] {};
};

} // namespace quadrell
