#include "ChartsView.h"

#include "RatingTask.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace quadrell {

namespace {

constexpr double kBarStep = 9; // pixels per period, at the least
constexpr double kAxis = 40;   // room for the numbers left and right of a chart

QString clock(qint64 seconds) { return ChartsView::Clock(seconds); }

} // namespace

qint64 ChartsView::AxisStep(qint64 most) {
    for (qint64 power = 1;; power *= 10)
        for (const qint64 step : { power, 2 * power, 5 * power })
            if (4 * step >= most) return step;
}

bool ChartsView::BoldRow(std::size_t row, std::size_t rows, std::size_t players) {
    return row == 0 || (row + 1 == rows && players > 1);
}

QString ChartsView::Clock(qint64 seconds) {
    return seconds >= 3600
        ? QStringLiteral("%1:%2:%3")
              .arg(seconds / 3600)
              .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
              .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

namespace {

void title(QPainter& p, const QRectF& area, const QString& text, const QColor& ink) {
    QFont f = p.font();
    f.setBold(true);
    p.save();
    p.setFont(f);
    p.setPen(ink);
    p.drawText(
        area.adjusted(0, 0, 0, -(area.height() - 18)), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void swatch(QPainter& p, QPointF at, const QColor& colour, const QString& text, const QColor& ink) {
    p.fillRect(QRectF(at, QSizeF(10, 10)), colour);
    p.setPen(ink);
    p.drawText(at + QPointF(14, 9), text);
}

} // namespace

ChartsView::ChartsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picCharts"));
    setMinimumSize(leastSize());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base); // the desktop's light or dark ground for content
    inks_ = ChartInks::For(palette());
}

void ChartsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) inks_ = ChartInks::For(palette());
    if (event->type() == QEvent::FontChange) setMinimumSize(leastSize());
    QWidget::changeEvent(event);
}

void ChartsView::SetCharts(ScoreCharts charts, ScoreCharts::Span span) {
    charts_ = std::move(charts);
    span_ = span;
    update();
}

void ChartsView::SetDifficulty(const DifficultyTally::Classes& classes, bool counting) {
    classes_ = classes;
    counting_ = counting;
    update();
}

int ChartsView::PeriodsShown(double width, std::size_t periods) {
    const auto fits = static_cast<std::size_t>(std::max(1.0, (width - 2 * kAxis) / kBarStep));
    return static_cast<int>(std::min(periods, fits));
}

void ChartsView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Render(p, rect());
}

double ChartsView::Scale(const QFont& font) {
    // The laid-out font's height at 96 dots an inch: a desktop set to more dots an inch
    // (Xft.dpi) makes its fonts larger, not the chart's pixels.
    QFont laidOut = font;
    laidOut.setPointSizeF(kLaidOutPoints);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const double laidOutHeight = QFontMetricsF(laidOut).height() * 96.0 / dpi;
    return std::max(1.0, QFontMetricsF(font).height() / laidOutHeight);
}

QSize ChartsView::leastSize() const {
    // As large as the font asks, but never more than most of the screen: a dialog wider
    // than the screen would cut far more than a picture drawn a little small.
    double k = Scale(font());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSizeF room = QSizeF(screen->availableSize()) * 0.75;
        k = std::min({ k, room.width() / kLaidOut.width(), room.height() / kLaidOut.height() });
    }
    return (QSizeF(kLaidOut) * std::max(1.0, k)).toSize();
}

void ChartsView::Render(QPainter& p, const QRectF& area) const {
    // Drawn as laid out, at the laid-out font's size, then scaled as a whole: every line
    // of text keeps the room measured for it, whatever the desktop's font.
    const double k = std::max(1.0,
        std::min({ Scale(p.font()), area.width() / kLaidOut.width(),
            area.height() / kLaidOut.height() }));
    QFont font = p.font();
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() / k);
    p.save();
    p.scale(k, k);
    p.setFont(font);
    draw(p, QRectF(area.topLeft() / k, area.size() / k));
    p.restore();
}

