#pragma once

#include "RatingTask.h"

#include <QObject>

class QLabel;

namespace quadrell {

class cOpt;
struct GameState;

// "Difficulty": beside the clock, how hard the deal in play is, rated in the background
// when a new deal comes; shown only when the player has turned it on.
class DifficultyWatch final : public QObject {
    Q_OBJECT
public:
    DifficultyWatch(
        const GameState& state, const cOpt& opt, QLabel& label, QObject* parent = nullptr);

    // The option or the deal may have changed: rate again when the deal did.
    void Update();

private:
    void show(const QString& text);

    const GameState& state_;
    const cOpt& opt_;
    QLabel& label_;
    RatingTask task_;
    std::int32_t rated_ = -1; // the deal rated or being rated, -1 for none
};

} // namespace quadrell
