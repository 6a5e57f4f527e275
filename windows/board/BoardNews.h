#pragma once

#include "Card.h"
#include "GameWindow.h"
#include "MoveAnnouncer.h"

#include <QCoreApplication>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

namespace quadrell {

class BoardWidget;

// What the board tells a screen reader, a turn at a time: the cards moved (one sentence for
// a move and the moves it set off), a selection made or cleared, a new deal, a hint. What
// happens in one turn of the event loop is said once it is over, so a move that clears the
// selection is said as the move alone.
class BoardNews {
    Q_DECLARE_TR_FUNCTIONS(BoardNews)

public:
    explicit BoardNews(BoardWidget& board);

    void CardMoved(Card card, Loc destination);
    void SelectionChanged(Card before, Card now);
    void Dealt();
    void Hint(Card card, Loc target);
    // Something asked for that cannot be done now, and why.
    void Refused(const QString& why) { soon(why); }
    // This turn's moves were the history stepped through: an undo or redo is said with its
    // name before its cards; undoing or redoing all, by how many moves and where it stands.
    void History(HistoryStep step, int moves, int cardsLeft);
    // Finish sends the cards left home: said by their number, after the move that set it off.
    void Finishing(int cards);
    // A key was handled: the focus follows the cursor, with this turn's news if there is any.
    void CursorMayHaveMoved();
    // The last move's sentence; empty after a deal.
    const QString& LastMove() const { return lastMove_; }

private:
    void soon(const QString& sentence);
    void turnOver();
    QString historyLine(const QString& moved) const;

    BoardWidget& board_;
    MoveAnnouncer moves_;
    QString lastMove_;
    QString pending_; // said at the turn's end unless cards moved
    bool turn_ = false;
    // A timer rather than a queued call: the turn is over only once its moves have been
    // drawn, and a move's drawing lets queued calls through but not timers.
    QTimer turnEnd_;
    std::optional<HistoryStep> step_;
    int stepMoves_ = 0;
    int cardsLeft_ = 0;
    QString finished_; // this turn's line once Finish began
    std::vector<Card> beforeFinish_;
};

} // namespace quadrell
