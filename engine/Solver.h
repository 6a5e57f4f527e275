#pragma once

#include "Card.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quadrell {

class Engine;
class cGame;

// One single-card move of a winning line: the card at `source` goes to `target` (a
// column place, a cell or a foundation), as the player's clicks would send it.
struct SolverMove {
    Loc source = kNoLoc;
    Loc target = kNoLoc;
    friend bool operator==(const SolverMove&, const SolverMove&) = default;
};

// Searches for a winning line of single-card moves from a position, with this game's own
// automatic play after every move: a line, a proof that none exists, or no answer within
// the limits.
class Solver {
public:
    enum class Verdict { Won, Lost, Unknown };
    struct Limits {
        double seconds = 2.0; // 0 or less: no time limit
        // Positions taken from the queue before giving up; 0: no budget. A verdict under a
        // budget alone is the same on any machine, however busy.
        long nodeBudget = 0;
        std::size_t memoryBytes = 256u << 20;
        const std::atomic<bool>* cancel = nullptr; // set from another thread to stop early

        static Limits Nodes(long budget) {
            Limits limits;
            limits.seconds = 0;
            limits.nodeBudget = budget;
            return limits;
        }
    };
    // Enough for any deal: the hardest of the first 10,000 deals takes under a twentieth of it.
    static constexpr long kDealBudget = 2'000'000;
    struct Result {
        Verdict verdict = Verdict::Unknown;
        std::vector<SolverMove> line;
        long nodes = 0;
    };

    static Result Solve(const cGame& board, const Limits& limits);
    static Result Solve(const cGame& board) { return Solve(board, Limits {}); }
    // The nodes of every game 1..lastGame solved from its deal under the deal budget, added
    // up: the same on any machine, and changed by any change to the search or the rules.
    static long Fingerprint(int lastGame = kFingerprintGames);
    static constexpr int kFingerprintGames = 100;
    // The fingerprint of this search, as its test checks it: what the ratings kept on disk
    // name, so a changed search never has its old ratings trusted.
    static constexpr long kFingerprint = 42108;
    // Makes one move of a line as the player's clicks make it (an empty column gets the
    // single card), so it is recorded and played on like any other. False when the
    // position no longer allows it.
    static bool Play(Engine& engine, const SolverMove& move);
};

} // namespace quadrell
