#pragma once

#include "Prompter.h"

#include <QCoreApplication>

class QWidget;

namespace quadrell {

// Message boxes and questions as windows, owned by the main window.
class QtPrompter final : public Prompter {
    Q_DECLARE_TR_FUNCTIONS(QtPrompter)

public:
    explicit QtPrompter(QWidget* owner) : owner_(owner) { }

    void Message(const std::string& text, MessageIcon icon, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer QuestionOr(const std::string& question, const std::string& title, MessageIcon icon,
        const std::string& other, const std::string& second = {}) override;
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

    // Each message also goes to the log, on one line, for whoever looks at what a start
    // went through.
    static void Log(const QString& message);

    // How long a task may run before its progress window appears.
    static constexpr int kProgressDelayMs = 300;

private:
    QWidget* owner_;
};

} // namespace quadrell
