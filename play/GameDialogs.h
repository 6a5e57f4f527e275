#pragma once

namespace quadrell {

// The windows that commands open; the headless driver has none of them.
class GameDialogs {
public:
    virtual ~GameDialogs() = default;
    virtual void ShowSelectGame() = 0;
    virtual void ShowOpenGame() = 0;
    virtual void ShowScoreBoard() = 0;
};

} // namespace quadrell
