#pragma once

#include "AppPaths.h"
#include "Engine.h"
#include "Favourites.h"
#include "GameFileDialogs.h"
#include "KeptGame.h"
#include "KeyboardPlay.h"
#include "PointerInput.h"
#include "SettingsStore.h"
#include "cCustom.h"
#include "cFinish.h"
#include "cMenu.h"
#include "cOpt.h"
#include "cPlayer.h"
#include "cRecent.h"
#include "cSave.h"
#include "cScore.h"
#include "cTime.h"
#include "cTrans.h"
#include "cUser.h"

#include <QCoreApplication>
#include <functional>

namespace quadrell {

class GameWindow;
class ReplayControl;

// The objects one run of the program shares, created once in this order and wired to
// whatever shows the board and asks the player: a window, or the headless driver.
class Session final : public WinListener {
    Q_DECLARE_TR_FUNCTIONS(Session)

public:
    Session(const AppPaths& paths, BoardView& view, Prompter& prompter, GameWindow& window,
        ReplayControl& replay);

    GameWindow& window() { return window_; }
    // The favourites' commands, wired to this session's objects.
    Favourites MakeFavourites();
    // The shared game state (the g-names), owned by the engine.
    GameState& state() { return engine.state(); }

    // Called once when a game is won; the finished-game dialog is opened from here after
    // the winning move has come to rest.
    void SetWinHandler(std::function<void()> handler) { winHandler_ = std::move(handler); }
    void GameWonDetected() override;
    bool WinPending() const { return winPending_; }
    void ClearWinPending() { winPending_ = false; }
    // How the window flashes its title; the headless driver has none.
    void SetFlashStarter(PointerInput::FlashStarter starter) { flashStarter_ = std::move(starter); }

    Prompter& prompter; // every message and question of the session
    AppPaths paths;
    SettingsStore store;
    cOpt opt;
    cSave save;
    cPlayer players;
    cRecent recent;
    cFinish finish;
    cCustom custom;
    Engine engine;
    cUser users;
    cTrans trans;
    cMenu menu;
    cTime time;
    cScore score;
    PointerInput pointer;
    KeyboardPlay keyboard { engine, pointer };
    GameFileDialogs files { save, recent, menu, trans, engine.state(), prompter };
    KeptGame kept { store, save, opt, engine, trans, time, prompter };

private:
    GameWindow& window_;
    std::function<void()> winHandler_;
    PointerInput::FlashStarter flashStarter_;
    bool winPending_ = false;
};

} // namespace quadrell
