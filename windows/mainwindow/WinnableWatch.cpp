#include "WinnableWatch.h"

#include "Session.h"

#include <QLabel>

namespace quadrell {

WinnableWatch::WinnableWatch(
    const GameState& state, const cOpt& opt, QLabel& label, QObject* parent)
    : QObject(parent)
    , state_(state)
    , opt_(opt)
    , label_(label)
    , task_(this) {
    label_.setToolTip(tr("Can this game still be won from here?"));
}

WinnableWatch::Places WinnableWatch::places() const {
    Places at {};
    for (Card c = 0; c < kCardCount; ++c)
        at[static_cast<std::size_t>(c)] = state_.gBoard.GetLocation(c);
    return at;
}

void WinnableWatch::show(const QString& text) {
    label_.setText(text);
    label_.show();
}

void WinnableWatch::Update() {
    const GameState& s = state_;
    if (opt_.ShowWinnable() != 1 || !s.gGameActive || s.gFinishedView) {
        task_.Cancel();
        any_ = false;
        label_.hide();
        return;
    }
    const Places now = places();
    if (any_ && now == searched_) return;
    any_ = true;
    searched_ = now;
    show(QStringLiteral("..."));
    task_.Start(
        s.gBoard,
        [this](const Solver::Result& result) {
            switch (result.verdict) {
            case Solver::Verdict::Won:
                return show(tr("Winnable"));
            case Solver::Verdict::Lost:
                return show(tr("Lost"));
            case Solver::Verdict::Unknown:
                return show(tr("Not known"));
            }
        },
        Solver::Limits::Nodes(kNodeBudget));
}

} // namespace quadrell
