#include "Engine.h"

namespace quadrell {

Engine::Engine(
    BoardView& view, const EngineOptions& options, Prompter& prompter, WinListener& winListener)
    : view_(&view)
    , options_(&options)
    , prompter_(&prompter)
    , winListener_(&winListener) {
    state_.gBoard.Attach(this);
}

void Engine::NewBoard() {
    state_.gBoard.Clear();
    state_.gCards = cCards(state_.gBoard);
}

void Engine::DealAndLayOut(std::int32_t gameNumber) {
    DealGame(gameNumber, state_.gDeck);
    state_.gGameActive = true;
    for (Loc i = 0; i < kCardCount; ++i)
        state_.gBoard.init(i, state_.gDeck[static_cast<std::size_t>(i)]);
    for (Loc i = 0; i < kCardCount; ++i)
        view_->PlaceCard(state_.gDeck[static_cast<std::size_t>(i)], i);
}

} // namespace quadrell
