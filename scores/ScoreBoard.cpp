#include "ScoreBoard.h"

#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quadrell {

namespace {

// A line in print zones: each field after the first starts at the next 14-character
// boundary. Built as UTF-8, counting characters, since the export writes a million of them.
class ZoneLine {
public:
    explicit ZoneLine(QByteArray& out) : out_(out) { }
    ZoneLine& text(const QString& t) { return bytes(t.toUtf8()); }
    ZoneLine& bytes(QByteArrayView field) {
        if (!first_) {
            const int pad = 14 - width_ % 14;
            out_.append(pad, ' ');
            width_ += pad;
        }
        first_ = false;
        out_ += field;
        for (const char c : field)
            width_ += (c & 0xC0) != 0x80 ? 1 : 0; // a character's first byte
        return *this;
    }
    ZoneLine& number(qint64 n) {
        char digits[24];
        digits[0] = n < 0 ? '-' : ' ';
        const auto end = std::to_chars(digits + 1, digits + sizeof digits - 1, std::abs(n)).ptr;
        *end = ' ';
        return bytes(QByteArrayView(digits, end + 1 - digits));
    }
    void end() { out_ += "\r\n"; }

private:
    QByteArray& out_;
    int width_ = 0;
    bool first_ = true;
};

int monthsBetween(const QDate& from, const QDate& to) {
    return (to.year() - from.year()) * 12 + to.month() - from.month();
}

} // namespace

std::vector<ScoreBoard::Row> ScoreBoard::General(const std::vector<ScoreRec>& records) {
    const qint64 n = static_cast<qint64>(records.size());
    qint64 w = 0, time = 0, score = 0, moves = 0;
    for (const ScoreRec& r : records) {
        w += r.Won() ? 1 : 0;
        time += r.Time;
        score += r.Score;
        moves += r.Moves;
    }
    auto avg = [n](qint64 sum) { return AverageOf(sum, n); };
    return { { tr("Games Played"), QString::number(n) }, { tr("Games Won"), QString::number(w) },
        { tr("Games Lost"), QString::number(n - w) },
        { tr("Time Taken"), cScore::ConvertTimeS(time) },
        { tr("Total Score"), QString::number(score) },
        { tr("Total Moves"), QString::number(moves) },
        { tr("Average Moves"), QString::number(avg(moves)) },
        { tr("Average Time"), cScore::ConvertTimeS(avg(time)) },
        { tr("Average Score"), QString::number(avg(score)) },
        { tr("Winning Percentage"), QString::number(PercentOf(w, n)) + QStringLiteral(" %") } };
}

QStringList ScoreBoard::Session(
    const std::vector<ScoreRec>& records, const QDateTime& sessionStart) {
    const ScoreDate since = ScoreDate::Of(sessionStart);
    int s = 0, sw = 0;
    for (const ScoreRec& r : records) {
        if (r.Date <= since) continue;
        ++s;
        sw += r.Won() ? 1 : 0;
    }
    return { tr("Session Started : %1").arg(cSave::DateText(sessionStart)),
        tr("Games Played : %1").arg(s), tr("Games Won : %1").arg(sw),
        tr("Games Lost : %1").arg(s - sw), tr("Percentage : %1 %").arg(PercentOf(sw, s)) };
}

std::vector<int> ScoreBoard::ListScore(const std::vector<ScoreRec>& records,
    const std::optional<QString>& player, int dayComboIndex, bool onlyFinished,
    const QDate& today) {
    static const int limits[] = { 0, 1, 3, 7, 30 };
    const int limit = dayComboIndex >= 1 && dayComboIndex <= 4 ? limits[dayComboIndex] : 0;
    std::vector<int> listed;
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const ScoreRec& r = records[static_cast<std::size_t>(i)];
        if (player && r.Name != *player) continue;
        if (onlyFinished && !r.Won()) continue;
        if (limit > 0) {
            const qint64 d = r.Date.Day().daysTo(today);
            if (d > limit - 1 || d < 0) continue;
        }
        listed.push_back(i);
    }
    return listed;
}

std::array<ScoreStats, 6> ScoreBoard::Statistics(
    const std::vector<ScoreRec>& records, const cPlayer& players) {
    std::array<ScoreStats, 6> entries {};
    for (qint16 i = 1; i <= 5; ++i)
        entries[static_cast<std::size_t>(i)].Name = players.GetName(i);
    for (const ScoreRec& r : records) {
        for (std::size_t i = 1; i <= 5; ++i) {
            ScoreStats& e = entries[i];
            if (e.Name.isEmpty() || e.Name != r.Name) continue;
            ++e.Total;
            e.Moves += r.Moves;
            e.Time += r.Time;
            e.Score += r.Score;
            if (r.Won()) {
                ++e.Won;
                e.WonMoves += r.Moves;
                e.WonTime += r.Time;
            } else {
                ++e.Lost;
            }
        }
    }
    for (ScoreStats& e : entries) {
        e.Perc = PercentOf(e.Won, e.Total);
        e.AvgScore = AverageOf(e.Score, e.Total);
        e.AvgTime = AverageOf(e.WonTime, e.Won);
        e.AvgMoves = AverageOf(e.WonMoves, e.Won);
    }
    return entries;
}

QStringList ScoreBoard::StatisticsRows() {
    return { tr("Games Played"), tr("Games Won"), tr("Games Lost"), tr("Total No. of Moves"),
        tr("Average Winning Moves"), tr("Total Game Points"), tr("Total Time Taken"),
        tr("Average Winning Time"), tr("Winning Percentage"), tr("Avg. Games per Month"),
        tr("Average Points") };
}

