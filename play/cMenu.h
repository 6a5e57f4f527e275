#pragma once

#include <QString>
#include <QtGlobal>

namespace quadrell {

class Engine;
class GameWindow;
class ReplayControl;
class cOpt;
class cSave;
class cTrans;

// The life of a game: dealing, starting, giving up, winning and emptying the board, and
// the commands the menus and the toolbar send by key.
class cMenu {
public:
    cMenu(Engine& engine, cTrans& trans, cOpt& options, cSave& save, GameWindow& window,
        ReplayControl& replay);

    // May the game on the board be left? Asks while a game is played; Yes gives it up.
    bool AllowNewGame();
    // "New", "Select", "Restart", "Open".
    void SelectGame(const QString& key);
    // Every other command key. Unknown keys are ignored.
    void SelectType(const QString& key);

    void NewGame(qint32 gameNumber, bool keepHistory);
    void ShowCards(bool visible);
    void Game_Started(bool finishedGame = false);
    void NoGame();
    void GameLost();
    void GameWon();

    // "Snapshot &Position" and "Und&o to Snapshot".
    void SnapshotPosition();
    void UndoToSnapshot();

    // A random game number in 0..limit: r x limit rounded, halves to even.
    static qint32 DrawGameNumber(qint32 limit);

private:
    Engine& engine_;
    cTrans& trans_;
    cOpt& options_;
    cSave& save_;
    GameWindow& window_;
    ReplayControl& replay_;
};

} // namespace quadrell
