#pragma once

#include "CommandId.h"
#include "WindowParts.h"
#include "cOpt.h"

#include <functional>

class QAction;
class QStatusBar;

namespace quadrell {

class BoardWidget;
struct GameState;
class DifficultyWatch;
class ReplayTimers;
class WinnableWatch;

// What the View options show of the main window: the clock, the status bar, the toolbar's
// row, the winnable and difficulty boxes, the table's colour and picture, the replay's pace.
// The options window tells it of a change; a View entry clicked changes the option.
class ViewOptions final : public OptionWidgets {
public:
    using Entry = std::function<QAction*(CommandId)>;
    ViewOptions(cOpt& options, BoardWidget& board, QStatusBar& status, const WindowParts& parts,
        ReplayTimers& replay, Entry entry);
    // Starts the watches of the winnable and difficulty boxes, once the boxes are made.
    void Watch(const GameState& state);
    // The position or the deal may have changed: the boxes follow.
    void UpdateBoxes();

    // Everything as the options say, at start-up.
    void ShowAll();
    // A View entry, already toggled by the click: its option follows.
    void Toggled(CommandId id);

    void TimerShown(bool shown) override;
    void StatusbarShown(bool shown) override;
    void ToolbarShown(bool shown) override;
    void BackPictureChosen(const QString& path) override;
    void ReplayIntervalChanged(int milliseconds) override;
    void BackgroundChanged() override;

private:
    cOpt& options_;
    BoardWidget& board_;
    QStatusBar& status_;
    const WindowParts& parts_;
    ReplayTimers& replay_;
    Entry entry_;
    WinnableWatch* winnable_ = nullptr;
    DifficultyWatch* difficulty_ = nullptr;
};

} // namespace quadrell
