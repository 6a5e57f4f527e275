#include "cGame.h"

#include "Engine.h"
#include "Stacking.h"

namespace quadrell {

cGame::cGame() {
    board_.fill(kNoCard);
    tags_.fill(kNoLoc);
}

void cGame::Clear() { board_.fill(kNoCard); }

void cGame::init(Loc location, Card index) {
    board_[static_cast<std::size_t>(location)] = index;
    if (index >= 0) tags_[static_cast<std::size_t>(index)] = location;
}

Card cGame::ApplyStep(Loc source, Loc destination) {
    const Card c = board_[static_cast<std::size_t>(source)];
    board_[static_cast<std::size_t>(destination)] = c;
    if (source <= kNotAPlace) {
        board_[static_cast<std::size_t>(source)] = kNoCard;
    } else {
        // A foundation holds only its top card: the one below it in the suit shows next.
        board_[static_cast<std::size_t>(source)]
            = rankOf(c) == 1 ? kNoCard : static_cast<Card>(c - 1);
    }
    if (c >= 0) tags_[static_cast<std::size_t>(c)] = destination;
    return c;
}

void cGame::SetLocation(
    Loc source, Loc destination, std::int32_t mode, std::int16_t speed, bool instant) {
    if (engine_ == nullptr) {
        ApplyStep(source, destination);
        return;
    }
    if (mode != kModeHistory && engine_->recorder() != nullptr)
        engine_->recorder()->SaveTrans(source, destination, mode);
    const Card c = ApplyStep(source, destination);
    const int steps = speed > 0 ? speed : engine_->options().CardSpeed();
    engine_->rules().ClearSelection(); // the frame leaves the card before it moves
    if (c >= 0) engine_->view().MoveCard(c, source, destination, steps, instant);
    if (mode != kModeHistory && !engine_->state().gMultiMove) engine_->autoPlayer().AutoPlay();
}

std::int16_t cGame::GetTotalCards(Loc location) const {
    if (location >= kFirstCell) return 0;
    const int column = columnOf(location);
    for (int row = 0; row <= 20; ++row) {
        if (board_[static_cast<std::size_t>(row * kColumns + column)] == kNoCard)
            return static_cast<std::int16_t>(row);
    }
    return 20; // no reachable position holds more than 19 cards in a column
}

Loc cGame::GetBottomCardLocation(Loc location) const {
    const int n = GetTotalCards(location);
    if (n == 0) return kNoLoc;
    return static_cast<Loc>((n - 1) * kColumns + columnOf(location));
}

void cGame::ShowMessages(const std::string& reason) {
    if (engine_ == nullptr) return;
    engine_->view().MoveRefused();
    if (engine_->options().ShowMessages() != 1) return;
    Prompter& prompter = engine_->prompter();
    std::string text = prompter.Translated("Engine", "That move is not Allowed");
    if (!reason.empty()) text += "\r\n" + reason;
    prompter.Message(text, MessageIcon::Information, kAppTitle);
    engine_->rules().ClearSelection();
}

std::int16_t cGame::GetPossibleMoves() const {
    if (engine_ == nullptr || !engine_->state().gGameActive) return 0;
    return CountPossibleMoves(*this);
}

} // namespace quadrell
