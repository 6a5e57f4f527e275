#include "frmMain.h"

#include "AfterFirstPaint.h"
#include "BoardWidget.h"
#include "ClockFace.h"
#include "CommandTable.h"
#include "DialogCare.h"
#include "GameReviewer.h"
#include "GameSounds.h"
#include "Icons.h"
#include "LossSearch.h"
#include "PictureCache.h"
#include "RecentMenus.h"
#include "SettingsStore.h"
#include "TodaysDeal.h"
#include "WonGame.h"
#include "cScore.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace quadrell {

frmMain::frmMain(
    const AppPaths& paths, QString commandLine, Lifecycle::Registrar registerFileTypes, Clock clock)
    : commandLine_(std::move(commandLine))
    , pictures_(std::make_shared<PictureCache>(
          QDir(paths.cacheFolder).filePath(QStringLiteral("pictures"))))
    , board_(new BoardWidget)
    , session_(
          paths, *board_, prompter_, *this, replay_, std::move(registerFileTypes), std::move(clock))
    , assist_(session_.engine, session_.menu, session_.opt, prompter_, *board_, replay_,
          *statusBar(), [this] {
              StatusbarUpdate();
              session_.kept.Update();
          }) {
    setObjectName(QStringLiteral("frmMain"));
    quit_ = [] { QCoreApplication::exit(0); };
    // Drawn at four sizes for the window manager: not needed for the first picture.
    AfterFirstPaint(board_, [this] { setWindowIcon(Icons::Program()); });
    board_->KeepPicturesIn(pictures_);
    AfterFirstPaint(board_, [this] { pictures_->Save(); });
    qApp->installEventFilter(new DialogCare(this));
    SetCaption(QStringLiteral("Quadrell 2000"));
    buildMenus();
    buildToolbar();
    buildStatusbar();
    custom_.Attach(parts_.toolbar, commands_.TopMenus(), parts_.panels);
    tmGeneral_.setInterval(300);
    connect(&tmGeneral_, &QTimer::timeout, this, &frmMain::RefreshMenus);
    tmrTime_.setInterval(100);
    connect(&tmrTime_, &QTimer::timeout, this, &frmMain::ClockTick);
    view_.ReplayIntervalChanged(session_.opt.FwdBackSpeed() * 10);
    replay_.SetHandlers(
        [this](bool forward) {
            session_.trans.ReplayTick(forward);
            afterCommand();
        },
        [this](bool enabled) {
            commands_.State().stop = enabled;
            commands_.Apply();
        },
        [this] { assist_.StopSolution(); });
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(parts_.strip);
    column->addWidget(board_, 1);
    board_->setObjectName(QStringLiteral("picBack"));
    board_->SetInput(&session_.pointer);
    board_->SetKeyboard(&session_.keyboard);
    // A child of the window, found again by the command that opens it.
    new TodaysDeal(session_.menu, *statusBar(), this); // found again by its command
    auto* reviewer = new GameReviewer(
        session_.engine, session_.trans, *board_, *this, [this] { afterCommand(); });
    won_ = std::make_unique<WonGame>(
        session_, *board_, *this, [this] { afterCommand(); }, [reviewer] { reviewer->Open(true); });
    lossSearch_ = std::make_unique<LossSearch>(
        session_.engine, session_.trans, session_.menu, *board_, prompter_, *statusBar());
    setCentralWidget(central);
    board_->setFocus(); // the keys play from the start, not the player box the strip holds
    setMinimumSize(kMinWidth, 240);
    connect(board_, &BoardWidget::InputHandled, this, &frmMain::afterInput);
    // A refused drop says why in passing: no box to close, gone after a few seconds.
    connect(board_, &BoardWidget::DropRefused, this,
        [this](const QString& reason) { statusBar()->showMessage(reason, kRefusalShownMs); });
    session_.opt.SetWidgets(&view_);
    session_.menu.SetDialogs(&dialogs_);
    session_.menu.SetWhereLost([this] { lossSearch_->Start(); });
    session_.menu.SetReview([reviewer] { reviewer->Open(false); });
    session_.recent.SetMenuRebuilder([this] { recent_->Update(); });
    session_.SetFlashStarter(
        [this](int intervalMs, int count) { title_.Start(intervalMs, count); });
    auto* sounds = new GameSounds(session_.opt, *board_, this); // found again by tests
    // The finished-game dialog opens once the winning move and its automatic moves are over.
    session_.win.SetHandler([this, sounds] {
        QTimer::singleShot(0, this, [this, sounds] {
            sounds->Won();
            won_->Celebrate();
        });
    });
}

