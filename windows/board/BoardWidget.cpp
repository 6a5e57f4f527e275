#include "BoardWidget.h"

#include "BoardAccessible.h"
#include "BoardKeys.h"
#include "CardNames.h"
#include "Icons.h"
#include "KeyboardPlay.h"
#include "PointerInput.h"
#include "cCards.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QtMath>
#include <algorithm>
#include <utility>

namespace quadrell {

namespace {

constexpr double kCardW = kCardWidthTwips;
constexpr double kCardH = kCardHeightTwips;
constexpr double kCellLeft = 0;
constexpr double kFoundationLeft = 5160;
constexpr double kPlaceStep = 1080;
const QPointF kLogoAt(4490, 240);
constexpr int kSlideBackSteps = 8;
constexpr double kLogoSize = 495;

PointerInput::Button buttonOf(Qt::MouseButton b) {
    if (b == Qt::LeftButton) return PointerInput::Button::Left;
    if (b == Qt::RightButton) return PointerInput::Button::Right;
    return PointerInput::Button::Other;
}

QPointF placeOf(Loc loc) { return { double(cCards::PlaceX(loc)), double(cCards::PlaceY(loc)) }; }

} // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    BoardAccessible::Install();
    for (Card c = 0; c < kCardCount; ++c)
        stacking_.push_back(c);
}

QRectF BoardWidget::Pixels(QPointF twips, double widthTwips, double heightTwips) const {
    const double k = scale_ / kTwipsPerPixel;
    return { originX_ + twips.x() * k, twips.y() * k, widthTwips * k, heightTwips * k };
}

QPointF BoardWidget::TwipsAt(QPointF point) const {
    const double k = kTwipsPerPixel / scale_;
    return { (point.x() - originX_) * k, point.y() * k };
}

QRectF BoardWidget::CardRect(Card card) const { return Pixels(CardPosition(card), kCardW, kCardH); }

void BoardWidget::SetBackground(const QColor& colour, const QPixmap& picture) {
    colour_ = colour;
    picture_ = picture;
    update();
}

void BoardWidget::SetHighContrast(bool on) {
    palette_ = on ? BoardPalette::HighContrast() : BoardPalette::Standard();
    update();
}

Loc BoardWidget::PlaceOf(Card card) const {
    const auto i = static_cast<std::size_t>(card);
    if (card < 0 || card >= kCardCount || !placed_[i]) return kNoLoc;
    const Loc at = loc_[i];
    const bool real
        = (at >= 0 && at < kColumns * kMaxColumnCards) || isCell(at) || isFoundation(at);
    return real ? at : kNoLoc;
}

int BoardWidget::StackIndex(Card card) const {
    const auto it = std::find(stacking_.begin(), stacking_.end(), card);
    return static_cast<int>(it - stacking_.begin());
}

void BoardWidget::BringToFront(Card card) {
    stacking_.erase(std::find(stacking_.begin(), stacking_.end(), card));
    stacking_.push_back(card);
    update();
}

void BoardWidget::SendToBack(Card card) {
    stacking_.erase(std::find(stacking_.begin(), stacking_.end(), card));
    stacking_.insert(stacking_.begin(), card);
    update();
}

void BoardWidget::PlaceCard(Card card, Loc location) {
    BringToFront(card);
    loc_[static_cast<std::size_t>(card)] = location;
    placed_[static_cast<std::size_t>(card)] = true;
    relayout();
}

// How many rows each column shows.
std::array<int, kColumns> BoardWidget::columnRows() const {
    std::array<int, kColumns> rows {};
    for (Card c = 0; c < kCardCount; ++c) {
        const Loc at = loc_[static_cast<std::size_t>(c)];
        if (placed_[static_cast<std::size_t>(c)] && isColumnPlace(at)) {
            int& n = rows[static_cast<std::size_t>(columnOf(at))];
            n = std::max(n, rowOf(at) + 1);
        }
    }
    return rows;
}

QPointF BoardWidget::ShownAt(Loc loc) const { return shownAt(loc, columnRows()); }

