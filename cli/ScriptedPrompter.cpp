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

void ScriptedPrompter::Message(const std::string& text, MessageIcon, const std::string&) {
    out_ << "message: " << OneLine(text) << '\n';
}

bool ScriptedPrompter::Question(const std::string& text, const std::string&, MessageIcon) {
    out_ << "question: " << OneLine(text) << '\n';
    return true;
}

EmptyColumnChoice ScriptedPrompter::AskEmptyColumn() {
    out_ << "dialog: Move to Empty Column..\n";
    return answer_;
}

std::string ScriptedPrompter::SaveFileName(
    const std::string&, const std::string&, const std::string&) {
    return {}; // the driver saves by its own command, never through a dialog
}

std::string ScriptedPrompter::BrowseForFolder(const std::string&, const std::string&) { return {}; }

std::string ScriptedPrompter::OpenFileName(const std::string&, const std::string&) { return {}; }

std::string ScriptedPrompter::InputBox(const std::string&, const std::string&, bool& ok) {
    ok = false;
    return {};
}

unsigned ScriptedPrompter::ChooseColour(unsigned initial) { return initial; }

// Nobody is there to cancel: the task runs to its end.
void ScriptedPrompter::RunWithProgress(
    const std::string&, const std::function<void(const Progress&)>& work) {
    work([](std::int64_t, std::int64_t) { return true; });
}

} // namespace quadrell