Celebration& frmMain::WinCelebration() { return won_->Party(); }

frmMain::~frmMain() {
    session_.opt.SetWidgets(nullptr);
    session_.menu.SetWhereLost({});
    session_.menu.SetReview({});
}

bool frmMain::Load() {
    session_.lifecycle.Start();
    ListPlayers(session_.users.ComboNames(), session_.players.CurrentComboIndex());
    session_.recent.UpdateRecent();
    view_.BackgroundChanged();
    if (!session_.lifecycle.Open_Game(commandLine_)) return false;
    placement_.Restore();
    view_.ShowAll();
    custom_.RestoreAll();
    RefreshMenus();
    session_.kept.Update();
    tmGeneral_.start();
    loaded_ = true;
    return true;
}

// ---- commands -------------------------------------------------------------------------

void frmMain::run(const Command& command) {
    if (command.route == Command::Route::Window) return RunWindowCommand(command.id);
    assist_.Cancel(); // the next command ends a search under way
    lossSearch_->Cancel();
    won_->ShowFinish(); // a command right after a win first closes the won game
    if (command.route == Command::Route::Game) {
        session_.menu.SelectGame(command.id);
    } else {
        session_.menu.SelectType(command.id);
    }
    afterCommand();
}

void frmMain::HistoryStepped(HistoryStep step, int moves) {
    board_->HistoryNews(step, moves, session_.time.GetCardLeft());
}

void frmMain::afterCommand() {
    RefreshMenus();
    StatusbarUpdate();
    session_.kept.Update();
}

void frmMain::afterInput() {
    assist_.Cancel();
    lossSearch_->Cancel();
    StatusbarUpdate();
    session_.kept.Update();
}

void frmMain::OpenHandedFile(const QString& path) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    QApplication::alert(this);
    if (!path.isEmpty()) openWhenFree(path, 0);
}

void frmMain::openWhenFree(const QString& path, int delayMs) {
    // Never inside the hand-over itself, nor over a dialog of ours (a finished-game dialog
    // shown twice would record the game twice), nor in the middle of a move: the file waits
    // until the dialog is closed or the move drawn.
    QTimer::singleShot(delayMs, this, [this, path] {
        board_->WhenStill(this, [this, path] {
            if (QApplication::activeModalWidget()) return openWhenFree(path, 200);
            assist_.Cancel();
            won_->ShowFinish();
            session_.menu.OpenChecked(path);
            afterCommand();
        });
    });
}

void frmMain::exitNow() {
    session_.lifecycle.Exit();
    quit_();
}

void frmMain::playerChosen(int index) {
    session_.menu.PlayerChosen(index + 1, parts_.players->itemText(index));
    board_->setFocus();
}

// ---- menus and toolbar ------------------------------------------------------------------

void frmMain::RefreshMenus() {
    CommandState& state = commands_.State();
    state.game = session_.menu.Update_Menu(replay_.ForwardRunning() || replay_.BackwardRunning());
    state.solutionPlaying = assist_.PlayingSolution();
    commands_.Apply();
    finishNotice_.Update(state.game.finish,
        Action(QStringLiteral("mnuFinish"))->shortcut().toString(QKeySequence::NativeText));
    recent_->UpdateEnabled();
}

