#include "LossSearch.h"

#include "BoardWidget.h"
#include "CardNames.h"
#include "Deal.h"
#include "Engine.h"
#include "Prompter.h"
#include "cMenu.h"
#include "cTrans.h"

#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>

namespace quadrell {

LossSearch::LossSearch(Engine& engine, cTrans& trans, cMenu& menu, BoardWidget& board,
    Prompter& prompter, QStatusBar& status, QObject* parent)
    : QObject(parent)
    , engine_(engine)
    , trans_(trans)
    , menu_(menu)
    , board_(board)
    , prompter_(prompter)
    , status_(status) { }

void LossSearch::Cancel() {
    if (cancel_) cancel_->store(true);
    cancel_.reset();
    if (watcher_) watcher_->deleteLater();
    watcher_ = nullptr;
}

void LossSearch::Start() {
    const GameState& s = engine_.state();
    if (!s.gGameActive) return;
    Cancel();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const std::vector<TransRecord> played = trans_.Played();
    auto* watcher = watcher_ = new QFutureWatcher<LossFinder::Finding>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, played] {
        if (watcher != watcher_) return;
        watcher_ = nullptr;
        cancel_.reset();
        watcher->deleteLater();
        status_.clearMessage();
        show(watcher->result(), played);
    });
    status_.showMessage(tr("Looking for the move that lost the game..."));
    watcher->setFuture(
        QtConcurrent::run([deal = DealtBoard(s.gGameNumber), played, stop = cancel_] {
            return LossFinder::Find(deal, played, stop.get());
        }));
}

void LossSearch::show(const LossFinder::Finding& found, const std::vector<TransRecord>& played) {
    if (found.kind == LossFinder::Kind::Never) {
        prompter_.Message(tr("This game can still be won from here.").toStdString(),
            MessageIcon::Information, kAppTitle);
        return;
    }
    if (found.kind == LossFinder::Kind::FromTheDeal) {
        prompter_.Message(tr("This deal could not be won from its start.").toStdString(),
            MessageIcon::Information, kAppTitle);
        return;
    }
    // Back to just before the move, each move undone as the player would undo it.
    while (trans_.GetTransID() > found.before && trans_.UndoPossible())
        menu_.Undo();
    const TransRecord& move = played[static_cast<std::size_t>(found.before)];
    const auto from = static_cast<Loc>(move.SrcLoc);
    const auto to = static_cast<Loc>(move.Destloc);
    board_.ShowHint(from, to, kOutlineMs);
    const Card card = engine_.state().gBoard.GetCardIndex(from);
    status_.showMessage(
        tr("This move lost the game: %1").arg(CardNames::OfMove(card, to)), kOutlineMs);
}

} // namespace quadrell
