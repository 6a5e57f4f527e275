#pragma once

#include "BoardView.h"
#include "EngineOptions.h"
#include "MoveRecorder.h"
#include "Prompter.h"
#include "ScriptedPrompter.h"

#include <string>
#include <vector>

namespace quadrell::test {

// One animated move as the engine handed it to the view.
struct ViewMove {
    Card card;
    Loc source;
    Loc destination;
    int steps;
    bool instant;
    friend bool operator==(const ViewMove&, const ViewMove&) = default;
};

class RecordingView final : public BoardView {
public:
    void MoveCard(Card card, Loc source, Loc destination, int steps, bool instant) override {
        moves.push_back({ card, source, destination, steps, instant });
    }
    void PlaceCard(Card, Loc) override { ++placed; }
    void ShowCards(bool visible) override { shown = visible; }
    void SelectionChanged(Loc selected) override { frame = selected; }
    void BringToFront(Card card) override { stacking.push_back(card); }
    void SendToBack(Card card) override { stacking.push_back(static_cast<Card>(-1 - card)); }
    void Finishing(int cards) override { finishing.push_back(cards); }
    void MoveRefused() override { ++refused; }

    std::vector<ViewMove> moves;
    int placed = 0;
    bool shown = false;
    Loc frame = kNoLoc;
    std::vector<Card> stacking; // brought to the front: the card; sent to the back: -1 - card
    std::vector<int> finishing; // each Finish's count of cards, as it began
    int refused = 0;
};

class MemoryOptions final : public EngineOptions {
public:
    int ShowMessages() const override { return showMessages; }
    int AllowDoubleClick() const override { return allowDoubleClick; }
    int CardSpeed() const override { return cardSpeed; }
    int FinishByItself() const override { return finishByItself; }

    int showMessages = 1;
    int finishByItself = 0;
    int allowDoubleClick = 1;
    int cardSpeed = 30;
};

class CountingWinListener final : public WinListener {
public:
    void GameWonDetected() override { ++wins; }
    int wins = 0;
};

// One recorded step.
struct Step {
    Loc source;
    Loc destination;
    std::int32_t mode;
    friend bool operator==(const Step&, const Step&) = default;
};

class StepRecorder final : public MoveRecorder {
public:
    std::int16_t SaveTrans(Loc source, Loc destination, std::int32_t mode) override {
        steps.push_back({ source, destination, mode });
        return static_cast<std::int16_t>(steps.size());
    }
    int RoomLeft() const override { return room; }
    std::vector<Step> steps;
    int room = 1 << 20;
};

} // namespace quadrell::test
