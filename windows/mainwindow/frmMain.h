#pragma once

#include "CommandActions.h"
#include "CustomLayout.h"
#include "FinishNotice.h"
#include "MainDialogs.h"
#include "QtPrompter.h"
#include "ReplayTimers.h"
#include "Session.h"
#include "SolverAssist.h"
#include "TitleFlash.h"
#include "ViewOptions.h"
#include "WindowPlacement.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

namespace quadrell {

class BoardWidget;
class Celebration;
class LossSearch;
class PictureCache;
class RecentMenus;
class WonGame;

// The main window shows the game and routes input: the board, the menus, the toolbar, the
// status bar and the clocks. It holds no rules (commands go to cMenu, the board's pointer
// to PointerInput) and hands its other roles to the classes that own them.
class frmMain final : public QMainWindow, public GameWindow, public WindowCommands {
    Q_OBJECT
public:
    // The board's design width (9645 twips), the first window's on an 800 by 600 screen.
    static constexpr int kWidth = 643;
    static constexpr int kMinWidth = 320;
    static constexpr int kRefusalShownMs = 6000; // a refused drop's reason in the status bar

    frmMain(const AppPaths& paths, QString commandLine, Lifecycle::Registrar registerFileTypes = {},
        Clock clock = &QDateTime::currentDateTime);
    ~frmMain() override;
    // All before the first game shows; false when the player left at the unfinished game.
    bool Load();
    // Another launch handed over a game file (or none): the window comes to the front and
    // opens it as "Open" would, asking once when a game is being played.
    void OpenHandedFile(const QString& path);
    void SetQuitAction(std::function<void()> quit) { quit_ = std::move(quit); } // "E&xit"

    Session& session() { return session_; }
    BoardWidget& board() { return *board_; }
    // A menu entry or toolbar button by its control name ("mnuUndo") or toolbar key ("Undo").
    QAction* Action(const QString& name) const { return commands_.Find(name); }
    const WindowParts& Parts() const { return parts_; }
    SolverAssist& Assist() { return assist_; }
    Celebration& WinCelebration();
    const LossSearch& LossSearching() const { return *lossSearch_; }
    MainDialogs& Dialogs() { return dialogs_; }
    ReplayTimers& Replay() { return replay_; }
    RecentMenus& Recent() { return *recent_; }
    CustomLayout& Custom() { return custom_; }
    bool Flashing() const { return title_.Active(); }
    // The general timer's and the clock timer's work, callable at once.
    void RefreshMenus();
    void ClockTick();
    const CommandState& EnablingState() const { return commands_.State(); }
    // GameWindow
    QString Caption() const override { return title_.Caption(); }
    void SetCaption(const QString& caption) override;
    void SetClockRunning(bool running) override;
    void ResetClockAndStatus(bool clearPanels) override;
    void StatusbarUpdate() override;
    void SetUndoToSnapshotEnabled(bool enabled) override;
    void ListPlayers(const QStringList& names, int current) override;
    void SelectPlayer(int position) override;
    void HistoryStepped(HistoryStep step, int moves) override;
    // WindowCommands
    void RunWindowCommand(CommandId id) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusbar();
    void run(const Command& command); // from its menu entry or its toolbar button
    void afterCommand();
    void afterInput();
    void openWhenFree(const QString& path, int delayMs);
    void exitNow();
    void playerChosen(int index);

    QString commandLine_;
    QtPrompter prompter_ { this };
    ReplayTimers replay_;
    std::shared_ptr<PictureCache> pictures_; // the first picture's drawings, kept
    BoardWidget* board_;
    Session session_;
    MainDialogs dialogs_ { session_, *this };
    CustomLayout custom_ { session_.custom };
    WindowPlacement placement_ { *this, session_.save, kWidth };
    CommandActions commands_ { [this](const Command& command) { run(command); } };
    RecentMenus* recent_ = nullptr;
    WindowParts parts_;
    ViewOptions view_ { session_.opt, *board_, *statusBar(), parts_, replay_,
        [this](CommandId id) { return commands_.EntryFor(id); } };
    QTimer tmGeneral_;
    QTimer tmrTime_;
    TitleFlash title_ { *this };
    SolverAssist assist_;
    FinishNotice finishNotice_ { *statusBar() };
    std::unique_ptr<WonGame> won_;
    std::unique_ptr<LossSearch> lossSearch_;
    bool loaded_ = false;
    std::function<void()> quit_;
};

} // namespace quadrell
