#pragma once

#include <array>

class QComboBox;
class QLabel;
class QToolBar;
class QWidget;

namespace quadrell {

class ClockFace;

// The main window's own widgets around the board, as it builds them.
struct WindowParts {
    QWidget* strip = nullptr; // the toolbar's row: the toolbar, the player box, the clocks
    QToolBar* toolbar = nullptr;
    QComboBox* players = nullptr;
    ClockFace* clock = nullptr;
    QLabel* winnable = nullptr;
    QLabel* difficulty = nullptr;
    std::array<QLabel*, 4> panels {};
};

} // namespace quadrell