// A column whose exposed card would fall below the board closes up its strips just enough
// to show that card whole; every other place is where the rules put it.
QPointF BoardWidget::shownAt(Loc loc, const std::array<int, kColumns>& columnRows) const {
    QPointF at = placeOf(loc);
    if (!isColumnPlace(loc)) return at;
    const int rows = std::max(rowOf(loc) + 1, columnRows[static_cast<std::size_t>(columnOf(loc))]);
    const double top = cCards::PlaceY(static_cast<Loc>(columnOf(loc)));
    const double room = std::max(0.0, height() * kTwipsPerPixel / scale_ - kCardH - top);
    const double strip = cCards::PlaceY(kColumns) - top;
    if (rows > 1 && strip * (rows - 1) > room) at.setY(top + rowOf(loc) * room / (rows - 1));
    return at;
}

void BoardWidget::relayout() {
    const auto rows = columnRows(); // once for all 52 cards
    for (Card c = 0; c < kCardCount; ++c)
        if (placed_[static_cast<std::size_t>(c)])
            position_[static_cast<std::size_t>(c)]
                = shownAt(loc_[static_cast<std::size_t>(c)], rows);
    update();
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    BoardAccessible::BoardFocusChanged(*this);
    // After Qt's own event for the board: the card under the cursor is the focus, not the
    // board as a whole; with this turn's news, if a turn is under way (a deal just made).
    QTimer::singleShot(0, this, [this] { news_.CursorMayHaveMoved(); });
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    BoardAccessible::BoardFocusChanged(*this);
}

void BoardWidget::resizeEvent(QResizeEvent*) { // QWidget's own does nothing
    rescale();
    if (!moving_) relayout();
}

// As wide as the widget, up to the height that shows a full column; never smaller than the
// first size unless the widget is narrower than that.
void BoardWidget::rescale() {
    const double byWidth = width() / kBoardWidth;
    const double byHeight = height() / kBoardHeight;
    const double scale = byWidth <= 1 ? byWidth : std::max(1.0, std::min(byWidth, byHeight));
    const double clamped = std::clamp(scale, kMinScale, kMaxScale);
    if (clamped != scale_) art_.Clear();
    scale_ = clamped;
    // At its first size the board keeps its design's place; grown, it centres what it shows
    // (the design's 13-pixel right margin, scaled up, left the cells against the left edge
    // of a maximised window and a wide gap at the right).
    const double shown
        = std::max(double(cCards::PlaceX(kLastFoundation)), double(cCards::PlaceX(kColumns - 1)))
        + kCardW;
    const double wide = scale_ > 1 ? shown / kTwipsPerPixel : kBoardWidth;
    originX_ = std::max(0.0, (width() - wide * scale_) / 2);
}

void BoardWidget::ShowCards(bool visible) {
    // Cards shown after none: a game has been dealt, and the cursor starts on the left.
    const bool dealt = visible && !visible_;
    if (dealt && keyboard_) keyboard_->Reset();
    visible_ = visible;
    if (dealt) news_.Dealt();
    ClearHint();
    update();
}

void BoardWidget::SelectionChanged(Loc selected) {
    const Card before = std::exchange(framed_, kNoCard);
    if (selected != kNoLoc) {
        const QPointF at = ShownAt(selected);
        for (auto it = stacking_.rbegin(); it != stacking_.rend() && framed_ == kNoCard; ++it)
            if (CardPosition(*it) == at) framed_ = *it;
    }
    if (framed_ != before) {
        news_.SelectionChanged(before, framed_);
        ClearHint(); // the player has acted
    }
    update();
}

QString BoardWidget::ShowHint(Loc source, Loc target) {
    hintSource_ = source;
    hintTarget_ = target;
    QString words;
    for (Card c = 0; c < kCardCount; ++c)
        if (placed_[static_cast<std::size_t>(c)] && loc_[static_cast<std::size_t>(c)] == source) {
            news_.Hint(c, target);
            words = CardNames::OfMove(c, target);
        }
    update();
    return words;
}

void BoardWidget::ClearHint() {
    if (hintSource_ == kNoLoc) return;
    hintSource_ = hintTarget_ = kNoLoc;
    update();
    emit HintCleared();
}

void BoardWidget::paintStep(const QRectF& before, const QRectF& after) {
    // Only the card's old and new place change, so only they are painted again.
    const int m = qCeil(2 * scale_);
    if (isVisible()) repaint(before.united(after).toAlignedRect().adjusted(-m, -m, m, m));
}

