#pragma once

#include "cTime.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace quadrell {

struct GameState;
class KeptGame;
class Prompter;
class SettingsStore;
class cMenu;
class cOpt;
class cPlayer;
class cSave;
class cScore;
class cUser;

// What the main window does when it loads and unloads, without the window: the
// first-run reset, the folder checks, resuming or opening a game, keeping it at exit.
class Lifecycle {
    Q_DECLARE_TR_FUNCTIONS(Lifecycle)

public:
    using Registrar = std::function<void()>;
    struct Parts {
        SettingsStore& store;
        cSave& save;
        cOpt& opt;
        cPlayer& players;
        cUser& users;
        cScore& score;
        KeptGame& kept;
        cMenu& menu;
        const GameState& state;
        Prompter& prompter;
        const Clock& clock;
    };
    Lifecycle(Parts parts, Registrar registerFileTypes);

    // Everything before the first game, in its order: recovery, the first-run reset when
    // it is due, the folder checks, the session's clock.
    void Start();
    // A first start for this user, or "Install"/"Fresh" set to 1. Ask before anything is
    // written to the store.
    bool FirstRunNeeded() const;
    // Restores the defaults and creates what is missing; a score file, kept game, saved
    // game or favourite that exists is never emptied or removed.
    void FirstRunReset();
    // Before anything else at start-up: a game being recorded when the program was killed
    // is recorded now, and a game kept by a killed program is taken up.
    void Recover();
    void CheckFolders();
    // Resumes the kept game or opens the file named on the command line, asking when both
    // apply. A named file that cannot be used is reported first and costs nothing. False
    // when the player chose to leave instead.
    bool Open_Game(const QString& commandLine);
    // Closing the window: keep the game in play, or give it up.
    void Unload();
    // "E&xit": nothing is kept, nothing given up.
    void Exit();

private:
    bool openOrEmpty(const QString& path);

    Parts p_;
    Registrar registerFileTypes_;
};

} // namespace quadrell
