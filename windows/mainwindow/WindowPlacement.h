#pragma once

#include <QGuiApplication>
#include <QString>
#include <QTimer>

class QWidget;

namespace quadrell {

class cSave;

// Where the main window opens and what of it is kept: its inside's place and size, in
// twips, whole on a screen that shows it.
class WindowPlacement {
public:
    // `defaultWidth` in pixels: the window's first size on a fresh start. `platform` is Qt's
    // platform plugin's name.
    WindowPlacement(QWidget& window, cSave& save, int defaultWidth,
        const QString& platform = QGuiApplication::platformName());

    // Whether the platform tells a window's place: Wayland never does, and a place written
    // from there would be a made-up one over the place a session elsewhere kept.
    static bool KnowsPlace(const QString& platform);

    // Puts the window where it was kept, or where a fresh start puts it.
    void Restore();
    // After a resize: kept once resizing has settled (a maximised window keeps the size it
    // will come back to).
    void Resized();
    // At close: the size still waiting, and the place where the platform tells it.
    void KeepAtClose();

private:
    void keepSize();

    QWidget& window_;
    cSave& save_;
    int defaultWidth_;
    bool knowsPlace_;
    QTimer sizeKeeper_; // the size is written once a resize has settled
};

} // namespace quadrell
