#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

namespace quadrell {

enum class MessageIcon { Information, Question, Exclamation, Stop };
enum class EmptyColumnChoice { Single, Column, Cancel };

inline const std::string kAppTitle = "Quadrell 2000";

// Marks an English text the windows translate later in `context`; the text itself is kept.
constexpr const char* ToTranslate(const char* /*context*/, const char* english) { return english; }

// Every question or message the program puts to the player goes through here, so rules
// never build a window themselves. Texts use CR LF between lines.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void Message(const std::string& text, MessageIcon icon, const std::string& title) = 0;
    // A Yes/No question with its icon (the stop icon before anything is destroyed); true
    // for Yes.
    virtual bool Question(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // The same question with a third button, `other`, beside Yes and No, and a fourth,
    // `second`, when it is given.
    enum class Answer { Yes, No, Other, SecondOther };
    virtual Answer QuestionOr(const std::string& text, const std::string& title, MessageIcon icon,
        const std::string& /*other*/, const std::string& /*second*/ = {}) {
        return Question(text, title, icon) ? Answer::Yes : Answer::No;
    }
    // The "Move to Empty Column.." dialog.
    virtual EmptyColumnChoice AskEmptyColumn() = 0;
    // A save-file dialog that asks before replacing a file; empty when cancelled.
    virtual std::string SaveFileName(
        const std::string& folder, const std::string& proposed, const std::string& filter)
        = 0;
    // The folder browser, opened at `start`; empty when cancelled.
    virtual std::string BrowseForFolder(const std::string& title, const std::string& start) = 0;
    // An open-file dialog; empty when cancelled.
    virtual std::string OpenFileName(const std::string& folder, const std::string& filter) = 0;
    // A one-line input box; `ok` false when cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title, bool& ok) = 0;
    // The colour dialog as 0xRRGGBB, primed with `initial`; the initial colour when cancelled.
    virtual unsigned ChooseColour(unsigned initial) = 0;

    // One of the rules' own texts in the player's language; English unless a translation
    // is installed. Numbers go in afterwards with FillIn, so a translation may move them.
    virtual std::string Translated(const char* /*context*/, const char* english) { return english; }

    // Told how far a long task has come (`done` of `total`); answers false once the player
    // has cancelled it, and the task then stops. A step too long to report from (a search)
    // watches `Cancelled()` instead, where the prompter gives one.
    class Progress {
    public:
        Progress() = default;
        template <typename Report>
        Progress(Report report, const std::atomic<bool>* cancelled = nullptr)
            : report_(std::move(report))
            , cancelled_(cancelled) { }
        bool operator()(std::int64_t done, std::int64_t total) const {
            return report_(done, total);
        }
        explicit operator bool() const { return static_cast<bool>(report_); }
        const std::atomic<bool>* Cancelled() const { return cancelled_; }

    private:
        std::function<bool(std::int64_t done, std::int64_t total)> report_;
        const std::atomic<bool>* cancelled_ = nullptr;
    };
    // Runs `work` with a progress window the player can cancel, off the window's thread so
    // the window stays painted; returns when `work` does.
    virtual void RunWithProgress(
        const std::string& label, const std::function<void(const Progress&)>& work)
        = 0;
};

// `text` with %1, %2, ... replaced by `values` in turn.
std::string FillIn(const std::string& text, std::initializer_list<std::string> values);

// Told when the last king reaches its foundation. The listener opens the finished-game
// dialog once the move that won has come to rest.
class WinListener {
public:
    virtual ~WinListener() = default;
    virtual void GameWonDetected() = 0;
};

} // namespace quadrell
