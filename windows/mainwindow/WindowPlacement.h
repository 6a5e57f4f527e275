#pragma once

#include <QGuiApplication>
#include <QSize>
#include <QString>
#include <QTimer>

class QWidget;

namespace quadrell {

class cSave;

// Where the main window opens and what of it is kept: its inside's place and size, in
// twips, whole on a screen that shows it.
class WindowPlacement {
public:
    // `defaultWidth` in pixels: the window's first width on the 800 by 600 screens it was made
    // for; on others the first window takes the same share of the screen. `platform` is Qt's
    // platform plugin's name.
    WindowPlacement(QWidget& window, cSave& save, int defaultWidth,
        const QString& platform = QGuiApplication::platformName());

    // Whether the platform tells a window's place: Wayland never does, and a place written
    // from there would be a made-up one over the place a session elsewhere kept.
    static bool KnowsPlace(const QString& platform);

    // The first window's size on a screen's free area of `screen`.
    static QSize FirstSize(const QSize& screen, int designWidth);

    // Puts the window where it was kept (maximised if it was closed so), or where a fresh
    // start puts it.
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
    QSize placed_;      // the size Restore gave, until the player changes it
    QTimer sizeKeeper_; // the size is written once a resize has settled
};

} // namespace quadrell