QStringList ScoreBoard::StatisticsColumn(
    const ScoreStats& e, const QString& playerDate, const QDateTime& now) {
    const QDate created = cSave::ParseDate(playerDate, now).date();
    const int months = monthsBetween(created, now.date()) + 1;
    const qint64 perMonth = AverageOf(e.Total, months);
    return { QString::number(e.Won + e.Lost), QString::number(e.Won), QString::number(e.Lost),
        QString::number(e.Moves), QString::number(e.AvgMoves), QString::number(e.Score),
        cScore::ConvertTimeS(e.Time), cScore::ConvertTimeS(e.AvgTime),
        QString::number(e.Perc) + QStringLiteral(" %"), QString::number(perMonth),
        QString::number(e.AvgScore) };
}

std::vector<ScoreRec> ScoreBoard::TopScores(const std::vector<ScoreRec>& records) {
    std::vector<ScoreRec> top(13); // positions 1..12; every Score starts at 0
    for (const ScoreRec& r : records) {
        const auto points = static_cast<qint16>(r.Score); // compared as the 16-bit values they are
        for (std::size_t p = 1; p <= 12; ++p) {
            if (points > static_cast<qint16>(top[p].Score)) {
                top.insert(top.begin() + static_cast<std::ptrdiff_t>(p), r);
                top.resize(13);
                break;
            }
        }
    }
    return top;
}

std::vector<QStringList> ScoreBoard::Global(const cPlayer& players) {
    std::vector<QStringList> rows;
    auto row = [&players](qint16 slot, const QString& name) {
        return QStringList { name, QString::number(players.GetTotal(slot)),
            QString::number(players.GetWon(slot)), QString::number(players.GetLost(slot)),
            cScore::ConvertTimeS(players.GetTime(slot)), QString::number(players.GetAvgScore(slot)),
            QString::number(players.GetPerc(slot)) + QStringLiteral(" %") };
    };
    for (qint16 slot = 1; slot <= 5; ++slot)
        if (!players.GetName(slot).isEmpty()) rows.push_back(row(slot, players.GetName(slot)));
    while (rows.size() < 5)
        rows.push_back({ tr("None") });
    rows.push_back(row(6, tr("Total")));
    return rows;
}

QByteArray ScoreBoard::ExportHead(const std::array<ScoreStats, 6>& statistics,
    const cPlayer& players, const QString& currentPlayer, const QDateTime& now) {
    QByteArray out;
    auto line = [&out](std::initializer_list<QString> fields) {
        ZoneLine zones(out);
        for (const QString& field : fields)
            zones.text(field);
        zones.end();
    };
    auto blank = [&line] { line({ QStringLiteral(" ") }); };
    auto totals = [&out](const QString& name, qint64 total, qint64 w, qint64 l, qint64 time,
                      qint64 avg, qint64 perc) {
        ZoneLine(out)
            .text(name)
            .number(total)
            .number(w)
            .number(l)
            .text(cScore::ConvertTimeS(time))
            .number(avg)
            .number(perc)
            .end();
    };
    line({ QStringLiteral("Quadrell 2000 Score Board") });
    blank();
    line({ QStringLiteral("*************************") });
    blank();
    line({ QStringLiteral("Created By"), currentPlayer });
    line({ QStringLiteral("Created Date"), cSave::DateText(now) });
    blank();
    line({ QString(34, QLatin1Char('-')) });
    blank();
    line({ QStringLiteral("Player List") });
    blank();
    line({ QStringLiteral("Name"), QStringLiteral("Created Date & Time"),
        QStringLiteral("Full Name") });
    blank();
    for (qint16 slot = 1; slot <= 5; ++slot)
        if (!players.GetName(slot).isEmpty())
            line({ players.GetName(slot), players.GetDate(slot), players.GetFullName(slot) });
    blank();
    blank();
    line({ QStringLiteral("Global History") });
    blank();
    line({ QStringLiteral("Player"), QStringLiteral("Total"), QStringLiteral("Won"),
        QStringLiteral("Lost"), QStringLiteral("Time"), QStringLiteral("Avg. Points"),
        QStringLiteral("Perc") });
    for (qint16 slot = 1; slot <= 6; ++slot)
        if (!players.GetName(slot).isEmpty())
            totals(players.GetName(slot), players.GetTotal(slot), players.GetWon(slot),
                players.GetLost(slot), players.GetTime(slot), players.GetAvgScore(slot),
                players.GetPerc(slot));
    blank();
    blank();
    line({ QStringLiteral("General History") });
    blank();
    for (std::size_t i = 1; i <= 5; ++i) {
        const ScoreStats& e = statistics[i];
        if (!e.Name.isEmpty()) totals(e.Name, e.Total, e.Won, e.Lost, e.Time, e.AvgScore, e.Perc);
    }
    blank();
    blank();
    line({ QStringLiteral("General Score") });
    blank();
    line({ QStringLiteral("Player"), QStringLiteral("Time"), QStringLiteral("GameNo"),
        QStringLiteral("Moves"), QStringLiteral("Perc"), QStringLiteral("Score"),
        QStringLiteral("Date") });
    return out;
}

void ScoreBoard::ExportLine(const ScoreRec& r, QByteArray& out) {
    ZoneLine(out)
        .text(r.Name)
        .text(cScore::ConvertTimeS(r.Time))
        .number(r.GameNo)
        .number(r.Moves)
        .text(QString::number(r.Perc) + QStringLiteral(" %"))
        .number(r.Score)
        .text(r.Date.Text())
        .end();
}

} // namespace quadrell