void ChartsView::draw(QPainter& p, const QRectF& area) const {
    p.fillRect(area, inks_.ground);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = area.adjusted(8, 8, -8, -8);
    if (charts_.players.empty()) {
        p.setPen(inks_.ink);
        p.drawText(inner, Qt::AlignCenter, tr("No games recorded"));
        return;
    }
    const double top = inner.height() * 0.5;
    const double periods = inner.width() * 0.6;
    periodChart(p, QRectF(inner.topLeft(), QSizeF(periods - 8, top - 8)));
    difficultyChart(
        p, QRectF(inner.left() + periods, inner.top(), inner.width() - periods, top - 8));
    // Two histograms and the table, which needs a little more room.
    const double part = inner.width() * 0.23;
    const QRectF lower(inner.left(), inner.top() + top, inner.width(), inner.height() - top);
    histogram(p, QRectF(lower.left(), lower.top(), part - 8, lower.height()), charts_.winningTimes,
        tr("Winning times"), true);
    histogram(p, QRectF(lower.left() + part, lower.top(), part - 8, lower.height()), charts_.points,
        tr("Points"), false);
    playerTable(p,
        QRectF(lower.left() + 2 * part + 8, lower.top(), inner.width() - 2 * part - 8,
            lower.height()));
}

void ChartsView::periodChart(QPainter& p, const QRectF& area) const {
    const QString heading
        = span_ == ScoreCharts::Span::Week ? tr("Games per week") : tr("Games per month");
    title(p, area, heading, inks_.ink);
    // The legend at the right, as wide as its words in the player's language; under the
    // title when the two would meet.
    const std::pair<QColor, QString> keys[] { { inks_.played, tr("played") },
        { inks_.won, tr("won") }, { inks_.rate, tr("win rate") } };
    double width = 0;
    for (const auto& [colour, text] : keys)
        width += 14 + p.fontMetrics().horizontalAdvance(text) + 16;
    QFont bold = p.font();
    bold.setBold(true);
    const double titleEnd = area.left() + QFontMetricsF(bold).horizontalAdvance(heading) + 12;
    const bool under = area.right() - kAxis - width + 16 < titleEnd;
    const QRectF plot = area.adjusted(kAxis, under ? 40 : 24, -kAxis, -18);
    const int shown = PeriodsShown(area.width(), charts_.periods.size());
    const auto first = charts_.periods.end() - shown;
    qint64 busiest = 1;
    for (auto it = first; it != charts_.periods.end(); ++it)
        busiest = std::max(busiest, it->played);
    const qint64 most = 4 * AxisStep(busiest);
    p.setPen(inks_.grid);
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.bottom() - plot.height() * i / 4;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(inks_.ink);
        p.drawText(QRectF(area.left(), y - 7, kAxis - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(most / 4 * i));
        p.drawText(QRectF(plot.right() + 4, y - 7, kAxis, 14), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("%1%").arg(25 * i));
        p.setPen(inks_.grid);
    }
    // A few periods stand as bars of their own width, not as blocks across the chart.
    const double step = std::min(plot.width() / std::max(1, shown), 48.0);
    QPainterPath rate;
    QPainterPath dots;
    const QLocale c; // month names in the player's language
    const QString format = span_ == ScoreCharts::Span::Week ? tr("d MMM yy") : tr("MMM yyyy");
    // A date under every bar that leaves room for the one before.
    const double labelWidth
        = p.fontMetrics().horizontalAdvance(c.toString(QDate(2026, 12, 30), format)) + 12;
    const int labelEvery = std::max(1, static_cast<int>(std::ceil(labelWidth / step)));
    int i = 0;
    for (auto it = first; it != charts_.periods.end(); ++it, ++i) {
        const double x = plot.left() + i * step;
        const double played = plot.height() * it->played / most;
        const double won = plot.height() * it->won / most;
        const double w = std::max(1.0, step * 0.8);
        p.fillRect(QRectF(x, plot.bottom() - played, w, played), inks_.played);
        p.fillRect(QRectF(x, plot.bottom() - won, w, won), inks_.won);
        const QPointF point(x + w / 2, plot.bottom() - plot.height() * it->WinRate() / 100);
        if (it->played > 0) {
            dots.addEllipse(point, 2.5, 2.5); // seen even for one period alone
            if (rate.elementCount() == 0) {
                rate.moveTo(point);
            } else {
                rate.lineTo(point);
            }
        }
        if (i % labelEvery == 0) {
            p.setPen(inks_.ink);
            p.drawText(QPointF(x, plot.bottom() + 14), c.toString(it->start, format));
        }
    }
    p.setPen(QPen(inks_.rate, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rate);
    p.setBrush(inks_.rate);
    p.drawPath(dots);
    QPointF legend(area.right() - kAxis - width + 16, area.top() + (under ? 22 : 4));
    for (const auto& [colour, text] : keys) {
        swatch(p, legend, colour, text, inks_.ink);
        legend.rx() += 14 + p.fontMetrics().horizontalAdvance(text) + 16;
    }
}

void ChartsView::histogram(QPainter& p, const QRectF& area,
    const std::vector<ScoreCharts::Bin>& bins, const QString& name, bool asTime) const {
    title(p, area, name, inks_.ink);
    const QRectF plot = area.adjusted(kAxis, 24, -4, -30);
    if (bins.empty()) {
        p.setPen(inks_.ink);
        p.drawText(plot, Qt::AlignCenter, tr("No games won"));
        return;
    }
    qint64 most = 1;
    for (const auto& b : bins)
        most = std::max(most, b.count);
    p.setPen(inks_.ink);
    p.drawText(QRectF(area.left(), plot.top() - 7, kAxis - 4, 14),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    p.drawText(QRectF(area.left(), plot.bottom() - 7, kAxis - 4, 14),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    // A bar is never wider than an eighth of the plot: a few wins (one alone) stand as bars
    // in the middle, not as one block across it.
    const double step = std::min(plot.width() / static_cast<double>(bins.size()), plot.width() / 8);
    const double left = plot.center().x() - step * static_cast<double>(bins.size()) / 2;
    for (std::size_t i = 0; i < bins.size(); ++i) {
        const double h = plot.height() * bins[i].count / most;
        p.fillRect(QRectF(left + i * step + 1, plot.bottom() - h, step - 2, h), inks_.won);
    }
    const auto label = [asTime](qint64 v) { return asTime ? clock(v) : QString::number(v); };
    const double half = plot.width() / 2;
    const double right = left + step * static_cast<double>(bins.size());
    const double y = plot.bottom() + 2;
    if (right - left >= plot.width() - 1) { // across the plot: the ends under its ends
        p.drawText(QRectF(left, y, half, 14), Qt::AlignLeft, label(bins.front().from));
        p.drawText(QRectF(right - half, y, half, 14), Qt::AlignRight, label(bins.back().to));
    } else { // a few narrow bars: the ends beside them, never over each other
        p.drawText(QRectF(left - half - 2, y, half, 14), Qt::AlignRight, label(bins.front().from));
        p.drawText(QRectF(right + 2, y, half, 14), Qt::AlignLeft, label(bins.back().to));
    }
    p.drawText(QRectF(area.left(), plot.bottom() + 14, area.width(), 14), Qt::AlignCenter,
        asTime ? tr("minutes:seconds") : tr("points a game"));
}

void ChartsView::playerTable(QPainter& p, const QRectF& area) const {
    title(p, area, tr("Streaks and bests"), inks_.ink);
    p.save();
    p.setPen(inks_.ink);
    const QFont plain = p.font();
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetricsF metrics(bold); // bold is the wider: it sizes every column
    const double line = metrics.height() + 2;
    std::vector<QStringList> rows { { tr("Player"), tr("Won"), tr("Streak"), tr("Longest"),
        tr("Fastest"), tr("Points") } };
    for (const auto& pl : charts_.players)
        rows.push_back({ pl.name, QStringLiteral("%1/%2").arg(pl.won).arg(pl.played),
            QString::number(pl.currentStreak), QString::number(pl.longestStreak),
            pl.bestTime > 0 ? clock(pl.bestTime) : QStringLiteral("-"),
            QString::number(pl.bestScore) });
    if (charts_.players.size() > 1)
        rows.push_back({ tr("All"), QString(), QString::number(charts_.currentStreak),
            QString::number(charts_.longestStreak), QString(), QString() });
    // Each figure's column as wide as its widest cell; the names have what is left.
    std::vector<double> widths(6, 0);
    for (const auto& r : rows)
        for (int i = 1; i < 6; ++i)
            widths[static_cast<std::size_t>(i)] = std::max(
                widths[static_cast<std::size_t>(i)], metrics.horizontalAdvance(r[i]) + 10);
    double figures = 0;
    for (int i = 1; i < 6; ++i)
        figures += widths[static_cast<std::size_t>(i)];
    // Too narrow for every figure whole: each column gives up its share, the name its rest,
    // which is never less than its heading ("Spieler" was cut in German).
    const double room = area.width() - std::max(50.0, metrics.horizontalAdvance(rows[0][0]) + 10);
    if (figures > room)
        for (int i = 1; i < 6; ++i)
            widths[static_cast<std::size_t>(i)] *= room / figures;
    widths[0] = area.width() - std::min(figures, room);
    double y = area.top() + 22;
    for (std::size_t r = 0; r < rows.size() && y + line <= area.bottom(); ++r) {
        p.setFont(BoldRow(r, rows.size(), charts_.players.size()) ? bold : plain);
        double x = area.left();
        for (int i = 0; i < 6; ++i) {
            const double w = widths[static_cast<std::size_t>(i)];
            const QString text
                = QFontMetricsF(p.font()).elidedText(rows[r][i], Qt::ElideRight, w - 4);
            p.drawText(QRectF(x, y, w - 4, line),
                (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
            x += w;
        }
        if (r == 0) {
            p.setPen(inks_.grid);
            p.drawLine(QPointF(area.left(), y + line), QPointF(x, y + line));
            p.setPen(inks_.ink);
        }
        y += line + (r == 0 ? 3 : 0);
    }
    p.restore();
}

// Games played and won of each class, the win rate above each pair; "Not solved" only when
// such a deal was played.
void ChartsView::difficultyChart(QPainter& p, const QRectF& area) const {
    title(p, area, tr("Games by difficulty"), inks_.ink);
    if (counting_) { // a line of its own: in some languages the two are wider than the chart
        p.setPen(inks_.ink);
        p.drawText(QRectF(area.left(), area.top() + 18, area.width(), 16),
            Qt::AlignLeft | Qt::AlignVCenter, tr("(still counting)"));
    }
    const QRectF plot = area.adjusted(kAxis, 40, -4, -18);
    const bool unsolved = classes_.back().played > 0;
    const int shown = unsolved ? 5 : 4;
    qint64 busiest = 1;
    for (int c = 0; c < shown; ++c)
        busiest = std::max(busiest, classes_.at(static_cast<std::size_t>(c)).played);
    const qint64 most = 4 * AxisStep(busiest);
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.bottom() - plot.height() * i / 4;
        p.setPen(inks_.grid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(inks_.ink);
        p.drawText(QRectF(area.left(), y - 7, kAxis - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(most / 4 * i));
    }
    const double step = plot.width() / shown;
    for (int c = 0; c < shown; ++c) {
        const DifficultyTally::Tally& t = classes_.at(static_cast<std::size_t>(c));
        const double x = plot.left() + c * step + step * 0.15;
        const double w = step * 0.7;
        const double played = plot.height() * t.played / most;
        p.fillRect(QRectF(x, plot.bottom() - played, w, played), inks_.played);
        const double won = plot.height() * t.won / most;
        p.fillRect(QRectF(x, plot.bottom() - won, w, won), inks_.won);
        p.setPen(inks_.ink);
        const QString name = RatingTask::Name(static_cast<Difficulty::Level>(c));
        p.drawText(QRectF(x - step * 0.15, plot.bottom() + 2, step, 14), Qt::AlignCenter,
            p.fontMetrics().elidedText(name, Qt::ElideRight, static_cast<int>(step)));
        if (t.played == 0) continue;
        p.setPen(inks_.rate);
        p.drawText(QRectF(x - step * 0.15, plot.bottom() - played - 16, step, 14), Qt::AlignCenter,
            QStringLiteral("%1%").arg(qRound(t.WinRate())));
    }
}

} // namespace quadrell
