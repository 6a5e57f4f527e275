#include "KillRun.h"

#include <map>

namespace quadrell::test {

using namespace Qt::StringLiterals;

void KillCheck::judgeStart(const QStringList& lines) {
    std::optional<Open> resumed;
    std::multiset<qint32> games;
    for (const QString& line : lines) {
        const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.value(0) == QLatin1String("start") && w.value(1) == QLatin1String("resumed"))
            resumed = Open { w.value(2).toInt(), w.value(3).toInt() };
        if (w.value(0) == QLatin1String("games"))
            for (int i = 1; i < w.size(); ++i)
                games.insert(w[i].toInt());
        if (w.value(0) == QLatin1String("dup") && w.value(1).toInt() > 0) {
            figures_.doubled += w.value(1).toInt();
            problems_ << line;
        }
        if (w.value(0) == QLatin1String("totals") && w.value(1) != QLatin1String("ok")) {
            ++figures_.mismatches;
            problems_ << line;
        }
    }
    for (const qint32 game : noted_) {
        if (games.count(game) > 0 || (resumed && resumed->game == game)) continue;
        ++figures_.lostRecords;
        problems_ << u"the record of game %1 was noted and then lost (run %2)"_s.arg(game).arg(
            figures_.runs);
    }
    noted_.clear();
    if (resumed && games.count(resumed->game) > 0) {
        ++figures_.resurrected;
        problems_ << u"game %1 resumed after it was recorded"_s.arg(resumed->game);
    }
    if (open_) {
        const bool recorded = games.count(open_->game) > 0;
        const bool back = resumed && resumed->game == open_->game;
        if (!recorded && !back) {
            ++figures_.lostGames;
            problems_ << u"game %1 neither resumed nor recorded"_s.arg(open_->game);
        } else if (back && resumed->entry < open_->entry) {
            figures_.lostMoves += open_->entry - resumed->entry;
            problems_ << u"game %1 resumed at entry %2, kept at %3"_s.arg(open_->game)
                             .arg(resumed->entry)
                             .arg(open_->entry);
        }
    }
    open_ = resumed;
}

void KillCheck::Take(const QStringList& lines, bool killed, bool faulty) {
    ++figures_.runs;
    figures_.kills += killed ? 1 : 0;
    figures_.faulty += faulty ? 1 : 0;
    judgeStart(lines);
    for (const QString& line : lines) {
        const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.value(0) == QLatin1String("kept")) {
            ++figures_.movesKept;
            open_ = Open { w.value(1).toInt(), w.value(2).toInt() };
        } else if (w.value(0) == QLatin1String("hung")) {
            ++figures_.hung;
            problems_ << u"run %1 hung"_s.arg(figures_.runs);
        } else if (w.value(0) == QLatin1String("noted")) {
            noted_.insert(w.value(1).toInt());
        } else if (w.value(0) == QLatin1String("recorded")) {
            ++figures_.gamesRecorded;
            if (open_ && open_->game == w.value(1).toInt()) open_.reset();
        }
    }
    // A disk that was full or a score file that was no file may have kept no move.
    if (faulty) open_.reset();
}

} // namespace quadrell::test
