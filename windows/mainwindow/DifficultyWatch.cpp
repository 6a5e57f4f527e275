#include "DifficultyWatch.h"

#include "GameState.h"
#include "cOpt.h"

#include <QLabel>

namespace quadrell {

DifficultyWatch::DifficultyWatch(
    const GameState& state, const cOpt& opt, QLabel& label, QObject* parent)
    : QObject(parent)
    , state_(state)
    , opt_(opt)
    , label_(label)
    , task_(this) {
    label_.setToolTip(tr("How hard this deal is, from the solver's search"));
}

void DifficultyWatch::show(const QString& text) {
    label_.setText(text);
    label_.show();
}

void DifficultyWatch::Update() {
    if (opt_.ShowDifficulty() != 1 || !state_.gGameActive) {
        task_.Cancel();
        rated_ = -1;
        label_.hide();
        return;
    }
    if (state_.gGameNumber == rated_) return;
    rated_ = state_.gGameNumber;
    show(QStringLiteral("..."));
    task_.Start(rated_, [this](const Difficulty::Rating& r) { show(RatingTask::Name(r.level)); });
}

} // namespace quadrell
