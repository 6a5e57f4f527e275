#pragma once

#include "Prompter.h"

#include <vector>

namespace quadrell {

class Engine;

// Stands in for the engine's prompter while it lives: its messages wait until Release,
// everything else goes straight through. A drop the rules refuse puts its cards back
// first, then says why.
class HeldMessages final : public Prompter {
public:
    explicit HeldMessages(Engine& engine);
    ~HeldMessages() override;
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    // The engine's own prompter back, and the messages held shown through it in turn.
    void Release();

    void Message(const std::string& text, MessageIcon icon, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title, MessageIcon icon) override;
    EmptyColumnChoice AskEmptyColumn() override;
    std::string SaveFileName(
        const std::string& folder, const std::string& proposed, const std::string& filter) override;
    std::string BrowseForFolder(const std::string& title, const std::string& start) override;
    std::string OpenFileName(const std::string& folder, const std::string& filter) override;
    std::string InputBox(const std::string& prompt, const std::string& title, bool& ok) override;
    unsigned ChooseColour(unsigned initial) override;
    std::string Translated(const char* context, const char* english) override;
    void RunWithProgress(
        const std::string& label, const std::function<void(const Progress&)>& work) override;

private:
    struct Held {
        std::string text;
        MessageIcon icon;
        std::string title;
    };

    Engine& engine_;
    Prompter& own_;
    std::vector<Held> held_;
    bool released_ = false;
};

} // namespace quadrell
