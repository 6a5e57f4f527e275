#pragma once

#include <QCoreApplication>
#include <QString>

namespace quadrell {

class Engine;
class Prompter;
class SettingsStore;
class cOpt;
class cSave;
class cTime;
class cTrans;

// Never lose a game in play: after every completed move the game is kept in
// "Unfinished.qrl" with its time, so a program killed at any moment comes back where it
// was. Its own keys say a game is running; the Unfinished and LastGameTime keys keep
// their meaning for the game kept at exit, since the game clock reads them.
class KeptGame {
    Q_DECLARE_TR_FUNCTIONS(KeptGame)

public:
    KeptGame(SettingsStore& store, cSave& save, const cOpt& options, Engine& engine, cTrans& trans,
        cTime& time, Prompter& prompter)
        : store_(store)
        , save_(save)
        , options_(options)
        , engine_(engine)
        , trans_(trans)
        , time_(time)
        , prompter_(prompter) { }

    QString Path() const;
    // At start-up: a game left by a killed program becomes the kept unfinished game, and a
    // file is removed only when the settings say its game was recorded or given up; when
    // they cannot tell (lost, reset), the game is resumed.
    void Recover();
    // After each handled input or command: rewrites the file when the position changed. A
    // failing write is reported once; play goes on.
    void Update();
    // Closing the window with a game in play: kept for the next start.
    void KeepAtExit();
    // The game was recorded, or is not to be kept: nothing will resume it. Store changes
    // only, so the recording can make them in its own write.
    void Forget();

private:
    bool playing() const;
    bool anythingKept() const;
    QString signature() const;
    bool write();

    SettingsStore& store_;
    cSave& save_;
    const cOpt& options_;
    Engine& engine_;
    cTrans& trans_;
    cTime& time_;
    Prompter& prompter_;
    QString written_;
    bool failing_ = false;
};

} // namespace quadrell
