#pragma once

#include "DifficultyTally.h"
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
    // The games by difficulty; while `counting`, how many wait for their deal's rating.
    void SetDifficulty(const DifficultyTally::Classes& classes, bool counting, qint64 unrated);

private:
    QTreeWidgetItem* heading(const QString& title);
    void histogram(const std::vector<ScoreCharts::Bin>& bins, const QString& title, bool asTime);
    void fillDifficulty();

    QTreeWidgetItem* difficulty_ = nullptr;
    DifficultyTally::Classes classes_ {};
    bool counting_ = false;
    qint64 unrated_ = 0;
};

} // namespace quadrell
