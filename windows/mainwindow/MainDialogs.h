#pragma once

#include "GameDialogs.h"
#include "HelpWindow.h"

#include <QPointer>

namespace quadrell {

class Session;
class frmMain;

// The windows the main window opens over itself: those the game asks for (Select, Open,
// the score board, favourites, options, customisation, autosave, New Game of Difficulty),
// and the source, the help and the About box. Each is shown modally and wired by
// SessionDialogs; the help window stays open beside the game.
class MainDialogs final : public GameDialogs {
public:
    MainDialogs(Session& session, frmMain& owner) : session_(session), owner_(owner) { }

    void ShowSelectGame() override;
    void ShowOpenGame() override;
    void ShowScoreBoard() override;
    void ShowAddFav() override;
    void ShowOpenFav() override;
    void ShowOrganizeFav() override;
    void ShowOptions() override;
    void ShowCustomize() override;
    void ShowAutoSave() override;
    void ShowNewOfDifficulty() override;
    void ShowSource();
    void ShowHelp();
    void ShowAbout();
    HelpWindow* Help() const { return help_; }

private:
    Session& session_;
    frmMain& owner_;
    QPointer<HelpWindow> help_;
};

} // namespace quadrell
