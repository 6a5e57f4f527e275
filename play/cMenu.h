#pragma once

#include "CommandId.h"
#include "DifficultyDraw.h"
#include "GameWindow.h"
#include "ScoreRec.h"
#include "cTime.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace quadrell {

class Engine;
class Prompter;
struct GameFileData;
struct GameFileRead;
class ReplayControl;
class cOpt;
class cPlayer;
class cRecent;
class cScore;
class GameDialogs;
class GameFileDialogs;
class cSave;
class cTrans;

// Which menu entries are usable, as the general timer refreshes them.
struct MenuState {
    bool restart = false; // also "&Save Game", "&Close Game", "S&ource", "&Add to Favorites..."
    bool snapshot = false;
    bool undoToSnapshot = false;
    bool replayAll = false;
    bool undo = false; // also "&Back"
    bool redo = false; // also "&Forward"
    bool undoAll = false;
    bool redoAll = false;
    bool finish = false; // every card left can go home
    friend bool operator==(const MenuState&, const MenuState&) = default;
};

// The life of a game: dealing, starting, giving up, winning and emptying the board, and
// the commands the menus and the toolbar send by key.
class cMenu {
    Q_DECLARE_TR_FUNCTIONS(cMenu)

public:
    cMenu(Engine& engine, cTrans& trans, cOpt& options, cSave& save, cPlayer& players,
        cRecent& recent, GameWindow& window, ReplayControl& replay, Prompter& prompter,
        Clock clock);

    // The windows that "Select" and "Open" show, and the file dialogs of "Save".
    void SetDialogs(GameDialogs* dialogs) { dialogs_ = dialogs; }
    // "Where Was It Lost?", offered beside the question that gives a game up; none in the
    // headless driver.
    void SetWhereLost(std::function<void()> whereLost) { whereLost_ = std::move(whereLost); }
    // "Review Game...", offered beside it.
    void SetReview(std::function<void()> review) { review_ = std::move(review); }
    void SetFiles(GameFileDialogs* files) { files_ = files; }
    // Where ended games are scored, and the clock that times them.
    void SetScoring(cScore* score, cTime* time) {
        score_ = score;
        time_ = time;
    }

    // May the game on the board be left? Asks while a game is played; Yes gives it up. No
    // while the game is being ended already.
    bool AllowNewGame();
    // "New", "Select", "Restart", "Open"; any other command is not this dispatcher's.
    void SelectGame(CommandId id);
    // Every other command the game answers; those of the game and of the window are not
    // this dispatcher's.
    void SelectType(CommandId id);
    // The history commands, at the speeds the options set.
    void SaveGame();
    void Undo();
    void Redo();
    void UndoAll();
    void RedoAll();

    // The enabled states of the game-dependent entries; undo and redo wait while a replay runs.
    MenuState Update_Menu(bool replayRunning) const;

    void NewGame(qint32 gameNumber, bool keepHistory);
    // "New Game of Difficulty...": a random number of `level` within the random range, found
    // before the game in play is given up, dealt as any new game. False when none was found
    // (the player is told), the search was cancelled, or the game in play was kept.
    bool NewGameOfDifficulty(
        Difficulty::Level level, const Difficulty::Rater& rate = &Difficulty::RateDeal);
    // The class last asked for again; the choice is offered while none was.
    void NewGameOfSameDifficulty();
    // Deal `number` as a new game, once the game in play may be left. False if it was kept.
    bool PlayNumbered(qint32 number);
    void ShowCards(bool visible);
    void Game_Started(bool finishedGame = false);
    void NoGame();
    // The game given up, or won: autosaved when that is on, then the board emptied.
    void GameLost();
    // "Close Game": a game played is given up after the close question; a game watched is
    // left without a question and without a record.
    void CloseGame();
    // Gives the game in play up, recorded as lost as quitting it is, and lays the same
    // position out again as a finished game being watched: what follows is never scored.
    void GiveUpAndWatch();
    void GameWon();
    // The won game's figures, fixed when its last card went home: the finished-game dialog
    // shows them and its score line records them, however long the dialog stays open.
    void FreezeResult();
    GameResult Result() const;
    // A "Recent" item: slot 1..5 finished games, 6..10 incomplete ones.
    void OpenRecent(qint16 slot);
    // Opens a game file named from outside (a recent list, another launch): a file that is
    // gone or damaged is reported before the game in play is touched; then leaving the
    // game asks once. False when nothing was opened.
    bool OpenChecked(const QString& path);
    // Reads, checks and restores a game file. A file that cannot be used is reported with
    // its path, and the board, the history and the game state stay exactly as they were.
    // An opened game's clock starts from zero: the time of an earlier game, or of watching
    // one, is never charged to it. Only the kept game, `resumed` at start-up, goes on from
    // the time it was kept with.
    bool OpenFromFile(const QString& fl, bool resumed = false);
    // The two halves of OpenFromFile, for callers that check a file before giving up the
    // game in play: tell the player why a file cannot be used; restore a checked game.
    void ReportUnusable(const QString& fl, const GameFileRead& read);
    void Restore(const QString& fl, const GameFileData& game, bool resumed = false);

    // The player box: a change during a game waits for its end. `position` is 1-based.
    void PlayerChosen(int position, const QString& name);

    // "Snapshot &Position" and "Und&o to Snapshot".
    void SnapshotPosition();
    void UndoToSnapshot();

    // A random game number in 0..limit: r x limit rounded, halves to even.
    static qint32 DrawGameNumber(qint32 limit);

private:
    void showWindow(CommandId id);
    void ApplyPendingPlayer();
    void autoSave(bool finished);
    void saveScore();
    // Ends the game in play once: a message of the ending (a file that could not be
    // written) runs an event loop, where another command could end the same game again.
    void endGame(bool won);
    void stepHistory(HistoryStep step);

    Engine& engine_;
    cTrans& trans_;
    cOpt& options_;
    cSave& save_;
    cPlayer& players_;
    cRecent& recent_;
    GameDialogs* dialogs_ = nullptr;
    std::function<void()> whereLost_;
    std::function<void()> review_;
    GameFileDialogs* files_ = nullptr;
    cScore* score_ = nullptr;
    cTime* time_ = nullptr;
    GameWindow& window_;
    ReplayControl& replay_;
    Prompter& prompter_;
    Clock now_; // stamps each game's start
    bool ending_ = false;
    std::optional<GameResult> frozen_;
};

} // namespace quadrell