void frmMain::RunWindowCommand(CommandId id) {
    using C = CommandId;
    // No default: a new command must be answered here or named as the game's.
    switch (id) {
    case C::Exit:
        return exitNow();
    case C::Hint:
        return assist_.Hint();
    case C::TodaysDeal:
        return findChild<TodaysDeal*>()->Play(session_.clock().date());
    case C::Toolbar:
    case C::Statusbar:
    case C::Timer:
    case C::Winnable:
    case C::Difficulty:
        return view_.Toggled(id);
    case C::Source:
        return dialogs_.ShowSource();
    case C::Solution:
        return assist_.ShowSolution();
    case C::SolutionFaster:
        return assist_.Faster();
    case C::SolutionSlower:
        return assist_.Slower();
    case C::SolutionEnd:
        return assist_.ToTheEnd();
    case C::WhereLost:
        return lossSearch_->Start();
    case C::Review:
        return findChild<GameReviewer*>()->Open(false);
    case C::Help:
        return dialogs_.ShowHelp();
    case C::About:
        return dialogs_.ShowAbout();
    // The game's own (cMenu::SelectGame and SelectType).
    case C::New:
    case C::Select:
    case C::NewDifficulty:
    case C::SameDifficulty:
    case C::Restart:
    case C::Open:
    case C::Save:
    case C::Close:
    case C::Undo:
    case C::Redo:
    case C::Snapshot:
    case C::UndoSnapshot:
    case C::UndoAll:
    case C::RedoAll:
    case C::Finish:
    case C::ReplayForward:
    case C::ReplayBack:
    case C::ReplayAll:
    case C::ReplayStop:
    case C::AddFav:
    case C::OpenFav:
    case C::OrgFav:
    case C::Customize:
    case C::Options:
    case C::AutoSave:
    case C::Scoreboard:
        return;
    }
}

// ---- GameWindow ---------------------------------------------------------------------------

void frmMain::SetCaption(const QString& caption) { title_.SetCaption(caption); }

void frmMain::SetClockRunning(bool running) {
    if (running) {
        tmrTime_.start();
    } else {
        tmrTime_.stop();
    }
}

void frmMain::ResetClockAndStatus(bool clearPanels) {
    parts_.clock->ShowSeconds(0);
    view_.UpdateBoxes(); // a game that has ended is neither rated nor watched
    if (!clearPanels) return;
    for (QLabel* panel : parts_.panels)
        panel->clear();
}

void frmMain::StatusbarUpdate() {
    view_.UpdateBoxes();
    if (!session_.state().gGameActive) return;
    const qint16 left = session_.time.GetCardLeft();
    const int possible = left == 0 ? 0 : session_.state().gBoard.GetPossibleMoves();
    parts_.panels[1]->setText(tr("Cards Left: %1").arg(left));
    parts_.panels[0]->setText(tr("Movements: %1").arg(session_.trans.MoveID()));
    parts_.panels[2]->setText(tr("Possible Moves: %1").arg(possible));
    parts_.panels[3]->setText(
        tr("Session Time: ") + cScore::ConvertTimeS(session_.time.GetSessionTime()));
}

void frmMain::ClockTick() {
    // A won game's clock stops at the time its score line records.
    if (!session_.state().gFinishedView) parts_.clock->ShowSeconds(session_.menu.Result().Time);
    StatusbarUpdate();
}

void frmMain::SetUndoToSnapshotEnabled(bool enabled) {
    commands_.State().game.undoToSnapshot = enabled;
    commands_.Apply();
}

void frmMain::ListPlayers(const QStringList& names, int current) {
    parts_.players->clear();
    for (const QString& name : names)
        parts_.players->addItem(Icons::Player(), name);
    if (!names.isEmpty()) SelectPlayer(current);
}

void frmMain::SelectPlayer(int position) { parts_.players->setCurrentIndex(position - 1); }

// ---- geometry and closing -----------------------------------------------------------------

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (loaded_) placement_.Resized();
}

void frmMain::closeEvent(QCloseEvent* event) {
    SettingsStore::Batch batch(session_.store); // the window's place and the kept game
    placement_.KeepAtClose();
    session_.lifecycle.Unload();
    tmGeneral_.stop();
    tmrTime_.stop();
    event->accept();
}

} // namespace quadrell
