#include "BoardAccessible.h"

#include "BoardItem.h"
#include "BoardWidget.h"
#include "KeyboardPlay.h"

#include <QCoreApplication>

namespace quadrell {

namespace {

QAccessibleInterface* makeBoard(const QString& className, QObject* object) {
    if (className == QLatin1String(BoardWidget::staticMetaObject.className()) && object
        && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardWidget*>(object));
    return nullptr;
}

void send(QAccessibleInterface* item, QAccessible::Event type) {
    if (!item) return;
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
}

BoardAccessible* of(BoardWidget& board) {
    return dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board));
}

} // namespace

BoardAccessible::BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::Pane) {
    // Owned by Qt's cache, as every interface it hands out; given back when the board goes.
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const auto kind = i < kCellItems ? BoardItem::Kind::Column
            : i < kFoundationItems       ? BoardItem::Kind::Cell
            : i < kNewsItem              ? BoardItem::Kind::Foundation
                                         : BoardItem::Kind::News;
        const int index = i < kCellItems ? i
            : i < kFoundationItems       ? i - kCellItems
            : i < kNewsItem              ? i - kFoundationItems
                                         : 0;
        items_[static_cast<std::size_t>(i)]
            = QAccessible::registerAccessibleInterface(new BoardItem(*this, kind, index));
    }
    for (Card c = 0; c < kCardCount; ++c)
        cards_[static_cast<std::size_t>(c)] = QAccessible::registerAccessibleInterface(
            new BoardItem(*this, BoardItem::Kind::OneCard, c));
}

BoardAccessible::~BoardAccessible() {
    for (QAccessible::Id id : items_)
        QAccessible::deleteAccessibleInterface(id);
    for (QAccessible::Id id : cards_)
        QAccessible::deleteAccessibleInterface(id);
}

void BoardAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(makeBoard);
        return true;
    }();
    Q_UNUSED(installed);
}

void BoardAccessible::FocusMoved(BoardWidget& board) {
    // Nobody listens: nothing to make (Qt would drop the event all the same).
    if (!QAccessible::isActive() || !board.hasFocus()) return;
    if (BoardAccessible* me = of(board)) send(me->focusedItem(), QAccessible::Focus);
}

void BoardAccessible::MoveAnnounced(BoardWidget& board) {
    if (!QAccessible::isActive()) return;
    BoardAccessible* me = of(board);
    if (!me) return;
    send(me->item(kNewsItem), QAccessible::NameChanged);
    // The cursor's place may hold another card now, and the focused object says so.
    if (board.hasFocus()) send(me->focusedItem(), QAccessible::Focus);
}

const BoardWidget& BoardAccessible::board() const {
    return *static_cast<const BoardWidget*>(widget());
}

QAccessibleInterface* BoardAccessible::item(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return nullptr;
    return QAccessible::accessibleInterface(items_[static_cast<std::size_t>(index)]);
}

QAccessibleInterface* BoardAccessible::cardItem(Card card) const {
    if (card < 0 || card >= kCardCount) return nullptr;
    return QAccessible::accessibleInterface(cards_[static_cast<std::size_t>(card)]);
}

QAccessibleInterface* BoardAccessible::focusedItem() const {
    const KeyboardPlay* keys = board().Keyboard();
    if (!keys || !board().CardsShown()) return nullptr;
    const Loc at = keys->Place();
    if (isCell(at)) return item(kCellItems + at - kFirstCell);
    if (isFoundation(at)) return item(kFoundationItems + at - kFirstFoundation);
    for (Card c = 0; c < kCardCount; ++c)
        if (board().PlaceOf(c) == at) return cardItem(c);
    return item(kColumnItems + columnOf(at));
}

int BoardAccessible::childCount() const { return static_cast<int>(items_.size()); }

QAccessibleInterface* BoardAccessible::child(int index) const { return item(index); }

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (item(i) == child) return i;
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    for (int i = 0; i < kNewsItem; ++i) {
        QAccessibleInterface* place = item(i);
        if (!place->rect().contains(x, y)) continue;
        QAccessibleInterface* card = place->childAt(x, y);
        return card ? card : place;
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return board().hasFocus() ? focusedItem() : nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return tr("Board");
    if (t == QAccessible::Description)
        return tr("Arrow keys move between the places; Space or Enter plays; Escape clears the "
                  "selection.");
    return QAccessibleWidget::text(t);
}

} // namespace quadrell
