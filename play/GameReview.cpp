#include "GameReview.h"

#include "LossFinder.h"

namespace quadrell {

GameReview::GameReview(const cGame& start, std::vector<TransRecord> played)
    : start_(start)
    , played_(std::move(played))
    , ends_(LossFinder::MoveEnds(played_)) {
    start_.Attach(nullptr); // a sketch: nothing shown or recorded
    if (played_.empty()) ends_ = { 0 };
}

GameReview::Row GameReview::Solve(int position, const std::atomic<bool>* cancel) const {
    Row row;
    row.entries = EntriesAt(position);
    Solver::Limits limits = Solver::Limits::Nodes(Solver::kDealBudget);
    limits.cancel = cancel;
    const Solver::Result r = Solver::Solve(LossFinder::After(start_, played_, row.entries), limits);
    row.verdict = r.verdict;
    if (r.verdict == Solver::Verdict::Won) {
        row.lineMoves = static_cast<int>(r.line.size());
        if (!r.line.empty()) row.first = r.line.front();
    }
    return row;
}

int GameReview::LostAt(const std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].verdict == Solver::Verdict::Unknown) return -1;
        if (rows[i].verdict == Solver::Verdict::Lost)
            return i > 0 && rows[i - 1].verdict == Solver::Verdict::Won ? static_cast<int>(i) : -1;
    }
    return -1;
}

bool GameReview::Costly(const Row& before, const Row& after) {
    if (before.verdict != Solver::Verdict::Won || after.verdict != Solver::Verdict::Won)
        return false;
    return after.lineMoves - (before.lineMoves - 1) >= kCostlyMargin;
}

} // namespace quadrell
