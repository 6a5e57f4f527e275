#pragma once

#include "Difficulty.h"

#include <QDialog>
#include <array>

class QRadioButton;

namespace quadrell {

// "New Game of Difficulty": which class the next random game is dealt from.
class dlgDifficulty final : public QDialog {
    Q_OBJECT
public:
    // `preset` is checked first (the last class asked for).
    dlgDifficulty(Difficulty::Level preset, QWidget* owner);
    Difficulty::Level Chosen() const;

private:
    static constexpr std::array kLevels { Difficulty::Level::Easy, Difficulty::Level::Medium,
        Difficulty::Level::Hard, Difficulty::Level::Expert };
    std::array<QRadioButton*, kLevels.size()> options_ {};
};

} // namespace quadrell
