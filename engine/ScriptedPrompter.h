#pragma once

#include "Prompter.h"

#include <atomic>
#include <climits>
#include <ostream>
#include <string>
#include <vector>

namespace quadrell {

// Answers every question as scripted and keeps what it was asked, for the driver and the
// tests alike. Given a stream, it writes each message, question and empty-column dialog
// there, one line each, instead of keeping the texts: a long piped session holds nothing.
// Unscripted, Yes/No questions get Yes, every dialog is cancelled and a task runs to its end.
class ScriptedPrompter final : public Prompter {
public:
    ScriptedPrompter() = default;
    explicit ScriptedPrompter(std::ostream& out) : out_(&out) { }

    void Message(const std::string& text, MessageIcon icon, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer QuestionOr(const std::string& text, const std::string& title, MessageIcon icon,
        const std::string& third, const std::string& fourth) override;
    EmptyColumnChoice AskEmptyColumn() override;
    std::string SaveFileName(
        const std::string& folder, const std::string& proposed, const std::string& filter) override;
    std::string BrowseForFolder(const std::string& title, const std::string& start) override;
    std::string OpenFileName(const std::string& folder, const std::string& filter) override;
    std::string InputBox(const std::string& prompt, const std::string& title, bool& ok) override;
    unsigned ChooseColour(unsigned initial) override;
    // Cancel is pressed once the task has reported `cancelAt` or more.
    void RunWithProgress(
        const std::string& label, const std::function<void(const Progress&)>& work) override;

    // CR LF between lines becomes " / ", so one fact stays on one line.
    static std::string OneLine(const std::string& text);

    // What it was asked, in order.
    std::vector<std::string> messages;
    std::vector<std::string> titles;
    std::vector<std::string> questions;
    std::vector<MessageIcon> questionIcons;
    std::vector<std::string> thirdButtons;
    std::vector<std::string> fourthButtons;
    int dialogs = 0; // empty-column dialogs
    std::vector<std::string> proposedNames;
    std::vector<std::string> folderTitles;
    std::vector<std::string> filters;
    std::vector<std::string> prompts;
    std::vector<std::string> progressLabels;
    std::vector<std::int64_t> reported; // every progress report, in order

    // Its answers.
    bool yes = true;
    bool other = false;       // a question with a third button gets that button
    bool secondOther = false; // ... or its fourth
    EmptyColumnChoice emptyColumn = EmptyColumnChoice::Cancel;
    std::string saveAs; // every save-file dialog's; empty cancels
    std::string folder; // every folder browser's
    std::string openAs; // every open-file dialog's
    std::string input;  // every input box's
    bool inputOk = true;
    unsigned colour = 0; // the colour dialog's choice; 0 cancels
    std::int64_t cancelAt = INT64_MAX;
    std::atomic<bool> cancelled { false }; // Cancel pressed in the middle of a step

    // Time passing while a dialog is open or a task runs.
    std::function<void()> onSaveFileName;
    std::function<void()> onQuestion;
    std::function<void()> onMessage;
    std::function<void()> onProgress;

private:
    // Whether the text went to the stream.
    bool write(const char* kind, const std::string& text);

    std::ostream* out_ = nullptr;
};

} // namespace quadrell
