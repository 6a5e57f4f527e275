#include "LossSearch.h"

#include "BoardWidget.h"
#include "Deal.h"
#include "Engine.h"
#include "Prompter.h"
#include "cMenu.h"
#include "cTrans.h"

#include <QStatusBar>

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

void LossSearch::Cancel() { task_.Cancel(); }

void LossSearch::Start() {
    const GameState& s = engine_.state();
    if (!s.gGameActive) return;
    const std::vector<TransRecord> played = trans_.Played();
    status_.showMessage(tr("Looking for the move that lost the game..."));
    task_.Start([deal = DealtBoard(s.gGameNumber), played](
                    const std::atomic<bool>* stop) { return LossFinder::Find(deal, played, stop); },
        [this, played](const LossFinder::Finding& found) {
            status_.clearMessage();
            show(found, played);
        });
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
    line_.Show(from, to, tr("This move lost the game: %1"));
}

} // namespace quadrell
