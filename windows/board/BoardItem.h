#pragma once

#include "Card.h"

#include <QAccessibleInterface>
#include <vector>

namespace quadrell {

class BoardAccessible;
class BoardWidget;

// One thing on the board for assistive technology: a column, a cell, a foundation, a card
// or the line that says the last move. It keeps only what it is; what it holds is read from
// the board whenever it is asked.
class BoardItem final : public QAccessibleInterface {
public:
    enum class Kind { Column, Cell, Foundation, OneCard, News, Voice };

    BoardItem(const BoardAccessible& owner, Kind kind, int index)
        : owner_(owner)
        , kind_(kind)
        , index_(index) { }

    Kind kind() const { return kind_; }
    int index() const { return index_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    const BoardWidget& board() const;
    Loc place() const; // where the item lies: a card's place, or the place itself
    std::vector<Card> columnCards() const;
    Card topCard() const; // of a cell or a foundation
    QString name() const;
    QString description() const;
    QString ownDescription() const;

    const BoardAccessible& owner_;
    Kind kind_;
    int index_; // the column, cell or foundation from 0, or the card
};

} // namespace quadrell
