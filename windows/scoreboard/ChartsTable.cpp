#include "ChartsTable.h"

#include "ChartsView.h"
#include "RatingTask.h"

namespace quadrell {

ChartsTable::ChartsTable(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("lvwCharts"));
    setAccessibleName(tr("Chart figures"));
    setHeaderLabels({ tr("Figure"), tr("Value") });
    setUniformRowHeights(true);
}

QTreeWidgetItem* ChartsTable::heading(const QString& title) {
    auto* item = new QTreeWidgetItem(this, { title });
    item->setExpanded(true);
    return item;
}

void ChartsTable::SetCharts(const ScoreCharts& charts, ScoreCharts::Span span) {
    clear();
    const bool weeks = span == ScoreCharts::Span::Week;
    QTreeWidgetItem* periods = heading(weeks ? tr("Games by week") : tr("Games by month"));
    for (const ScoreCharts::Period& period : charts.periods) {
        const QString when = weeks
            ? tr("Week of %1").arg(QLocale().toString(period.start, QLocale::ShortFormat))
            : QLocale().toString(period.start, tr("MMMM yyyy"));
        new QTreeWidgetItem(periods,
            { when,
                tr("%1 played, %2 won, %3% won")
                    .arg(period.played)
                    .arg(period.won)
                    .arg(qRound(period.WinRate())) });
    }
    histogram(charts.winningTimes, tr("Winning times: games in each range"), true);
    histogram(charts.points, tr("Points: games in each range"), false);
    QTreeWidgetItem* players = heading(tr("Streaks and bests"));
    for (const ScoreCharts::Player& pl : charts.players)
        new QTreeWidgetItem(players,
            { pl.name,
                tr("won %1 of %2, streak %3, longest %4, best time %5, best score %6")
                    .arg(pl.won)
                    .arg(pl.played)
                    .arg(pl.currentStreak)
                    .arg(pl.longestStreak)
                    .arg(pl.bestTime > 0 ? ChartsView::Clock(pl.bestTime) : tr("none"))
                    .arg(pl.bestScore) });
    new QTreeWidgetItem(players,
        { tr("All"),
            tr("streak %1, longest %2").arg(charts.currentStreak).arg(charts.longestStreak) });
    difficulty_ = heading(tr("Games by difficulty"));
    fillDifficulty();
    resizeColumnToContents(0);
}

void ChartsTable::SetDifficulty(
    const DifficultyTally::Classes& classes, bool counting, qint64 unrated) {
    classes_ = classes;
    counting_ = counting;
    unrated_ = unrated;
    if (difficulty_) fillDifficulty();
}

void ChartsTable::fillDifficulty() {
    qDeleteAll(difficulty_->takeChildren());
    for (std::size_t c = 0; c < classes_.size(); ++c) {
        const DifficultyTally::Tally& t = classes_[c];
        if (c + 1 == classes_.size() && t.played == 0) continue; // "Not solved" when played
        new QTreeWidgetItem(difficulty_,
            { RatingTask::Name(static_cast<Difficulty::Level>(c)),
                tr("%1 played, %2 won, %3% won")
                    .arg(t.played)
                    .arg(t.won)
                    .arg(qRound(t.WinRate())) });
    }
    if (counting_)
        new QTreeWidgetItem(difficulty_,
            { tr("Still counting"), tr("%1 games wait for their deal's rating").arg(unrated_) });
}

void ChartsTable::histogram(
    const std::vector<ScoreCharts::Bin>& bins, const QString& title, bool asTime) {
    QTreeWidgetItem* parent = heading(title);
    const auto value
        = [asTime](qint64 v) { return asTime ? ChartsView::Clock(v) : QString::number(v); };
    for (const ScoreCharts::Bin& bin : bins)
        new QTreeWidgetItem(parent,
            { tr("%1 to %2").arg(value(bin.from), value(bin.to)), QString::number(bin.count) });
}

} // namespace quadrell
