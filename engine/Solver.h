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
        double seconds = 2.0;
        std::size_t memoryBytes = 256u << 20;
        const std::atomic<bool>* cancel = nullptr; // set from another thread to stop early
    };
    struct Result {
        Verdict verdict = Verdict::Unknown;
        std::vector<SolverMove> line;
        long nodes = 0;
    };

    static Result Solve(const cGame& board, const Limits& limits);
    static Result Solve(const cGame& board) { return Solve(board, Limits {}); }
    // Makes one move of a line as the player's clicks make it (an empty column gets the
    // single card), so it is recorded and played on like any other. False when the
    // position no longer allows it.
    static bool Play(Engine& engine, const SolverMove& move);
};

} // namespace quadrell
