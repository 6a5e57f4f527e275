#include "ViewOptions.h"

#include "BoardBackground.h"
#include "ClockFace.h"
#include "DifficultyWatch.h"
#include "ReplayTimers.h"
#include "WinnableWatch.h"

#include <QAction>
#include <QStatusBar>

namespace quadrell {

ViewOptions::ViewOptions(cOpt& options, BoardWidget& board, QStatusBar& status,
    const WindowParts& parts, ReplayTimers& replay, Entry entry)
    : options_(options)
    , board_(board)
    , status_(status)
    , parts_(parts)
    , replay_(replay)
    , entry_(std::move(entry)) { }

void ViewOptions::Watch(const GameState& state) {
    // Each lives as long as the box it fills.
    winnable_ = new WinnableWatch(state, options_, *parts_.winnable, parts_.winnable);
    difficulty_ = new DifficultyWatch(state, options_, *parts_.difficulty, parts_.difficulty);
}

void ViewOptions::UpdateBoxes() {
    if (winnable_) winnable_->Update();
    if (difficulty_) difficulty_->Update();
}

void ViewOptions::ShowAll() {
    TimerShown(options_.ShowTimer() == 1);
    entry_(CommandId::Winnable)->setChecked(options_.ShowWinnable() == 1);
    entry_(CommandId::Difficulty)->setChecked(options_.ShowDifficulty() == 1);
    StatusbarShown(options_.ShowStatusbar() == 1);
    ToolbarShown(options_.ShowToolbar() == 1);
}

void ViewOptions::Toggled(CommandId id) {
    const qint16 on = entry_(id)->isChecked() ? 1 : 0;
    if (id == CommandId::Toolbar) options_.SetShowToolbar(on);
    if (id == CommandId::Statusbar) options_.SetShowStatusbar(on);
    if (id == CommandId::Timer) options_.SetShowTimer(on);
    if (id == CommandId::Winnable) {
        options_.SetShowWinnable(on);
        if (winnable_) winnable_->Update();
    }
    if (id == CommandId::Difficulty) {
        options_.SetShowDifficulty(on);
        if (difficulty_) difficulty_->Update();
    }
}

void ViewOptions::TimerShown(bool shown) {
    parts_.clock->setVisible(shown);
    entry_(CommandId::Timer)->setChecked(shown);
}

void ViewOptions::StatusbarShown(bool shown) {
    status_.setVisible(shown);
    entry_(CommandId::Statusbar)->setChecked(shown);
}

void ViewOptions::ToolbarShown(bool shown) {
    parts_.strip->setVisible(shown);
    entry_(CommandId::Toolbar)->setChecked(shown);
}

void ViewOptions::BackPictureChosen(const QString& path) { BoardBackground::Preview(board_, path); }

void ViewOptions::ReplayIntervalChanged(int milliseconds) { replay_.SetInterval(milliseconds); }

void ViewOptions::BackgroundChanged() { BoardBackground::Apply(board_, options_); }

} // namespace quadrell
