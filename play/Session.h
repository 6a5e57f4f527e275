#pragma once

#include "AppPaths.h"
#include "Engine.h"
#include "Favourites.h"
#include "FinishFlow.h"
#include "GameFileDialogs.h"
#include "KeptGame.h"
#include "KeyboardPlay.h"
#include "Lifecycle.h"
#include "PointerInput.h"
#include "SettingsStore.h"
#include "WinLatch.h"
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

// The objects one run of the program shares, wired to whatever shows the board and asks the
// player: a window, or the headless driver. The members below are created in the order they
// are declared, and each is handed the objects it uses: this is the one place that order is
// written.
class Session final : public WinListener {
    Q_DECLARE_TR_FUNCTIONS(Session)

public:
    Session(const AppPaths& paths, BoardView& view, Prompter& prompter, GameWindow& window,
        ReplayControl& replay, Lifecycle::Registrar registerFileTypes = {},
        Clock clock = &QDateTime::currentDateTime);

    GameWindow& window() { return window_; }
    // The favourites' commands, wired to this session's objects.
    Favourites MakeFavourites();
    // The shared game state (the g-names), owned by the engine.
    GameState& state() { return engine.state(); }

    // Raises `win` once per won game (the window opens the finished-game dialog from its
    // handler, after the winning move has come to rest).
    void GameWonDetected() override;
    // How the window flashes its title; the headless driver has none.
    void SetFlashStarter(PointerInput::FlashStarter starter) { flashStarter_ = std::move(starter); }

    Prompter& prompter; // every message and question of the session
    const Clock clock;  // the time of day each game and the session start at
    WinLatch win;
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
    Lifecycle lifecycle;
    FinishFlow finishing { { .finish = finish,
        .save = save,
        .players = players,
        .recent = recent,
        .trans = trans,
        .menu = menu,
        .score = score,
        .state = engine.state(),
        .prompter = prompter,
        .win = win } };

private:
    GameWindow& window_;
    PointerInput::FlashStarter flashStarter_;
};

} // namespace quadrell
