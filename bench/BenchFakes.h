#pragma once

// Stand-ins for the player in benchmarks: nothing is shown, every question gets Yes.
#include "Engine.h"

#include <string>

namespace quadrell {

class QuietOptions final : public EngineOptions {
public:
    int ShowMessages() const override { return 0; }
    int AllowDoubleClick() const override { return 1; }
    int CardSpeed() const override { return 30; }
    int FinishByItself() const override { return 0; }
};

class QuietPrompter final : public Prompter {
public:
    void Message(const std::string&, MessageIcon, const std::string&) override { }
    bool Question(const std::string&, const std::string&, MessageIcon) override { return true; }
    EmptyColumnChoice AskEmptyColumn() override { return EmptyColumnChoice::Single; }
    std::string SaveFileName(const std::string&, const std::string&, const std::string&) override {
        return saveAs;
    }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
    std::string OpenFileName(const std::string&, const std::string&) override { return {}; }
    std::string InputBox(const std::string&, const std::string&, bool& ok) override {
        ok = false;
        return {};
    }
    unsigned ChooseColour(unsigned initial) override { return initial; }
    // In place, or through `progress` (a window's own) when one is given.
    void RunWithProgress(
        const std::string& label, const std::function<void(const Progress&)>& work) override {
        if (progress) return progress->RunWithProgress(label, work);
        work([](std::int64_t, std::int64_t) { return true; });
    }

    std::string saveAs;
    Prompter* progress = nullptr;
};

class NoWins final : public WinListener {
public:
    void GameWonDetected() override { }
};

} // namespace quadrell
