#pragma once

namespace quadrell {

// The windows that commands open; the headless driver has none of them.
class GameDialogs {
public:
    virtual ~GameDialogs() = default;
    virtual void ShowSelectGame() = 0;
    virtual void ShowOpenGame() = 0;
    virtual void ShowScoreBoard() = 0;
    virtual void ShowAddFav() = 0;
    virtual void ShowOpenFav() = 0;
    virtual void ShowOrganizeFav() = 0;
    virtual void ShowOptions() = 0;
    virtual void ShowCustomize() = 0;
    virtual void ShowAutoSave() = 0;
    // "New Game of Difficulty...": the class asked, then the game dealt.
    virtual void ShowNewOfDifficulty() = 0;
};

} // namespace quadrell
