#pragma once

#include <QString>
#include <QStringList>

namespace quadrell {

// A step through the history the player asked for, said as what it is rather than as moves.
enum class HistoryStep { Undo, Redo, UndoAll, RedoAll };

// What the life of a game changes on the main window beyond the board itself. The
// headless driver has no window and leaves these alone.
class GameWindow {
public:
    virtual ~GameWindow() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual QString Caption() const = 0;
    // tmrTime: the game clock runs while a game is on the board.
    virtual void SetClockRunning(bool running) = 0;
    // The clock box shows zero time; the status panels are emptied.
    virtual void ResetClockAndStatus(bool clearPanels) = 0;
    virtual void StatusbarUpdate() = 0;
    virtual void SetUndoToSnapshotEnabled(bool enabled) = 0;
    // Fills the player box and selects its 1-based position.
    virtual void ListPlayers(const QStringList& names, int current) = 0;
    virtual void SelectPlayer(int position) = 0;
    // The history was stepped through: `moves` of the player's moves undone or redone.
    virtual void HistoryStepped(HistoryStep /*step*/, int /*moves*/) { }
};

// The two replay timers and the "Sto&p" entry.
class ReplayControl {
public:
    virtual ~ReplayControl() = default;
    virtual void SetForward(bool running) = 0;
    virtual void SetBackward(bool running) = 0;
    virtual void SetStopEnabled(bool enabled) = 0;
    virtual bool ForwardRunning() const = 0;
    virtual bool BackwardRunning() const = 0;
    // Before a question that can give up the game: nothing may go on playing behind it.
    virtual void StopPlayback() {
        SetForward(false);
        SetBackward(false);
        SetStopEnabled(false);
    }
};

// Replay timers without a clock: the caller ticks them by hand.
class ManualReplayControl final : public ReplayControl {
public:
    void SetForward(bool running) override { forward_ = running; }
    void SetBackward(bool running) override { backward_ = running; }
    void SetStopEnabled(bool enabled) override { stopEnabled_ = enabled; }
    bool ForwardRunning() const override { return forward_; }
    bool BackwardRunning() const override { return backward_; }
    bool StopEnabled() const { return stopEnabled_; }

private:
    bool forward_ = false;
    bool backward_ = false;
    bool stopEnabled_ = false;
};

// No window to update.
class HeadlessGameWindow final : public GameWindow {
public:
    void SetCaption(const QString& caption) override { caption_ = caption; }
    void SetClockRunning(bool) override { }
    void ResetClockAndStatus(bool) override { }
    void StatusbarUpdate() override { }
    void SetUndoToSnapshotEnabled(bool) override { }
    void ListPlayers(const QStringList&, int current) override { player_ = current; }
    void SelectPlayer(int position) override { player_ = position; }
    QString Caption() const override { return caption_; }
    int Player() const { return player_; }

private:
    QString caption_;
    int player_ = 0;
};

} // namespace quadrell
