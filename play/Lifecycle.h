#pragma once

#include <QString>
#include <functional>

namespace quadrell {

class KeptGame;
class Session;

// What the main window does when it loads and unloads, without the window: the
// first-run reset, the folder checks, resuming or opening a game, keeping it at exit.
class Lifecycle {
public:
    using Registrar = std::function<void()>;
    Lifecycle(Session& session, KeptGame& kept, Registrar registerFileTypes);

    // A first start for this user, or "Install"/"Fresh" set to 1. Ask before anything is
    // written to the store.
    bool FirstRunNeeded() const;
    void FirstRunReset();
    void CheckFolders();
    // Resumes the kept game or opens the file named on the command line, asking when both
    // apply. False when the player chose to leave instead.
    bool Open_Game(const QString& commandLine);
    // Closing the window: keep the game in play, or give it up.
    void Unload();
    // "E&xit": nothing is kept, nothing given up.
    void Exit();

private:
    bool openOrEmpty(const QString& path);

    Session& session_;
    KeptGame& kept_;
    Registrar registerFileTypes_;
};

} // namespace quadrell
