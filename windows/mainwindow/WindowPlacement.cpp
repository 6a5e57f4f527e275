#include "WindowPlacement.h"

#include "BoardWidget.h"
#include "SettingsStore.h"
#include "cSave.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace quadrell {

namespace {

constexpr double kTwips = BoardWidget::kTwipsPerPixel;
constexpr float kDefaultHeight = 6555;
constexpr float kDefaultCorner = 500;

// A kept length in pixels: the fallback when the stored one is unusable (not a number, below
// the window's least size or above any screen), at least the window's least size when the
// screen allows, and never larger than the free area less the frame, whatever the screen's
// scale.
int keptLength(float twips, int least, int screen, int frame, int fallback) {
    int n = std::isfinite(twips) ? qRound(twips / kTwips) : 0;
    if (n < least || n > std::max(screen, least)) n = fallback;
    return std::max(least, std::min(n, screen - frame));
}

} // namespace

WindowPlacement::WindowPlacement(
    QWidget& window, cSave& save, int defaultWidth, const QString& platform)
    : window_(window)
    , save_(save)
    , defaultWidth_(defaultWidth)
    , knowsPlace_(KnowsPlace(platform)) {
    sizeKeeper_.setSingleShot(true);
    QObject::connect(&sizeKeeper_, &QTimer::timeout, [this] { keepSize(); });
}

bool WindowPlacement::KnowsPlace(const QString& platform) {
    return !platform.startsWith(QLatin1String("wayland"));
}

void WindowPlacement::Restore() {
    const auto [left, top, width, height] = save_.WindowGeometry(
        { kDefaultCorner, kDefaultCorner, float(defaultWidth_ * kTwips), kDefaultHeight });
    const QScreen* shown = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    const QRect screen = shown->availableGeometry();
    // Before the desktop has drawn the frame its size is not known: allow for a thin border
    // and a title bar.
    QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    if (frame.isEmpty()) frame = QSize(8, 32);
    const int w
        = keptLength(width, window_.minimumWidth(), screen.width(), frame.width(), defaultWidth_);
    const int h = keptLength(height, window_.minimumHeight(), screen.height(), frame.height(),
        qRound(kDefaultHeight / kTwips));
    QRect wanted(qRound(left / kTwips), qRound(top / kTwips), w, h);
    // A place that no screen shows falls back to the default one.
    if (!std::isfinite(left) || !std::isfinite(top) || !screen.intersects(wanted)) {
        const int corner = qRound(kDefaultCorner / kTwips);
        wanted.moveTopLeft(QPoint(corner, corner) + screen.topLeft());
    }
    // Whole on the free area, the title bar never above it.
    wanted.moveLeft(std::max(screen.left(), std::min(wanted.left(), screen.right() - w)));
    wanted.moveTop(std::max(screen.top(), std::min(wanted.top(), screen.bottom() - h)));
    // The place kept is the window's inside, not its frame: a frame the desktop has not
    // drawn yet (a message shown before the window) cannot shift it from start to start.
    window_.setGeometry(wanted);
}

void WindowPlacement::Resized() {
    if (window_.isMinimized() || window_.isMaximized() || window_.isFullScreen()) return;
    // Dragging the frame resizes many times a second; the store is written when it stops.
    sizeKeeper_.start(250);
}

void WindowPlacement::keepSize() {
    sizeKeeper_.stop();
    save_.SetWindowSize(static_cast<float>(window_.width() * kTwips),
        static_cast<float>(window_.height() * kTwips));
}

void WindowPlacement::KeepAtClose() {
    SettingsStore::Batch together(save_.Store());
    if (sizeKeeper_.isActive()) keepSize();
    if (!knowsPlace_) return;
    const QPoint inside = window_.geometry().topLeft();
    save_.SetWindowPosition(
        static_cast<float>(inside.x() * kTwips), static_cast<float>(inside.y() * kTwips));
}

} // namespace quadrell
