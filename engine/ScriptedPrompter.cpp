#include "ScriptedPrompter.h"

namespace quadrell {

std::string ScriptedPrompter::OneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            line += " / ";
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

bool ScriptedPrompter::write(const char* kind, const std::string& text) {
    if (out_) *out_ << kind << OneLine(text) << '\n';
    return out_ != nullptr;
}

void ScriptedPrompter::Message(const std::string& text, MessageIcon, const std::string& title) {
    if (!write("message: ", text)) {
        messages.push_back(text);
        titles.push_back(title);
    }
    if (onMessage) onMessage();
}

bool ScriptedPrompter::Question(const std::string& text, const std::string&, MessageIcon icon) {
    if (!write("question: ", text)) {
        questions.push_back(text);
        questionIcons.push_back(icon);
    }
    if (onQuestion) onQuestion();
    return yes;
}

Prompter::Answer ScriptedPrompter::QuestionOr(const std::string& text, const std::string& title,
    MessageIcon icon, const std::string& third, const std::string& fourth) {
    thirdButtons.push_back(third);
    fourthButtons.push_back(fourth);
    if (Question(text, title, icon) && !other && !secondOther) return Answer::Yes;
    if (secondOther) return Answer::SecondOther;
    return other ? Answer::Other : Answer::No;
}

EmptyColumnChoice ScriptedPrompter::AskEmptyColumn() {
    write("dialog: ", "Move to Empty Column..");
    ++dialogs;
    return emptyColumn;
}

std::string ScriptedPrompter::SaveFileName(
    const std::string&, const std::string& proposed, const std::string&) {
    proposedNames.push_back(proposed);
    if (onSaveFileName) onSaveFileName();
    return saveAs;
}

std::string ScriptedPrompter::BrowseForFolder(const std::string& title, const std::string&) {
    folderTitles.push_back(title);
    return folder;
}

std::string ScriptedPrompter::OpenFileName(const std::string&, const std::string& filter) {
    filters.push_back(filter);
    return openAs;
}

std::string ScriptedPrompter::InputBox(const std::string& prompt, const std::string&, bool& ok) {
    prompts.push_back(prompt);
    ok = inputOk;
    return input;
}

unsigned ScriptedPrompter::ChooseColour(unsigned initial) { return colour ? colour : initial; }

void ScriptedPrompter::RunWithProgress(
    const std::string& label, const std::function<void(const Progress&)>& work) {
    progressLabels.push_back(label);
    work(Progress(
        [this](std::int64_t done, std::int64_t) {
            reported.push_back(done);
            if (onProgress) onProgress();
            return done < cancelAt && !cancelled;
        },
        &cancelled));
}

} // namespace quadrell
