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

// The board keeps what it has said whether or not anyone listens (a screen reader may start
// at any time); only the events are skipped when nobody does.
void send(QAccessibleInterface* item, QAccessible::Event type) {
    if (!item || !QAccessible::isActive()) return;
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
            : i == kNewsItem             ? BoardItem::Kind::News
                                         : BoardItem::Kind::Voice;
        const int index = i < kCellItems ? i
            : i < kFoundationItems       ? i - kCellItems
            : i < kNewsItem              ? i - kFoundationItems
            : i == kNewsItem             ? 0
                                         : i - kVoiceItems;
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
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(makeBoard);
        return true;
    }();
}

void BoardAccessible::FocusMoved(BoardWidget& board) {
    if (!board.hasFocus()) return;
    BoardAccessible* me = of(board);
    if (!me) return;
    QAccessibleInterface* focus = me->focusedItem();
    // The cursor's object unchanged: a voice that spoke since may keep the focus.
    if (!focus || focus == me->cursor_) return;
    // A sentence made while the board had no focus is said with the object that gains it;
    // any other was said where it was made.
    if (!me->sayingOn_ && !me->saying_.isEmpty()) me->sayingOn_ = focus;
    if (me->sayingOn_ != focus) me->saying_.clear();
    me->locus_ = me->cursor_ = focus;
    send(focus, QAccessible::Focus);
}

void BoardAccessible::BoardFocusChanged(BoardWidget& board) {
    BoardAccessible* me = of(board);
    if (!me) return;
    // Whatever was focused before (a dialog, the menu) is what a screen reader holds now.
    me->locus_ = me->cursor_ = nullptr;
    if (me->sayingOn_) me->saying_.clear();
}

void BoardAccessible::NamesChanged(BoardWidget& board, const std::vector<Card>& moved) {
    BoardAccessible* me = of(board);
    if (!me) return;
    for (int i = 0; i < kNewsItem; ++i)
        if (me->item(i) != me->locus_) send(me->item(i), QAccessible::NameChanged);
    for (Card c : moved)
        if (me->cardItem(c) != me->locus_) send(me->cardItem(c), QAccessible::NameChanged);
}

void BoardAccessible::SelectionChanged(BoardWidget& board, Card before, Card now) {
    BoardAccessible* me = of(board);
    if (!me) return;
    if (!QAccessible::isActive()) return;
    QAccessible::State selected;
    selected.selected = true;
    for (Card c : { before, now }) {
        if (c == kNoCard) continue;
        QAccessibleStateChangeEvent event(me->cardItem(c), selected);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardAccessible::Say(BoardWidget& board, const QString& sentence) {
    BoardAccessible* me = of(board);
    if (!me) return;
    if (!sentence.isEmpty()) me->say(sentence);
    // The status line's copy after the sentence: a screen reader works through every event
    // in turn, and the focus that carries the sentence is what it must reach first.
    send(me->item(kNewsItem), QAccessible::NameChanged);
}

void BoardAccessible::say(const QString& sentence) {
    const BoardWidget& board = this->board();
    QAccessibleInterface* focus = board.hasFocus() ? focusedItem() : nullptr;
    saying_ = sentence;
    sayingOn_ = focus; // none: said when the board gains the focus
    if (!focus && !board.hasFocus()) return;
    // With the focus but no cursor's object (no game), a voice says it.
    if (focus && focus != cursor_) {
        // The cursor's object changed too: it is said, then the sentence in its description.
        // (Each change is told first, for clients that keep what they were told.)
        send(focus, QAccessible::DescriptionChanged);
        locus_ = cursor_ = focus;
        send(focus, QAccessible::Focus);
        return;
    }
    saying_.clear();
    const int voice = std::exchange(nextVoice_, 1 - nextVoice_);
    voices_[static_cast<std::size_t>(voice)] = sentence;
    locus_ = item(kVoiceItems + voice);
    send(locus_, QAccessible::NameChanged);
    send(locus_, QAccessible::Focus);
}

QString BoardAccessible::SayingOn(const QAccessibleInterface* item) const {
    return item == sayingOn_ ? saying_ : QString();
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
    // A voice that is saying something (the focus told is not the cursor's object) holds the
    // focus until the cursor moves on.
    if (locus_ && locus_ != cursor_) return board().hasFocus() ? locus_ : nullptr;
    return board().hasFocus() ? focusedItem() : nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return tr("Board");
    // The empty table's drawn words are in its description too.
    if (t == QAccessible::Description && !board().CardsShown())
        return BoardWidget::Welcome().replace(QLatin1Char('\n'), QStringLiteral(". "));
    if (t == QAccessible::Description)
        return tr("Arrow keys move between the places; 1 to 8 play a column; C and F step "
                  "through the cells and the foundations; Space or Enter plays; Home sends the "
                  "card home; Escape clears the selection.");
    return QAccessibleWidget::text(t);
}

} // namespace quadrell
