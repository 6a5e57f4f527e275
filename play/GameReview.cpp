#include "GameReview.h"

#include "LossFinder.h"

namespace quadrell {

GameReview::GameReview(const cGame& start, const std::vector<TransRecord>& played) {
    cGame board = start;
    board.Attach(nullptr); // a sketch: nothing shown or recorded
    positions_.push_back({ 0, board, {} });
    std::vector<Step> steps;
    const std::vector<int> ends = LossFinder::MoveEnds(played);
    // One pass: a game of thousands of entries is built in as many steps, not their square.
    std::size_t next = 1;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const auto to = static_cast<Loc>(played[i].Destloc);
        steps.push_back({ board.ApplyStep(static_cast<Loc>(played[i].SrcLoc), to), to });
        if (next < ends.size() && static_cast<int>(i + 1) == ends[next]) {
            positions_.push_back({ ends[next++], board, std::move(steps) });
            steps.clear();
        }
    }
}

std::vector<TransRecord> GameReview::Reviewed(const cTrans& trans, bool watching) {
    std::vector<TransRecord> entries = trans.Played();
    for (int i = trans.GetTransID() + 1; watching && i <= trans.TransCount(); ++i)
        entries.push_back(trans.Entry(i));
    return entries;
}

GameReview::Row GameReview::Solve(int position, const std::atomic<bool>* cancel) const {
    Row row;
    row.entries = EntriesAt(position);
    Solver::Limits limits = Solver::Limits::Nodes(Solver::kDealBudget);
    limits.cancel = cancel;
    const Solver::Result r = Solver::Solve(at(position).board, limits);
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
    return Cost(before, after) >= kCostlyMargin;
}

int GameReview::Cost(const Row& before, const Row& after) {
    return after.lineMoves - (before.lineMoves - 1);
}

} // namespace quadrell