void BoardWidget::MoveCard(Card card, Loc source, Loc destination, int steps, bool instant) {
    ClearHint(); // a move made: the hint was for the position before
    BringToFront(card);
    auto& at = position_[static_cast<std::size_t>(card)];
    // From where it is drawn: where the rules put it, or for a card just let go, where the
    // pointer left it.
    const QPointF from = placed_[static_cast<std::size_t>(card)] ? at : ShownAt(source);
    loc_[static_cast<std::size_t>(card)] = destination;
    // Said once the moves of this turn are over: a run is one announcement, not five.
    news_.CardMoved(card, destination);
    placed_[static_cast<std::size_t>(card)] = true;
    const QPointF to = ShownAt(destination);
    // A click or key during this turn's moves has landed them; the rest land at once too.
    if (!instant && !instantMoves_ && !pacer_.Hurried() && steps > 0) {
        moving_ = true;
        // Paced only where someone can watch it, and never for one-step moves.
        const bool paced = steps > 1 && isVisible();
        QElapsedTimer clock;
        clock.start();
        for (int i = 1; i <= steps; ++i) {
            const QRectF before = CardRect(card);
            at = from + (to - from) * (double(i) / steps);
            paintStep(before, CardRect(card));
            if (stepObserver_) stepObserver_(card, i);
            if (paced && !pacer_.WaitUntil(clock, qint64(i) * kStepMs)) break;
        }
        stopMoving();
    }
    at = to;
    relayout(); // the column left closes up again, or opens out
}

Card BoardWidget::CardAt(QPoint point) const {
    if (!visible_) return kNoCard;
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it)
        if (placed_[static_cast<std::size_t>(*it)] && CardRect(*it).contains(point)) return *it;
    return kNoCard;
}

int BoardWidget::cellAt(QPoint point) const {
    for (int i = 0; i < kCells; ++i)
        if (Pixels({ kCellLeft + kPlaceStep * i, 0 }, kCardW, kCardH).contains(point)) return i;
    return -1;
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    const QColor table = palette_.table.isValid() ? palette_.table : colour_;
    p.fillRect(rect(), table);
    if (!picture_.isNull() && !palette_.strong) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, scale_ != 1);
        p.drawPixmap(QRectF(QPointF(0, 0), QSizeF(picture_.size()) * scale_), picture_,
            QRectF(picture_.rect()));
    }
    for (int i = 0; i < 4; ++i) {
        p.drawPixmap(Pixels({ kCellLeft + kPlaceStep * i, 0 }, kCardW, kCardH).topLeft(),
            art_.Place(0, table, scale_, dpr, palette_.placeContrast));
        p.drawPixmap(Pixels({ kFoundationLeft + kPlaceStep * i, 0 }, kCardW, kCardH).topLeft(),
            art_.Place(i + 1, table, scale_, dpr, palette_.placeContrast));
    }
    p.drawPixmap(Pixels(kLogoAt, kLogoSize, kLogoSize).topLeft(), art_.Logo(scale_, dpr));
    if (!visible_) return paintWelcome(p);
    const Card firstHeld = dragging_.Holding() ? dragging_.Lifted().front() : kNoCard;
    for (Card c : stacking_) {
        if (!placed_[static_cast<std::size_t>(c)]) continue;
        if (c == firstHeld) paintDropSpot(p); // on the board, under the cards held
        const QRectF r = CardRect(c);
        p.drawPixmap(r.topLeft(), art_.Face(c, scale_, dpr));
        if (c == framed_) {
            p.setRenderHint(QPainter::Antialiasing);
            const double s = scale_;
            p.setPen(QPen(palette_.selection, (palette_.strong ? 4 : 2.5) * s));
            p.setBrush(palette_.selectionFill);
            p.drawRoundedRect(r.adjusted(1.25 * s, 1.25 * s, -1.25 * s, -1.25 * s), 5 * s, 5 * s);
            p.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    if (firstHeld != kNoCard) paintDropOutlines(p);
    if (hintSource_ != kNoLoc) {
        p.setRenderHint(QPainter::Antialiasing);
        const double s = scale_;
        for (Loc place : { hintSource_, hintTarget_ }) {
            const QRectF r = Pixels(ShownAt(place), kCardW, kCardH)
                                 .adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s);
            p.setPen(QPen(palette_.hintUnder, 5 * s));
            p.setBrush(palette_.hintFill);
            p.drawRoundedRect(r, 5 * s, 5 * s);
            p.setPen(QPen(palette_.hint, 3 * s, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r, 5 * s, 5 * s);
        }
    }
    paintKeyboardCursor(p);
}

void BoardWidget::paintDropSpot(QPainter& p) const {
    if (dragging_.Spot() == kNoLoc) return;
    const double s = scale_;
    const QRectF r = Pixels(ShownAt(dragging_.Spot()), kCardW, kCardH)
                         .adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette_.dropFill);
    p.drawRoundedRect(r, 5 * s, 5 * s);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void BoardWidget::paintDropOutlines(QPainter& p) const {
    const double s = scale_;
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (const Loc other : dragging_.OtherSpots()) { // muted: a thin dashed outline
        p.setPen(QPen(palette_.drop, 2 * s, Qt::DashLine));
        p.drawRoundedRect(
            Pixels(ShownAt(other), kCardW, kCardH).adjusted(2 * s, 2 * s, -2 * s, -2 * s), 5 * s,
            5 * s);
    }
    if (dragging_.Spot() != kNoLoc) {
        const QRectF r = Pixels(ShownAt(dragging_.Spot()), kCardW, kCardH)
                             .adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s);
        p.setPen(QPen(palette_.dropUnder, 6 * s));
        p.drawRoundedRect(r, 5 * s, 5 * s);
        p.setPen(QPen(palette_.drop, 3.5 * s));
        p.drawRoundedRect(r, 5 * s, 5 * s);
    }
}

