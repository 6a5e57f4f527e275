#pragma once

#include "BoardView.h"
#include "EngineOptions.h"
#include "MoveRecorder.h"
#include "Prompter.h"

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

// Remembers what it was asked and answers as scripted.
class RecordingPrompter final : public Prompter {
public:
    void Message(const std::string& text, MessageIcon, const std::string& title) override {
        messages.push_back(text);
        titles.push_back(title);
        if (onMessage) onMessage(); // what else happens while the message is open
    }
    bool Question(const std::string& text, const std::string&, MessageIcon icon) override {
        questions.push_back(text);
        questionIcons.push_back(icon);
        if (onQuestion) onQuestion(); // what else happens while the question is open
        return yes;
    }
    Answer QuestionOr(const std::string& text, const std::string& title, MessageIcon icon,
        const std::string& third, const std::string& fourth) override {
        thirdButtons.push_back(third);
        fourthButtons.push_back(fourth);
        if (Question(text, title, icon) && !other && !secondOther) return Answer::Yes;
        if (secondOther) return Answer::SecondOther;
        return other ? Answer::Other : Answer::No;
    }
    EmptyColumnChoice AskEmptyColumn() override {
        ++dialogs;
        return emptyColumn;
    }
    std::string BrowseForFolder(const std::string& title, const std::string&) override {
        folderTitles.push_back(title);
        return folder;
    }
    std::string OpenFileName(const std::string&, const std::string& filter) override {
        filters.push_back(filter);
        return openAs;
    }
    std::string InputBox(const std::string& prompt, const std::string&, bool& ok) override {
        prompts.push_back(prompt);
        ok = inputOk;
        return input;
    }
    unsigned ChooseColour(unsigned initial) override { return colour ? colour : initial; }
    // Runs the task in place; Cancel is pressed once it has reported `cancelAt` or more.
    void RunWithProgress(
        const std::string& label, const std::function<void(const Progress&)>& work) override {
        progressLabels.push_back(label);
        work(Progress(
            [this](std::int64_t done, std::int64_t) {
                reported.push_back(done);
                if (onProgress) onProgress();
                return done < cancelAt && !cancelled;
            },
            &cancelled));
    }
    std::string SaveFileName(
        const std::string&, const std::string& proposed, const std::string&) override {
        proposedNames.push_back(proposed);
        if (onSaveFileName) onSaveFileName();
        return saveAs;
    }

    std::vector<std::string> messages;
    std::vector<std::string> titles;
    std::vector<std::string> questions;
    std::vector<MessageIcon> questionIcons;
    int dialogs = 0;
    std::vector<std::string> proposedNames;
    std::string saveAs; // the answer of every save-file dialog; empty cancels
    std::vector<std::string> folderTitles;
    std::string folder; // the answer of every folder browser
    std::vector<std::string> filters;
    std::string openAs; // the answer of every open-file dialog
    std::vector<std::string> prompts;
    std::string input; // the answer of every input box
    bool inputOk = true;
    unsigned colour = 0; // the colour dialog's choice; 0 cancels
    bool yes = true;
    bool other = false;       // a question with a third button gets that button
    bool secondOther = false; // ... or its fourth
    std::vector<std::string> thirdButtons;
    std::vector<std::string> fourthButtons;
    EmptyColumnChoice emptyColumn = EmptyColumnChoice::Cancel;
    std::vector<std::string> progressLabels;
    std::vector<std::int64_t> reported; // every progress report, in order
    std::int64_t cancelAt = INT64_MAX;
    std::atomic<bool> cancelled { false }; // Cancel pressed in the middle of a step
    // Time passing while a dialog is open or a task runs.
    std::function<void()> onSaveFileName;
    std::function<void()> onQuestion;
    std::function<void()> onMessage;
    std::function<void()> onProgress;
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
