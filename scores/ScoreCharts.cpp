#include "ScoreCharts.h"

#include <QHash>
#include <algorithm>

namespace quadrell {

namespace {

QDate periodStart(const QDate& day, ScoreCharts::Span span) {
    return span == ScoreCharts::Span::Week ? day.addDays(1 - day.dayOfWeek())
                                           : QDate(day.year(), day.month(), 1);
}

QDate nextPeriod(const QDate& start, ScoreCharts::Span span) {
    return span == ScoreCharts::Span::Week ? start.addDays(7) : start.addMonths(1);
}

qint64 roundWidth(qint64 range, int most) {
    for (qint64 power = 1;; power *= 10)
        for (qint64 step : { 1, 2, 5 })
            if (step * power * most > range) return step * power;
}

void addStreak(qint64& current, qint64& longest, bool win) {
    current = win ? current + 1 : 0;
    longest = std::max(longest, current);
}

} // namespace

std::vector<ScoreCharts::Bin> ScoreCharts::Histogram(const std::vector<qint64>& values, int most) {
    if (values.empty()) return {};
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    const qint64 width = roundWidth(*hi - *lo, most);
    // The first bin starts at a multiple of the width, below or at the smallest value.
    const qint64 first = (*lo >= 0 ? *lo / width : (*lo - width + 1) / width) * width;
    std::vector<Bin> bins(static_cast<std::size_t>((*hi - first) / width + 1));
    for (std::size_t i = 0; i < bins.size(); ++i) {
        bins[i].from = first + static_cast<qint64>(i) * width;
        bins[i].to = bins[i].from + width;
    }
    for (qint64 v : values)
        ++bins[static_cast<std::size_t>((v - first) / width)].count;
    return bins;
}

ScoreCharts ScoreCharts::Of(
    const std::vector<ScoreRec>& records, const QStringList& chosen, Span span) {
    ScoreCharts charts;
    QHash<QString, std::size_t> playerIndex;
    QHash<qint64, std::size_t> periodIndex; // julian day of the period's start
    std::vector<Period> found;
    std::vector<qint64> times;
    std::vector<qint64> points;
    const ScoreRec* previous = nullptr;
    std::size_t previousPlayer = 0;
    for (const ScoreRec& r : records) {
        std::size_t who = 0;
        if (previous && previous->Name == r.Name) { // a player's games come in runs
            who = previousPlayer;
        } else {
            if (!chosen.isEmpty() && !chosen.contains(r.Name)) continue;
            const auto it = playerIndex.constFind(r.Name);
            who = it != playerIndex.cend() ? *it : charts.players.size();
            if (it == playerIndex.cend()) {
                playerIndex.insert(r.Name, who);
                charts.players.push_back({ .name = r.Name });
            }
        }
        previous = &r;
        previousPlayer = who;
        Player& p = charts.players[who];
        const bool win = r.Won();
        ++p.played;
        p.bestScore = std::max(p.bestScore, r.Score);
        if (win) {
            ++p.won;
            if (p.bestTime == 0 || r.Time < p.bestTime) p.bestTime = r.Time;
            times.push_back(r.Time);
        }
        addStreak(p.currentStreak, p.longestStreak, win);
        addStreak(charts.currentStreak, charts.longestStreak, win);
        points.push_back(r.Score);
        const QDate start = periodStart(r.Date.Day(), span);
        const qint64 key = start.toJulianDay();
        auto slot = periodIndex.constFind(key);
        if (slot == periodIndex.cend()) {
            slot = periodIndex.insert(key, found.size());
            found.push_back({ .start = start });
        }
        Period& period = found[*slot];
        ++period.played;
        period.won += win ? 1 : 0;
    }
    std::sort(found.begin(), found.end(),
        [](const Period& a, const Period& b) { return a.start < b.start; });
    // The empty periods between are shown too: a pause is part of the story.
    for (const Period& p : found) {
        while (!charts.periods.empty() && nextPeriod(charts.periods.back().start, span) < p.start)
            charts.periods.push_back({ .start = nextPeriod(charts.periods.back().start, span) });
        charts.periods.push_back(p);
    }
    charts.winningTimes = Histogram(times);
    charts.points = Histogram(points);
    return charts;
}

} // namespace quadrell
