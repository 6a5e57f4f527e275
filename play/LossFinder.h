#pragma once

#include "Solver.h"
#include "TransRecord.h"
#include "cGame.h"

#include <atomic>
#include <functional>
#include <vector>

namespace quadrell {

// "Where was it lost?": the first move of a game's history after which the deal could no
// longer be won. Once a position cannot be won no later one can, so a binary search over
// the moves needs only a few solves.
class LossFinder {
public:
    enum class Kind { FromTheDeal, Never, At };
    struct Finding {
        Kind kind = Kind::Never;
        int entries = 0; // At: the history entries in place right after the losing move
        int before = 0;  // At: those in place just before it
    };
    // Whether a position is proved lost; the solver's answer under the deal budget unless a
    // test gives another.
    using ProvedLost = std::function<bool(const cGame&, const std::atomic<bool>*)>;

    static bool SolverProvesLost(const cGame& board, const std::atomic<bool>* cancel);

    // `start` is the deal; `played` the history from it. A move ends after its automatic
    // moves, so only the positions between moves are looked at.
    static Finding Find(const cGame& start, const std::vector<TransRecord>& played,
        const std::atomic<bool>* cancel = nullptr, const ProvedLost& lost = &SolverProvesLost);

    // The history entries in place where each of the player's moves ends (a move ends after
    // its automatic moves), the deal's 0 first.
    static std::vector<int> MoveEnds(const std::vector<TransRecord>& played);
    // The position with the first `entries` of the history played from `start`.
    static cGame After(const cGame& start, const std::vector<TransRecord>& played, int entries);
};

} // namespace quadrell
