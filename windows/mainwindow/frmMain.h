#pragma once

#include "ClockFace.h"
#include "CommandTable.h"
#include "CustomLayout.h"
#include "DifficultyWatch.h"
#include "GameDialogs.h"
#include "GameWindow.h"
#include "Lifecycle.h"
#include "LossSearch.h"
#include "MainDialogs.h"
#include "QtPrompter.h"
#include "RecentMenus.h"
#include "ReplayTimers.h"
#include "Session.h"
#include "SolverAssist.h"
#include "TitleFlash.h"
#include "WindowPlacement.h"
#include "WinnableWatch.h"
#include "WonGame.h"
#include "cOpt.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMap>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;

namespace quadrell {

class Celebration;

class BoardWidget;
class PictureCache;

// The main window: the board, the menus, the toolbar, the status bar and the clocks.
// It holds no rules: commands go to cMenu, the board's pointer to PointerInput.
class frmMain final : public QMainWindow,
                      public GameWindow,
                      public OptionWidgets,
                      public WindowCommands {
    Q_OBJECT
public:
    // The width the window first opens at: 9645 twips. The player may make it wider or
    // narrower; the board scales with it.
    static constexpr int kWidth = 643;
    static constexpr int kMinWidth = 320;
    // How long a refused drop's reason stays in the status bar.
    static constexpr int kRefusalShownMs = 6000;

    frmMain(
        const AppPaths& paths, QString commandLine, Lifecycle::Registrar registerFileTypes = {});
    ~frmMain() override;

    // The load handler, in its specified order. False when the player chose to leave at
    // the question about the unfinished game.
    bool Load();

    Session& session() { return session_; }
    BoardWidget& board() { return *board_; }
    KeptGame& kept() { return session_.kept; }
    // A menu entry or toolbar button by its control name ("mnuUndo") or toolbar key ("Undo").
    QAction* Action(const QString& name) const;
    QLabel* Panel(int index) const { return panels_[static_cast<std::size_t>(index)]; }
    ClockFace* ClockBox() const { return clock_; }
    QLabel* WinnableBox() const { return winnable_; }
    QLabel* DifficultyBox() const { return difficulty_; }
    QWidget* ToolbarStrip() const { return strip_; }
    QComboBox* PlayerBox() const { return players_; }
    // How "E&xit" ends the program; a test ends nothing.
    void SetQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }
    // "Hint" and "Show Solution".
    void Hint() { assist_.Hint(); }
    void ShowSolution() { assist_.ShowSolution(); }
    void StopSolution() { assist_.StopSolution(); }
    bool Solving() const { return assist_.Solving(); }
    bool PlayingSolution() const { return assist_.PlayingSolution(); }
    const SolverAssist& Assist() const { return assist_; }
    Celebration& WinCelebration() { return won_->Party(); }
    const LossSearch& LossSearching() const { return *lossSearch_; }
    // Another launch handed over a game file (or none): the window comes to the front and
    // opens it as "Open" would, asking once when a game is being played.
    void OpenHandedFile(const QString& path);
    // The general timer's work, callable at once.
    void RefreshMenus();
    // What the commands' enabling rules were last given.
    const CommandState& EnablingState() const { return commandState_; }
    void ClockTick();
    QString Caption() const override { return title_.Caption(); }
    bool Flashing() const { return title_.Active(); }
    HelpWindow* Help() const { return dialogs_.Help(); }
    MainDialogs& Dialogs() { return dialogs_; }

    // GameWindow
    void SetCaption(const QString& caption) override;
    void SetClockRunning(bool running) override;
    void ResetClockAndStatus(bool clearPanels) override;
    void StatusbarUpdate() override;
    void SetUndoToSnapshotEnabled(bool enabled) override;
    void ListPlayers(const QStringList& names, int current) override;
    void SelectPlayer(int position) override;
    ReplayTimers& Replay() { return replay_; }
    // WindowCommands
    void RunWindowCommand(CommandId id) override;
    // OptionWidgets
    void TimerShown(bool shown) override;
    void StatusbarShown(bool shown) override;
    void ToolbarShown(bool shown) override;
    void BackPictureChosen(const QString& path) override;
    void ReplayIntervalChanged(int milliseconds) override;
    void BackgroundChanged() override { UpdateBG(); }

    // The two "Recent" submenus from the store.
    void UpdateRecent();
    QAction* RecentItem(int list, int index) const { return recent_->Item(list, index); }
    QAction* RecentNone(int list) const { return recent_->None(list); }

    // Applies the board colour and, when enabled, the picture (a picture that cannot be
    // loaded leaves the colour alone).
    void UpdateBG();
    // What the player has hidden of the window.
    CustomLayout& Custom() { return custom_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusbar();
    void buildTimers();
    // A command of the table, from its menu entry or its toolbar button.
    void run(const Command& command);
    void applyEnabling();
    // The menu entry of a command, by its key.
    QAction* entryFor(CommandId id) const;
    void afterCommand();
    void afterInput();
    void toggleToolbar();
    void toggleStatusbar();
    void toggleTimer();
    void toggleWinnable();
    void toggleDifficulty();
    void whereLost() { lossSearch_->Start(); }
    void openWhenFree(const QString& path, int delayMs);
    void exitNow();
    void solutionFaster() { assist_.Faster(); }
    void solutionSlower() { assist_.Slower(); }
    void solutionToTheEnd() { assist_.ToTheEnd(); }
    void playerChosen(int index);

    QString commandLine_;
    QtPrompter prompter_ { this };
    ReplayTimers replay_;
    // The first picture's own drawings, kept between starts.
    std::shared_ptr<PictureCache> pictures_;
    BoardWidget* board_;
    Session session_;
    Lifecycle lifecycle_;
    MainDialogs dialogs_ { session_, *this };
    CustomLayout custom_ { session_.custom };
    WindowPlacement placement_ { *this, session_.save, kWidth };
    QMap<QString, QAction*> actions_;
    QMap<QString, QAction*> buttons_;
    std::array<QMenu*, 6> topMenus_ {};
    CommandState commandState_;
    RecentMenus* recent_ = nullptr;
    QWidget* strip_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QComboBox* players_ = nullptr;
    ClockFace* clock_ = nullptr;
    QLabel* winnable_ = nullptr;
    QLabel* difficulty_ = nullptr;
    std::array<QLabel*, 4> panels_ {};
    QTimer tmGeneral_;
    QTimer tmrTime_;
    TitleFlash title_ { *this };
    SolverAssist assist_;
    std::unique_ptr<WonGame> won_;
    std::unique_ptr<WinnableWatch> watch_;
    std::unique_ptr<DifficultyWatch> rating_;
    std::unique_ptr<LossSearch> lossSearch_;
    bool loaded_ = false;
    std::function<void()> quit_ = [] { QCoreApplication::exit(0); };
};

} // namespace quadrell
