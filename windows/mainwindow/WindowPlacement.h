#pragma once

#include <QTimer>

class QWidget;

namespace quadrell {

class cSave;

// Where the main window opens and what of it is kept: its inside's place and size, in
// twips, whole on a screen that shows it.
class WindowPlacement {
public:
    // `defaultWidth` in pixels: the window's first size on a fresh start.
    WindowPlacement(QWidget& window, cSave& save, int defaultWidth);

    // Puts the window where it was kept, or where a fresh start puts it.
    void Restore();
    // After a resize: kept once resizing has settled (a maximised window keeps the size it
    // will come back to).
    void Resized();
    // At close: the size still waiting, and the place.
    void KeepAtClose();

private:
    void keepSize();

    QWidget& window_;
    cSave& save_;
    int defaultWidth_;
    QTimer sizeKeeper_; // the size is written once a resize has settled
};

} // namespace quadrell
