#include "HeldMessages.h"

#include "Engine.h"

namespace quadrell {

HeldMessages::HeldMessages(Engine& engine) : engine_(engine), own_(engine.prompter()) {
    engine_.SetPrompter(*this);
}

HeldMessages::~HeldMessages() { Release(); }

void HeldMessages::Release() {
    if (released_) return;
    released_ = true;
    engine_.SetPrompter(own_);
    for (const Held& message : held_)
        own_.Message(message.text, message.icon, message.title);
}

void HeldMessages::Message(const std::string& text, MessageIcon icon, const std::string& title) {
    held_.push_back({ text, icon, title });
}

bool HeldMessages::Question(const std::string& text, const std::string& title, MessageIcon icon) {
    return own_.Question(text, title, icon);
}

EmptyColumnChoice HeldMessages::AskEmptyColumn() { return own_.AskEmptyColumn(); }

std::string HeldMessages::SaveFileName(
    const std::string& folder, const std::string& proposed, const std::string& filter) {
    return own_.SaveFileName(folder, proposed, filter);
}

std::string HeldMessages::BrowseForFolder(const std::string& title, const std::string& start) {
    return own_.BrowseForFolder(title, start);
}

std::string HeldMessages::OpenFileName(const std::string& folder, const std::string& filter) {
    return own_.OpenFileName(folder, filter);
}

std::string HeldMessages::InputBox(const std::string& prompt, const std::string& title, bool& ok) {
    return own_.InputBox(prompt, title, ok);
}

unsigned HeldMessages::ChooseColour(unsigned initial) { return own_.ChooseColour(initial); }

std::string HeldMessages::Translated(const char* context, const char* english) {
    return own_.Translated(context, english);
}

void HeldMessages::RunWithProgress(
    const std::string& label, const std::function<void(const Progress&)>& work) {
    own_.RunWithProgress(label, work);
}

} // namespace quadrell
