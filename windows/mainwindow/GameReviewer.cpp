#include "GameReviewer.h"

#include "BoardWidget.h"
#include "Deal.h"
#include "Engine.h"
#include "GameReview.h"
#include "cTrans.h"
#include "dlgReview.h"

#include <QScreen>
#include <algorithm>

namespace quadrell {

GameReviewer::GameReviewer(Engine& engine, cTrans& trans, BoardWidget& board, QWidget& owner,
    std::function<void()> changed)
    : QObject(&owner)
    , engine_(engine)
    , trans_(trans)
    , board_(board)
    , owner_(owner)
    , changed_(std::move(changed)) { }

void GameReviewer::Open(bool back) {
    const GameState& s = engine_.state();
    if (!s.gGameActive || showing_) return;
    const int was = trans_.GetTransID();
    auto review = std::make_shared<const GameReview>(
        DealtBoard(s.gGameNumber), GameReview::Reviewed(trans_, s.gFinishedView));
    int current = 0;
    while (current + 1 < review->Positions() && review->EntriesAt(current + 1) <= was)
        ++current;
    dlgReview dialog(review, current,
        back ? tr("Closing the review takes the game back to where it was.")
             : tr("Closing the review leaves the game at the move you chose."),
        &owner_);
    // Beside the board where the screen has room, else at its right edge: the board shows
    // the positions chosen.
    const QRect screen = owner_.screen()->availableGeometry();
    const QRect board = owner_.frameGeometry();
    dialog.move(std::min(board.right() + 8, screen.right() - dialog.frameGeometry().width()),
        std::max(screen.top(), board.top()));
    showing_ = &dialog;
    connect(&dialog, &dlgReview::Chosen, this,
        [this, &dialog, review](int position) { choose(dialog, position); });
    dialog.exec();
    showing_ = nullptr;
    if (back && trans_.GetTransID() != was) {
        trans_.GoTo(was);
        if (changed_) changed_();
    }
}

void GameReviewer::choose(const dlgReview& dialog, int position) {
    // Rows and history were taken together; a review never outlives its game.
    const auto& rows = dialog.Solved();
    trans_.GoTo(dialog.Entries(position));
    const auto& before = position > 0 ? rows[static_cast<std::size_t>(position - 1)] : std::nullopt;
    // The last row's outline went with the cards moved to this position.
    if (before && before->first.source != kNoLoc)
        board_.ShowHint(before->first.source, before->first.target);
    if (changed_) changed_();
}

} // namespace quadrell
