#pragma once

#include "RatingsCount.h"
#include "ScoreCharts.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;

namespace quadrell {

class ChartsTable;
class ChartsView;
class Prompter;

// The score board's "Charts" page: the player or players and the span chosen above, the
// charts below, and the page saved as a PNG or an SVG picture.
class ChartsPage final : public QWidget {
    Q_OBJECT
public:
    // The games by difficulty are counted in the background, with the ratings kept in
    // `ratingsCache`.
    ChartsPage(const std::vector<ScoreRec>& records, Prompter& prompter,
        const QString& ratingsCache, QWidget* parent = nullptr,
        RatingsCount::Rate rate = &Difficulty::RateDeal);

    ChartsView& View() const { return *view_; }
    ChartsTable& Table() const { return *table_; }
    RatingsCount& Counting() const { return *count_; }
    QLabel* CountingLabel() const { return counting_; }
    // Draws the charts anew for what is chosen; the first time also lists the players.
    void Refresh();
    // The records have changed (cleared, reloaded): counted again when next seen.
    void Reset();
    // Writes the picture whole or not at all; false when it could not.
    bool SavePng(const QString& path) const;
    bool SaveSvg(const QString& path) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void save(const QString& suffix, const QString& filter);
    QStringList chosen() const;
    void showDifficulty();

    const std::vector<ScoreRec>& records_;
    Prompter& prompter_;
    QComboBox* players_;
    QComboBox* span_;
    ChartsView* view_;
    ChartsTable* table_;
    RatingsCount* count_;
    QLabel* counting_;
    bool countStarted_ = false;
    bool listed_ = false;
};

} // namespace quadrell
