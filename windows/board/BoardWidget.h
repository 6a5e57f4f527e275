#pragma once

#include "BoardNews.h"
#include "BoardPalette.h"
#include "BoardView.h"
#include "CardArt.h"
#include "Dragging.h"
#include "StepPacer.h"

#include <QCursor>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace quadrell {

class KeyboardPlay;
class PointerInput;

// The board surface: the cell and foundation places, the logo and the 52 card pictures,
// each with its own place and stacking order, moved in straight-line steps.
class BoardWidget final : public QWidget, public BoardView {
    Q_OBJECT
public:
    static constexpr double kTwipsPerPixel = 15.0;
    // Steps of a move are paced this far apart, so the default 30 steps take 150 ms.
    static constexpr int kStepMs = 5;
    // The board at 100 %: the window's first width, and the height a 13-card column needs.
    static constexpr double kBoardWidth = 643;
    static constexpr double kBoardHeight = 407;
    static constexpr double kMinScale = 0.5;
    static constexpr double kMaxScale = 4.0;

    explicit BoardWidget(QWidget* parent = nullptr);

    void SetInput(PointerInput* input) { input_ = input; }
    void SetKeyboard(KeyboardPlay* keyboard) { keyboard_ = keyboard; }
    const KeyboardPlay* Keyboard() const { return keyboard_; }
    // The keyboard cursor is drawn once a key has moved or used it, until the pointer is used.
    bool KeyboardCursorShown() const { return keyboardShown_; }
    // The cards a drag holds above the board, none between drags.
    const std::vector<Card>& Lifted() const { return dragging_.Lifted(); }
    // Where they would land if let go now, marked on the board; kNoLoc for nowhere.
    Loc DropSpot() const { return dragging_.Spot(); }
    void SetBackground(const QColor& colour, const QPixmap& picture);
    QColor Background() const { return colour_; }
    // High contrast: a black table whatever the player's colour or picture, white outlines,
    // strong frames.
    void SetHighContrast(bool on);
    bool HighContrast() const { return palette_.strong; }

    void MoveCard(Card card, Loc source, Loc destination, int steps, bool instant) override;
    // Every move lands at once while set: a solution run to its end.
    void SetInstantMoves(bool on) { instantMoves_ = on; }
    void PlaceCard(Card card, Loc location) override;
    void ShowCards(bool visible) override;
    void SelectionChanged(Loc selected) override;
    void BringToFront(Card card) override;
    void SendToBack(Card card) override;
    void Finishing(int cards) override { news_.Finishing(cards); }
    void MoveRefused() override { emit Refused(); }

