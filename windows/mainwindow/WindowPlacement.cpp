#include "WindowPlacement.h"

#include "BoardWidget.h"
#include "SettingsStore.h"
#include "cSave.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace quadrell {

namespace {

constexpr double kTwips = BoardWidget::kTwipsPerPixel;
constexpr float kDefaultHeight = 6555;
// The screens the window's first size was made for.
constexpr QSize kMadeFor(800, 600);

// A kept length in pixels: the fallback when the stored one is unusable (not a number or
// below the window's least size); at least the window's least size when the screen allows,
// and never larger than the free area less the frame, whatever the screen's scale. A kept
// length larger than the screen is fitted to it, not thrown away.
int keptLength(float twips, int least, int screen, int frame, int fallback) {
    // Clamped before rounding: a length past any screen would round to no int at all.
    int n = std::isfinite(twips) ? qRound(std::clamp(twips, -1e9f, 1e9f) / kTwips) : 0;
    if (n < least) n = fallback;
    return std::max(least, std::min(n, screen - frame));
}

} // namespace

WindowPlacement::WindowPlacement(
    QWidget& window, cSave& save, int defaultWidth, const QString& platform)
    : window_(window)
    , save_(save)
    , defaultWidth_(defaultWidth)
    , knowsPlace_(KnowsPlace(platform)) {
    QObject::connect(&sizeKeeper_, &QTimer::timeout, [this] { keepSize(); });
}

bool WindowPlacement::KnowsPlace(const QString& platform) {
    return !platform.startsWith(QLatin1String("wayland"));
}

QSize WindowPlacement::FirstSize(const QSize& screen, int designWidth) {
    // The share of the screen the first size took of the screens it was made for.
    const double height = kDefaultHeight / kTwips;
    return { qRound(screen.width() * double(designWidth) / kMadeFor.width()),
        qRound(screen.height() * height / kMadeFor.height()) };
}

void WindowPlacement::Restore() {
    const float unknown = std::numeric_limits<float>::quiet_NaN();
    const auto [left, top, width, height]
        = save_.WindowGeometry({ unknown, unknown, unknown, unknown });
    const QScreen* shown = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    const QRect screen = shown->availableGeometry();
    // Before the desktop has drawn the frame its size is not known: allow for a thin border
    // and a title bar.
    QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    if (frame.isEmpty()) frame = QSize(8, 32);
    const QSize first = FirstSize(screen.size(), defaultWidth_);
    const int w
        = keptLength(width, window_.minimumWidth(), screen.width(), frame.width(), first.width());
    const int h = keptLength(
        height, window_.minimumHeight(), screen.height(), frame.height(), first.height());
    // The frame's borders: as wide on the sides and below, the rest is the title bar.
    const int side = frame.width() / 2;
    const int title = frame.height() - side;
    QRect wanted(0, 0, w, h);
    // A place never kept, or one that no screen shows: the middle of the free area.
    const QRect kept(qRound(left / kTwips), qRound(top / kTwips), w, h);
    if (std::isfinite(left) && std::isfinite(top) && screen.intersects(kept))
        wanted = kept;
    else
        wanted.moveCenter(screen.center() + QPoint(0, (title - side) / 2));
    // Whole on the free area with its frame, the title bar never above it (a window wider
    // than the screen keeps its left edge, its title's end out of sight).
    wanted.moveLeft(
        std::max(screen.left() + side, std::min(wanted.left(), screen.right() + 1 - side - w)));
    wanted.moveTop(
        std::max(screen.top() + title, std::min(wanted.top(), screen.bottom() + 1 - side - h)));
    // The place kept is the window's inside, not its frame: a frame the desktop has not
    // drawn yet (a message shown before the window) cannot shift it from start to start.
    window_.setGeometry(wanted);
    placed_ = wanted.size();
    if (save_.WindowMaximized())
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

void WindowPlacement::Resized() {
    if (window_.isMinimized() || window_.isMaximized() || window_.isFullScreen()) return;
    // The size it was put at is not the player's choice: a kept size fitted to a smaller
    // screen stays kept for a larger one.
    if (window_.size() == placed_) return;
    placed_ = QSize();
    // Dragging the frame resizes many times a second; the store is written when it stops.
    sizeKeeper_.start(250);
}

void WindowPlacement::keepSize() {
    sizeKeeper_.stop();
    // Maximised since the resize: the size it comes back to.
    const QSize size = window_.isMaximized() || window_.isFullScreen()
        ? window_.normalGeometry().size()
        : window_.size();
    save_.SetWindowSize(
        static_cast<float>(size.width() * kTwips), static_cast<float>(size.height() * kTwips));
}

void WindowPlacement::KeepAtClose() {
    SettingsStore::Batch together(save_.Store());
    if (sizeKeeper_.isActive()) keepSize();
    save_.SetWindowMaximized(window_.isMaximized());
    if (!knowsPlace_) return;
    // A maximised window keeps the place it comes back to when it is made normal again.
    const QPoint inside
        = (window_.isMaximized() ? window_.normalGeometry() : window_.geometry()).topLeft();
    save_.SetWindowPosition(
        static_cast<float>(inside.x() * kTwips), static_cast<float>(inside.y() * kTwips));
}

} // namespace quadrell
