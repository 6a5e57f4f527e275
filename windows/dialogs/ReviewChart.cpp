#include "ReviewChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace quadrell {

ReviewChart::ReviewChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Moves to win across the game"));
    setMinimumHeight(90);
}

QSize ReviewChart::sizeHint() const { return { 360, 120 }; }

void ReviewChart::SetPoints(std::vector<std::optional<int>> points, int lostAt) {
    points_ = std::move(points);
    lostAt_ = lostAt;
    update();
}

void ReviewChart::SetChosen(int position) {
    chosen_ = position;
    update();
}

double ReviewChart::XOf(int i, int count, double left, double width) {
    return count <= 1 ? left : left + width * i / (count - 1);
}

int ReviewChart::PositionAt(double x, int count, double left, double width) {
    if (count <= 1 || width <= 0) return 0;
    const int i = static_cast<int>(std::lround((x - left) / width * (count - 1)));
    return std::clamp(i, 0, count - 1);
}

QRectF ReviewChart::plot() const {
    const double m = fontMetrics().height();
    return QRectF(rect()).adjusted(m * 2.2, m * 0.6, -m * 0.6, -m * 0.6);
}

void ReviewChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QRectF area = plot();
    const int count = static_cast<int>(points_.size());
    int top = 1;
    for (const auto& v : points_)
        if (v) top = std::max(top, *v);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRectF(0, area.top() - 4, area.left() - 4, fontMetrics().height()),
        Qt::AlignRight | Qt::AlignTop, QString::number(top));
    p.drawText(QRectF(0, area.bottom() - fontMetrics().height() + 4, area.left() - 4,
                   fontMetrics().height()),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    const auto yOf = [&](int v) { return area.bottom() - area.height() * v / top; };
    const auto xOf = [&](int i) { return XOf(i, count, area.left(), area.width()); };
    if (lostAt_ >= 0 && lostAt_ < count) {
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
        p.drawLine(QPointF(xOf(lostAt_), area.top()), QPointF(xOf(lostAt_), area.bottom()));
    }
    // A line through the won positions, broken where one is not won.
    QPainterPath line;
    bool open = false;
    for (int i = 0; i < count; ++i) {
        const auto& v = points_[static_cast<std::size_t>(i)];
        if (!v) {
            open = false;
            continue;
        }
        const QPointF at(xOf(i), yOf(*v));
        if (open) {
            line.lineTo(at);
        } else {
            line.moveTo(at);
            line.lineTo(at);
        }
        open = true;
    }
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawPath(line);
    if (chosen_ >= 0 && chosen_ < count) {
        const auto& v = points_[static_cast<std::size_t>(chosen_)];
        const QPointF at(xOf(chosen_), v ? yOf(*v) : area.bottom());
        p.setPen(palette().color(QPalette::Text));
        p.setBrush(palette().color(QPalette::Highlight));
        p.drawEllipse(at, 4, 4);
    }
}

void ReviewChart::mousePressEvent(QMouseEvent* event) {
    const QRectF area = plot();
    if (points_.empty()) return;
    emit Clicked(PositionAt(
        event->position().x(), static_cast<int>(points_.size()), area.left(), area.width()));
}

} // namespace quadrell
