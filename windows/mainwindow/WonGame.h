#pragma once

#include <functional>

class QWidget;

namespace quadrell {

class BoardWidget;
class Celebration;
class Session;

// The end of a won game in the window: the celebration on the board, then the
// finished-game dialog, in that order and each once. Whatever comes first closes the won
// game: the celebration ending, a key, a command, a file handed over.
class WonGame {
public:
    // How long the winning move has to be said, with a screen reader and no celebration.
    static constexpr int kSpokenMs = 1500;

    // `owner` holds the dialog; `after` runs once it has closed; `review` opens the review
    // of the won game from it.
    WonGame(Session& session, BoardWidget& board, QWidget& owner, std::function<void()> after,
        std::function<void()> review = {});

    // The last king is home (and its automatic moves are over).
    void Celebrate();
    // The finished-game dialog now, if a won game waits for it; its celebration ends first.
    void ShowFinish();
    Celebration& Party() { return *celebration_; }

private:
    Session& session_;
    QWidget& owner_;
    std::function<void()> after_;
    std::function<void()> review_;
    Celebration* celebration_;
    bool finishShown_ = false;
};

} // namespace quadrell