    // Where a card picture lies, in twips; its place in the stacking order (0 = back).
    QPointF CardPosition(Card card) const { return position_[static_cast<std::size_t>(card)]; }
    int StackIndex(Card card) const;
    // Where the board shows a place, in twips: a long column's strips closed up to fit.
    QPointF ShownAt(Loc loc) const;
    bool CardsShown() const { return visible_; }
    // What the empty table shows: how to begin.
    static QString Welcome();
    // The place a card lies on, kNoLoc while it is on none; the card the frame is drawn round.
    Loc PlaceOf(Card card) const;
    Card Framed() const { return framed_; }
    // What the cards last moved did, as a screen reader says it: "Seven of Hearts to cell 1".
    const QString& LastMove() const { return news_.LastMove(); }
    // How large the board is drawn: 1 at the window's first size, growing with the window.
    double Scale() const { return scale_; }
    // Where a point in twips lies on the widget, and back.
    QRectF Pixels(QPointF twips, double widthTwips, double heightTwips) const;
    // Where the card is drawn, in pixels.
    QRectF CardRect(Card card) const;
    // The card's face as the board draws it now.
    QPixmap Face(Card card) { return art_.Face(card, scale_, devicePixelRatioF()); }
    // The places and the logo are copied from there when they were drawn at an earlier start.
    void KeepPicturesIn(std::shared_ptr<PictureCache> pictures) {
        art_.KeepIn(std::move(pictures));
    }
    // The cards drawn that far from where they were, in twips (a drag).
    void Shift(const std::vector<Card>& cards, QPointF twips);
    // The cards let go slide back to where they lie.
    void SlideBack(const std::vector<Card>& cards);
    QPointF TwipsAt(QPointF point) const;
    // The card picture under a point of the widget, -1 for none.
    Card CardAt(QPoint point) const;
    // The hint: the card at `source` and the place `target` outlined until the next move,
    // selection or deal. Returns the move in words ("Five of Hearts to column 3").
    QString ShowHint(Loc source, Loc target);
    void ClearHint();
    // The cards moved this turn were an undo or redo of `moves` moves: said as such.
    void HistoryNews(HistoryStep step, int moves, int cardsLeft) {
        news_.History(step, moves, cardsLeft);
    }
    bool HintShown() const { return hintSource_ != kNoLoc; }
    std::pair<Loc, Loc> Hint() const { return { hintSource_, hintTarget_ }; }
    // A move is being drawn: input waits for it (or hurries it).
    bool Moving() const { return moving_; }
    // Runs `then` now, or once the moves being drawn are over: what acts on the board (a
    // solver's answer, a file handed over) is for the position the moves leave. Dropped if
    // `context` goes first.
    void WhenStill(QObject* context, std::function<void()> then);
    // Called after every step of a move has been painted (tests, screenshots).
    void SetStepObserver(std::function<void(Card, int)> observer) {
        stepObserver_ = std::move(observer);
    }

signals:
    // A pointer event has been handled: the window refreshes what depends on the board.
    void InputHandled();
    // A drop the rules refused, with the rule that refused it in one line.
    void DropRefused(const QString& reason);
    // The hint's outline has gone.
    void HintCleared();
    // A move asked for by click, key or drop was refused.
    void Refused();
    // A turn's cards have moved (a move with the moves it set off, an undo, a redo).
    void CardsPlaced();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintKeyboardCursor(QPainter& p) const;
    // The place the cards held would land on, marked while they are held over it.
    // Under the cards held, the landing place's fill; over them, the outlines of it and of
    // every other place that would take them, so that cards held squarely over their
    // target never hide its mark.
    void paintDropSpot(QPainter& p) const;
    void paintDropOutlines(QPainter& p) const;
    void paintWelcome(QPainter& p) const;
    void rescale();
    int cellAt(QPoint point) const;
    void paintStep(const QRectF& before, const QRectF& after);
    void stopMoving();
    void relayout();
    std::array<int, kColumns> columnRows() const;
    QPointF shownAt(Loc loc, const std::array<int, kColumns>& columnRows) const;

    PointerInput* input_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    bool keyboardShown_ = false;
    Dragging dragging_ { *this };
    CardArt art_;
    QColor colour_ { 0, 64, 128 };
    BoardPalette palette_ = BoardPalette::Standard();
    QPixmap picture_;
    std::array<QPointF, kCardCount> position_ {};
    std::array<bool, kCardCount> placed_ {};
    std::array<Loc, kCardCount> loc_ {};
    std::vector<Card> stacking_; // back to front
    bool visible_ = false;
    double scale_ = 1;
    double originX_ = 0; // a board narrower than the widget sits in its middle
    Card framed_ = kNoCard;
    Card pressed_ = kNoCard;
    int pressedCell_ = -1;
    bool moving_ = false;
    bool instantMoves_ = false;
    StepPacer pacer_ { this };
    std::optional<QCursor> movePointer_;
    std::function<void(Card, int)> stepObserver_;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waitingForStill_;
    BoardNews news_ { *this };
    Loc hintSource_ = kNoLoc;
    Loc hintTarget_ = kNoLoc;
};

} // namespace quadrell
