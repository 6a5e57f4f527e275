#include "BoardNews.h"

#include "BoardAccessible.h"
#include "BoardWidget.h"
#include "CardNames.h"

#include <QTimer>

namespace quadrell {

void BoardNews::CardMoved(Card card, Loc destination) {
    moves_.Moved(card, destination);
    soon({});
}

void BoardNews::SelectionChanged(Card before, Card now) {
    BoardAccessible::SelectionChanged(board_, before, now);
    if (now != kNoCard)
        soon(tr("%1 selected").arg(CardNames::Of(now)));
    else if (before != kNoCard)
        soon(tr("Selection cleared"));
}

void BoardNews::Dealt() {
    moves_.Take(); // the cards laid out are no move
    lastMove_.clear();
    soon(tr("New deal"));
}

void BoardNews::History(HistoryStep step, int moves, int cardsLeft) {
    step_ = step;
    stepMoves_ = moves;
    cardsLeft_ = cardsLeft;
    soon({});
}

void BoardNews::Finishing(int cards) {
    beforeFinish_ = moves_.Cards();
    const QString before = moves_.Take();
    finished_
        = cards == 1 ? tr("Finish: 1 card home") : tr("Finish: %n cards home", nullptr, cards);
    if (!before.isEmpty()) finished_ = before + QStringLiteral("; ") + finished_;
    soon({});
}

QString BoardNews::historyLine(const QString& moved) const {
    switch (*step_) {
    case HistoryStep::Undo:
        return tr("Undo: %1").arg(moved);
    case HistoryStep::Redo:
        return tr("Redo: %1").arg(moved);
    case HistoryStep::UndoAll:
        return stepMoves_ == 1 ? tr("Undid 1 move, back to the deal")
                               : tr("Undid %1 moves, back to the deal").arg(stepMoves_);
    case HistoryStep::RedoAll:
        return stepMoves_ == 1
            ? tr("Redid 1 move, %1 cards left").arg(cardsLeft_)
            : tr("Redid %1 moves, %2 cards left").arg(stepMoves_).arg(cardsLeft_);
    }
    return moved;
}

void BoardNews::Hint(Card card, Loc target) {
    soon(tr("Hint: %1").arg(CardNames::OfMove(card, target)));
}

void BoardNews::CursorMayHaveMoved() {
    if (!turn_) BoardAccessible::FocusMoved(board_);
}

BoardNews::BoardNews(BoardWidget& board) : board_(board) {
    turnEnd_.setSingleShot(true);
    turnEnd_.setInterval(0);
    QObject::connect(&turnEnd_, &QTimer::timeout, &board_, [this] { turnOver(); });
}

void BoardNews::soon(const QString& sentence) {
    if (!sentence.isEmpty()) pending_ = sentence;
    if (turn_) return;
    turn_ = true;
    turnEnd_.start();
}

void BoardNews::turnOver() {
    turn_ = false;
    std::vector<Card> moved = std::exchange(beforeFinish_, {});
    for (Card c : moves_.Cards())
        moved.push_back(c);
    QString sentence = std::exchange(pending_, {});
    if (!moved.empty()) {
        lastMove_ = moves_.Take();
        if (!finished_.isEmpty()) lastMove_ = std::exchange(finished_, {});
        sentence = step_ ? historyLine(lastMove_) : lastMove_;
    }
    step_.reset();
    if (sentence.isEmpty())
        BoardAccessible::FocusMoved(board_);
    else
        BoardAccessible::Say(board_, sentence);
    // The places' new names after the sentence: a screen reader works through every event in
    // turn, and a score of renamed places ahead of the focus held the sentence back.
    if (!moved.empty()) BoardAccessible::NamesChanged(board_, moved);
    if (!moved.empty()) emit board_.CardsPlaced();
}

} // namespace quadrell
