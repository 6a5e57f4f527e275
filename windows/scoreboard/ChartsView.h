#pragma once

#include "ChartInks.h"
#include "DifficultyTally.h"
#include "ScoreCharts.h"

#include <QWidget>

class QPainter;

namespace quadrell {

// The score board's charts, drawn with QPainter so that the screen, a PNG and an SVG show the
// same picture: games played and won per period as bars with the win rate as a line, the
// winning times and the points as histograms, and each player's streaks and bests.
class ChartsView final : public QWidget {
    Q_OBJECT
public:
    explicit ChartsView(QWidget* parent = nullptr);

    void SetCharts(ScoreCharts charts, ScoreCharts::Span span);
    // The chosen games by their deal's difficulty; `counting` while deals wait for a rating.
    void SetDifficulty(const DifficultyTally::Classes& classes, bool counting);
    const ScoreCharts& Charts() const { return charts_; }
    // The charts are laid out for a 9-point font in 640 by 380 pixels; a larger font scales
    // the whole picture, so painted text keeps the room measured for it.
    static constexpr double kLaidOutPoints = 9;
    static constexpr QSize kLaidOut { 640, 380 };
    // How much larger than that `font` is (1 at the least).
    static double Scale(const QFont& font);
    // The whole picture in `area`, on any paint device, at the painter's font where the
    // area has room for it (smaller where it has not).
    void Render(QPainter& p, const QRectF& area) const;
    // How many periods the bars show in an area this wide: the latest ones.
    static int PeriodsShown(double width, std::size_t periods);
    // A time as the charts write it: m:ss, or h:mm:ss from an hour.
    static QString Clock(qint64 seconds);
    // The step of the games axis's four divisions: the least of 1, 2 or 5 times a power of
    // ten that reaches `most`, so each label is a different whole number.
    static qint64 AxisStep(qint64 most);
    // Whether row `row` of the streaks table's `rows` stands in bold: its heading, and with
    // more than one player its last, which sums them all.
    static bool BoldRow(std::size_t row, std::size_t rows, std::size_t players);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void draw(QPainter& p, const QRectF& area) const;
    QSize leastSize() const;
    void periodChart(QPainter& p, const QRectF& area) const;
    void histogram(QPainter& p, const QRectF& area, const std::vector<ScoreCharts::Bin>& bins,
        const QString& title, bool asTime) const;
    void playerTable(QPainter& p, const QRectF& area) const;
    void difficultyChart(QPainter& p, const QRectF& area) const;

    ScoreCharts charts_;
    ScoreCharts::Span span_ = ScoreCharts::Span::Week;
    DifficultyTally::Classes classes_ {};
    bool counting_ = true;
    ChartInks inks_;
};

} // namespace quadrell
