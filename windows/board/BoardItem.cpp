#include "BoardItem.h"

#include "BoardAccessible.h"
#include "BoardWidget.h"
#include "CardNames.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

namespace quadrell {

namespace {
QString placeSaid(const char* text) { return BoardAccessible::tr(text); }
} // namespace

const BoardWidget& BoardItem::board() const { return owner_.board(); }

bool BoardItem::isValid() const { return owner_.isValid(); }

QWindow* BoardItem::window() const { return owner_.window(); }

Loc BoardItem::place() const {
    switch (kind_) {
    case Kind::Column:
        return static_cast<Loc>(index_);
    case Kind::Cell:
        return static_cast<Loc>(kFirstCell + index_);
    case Kind::Foundation:
        return static_cast<Loc>(kFirstFoundation + index_);
    case Kind::OneCard:
        return board().PlaceOf(static_cast<Card>(index_));
    case Kind::News:
    case Kind::Voice:
        break;
    }
    return kNoLoc;
}

std::vector<Card> BoardItem::columnCards() const {
    std::vector<Card> cards;
    if (!board().CardsShown()) return cards;
    for (Card c = 0; c < kCardCount; ++c) {
        const Loc at = board().PlaceOf(c);
        if (isColumnPlace(at) && columnOf(at) == index_) cards.push_back(c);
    }
    std::sort(cards.begin(), cards.end(),
        [this](Card a, Card b) { return board().PlaceOf(a) < board().PlaceOf(b); });
    return cards;
}

Card BoardItem::topCard() const {
    Card top = kNoCard;
    if (!board().CardsShown()) return top;
    for (Card c = 0; c < kCardCount; ++c)
        if (board().PlaceOf(c) == place() && (top == kNoCard || rankOf(c) > rankOf(top))) top = c;
    return top;
}

QAccessibleInterface* BoardItem::parent() const {
    if (kind_ != Kind::OneCard) return const_cast<BoardAccessible*>(&owner_);
    const Loc at = place();
    if (isCell(at)) return owner_.item(BoardAccessible::kCellItems + at - kFirstCell);
    // A card gone home stays in the board's tree: without a parent a screen reader takes the
    // next focus for a new window and reads the title, the board and the column again.
    if (isFoundation(at))
        return owner_.item(BoardAccessible::kFoundationItems + at - kFirstFoundation);
    return isColumnPlace(at) ? owner_.item(BoardAccessible::kColumnItems + columnOf(at)) : nullptr;
}

int BoardItem::childCount() const {
    if (kind_ == Kind::Cell || kind_ == Kind::Foundation) return topCard() == kNoCard ? 0 : 1;
    return kind_ == Kind::Column ? static_cast<int>(columnCards().size()) : 0;
}

QAccessibleInterface* BoardItem::child(int index) const {
    if (kind_ == Kind::Cell || kind_ == Kind::Foundation)
        return index == 0 ? owner_.cardItem(topCard()) : nullptr;
    if (kind_ != Kind::Column) return nullptr;
    const std::vector<Card> cards = columnCards();
    if (index < 0 || index >= static_cast<int>(cards.size())) return nullptr;
    return owner_.cardItem(cards[static_cast<std::size_t>(index)]);
}

int BoardItem::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const BoardItem*>(child);
    if (!item || item->kind_ != Kind::OneCard) return -1;
    if (kind_ == Kind::Cell || kind_ == Kind::Foundation) return item->index_ == topCard() ? 0 : -1;
    if (kind_ != Kind::Column) return -1;
    const std::vector<Card> cards = columnCards();
    const auto it = std::find(cards.begin(), cards.end(), static_cast<Card>(item->index_));
    return it == cards.end() ? -1 : static_cast<int>(it - cards.begin());
}

