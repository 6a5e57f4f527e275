#include "cMenu.h"

#include "Engine.h"
#include "GameDialogs.h"
#include "GameFile.h"
#include "GameFileDialogs.h"
#include "GameWindow.h"
#include "cOpt.h"
#include "cPlayer.h"
#include "cRecent.h"
#include "cSave.h"
#include "cScore.h"
#include "cTime.h"
#include "cTrans.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <cmath>

namespace quadrell {

cMenu::cMenu(Engine& engine, cTrans& trans, cOpt& options, cSave& save, cPlayer& players,
    cRecent& recent, GameWindow& window, ReplayControl& replay)
    : engine_(engine)
    , trans_(trans)
    , options_(options)
    , save_(save)
    , players_(players)
    , recent_(recent)
    , window_(window)
    , replay_(replay) {
    trans_.SetMenu(this);
}

bool cMenu::AllowNewGame() {
    const GameState& s = engine_.state();
    if (!s.gGameActive || s.gFinishedView) return true;
    replay_.StopPlayback();
    if (!engine_.prompter().Question(
            "Are you sure You want to Quit this Game ?", kAppTitle, MessageIcon::Question))
        return false;
    GameLost();
    return true;
}

qint32 cMenu::DrawGameNumber(qint32 limit) {
    // A single-precision r in [0, 1): 24 random bits.
    const float r = static_cast<float>(QRandomGenerator::global()->generate() >> 8) / 16777216.0F;
    return static_cast<qint32>(std::nearbyint(static_cast<double>(r) * limit));
}

void cMenu::SelectGame(const QString& key) {
    if (key != QLatin1String("New") && key != QLatin1String("Select")
        && key != QLatin1String("Restart") && key != QLatin1String("Open"))
        return;
    if (!AllowNewGame()) return;
    if (key == QLatin1String("New")) {
        NewGame(DrawGameNumber(options_.GetRandomLimit()), false);
        Game_Started(false);
    } else if (key == QLatin1String("Restart")) {
        NewGame(engine_.state().gGameNumber, false);
        Game_Started(false);
    } else if (dialogs_ && key == QLatin1String("Select")) {
        dialogs_->ShowSelectGame();
    } else if (dialogs_ && key == QLatin1String("Open")) {
        dialogs_->ShowOpenGame();
    }
}

void cMenu::SelectType(const QString& key) {
    if (key == QLatin1String("Save")) {
        if (files_) files_->File_Save(QStringLiteral(".qrl"));
    } else if (key == QLatin1String("Undo")) {
        trans_.Undo(options_.UndoRedoSpeed());
    } else if (key == QLatin1String("Redo")) {
        trans_.Redo(options_.UndoRedoSpeed());
    } else if (key == QLatin1String("UndoAll")) {
        trans_.UndoAll(options_.UndoRedoAllSpeed());
    } else if (key == QLatin1String("RedoAll")) {
        trans_.RedoAll(options_.UndoRedoAllSpeed());
    } else if (key == QLatin1String("ReplayBack")) {
        trans_.Replay(2);
    } else if (key == QLatin1String("ReplayForward")) {
        trans_.Replay(1);
    } else if (key == QLatin1String("ReplayStop")) {
        trans_.ReplayStop();
    } else if (dialogs_ && key == QLatin1String("Scoreboard")) {
        dialogs_->ShowScoreBoard();
    } else if (dialogs_ && key == QLatin1String("AddFav")) {
        dialogs_->ShowAddFav();
    } else if (dialogs_ && key == QLatin1String("OpenFav")) {
        dialogs_->ShowOpenFav();
    } else if (dialogs_ && key == QLatin1String("OrgFav")) {
        dialogs_->ShowOrganizeFav();
    } else if (dialogs_ && key == QLatin1String("Options")) {
        dialogs_->ShowOptions();
    }
}

MenuState cMenu::Update_Menu(bool replayRunning) const {
    const GameState& s = engine_.state();
    const bool active = s.gGameActive;
    const bool free = active && !replayRunning;
    MenuState m;
    m.restart = active;
    m.snapshot = active && !s.gFinishedView;
    m.undoToSnapshot = save_.SnapShot() && save_.SnapShotValue() != trans_.MoveID();
    m.replayAll = active && (trans_.UndoPossible() || trans_.RedoPossible());
    m.undo = free && trans_.UndoPossible();
    m.redo = free && trans_.RedoPossible();
    m.undoAll = free && trans_.UndoAllPossible();
    m.redoAll = free && trans_.RedoAllPossible();
    return m;
}

void cMenu::NewGame(qint32 gameNumber, bool keepHistory) {
    GameState& s = engine_.state();
    s.gGameNumber = gameNumber;
    window_.SetClockRunning(true);
    replay_.SetStopEnabled(false);
    engine_.rules().ClearSelection();
    if (!keepHistory) {
        trans_.Reset();
        save_.SetGameStartTime(QDateTime::currentDateTime());
        save_.SetUnfinished(false);
    }
    engine_.NewBoard();
    ShowCards(false);
    window_.StatusbarUpdate();
    engine_.DealAndLayOut(gameNumber);
    window_.SetCaption(QStringLiteral("QuadRell 2000 - Game No. %1").arg(gameNumber));
    ShowCards(true);
}

void cMenu::ShowCards(bool visible) { engine_.view().ShowCards(visible); }

void cMenu::Game_Started(bool finishedGame) {
    GameState& s = engine_.state();
    s.gGameActive = true;
    ShowCards(true);
    save_.SetSnapShot(false);
    window_.SetUndoToSnapshotEnabled(false);
    if (finishedGame) window_.ResetClockAndStatus(false);
    s.gFinishedView = finishedGame;
}

void cMenu::NoGame() {
    GameState& s = engine_.state();
    s.gGameActive = false;
    s.gFinishedView = false;
    window_.SetClockRunning(false);
    ShowCards(false);
    save_.SetSnapShot(false);
    window_.SetUndoToSnapshotEnabled(false);
    window_.ResetClockAndStatus(true);
    window_.SetCaption(QStringLiteral("Quadrell 2000"));
    ApplyPendingPlayer();
    trans_.Reset();
}

void cMenu::PlayerChosen(int position, const QString& name) {
    const int current = players_.CurrentComboIndex();
    if (!players_.ChangePlayer() && position == current) return;
    if (!engine_.state().gGameActive) {
        players_.SetCurrentComboIndex(static_cast<qint16>(position));
        return;
    }
    engine_.prompter().Message(
        QStringLiteral("Quadrell 2000 cannot change Player in middle of the Game.\r\n"
                       " Player will be changed to  %1  after you finish this game.")
            .arg(name)
            .toStdString(),
        MessageIcon::Information, kAppTitle);
    players_.SetChangePlayer(true);
    players_.SetNewPlayerComboIndex(static_cast<qint16>(position));
    window_.SelectPlayer(current);
}

void cMenu::ApplyPendingPlayer() {
    if (!players_.ChangePlayer()) return;
    players_.SetChangePlayer(false);
    players_.SetCurrentComboIndex(players_.NewPlayerComboIndex());
    window_.SelectPlayer(players_.CurrentComboIndex());
}

void cMenu::autoSave(bool finished) {
    if ((finished ? save_.FinishedSave() : save_.InCompleteSave()) != 1) return;
    const QString name = save_.GetFileName(engine_.state().gGameNumber, finished);
    // A folder that cannot take the file is reported with its path; the game ends all the same.
    if (trans_.SaveToFile(name)) recent_.AddtoRecent(name);
}

void cMenu::saveScore() {
    if (!score_ || !time_) return;
    score_->SaveScore(engine_.state().gGameNumber, trans_.MoveID(), time_->GetGameTime(),
        time_->GetGamePercentage());
}

void cMenu::GameLost() {
    autoSave(false);
    saveScore();
    NoGame();
}

void cMenu::GameWon() {
    autoSave(true);
    saveScore();
    NoGame();
}

void cMenu::OpenRecent(qint16 slot) {
    const QString path = recent_.GetRecent(slot);
    if (!path.isEmpty()) OpenChecked(path);
}

bool cMenu::OpenChecked(const QString& path) {
    const GameFileRead read = GameFile::Read(path);
    if (!read.game) {
        trans_.ReportUnusable(path, read);
        return false;
    }
    if (!AllowNewGame()) return false;
    trans_.Restore(path, *read.game);
    return true;
}

void cMenu::SnapshotPosition() {
    save_.SetSnapShot(true);
    save_.SetSnapShotValue(trans_.MoveID());
    window_.SetUndoToSnapshotEnabled(true);
}

void cMenu::UndoToSnapshot() {
    if (save_.SnapShot()) trans_.PlayNum(save_.SnapShotValue());
}

} // namespace quadrell