void BoardWidget::paintKeyboardCursor(QPainter& p) const {
    if (!keyboard_ || !keyboardShown_) return;
    // Around the place, kept inside the board where the place touches its edge.
    const double s = scale_;
    const QRectF r = Pixels(ShownAt(keyboard_->Place()), kCardW, kCardH)
                         .adjusted(-3 * s, -3 * s, 3 * s, 3 * s)
                         .intersected(QRectF(rect()).adjusted(2 * s, 2 * s, -2 * s, -2 * s));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    // Dark under light: seen on white cards and on any background colour.
    p.setPen(QPen(palette_.cursorUnder, (palette_.strong ? 6 : 4) * s));
    p.drawRoundedRect(r, 7 * s, 7 * s);
    p.setPen(QPen(palette_.cursor, (palette_.strong ? 3 : 2) * s));
    p.drawRoundedRect(r, 7 * s, 7 * s);
}

// The empty board says how to begin, quietly, in the middle of the table.
// The text is the board's own font, enlarged by the painter: a font of its own size would be a
// second face to look up and hint, a fifth of what the first picture costs beyond a bare window.
void BoardWidget::paintWelcome(QPainter& p) const {
    const double enlarged = 1.3 * scale_;
    p.scale(enlarged, enlarged);
    const QColor quiet = palette_.strong ? QColor(Qt::white)
        : colour_.lightness() > 140      ? QColor(0, 0, 0, 140)
                                         : QColor(255, 255, 255, 170);
    p.setPen(quiet);
    const double top = Pixels({ 0, 1600 }, 0, 0).top();
    const QRectF upperHalf(0, top, width(), height() / 2.0);
    p.drawText(QRectF(upperHalf.topLeft() / enlarged, upperHalf.size() / enlarged), Qt::AlignCenter,
        Welcome());
}

