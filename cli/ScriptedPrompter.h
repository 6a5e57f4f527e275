#pragma once

#include "Prompter.h"

#include <ostream>
#include <string>

namespace quadrell {

// Answers every question itself and writes what it was asked, one line each: messages
// are shown as read, Yes/No questions get Yes, the empty-column dialog gets the button
// last scripted (Cancel until one is).
class ScriptedPrompter final : public Prompter {
public:
    explicit ScriptedPrompter(std::ostream& out) : out_(out) { }

    void Message(const std::string& text, MessageIcon icon, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title, MessageIcon icon) override;
    EmptyColumnChoice AskEmptyColumn() override;
    std::string SaveFileName(
        const std::string& folder, const std::string& proposed, const std::string& filter) override;
    std::string BrowseForFolder(const std::string& title, const std::string& start) override;
    std::string OpenFileName(const std::string& folder, const std::string& filter) override;
    std::string InputBox(const std::string& prompt, const std::string& title, bool& ok) override;
    unsigned ChooseColour(unsigned initial) override;
    void RunWithProgress(
        const std::string& label, const std::function<void(const Progress&)>& work) override;

    void SetEmptyColumnAnswer(EmptyColumnChoice choice) { answer_ = choice; }
    // CR LF between lines becomes " / ", so one fact stays on one line.
    static std::string OneLine(const std::string& text);

private:
    std::ostream& out_;
    EmptyColumnChoice answer_ = EmptyColumnChoice::Cancel;
};

} // namespace quadrell
