#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <set>

namespace quadrell::test {

// Checks what one killed run left against what the next start finds.
class KillCheck {
public:
    struct Figures {
        int runs = 0;
        int kills = 0;
        int movesKept = 0;
        int gamesRecorded = 0;
        int lostMoves = 0;
        int lostGames = 0;   // neither resumed nor recorded
        int lostRecords = 0; // noted, then neither in the score file nor resumed
        int faulty = 0;      // runs with a fault in the score file's way
        int hung = 0;        // runs that neither ended nor were killed
        int doubled = 0;
        int resurrected = 0;
        int mismatches = 0;
        bool clean() const {
            return lostMoves == 0 && lostGames == 0 && doubled == 0 && resurrected == 0
                && mismatches == 0 && lostRecords == 0 && hung == 0;
        }
    };

    // The lines one run printed; each run's start lines judge the run before it.
    // `faulty`: the run had a fault in the score file's way, so its moves may not have been
    // kept; its records are judged all the same.
    void Take(const QStringList& lines, bool killed, bool faulty = false);
    const Figures& Result() const { return figures_; }
    QStringList Problems() const { return problems_; }

private:
    struct Open {
        qint32 game;
        int entry;
    };
    void judgeStart(const QStringList& lines);

    Figures figures_;
    std::optional<Open> open_;
    std::set<qint32> noted_; // records noted and not yet seen in the score file
    QStringList problems_;
};

} // namespace quadrell::test
