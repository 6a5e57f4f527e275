#include "cMenu.h"

#include "Engine.h"
#include "GameDialogs.h"
#include "GameFile.h"
#include "GameFileDialogs.h"
#include "GameWindow.h"
#include "SettingsStore.h"
#include "cOpt.h"
#include "cPlayer.h"
#include "cRecent.h"
#include "cSave.h"
#include "cScore.h"
#include "cTime.h"
#include "cTrans.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <utility>

namespace quadrell {

cMenu::cMenu(Engine& engine, cTrans& trans, cOpt& options, cSave& save, cPlayer& players,
    cRecent& recent, GameWindow& window, ReplayControl& replay, Prompter& prompter, Clock clock)
    : engine_(engine)
    , trans_(trans)
    , options_(options)
    , save_(save)
    , players_(players)
    , recent_(recent)
    , window_(window)
    , replay_(replay)
    , prompter_(prompter)
    , now_(std::move(clock)) { }

bool cMenu::AllowNewGame() {
    if (ending_) return false;
    const GameState& s = engine_.state();
    if (!s.gGameActive || s.gFinishedView) return true;
    replay_.StopPlayback();
    const std::string question
        = cMenu::tr("Are you sure You want to Quit this Game ?").toStdString();
    if (!whereLost_) {
        if (!prompter_.Question(question, kAppTitle, MessageIcon::Question)) return false;
    } else {
        // The third answer keeps the game and looks for where it was lost; the fourth keeps
        // it and reviews it.
        const Prompter::Answer answer = prompter_.QuestionOr(question, kAppTitle,
            MessageIcon::Question, cMenu::tr("&Where Was It Lost?").toStdString(),
            review_ ? cMenu::tr("Re&view Game...").toStdString() : std::string());
        if (answer == Prompter::Answer::Other) whereLost_();
        if (answer == Prompter::Answer::SecondOther && review_) review_();
        if (answer != Prompter::Answer::Yes) return false;
    }
    GameLost();
    return true;
}

qint32 cMenu::DrawGameNumber(qint32 limit) {
    // A single-precision r in [0, 1): 24 random bits.
    const float r = static_cast<float>(QRandomGenerator::global()->generate() >> 8) / 16777216.0F;
    return static_cast<qint32>(std::nearbyint(static_cast<double>(r) * limit));
}

bool cMenu::NewGameOfDifficulty(Difficulty::Level level, const Difficulty::Rater& rate) {
    const DifficultyDraw draw(options_.GetRandomLimit(), &cMenu::DrawGameNumber, rate);
    std::optional<qint32> found;
    bool cancelled = false;
    prompter_.RunWithProgress(cMenu::tr("Looking for a game of that difficulty...").toStdString(),
        [&](const Prompter::Progress& progress) {
            found = draw.Find(level,
                Prompter::Progress(
                    [&](std::int64_t done, std::int64_t total) {
                        cancelled = !progress(done, total);
                        return !cancelled;
                    },
                    progress.Cancelled()));
        });
    if (cancelled) return false;
    options_.SetAskedDifficulty(static_cast<qint16>(Difficulty::Code(level)));
    if (!found) {
        prompter_.Message(cMenu::tr("No game of that difficulty was found in the random range "
                                    "of the options (0 to %1).")
                              .arg(options_.GetRandomLimit())
                              .toStdString(),
            MessageIcon::Information, kAppTitle);
        return false;
    }
    if (!AllowNewGame()) return false;
    NewGame(*found, false);
    Game_Started(false);
    return true;
}

void cMenu::NewGameOfSameDifficulty() {
    if (const auto level = DifficultyDraw::Asked(options_.AskedDifficulty()))
        NewGameOfDifficulty(*level);
    else if (dialogs_)
        dialogs_->ShowNewOfDifficulty();
}

bool cMenu::PlayNumbered(qint32 number) {
    if (!AllowNewGame()) return false;
    NewGame(number, false);
    Game_Started(false);
    return true;
}

void cMenu::SelectGame(CommandId id) {
    const bool game = id == CommandId::New || id == CommandId::Select || id == CommandId::Restart
        || id == CommandId::Open;
    if (!game || !AllowNewGame()) return;
    if (id == CommandId::New) {
        NewGame(DrawGameNumber(options_.GetRandomLimit()), false);
        Game_Started(false);
    } else if (id == CommandId::Restart) {
        NewGame(engine_.state().gGameNumber, false);
        Game_Started(false);
    } else if (dialogs_) {
        id == CommandId::Select ? dialogs_->ShowSelectGame() : dialogs_->ShowOpenGame();
    }
}

void cMenu::SelectType(CommandId id) {
    using C = CommandId;
    // No default: a new command must be answered here or named as another's.
    switch (id) {
    case C::Save:
        return SaveGame();
    case C::Close:
        return CloseGame();
    case C::Undo:
        return Undo();
    case C::Redo:
        return Redo();
    case C::UndoAll:
        return UndoAll();
    case C::RedoAll:
        return RedoAll();
    case C::ReplayBack:
        trans_.Replay(2);
        return;
    case C::ReplayForward:
        trans_.Replay(1);
        return;
    case C::ReplayStop:
        return trans_.ReplayStop();
    case C::ReplayAll:
        return trans_.ReplayAll();
    case C::Snapshot:
        return SnapshotPosition();
    case C::UndoSnapshot:
        return UndoToSnapshot();
    case C::Finish:
        return engine_.autoPlayer().Finish();
    case C::SameDifficulty:
        return NewGameOfSameDifficulty();
    case C::Scoreboard:
    case C::AddFav:
    case C::OpenFav:
    case C::OrgFav:
    case C::Options:
    case C::Customize:
    case C::AutoSave:
    case C::NewDifficulty:
        return showWindow(id);
    // The game's own dispatcher's, and the window's.
    case C::New:
    case C::Select:
    case C::Restart:
    case C::Open:
    case C::Exit:
    case C::TodaysDeal:
    case C::Hint:
    case C::Toolbar:
    case C::Statusbar:
    case C::Timer:
    case C::Winnable:
    case C::Difficulty:
    case C::Source:
    case C::Solution:
    case C::SolutionFaster:
    case C::SolutionSlower:
    case C::SolutionEnd:
    case C::WhereLost:
    case C::Review:
    case C::Help:
    case C::About:
        return;
    }
}

void cMenu::showWindow(CommandId id) {
    if (!dialogs_) return;
    switch (id) {
    case CommandId::Scoreboard:
        return dialogs_->ShowScoreBoard();
    case CommandId::AddFav:
        return dialogs_->ShowAddFav();
    case CommandId::OpenFav:
        return dialogs_->ShowOpenFav();
    case CommandId::OrgFav:
        return dialogs_->ShowOrganizeFav();
    case CommandId::Options:
        return dialogs_->ShowOptions();
    case CommandId::Customize:
        return dialogs_->ShowCustomize();
    case CommandId::AutoSave:
        return dialogs_->ShowAutoSave();
    case CommandId::NewDifficulty:
        return dialogs_->ShowNewOfDifficulty();
    default:
        return;
    }
}

void cMenu::SaveGame() {
    if (files_) files_->File_Save(QStringLiteral(".qrl"));
}
void cMenu::Undo() { stepHistory(HistoryStep::Undo); }
void cMenu::Redo() { stepHistory(HistoryStep::Redo); }
void cMenu::UndoAll() { stepHistory(HistoryStep::UndoAll); }
void cMenu::RedoAll() { stepHistory(HistoryStep::RedoAll); }

void cMenu::stepHistory(HistoryStep step) {
    const int before = trans_.GetTransID();
    switch (step) {
    case HistoryStep::Undo:
        trans_.Undo(options_.UndoRedoSpeed());
        break;
    case HistoryStep::Redo:
        trans_.Redo(options_.UndoRedoSpeed());
        break;
    case HistoryStep::UndoAll:
        trans_.UndoAll(options_.UndoRedoAllSpeed());
        break;
    case HistoryStep::RedoAll:
        trans_.RedoAll(options_.UndoRedoAllSpeed());
        break;
    }
    const int after = trans_.GetTransID();
    if (after != before)
        window_.HistoryStepped(
            step, trans_.MovesIn(std::min(before, after), std::max(before, after)));
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
    m.finish = free && engine_.autoPlayer().CanFinish();
    return m;
}

void cMenu::NewGame(qint32 gameNumber, bool keepHistory) {
    GameState& s = engine_.state();
    frozen_.reset();
    s.gGameNumber = gameNumber;
    window_.SetClockRunning(true);
    replay_.SetStopEnabled(false);
    engine_.rules().ClearSelection();
    if (!keepHistory) {
        trans_.Reset();
        save_.SetGameStartTime(now_());
        save_.SetUnfinished(false);
    }
    engine_.NewBoard();
    ShowCards(false);
    window_.StatusbarUpdate();
    engine_.DealAndLayOut(gameNumber);
    window_.SetCaption(cMenu::tr("QuadRell 2000 - Game No. %1").arg(gameNumber));
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
    SettingsStore::Batch batch(save_.Store()); // the snapshot and a waiting player change
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
    prompter_.Message(cMenu::tr("Quadrell 2000 cannot change Player in middle of the Game.\r\n"
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
    const QString name = save_.GetFileName(engine_.state().gGameNumber, finished, now_());
    // A folder that cannot take the file is reported with its path; the game ends all the same.
    if (trans_.SaveToFile(name)) recent_.AddtoRecent(name);
}

GameResult cMenu::Result() const {
    if (frozen_) return *frozen_;
    GameResult r;
    r.Moves = trans_.MoveID();
    r.Time = time_ ? time_->GetGameTime() : 0;
    r.Perc = time_ ? time_->GetGamePercentage() : 0;
    r.Score = cScore::GetScore(r.Moves, r.Time, r.Perc);
    return r;
}

void cMenu::FreezeResult() { frozen_ = Result(); }

void cMenu::saveScore() {
    if (!score_ || !time_) return;
    const GameResult r = Result();
    score_->SaveScore(engine_.state().gGameNumber, r.Moves, r.Time, r.Perc, now_());
}

void cMenu::endGame(bool won) {
    if (ending_) return;
    const QScopedValueRollback<bool> once(ending_, true);
    // A game only watched was never played here: it is neither kept nor scored.
    if (!engine_.state().gFinishedView) {
        autoSave(won);
        saveScore();
    }
    frozen_.reset();
    NoGame();
}

void cMenu::GameLost() { endGame(false); }

void cMenu::CloseGame() {
    const GameState& s = engine_.state();
    if (!s.gGameActive || ending_) return;
    replay_.StopPlayback();
    if (!s.gFinishedView
        && !prompter_.Question(
            cMenu::tr("Are you sure you want to close this Game ?").toStdString(), kAppTitle,
            MessageIcon::Question))
        return;
    GameLost();
}

void cMenu::GiveUpAndWatch() {
    const qint32 game = engine_.state().gGameNumber;
    const std::vector<TransRecord> played = trans_.Played();
    GameLost();
    trans_.Load(played);
    NewGame(game, true);
    trans_.RedoAll(1);
    Game_Started(true);
}

void cMenu::GameWon() { endGame(true); }

void cMenu::OpenRecent(qint16 slot) {
    const QString path = recent_.GetRecent(slot);
    if (!path.isEmpty()) OpenChecked(path);
}

bool cMenu::OpenChecked(const QString& path) {
    const GameFileRead read = GameFile::Read(path);
    if (!read.game) {
        ReportUnusable(path, read);
        return false;
    }
    if (!AllowNewGame()) return false;
    Restore(path, *read.game);
    return true;
}

bool cMenu::OpenFromFile(const QString& fl, bool resumed) {
    const GameFileRead read = GameFile::Read(fl);
    if (!read.game) {
        ReportUnusable(fl, read);
        return false;
    }
    Restore(fl, *read.game, resumed);
    return true;
}

void cMenu::ReportUnusable(const QString& fl, const GameFileRead& read) {
    const QString text = read.missing
        ? cMenu::tr("Sorry File Doesn't Exists\r\n%1").arg(fl)
        : cMenu::tr("The game file\r\n%1\r\ncannot be opened. %2").arg(fl, read.error);
    prompter_.Message(text.toStdString(), MessageIcon::Exclamation, kAppTitle);
}

void cMenu::Restore(const QString& fl, const GameFileData& game, bool resumed) {
    if (!resumed) {
        SettingsStore::Batch batch(save_.Store());
        save_.SetGameStartTime(now_());
        save_.SetLastGameTime(0);
    }
    trans_.Load(game.entries);
    NewGame(game.gameNumber, true);
    switch (GameFile::KindOf(fl)) {
    case GameFile::Kind::Finished:
        trans_.Replay(1);
        Game_Started(true);
        break;
    case GameFile::Kind::Incomplete:
        trans_.RedoAll(1);
        Game_Started(false);
        // A game kept with every king home (the program stopped in the finished-game
        // dialog) is won, not played on.
        engine_.autoPlayer().CheckGameWon();
        break;
    case GameFile::Kind::Other:
        break;
    }
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
