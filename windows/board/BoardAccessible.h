#pragma once

#include "Card.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <array>
#include <vector>

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
    // Two objects that say a sentence by taking the focus in turn: Orca 43 says nothing of a
    // focus that does not move, and reads Qt 6.4's name and description changes wrongly.
    static constexpr int kVoiceItems = kNewsItem + 1;
    static constexpr int kVoices = 2;

    explicit BoardAccessible(BoardWidget* board);
    ~BoardAccessible() override;

    // Lets Qt make one of these for every board widget; once is enough.
    static void Install();
    // The cursor has moved or the card under it has changed: the focus follows, once (the
    // object a screen reader already holds as the focus is not announced again).
    static void FocusMoved(BoardWidget& board);
    // The board itself has just gained or lost the keyboard focus: what a screen reader
    // held before is forgotten (the caller then has the cursor's object take the focus).
    static void BoardFocusChanged(BoardWidget& board);
    // Cards have moved: the places and the cards tell of their new names.
    static void NamesChanged(BoardWidget& board, const std::vector<Card>& moved);
    // A selected card's state changed.
    static void SelectionChanged(BoardWidget& board, Card before, Card now);
    // A sentence for the player (a move, a selection, a new deal, a hint). Orca 43 speaks a
    // change of the focused object's description, and an object's description when it gains
    // the focus; so the sentence becomes the description of the cursor's object and is sent
    // as one of the two. Each sentence is said once; the last-move line carries it too.
    static void Say(BoardWidget& board, const QString& sentence);

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
    // The sentence the item carries as its description, or nothing.
    QString SayingOn(const QAccessibleInterface* item) const;
    // What a voice says; whether the item is the focus a screen reader holds.
    const QString& VoiceText(int voice) const { return voices_[static_cast<std::size_t>(voice)]; }
    bool IsLocus(const QAccessibleInterface* item) const { return item == locus_; }

private:
    void say(const QString& sentence);
    // The object a screen reader was last told has the focus (a voice, or the cursor's
    // object), the cursor's object last told, and the sentence it carries.
    QAccessibleInterface* locus_ = nullptr;
    QAccessibleInterface* cursor_ = nullptr;
    const QAccessibleInterface* sayingOn_ = nullptr;
    QString saying_;
    std::array<QString, kVoices> voices_;
    int nextVoice_ = 0;
    std::array<QAccessible::Id, kVoiceItems + kVoices> items_ {};
    std::array<QAccessible::Id, kCardCount> cards_ {};
};

} // namespace quadrell