QString BoardWidget::Welcome() { return tr("New Game \u2014 F2\nSelect Game \u2014 F3"); }

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (keyboardShown_) {
        keyboardShown_ = false;
        update();
    }
    if (!input_) return;
    const QPoint at = event->position().toPoint();
    pressed_ = CardAt(at);
    pressedCell_ = -1;
    dragging_.Forget();
    if (pressed_ != kNoCard) {
        input_->CardPressed(pressed_, buttonOf(event->button()));
        if (event->button() == Qt::LeftButton) dragging_.Press(at, input_->Liftable(pressed_));
    } else if (cellAt(at) >= 0) {
        pressedCell_ = cellAt(at);
        return; // a cell reacts to a whole click
    } else {
        // The table, and the foundations and logo above the columns, where the rules take no
        // press.
        const QPointF twips = TwipsAt(at);
        input_->SurfacePressed(qRound(twips.x()), qRound(twips.y()));
    }
    emit InputHandled();
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!input_) return;
    const QPoint at = event->position().toPoint();
    dragging_.Forget();
    if (dragging_.Holding() && event->button() == Qt::LeftButton) {
        dragging_.Drop(at, *input_);
    } else if (pressed_ != kNoCard) {
        input_->CardReleased(pressed_, buttonOf(event->button()));
    } else if (pressedCell_ >= 0 && cellAt(at) == pressedCell_ && CardAt(at) == kNoCard
        && event->button() == Qt::LeftButton) {
        input_->CellPictureClicked(pressedCell_);
    }
    pressed_ = kNoCard;
    pressedCell_ = -1;
    emit InputHandled();
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!input_ || event->button() != Qt::LeftButton) return;
    // The second press of a double click reaches only the card's double-click handler.
    const Card card = CardAt(event->position().toPoint());
    pressed_ = kNoCard;
    if (card != kNoCard) input_->CardDoubleClicked(card);
    emit InputHandled();
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!input_) return;
    if ((event->buttons() & Qt::LeftButton) && !moving_ && dragging_.Possible())
        dragging_.MoveTo(event->position().toPoint(), *input_);
    const Card card = CardAt(event->position().toPoint());
    if (card != kNoCard && input_->ShowsMovePointer(card)) {
        // Drawn when first needed: the first picture never shows it.
        if (!movePointer_) movePointer_ = Icons::MovePointer();
        setCursor(*movePointer_);
    } else {
        unsetCursor();
    }
}

void BoardWidget::Shift(const std::vector<Card>& cards, QPointF twips) {
    for (Card c : cards)
        position_[static_cast<std::size_t>(c)] += twips;
    update();
}

void BoardWidget::SlideBack(const std::vector<Card>& cards) {
    if (!visible_) return;
    moving_ = true;
    for (Card c : cards) {
        const QPointF back = ShownAt(loc_[static_cast<std::size_t>(c)]);
        const QPointF start = position_[static_cast<std::size_t>(c)];
        QElapsedTimer clock;
        clock.start();
        for (int i = 1; i <= kSlideBackSteps && !pacer_.Hurried(); ++i) {
            const QRectF before = CardRect(c);
            position_[static_cast<std::size_t>(c)]
                = start + (back - start) * (double(i) / kSlideBackSteps);
            paintStep(before, CardRect(c));
            pacer_.WaitUntil(clock, qint64(i) * kStepMs);
        }
        position_[static_cast<std::size_t>(c)] = back;
    }
    stopMoving();
    update();
}

void BoardWidget::WhenStill(QObject* context, std::function<void()> then) {
    if (!moving_) return then();
    waitingForStill_.emplace_back(context, std::move(then));
}

void BoardWidget::stopMoving() {
    moving_ = false;
    // Timers wait while the turn's moves are drawn, so these run after its last move; one
    // that finds another move started waits again. A context gone is null here, and a timer
    // without one never fires.
    for (auto& [context, then] : std::exchange(waitingForStill_, {}))
        QTimer::singleShot(0, context.data(),
            [this, context = context.data(), then = std::move(then)] { WhenStill(context, then); });
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    // Finish's shortcut reaches the board only when Finish is not offered: say why, rather
    // than nothing.
    if (keyboard_ && event->key() == Qt::Key_F && event->modifiers() == Qt::ControlModifier) {
        const QString why = QString::fromStdString(keyboard_->WhyNoFinish());
        news_.Refused(why);
        emit DropRefused(why);
        return;
    }
    if (!keyboard_ || moving_ || !BoardKeys::Apply(*event, *keyboard_))
        return QWidget::keyPressEvent(event);
    // The board's keys with no game to play say how to begin, as the empty table shows it.
    if (!visible_) news_.Refused(Welcome().replace(QLatin1Char('\n'), QStringLiteral(". ")));
    keyboardShown_ = true;
    update();
    emit InputHandled();
    news_.CursorMayHaveMoved();
}

} // namespace quadrell
