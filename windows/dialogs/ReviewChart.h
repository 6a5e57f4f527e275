#pragma once

#include <QWidget>
#include <optional>
#include <vector>

namespace quadrell {

// The review's small chart: the moves to win at each position across the game, a gap where
// a position is not won (or not yet solved), the move that lost the game as a red line and
// the chosen position as a dot. Its figures are the review's rows and its table.
class ReviewChart final : public QWidget {
    Q_OBJECT
public:
    explicit ReviewChart(QWidget* parent = nullptr);

    // The moves to win at each position; none where it is not won.
    void SetPoints(std::vector<std::optional<int>> points, int lostAt);
    void SetChosen(int position);
    QSize sizeHint() const override;

    // Where position `i` of `count` is drawn across `width`, and the position drawn nearest x.
    static double XOf(int i, int count, double left, double width);
    static int PositionAt(double x, int count, double left, double width);

signals:
    void Clicked(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF plot() const;

    std::vector<std::optional<int>> points_;
    int lostAt_ = -1;
    int chosen_ = -1;
};

} // namespace quadrell
