#pragma once

#include "ScoreCharts.h"

#include <QTreeWidget>

namespace quadrell {

// The charts' figures as rows a screen reader can walk: each period's games, each bar of the
// histograms and each player's streaks and bests, under a heading per chart.
class ChartsTable final : public QTreeWidget {
    Q_OBJECT
public:
    explicit ChartsTable(QWidget* parent = nullptr);
    void SetCharts(const ScoreCharts& charts, ScoreCharts::Span span);

private:
    QTreeWidgetItem* heading(const QString& title);
    void histogram(const std::vector<ScoreCharts::Bin>& bins, const QString& title, bool asTime);
};

} // namespace quadrell
