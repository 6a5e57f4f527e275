#pragma once

#include "AutoPlayer.h"
#include "BoardView.h"
#include "CardMover.h"
#include "EngineOptions.h"
#include "GameState.h"
#include "MoveRecorder.h"
#include "MoveRules.h"
#include "Prompter.h"

#include <cstdint>

namespace quadrell {

// The rules and the shared game state, wired to the outside through small interfaces:
// the board view, the options, the prompter, the win listener and the move recorder.
class Engine {
public:
    Engine(BoardView& view, const EngineOptions& options, Prompter& prompter,
        WinListener& winListener);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    MoveRules& rules() { return rules_; }
    CardMover& mover() { return mover_; }
    AutoPlayer& autoPlayer() { return autoPlayer_; }
    BoardView& view() { return *view_; }
    const EngineOptions& options() const { return *options_; }
    Prompter& prompter() { return *prompter_; }
    WinListener& winListener() { return *winListener_; }
    MoveRecorder* recorder() { return recorder_; }

    void SetRecorder(MoveRecorder* recorder) { recorder_ = recorder; }
    void SetPrompter(Prompter& prompter) { prompter_ = &prompter; }

    // A fresh, empty board for the next deal.
    void NewBoard();
    // Deals the game and lays its cards out: gDeck filled, card gDeck[i] at location i.
    void DealAndLayOut(std::int32_t gameNumber);

private:
    GameState state_;
    BoardView* view_;
    const EngineOptions* options_;
    Prompter* prompter_;
    WinListener* winListener_;
    MoveRecorder* recorder_ = nullptr;
    MoveRules rules_ { *this };
    CardMover mover_ { *this };
    AutoPlayer autoPlayer_ { *this };
};

} // namespace quadrell
