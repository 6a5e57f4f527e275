#pragma once

#include "Card.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <array>

namespace quadrell {

class BoardWidget;
class BoardItem;

// The board as assistive technology sees it: eight columns holding their cards, four cells,
// four foundations and a line that says the last move. The keyboard cursor's place is the
// focused object. Everything is read from the board widget at each question, never kept.
class BoardAccessible final : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    static constexpr int kColumnItems = 0;
    static constexpr int kCellItems = kColumns;
    static constexpr int kFoundationItems = kColumns + kCells;
    static constexpr int kNewsItem = kColumns + 2 * kCells;

    explicit BoardAccessible(BoardWidget* board);
    ~BoardAccessible() override;

    // Lets Qt make one of these for every board widget; once is enough.
    static void Install();
    // The cursor has moved or the card under it has changed: the focus follows.
    static void FocusMoved(BoardWidget& board);
    // The board's last move has a new text: it is said.
    static void MoveAnnounced(BoardWidget& board);

    const BoardWidget& board() const;
    QAccessibleInterface* item(int index) const;
    QAccessibleInterface* cardItem(Card card) const;
    // The cursor's place: a cell, a foundation, a column's exposed card, an empty column.
    QAccessibleInterface* focusedItem() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    std::array<QAccessible::Id, kNewsItem + 1> items_ {};
    std::array<QAccessible::Id, kCardCount> cards_ {};
};

} // namespace quadrell
