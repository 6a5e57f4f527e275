#include "LossFinder.h"

namespace quadrell {

bool LossFinder::SolverProvesLost(const cGame& board, const std::atomic<bool>* cancel) {
    Solver::Limits limits = Solver::Limits::Nodes(Solver::kDealBudget);
    limits.cancel = cancel;
    return Solver::Solve(board, limits).verdict == Solver::Verdict::Lost;
}

std::vector<int> LossFinder::MoveEnds(const std::vector<TransRecord>& played) {
    std::vector<int> ends { 0 };
    for (std::size_t i = 0; i < played.size(); ++i) {
        const bool last = i + 1 == played.size();
        if (last || played[i + 1].mode != kModeFollowUp) ends.push_back(static_cast<int>(i + 1));
    }
    return ends;
}

cGame LossFinder::After(const cGame& start, const std::vector<TransRecord>& played, int entries) {
    cGame board = start;
    board.Attach(nullptr); // a sketch: nothing shown or recorded
    for (int i = 0; i < entries; ++i)
        board.ApplyStep(static_cast<Loc>(played[static_cast<std::size_t>(i)].SrcLoc),
            static_cast<Loc>(played[static_cast<std::size_t>(i)].Destloc));
    return board;
}

LossFinder::Finding LossFinder::Find(const cGame& start, const std::vector<TransRecord>& played,
    const std::atomic<bool>* cancel, const ProvedLost& lost) {
    const std::vector<int> ends = MoveEnds(played);
    const auto lostAt
        = [&](std::size_t end) { return lost(After(start, played, ends[end]), cancel); };
    if (lostAt(0)) return { Kind::FromTheDeal, 0 };
    if (!lostAt(ends.size() - 1)) return { Kind::Never, 0 };
    // Not lost at `won`, lost at `gone`: the losing move ends at `gone` once they meet.
    std::size_t won = 0, gone = ends.size() - 1;
    while (gone - won > 1) {
        const std::size_t mid = won + (gone - won) / 2;
        (lostAt(mid) ? gone : won) = mid;
    }
    return { Kind::At, ends[gone], ends[won] };
}

} // namespace quadrell