QAccessibleInterface* BoardItem::childAt(int x, int y) const {
    // The topmost card under the point: the last of the column that holds it.
    for (int i = childCount() - 1; i >= 0; --i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
    return nullptr;
}

QString BoardItem::name() const {
    switch (kind_) {
    case Kind::Column:
        return placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "Column %1")).arg(index_ + 1);
    case Kind::Cell: {
        const Card c = topCard();
        return placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "Cell %1: %2"))
            .arg(index_ + 1)
            .arg(c == kNoCard ? placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "empty"))
                              : CardNames::Of(c));
    }
    case Kind::Foundation: {
        const Card c = topCard();
        return placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "%1 foundation: %2"))
            .arg(CardNames::OfSuit(index_ + 1),
                c == kNoCard ? placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "empty"))
                             : CardNames::Of(c));
    }
    case Kind::OneCard: {
        const auto card = static_cast<Card>(index_);
        const Loc at = place();
        return at == kNoLoc
            ? CardNames::Of(card)
            : QStringLiteral("%1, %2").arg(CardNames::Of(card), CardNames::OfPlace(at));
    }
    case Kind::News:
        return board().LastMove();
    case Kind::Voice:
        return owner_.VoiceText(index_);
    }
    return {};
}

QString BoardItem::description() const {
    // A sentence said with the focus follows what the item always says.
    const QString saying = owner_.SayingOn(this);
    const QString own = ownDescription();
    return saying.isEmpty() ? own : own.isEmpty() ? saying : own + QStringLiteral(". ") + saying;
}

QString BoardItem::ownDescription() const {
    if (kind_ == Kind::Column) {
        const auto n = columnCards().size();
        return n == 0 ? placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "empty"))
            : n == 1  ? placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "1 card"))
                      : placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "%1 cards")).arg(n);
    }
    if (kind_ == Kind::OneCard && isColumnPlace(place())) {
        const Loc below = static_cast<Loc>(place() + kColumns);
        for (Card c = 0; c < kCardCount; ++c)
            if (board().PlaceOf(c) == below)
                return placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "covered"));
        return placeSaid(QT_TRANSLATE_NOOP("BoardAccessible", "exposed"));
    }
    return {};
}

QString BoardItem::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return name();
    if (t == QAccessible::Description) return description();
    return {};
}

QRect BoardItem::rect() const {
    const BoardWidget& b = board();
    QRectF r;
    if (kind_ == Kind::News) {
        r = QRectF(0, 0, 0, 0);
    } else if (kind_ == Kind::Voice) {
        r = b.rect(); // it speaks for the whole board
    } else if (kind_ == Kind::OneCard) {
        r = b.Pixels(b.CardPosition(static_cast<Card>(index_)), kCardWidthTwips, kCardHeightTwips);
    } else {
        r = b.Pixels(b.ShownAt(place()), kCardWidthTwips, kCardHeightTwips);
        for (Card c : columnCards())
            r |= b.Pixels(b.CardPosition(c), kCardWidthTwips, kCardHeightTwips);
    }
    return QRect(b.mapToGlobal(r.topLeft().toPoint()), r.size().toSize());
}

QAccessible::Role BoardItem::role() const {
    switch (kind_) {
    case Kind::Column:
        return QAccessible::List;
    case Kind::OneCard:
        return QAccessible::ListItem;
    case Kind::Cell:
    case Kind::Foundation:
        return QAccessible::PushButton;
    case Kind::News:
        return QAccessible::StatusBar;
    case Kind::Voice:
        return QAccessible::ListItem; // said by its name alone
    }
    return QAccessible::NoRole;
}

QAccessible::State BoardItem::state() const {
    QAccessible::State s;
    const bool shown = kind_ != Kind::OneCard || place() != kNoLoc;
    s.invisible = !shown || !board().isVisible();
    if (kind_ == Kind::News) return s;
    // A voice that has said nothing yet is nothing to find: no nameless focusable object.
    if (kind_ == Kind::Voice && owner_.VoiceText(index_).isEmpty()) {
        s.invisible = true;
        return s;
    }
    s.focusable = true;
    s.focused = kind_ == Kind::Voice ? owner_.IsLocus(this) && board().hasFocus()
                                     : owner_.focusedItem() == this && board().hasFocus();
    s.selectable = kind_ == Kind::OneCard;
    s.selected = kind_ == Kind::OneCard && board().Framed() == static_cast<Card>(index_);
    return s;
}

} // namespace quadrell
