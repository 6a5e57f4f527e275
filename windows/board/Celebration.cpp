#include "Celebration.h"

#include "BoardWidget.h"

#include <QPainter>
#include <cmath>
#include <random>
#include <utility>

namespace quadrell {

namespace {

constexpr double kGravity = 2200; // pixels a second squared at 100 %
constexpr double kBounce = 0.7;   // of its speed a card keeps as it bounces
constexpr int kMostBounces = 8;

} // namespace

Celebration::Celebration(BoardWidget& board) : QWidget(&board), board_(board) {
    setObjectName(QStringLiteral("celebration"));
    setAttribute(Qt::WA_NoSystemBackground);
    // The focus stays on the board, so a screen reader says the winning move rather than
    // an unnamed picture; the board's keys end the moment (see eventFilter).
    setFocusPolicy(Qt::NoFocus);
    hide();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Frame(clock_.elapsed()); });
}

void Celebration::Start(std::function<void()> done) {
    done_ = std::move(done);
    flights_.clear();
    // The same leaps every time: a moment the player knows, and a picture a test can check.
    std::mt19937 leap(2000);
    std::uniform_real_distribution<double> across(120, 380), up(80, 420);
    const double s = board_.Scale();
    int order = 0;
    for (int rank = 13; rank >= 1; --rank) { // the kings first, as they lie on top
        for (int suit = 1; suit <= 4; ++suit) {
            const auto card = static_cast<Card>((suit - 1) * 13 + rank - 1);
            const QPointF from = board_.Pixels(board_.ShownAt(foundationOf(card)), 0, 0).topLeft();
            const double side = (order % 3 == 0) != (suit <= 2) ? -1 : 1;
            flights_.push_back({ board_.Face(card), from,
                QPointF(side * across(leap) * s, -up(leap) * s), order * kLaunchMs });
            ++order;
        }
    }
    setGeometry(board_.rect());
    show();
    raise();
    board_.installEventFilter(this);
    clock_.start();
    now_ = 0;
    timer_.start();
    update();
}

void Celebration::Stop() {
    if (!Running()) return;
    done_ = nullptr;
    end();
}

void Celebration::Frame(qint64 ms) {
    if (!Running()) return;
    now_ = ms;
    if (now_ >= kDurationMs) return end();
    if (geometry() != board_.rect()) setGeometry(board_.rect());
    update();
}

int Celebration::CardsInFlight() const {
    int n = 0;
    for (const Flight& f : flights_)
        n += f.launchMs <= now_
                && rect().intersects(
                    QRectF(where(f, (now_ - f.launchMs) / 1000.0), f.face.deviceIndependentSize())
                        .toAlignedRect())
            ? 1
            : 0;
    return n;
}

QPointF Celebration::Travelled(int order) const {
    const Flight& f = flights_.at(static_cast<std::size_t>(order));
    if (f.launchMs > now_) return {};
    return where(f, (now_ - f.launchMs) / 1000.0) - f.from;
}

QPointF Celebration::where(const Flight& f, double seconds) const {
    const double g = kGravity * board_.Scale();
    const double floor = height() - f.face.deviceIndependentSize().height();
    double y = f.from.y();
    double vy = f.velocity.y();
    double left = seconds;
    for (int bounce = 0; bounce < kMostBounces; ++bounce) {
        // When it reaches the floor from here, falling.
        const double toFloor = (-vy + std::sqrt(vy * vy + 2 * g * std::max(floor - y, 0.0))) / g;
        if (toFloor >= left) {
            y += vy * left + g * left * left / 2;
            left = 0;
            break;
        }
        left -= toFloor;
        vy = -(vy + g * toFloor) * kBounce;
        y = floor;
    }
    if (left > 0) y = floor; // come to rest
    return { f.from.x() + f.velocity.x() * seconds, y };
}

void Celebration::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const Flight& f : flights_)
        if (f.launchMs <= now_) p.drawPixmap(where(f, (now_ - f.launchMs) / 1000.0), f.face);
}

void Celebration::mousePressEvent(QMouseEvent*) { end(); }

bool Celebration::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &board_ || event->type() != QEvent::KeyPress) return false;
    end();
    return true; // the key that skips the moment plays nothing
}

void Celebration::end() {
    timer_.stop();
    hide();
    flights_.clear();
    board_.removeEventFilter(this);
    if (auto done = std::exchange(done_, nullptr)) done();
}

} // namespace quadrell
