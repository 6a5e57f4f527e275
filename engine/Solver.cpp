#include "Solver.h"

#include "Card.h"
#include "Deal.h"
#include "Engine.h"
#include "SearchPosition.h"
#include "SeenSet.h"
#include "Steps.h"
#include "cGame.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <queue>

namespace quadrell {

namespace {

using Pos = SearchPosition;

struct Node {
    int parent;
    int firstMove; // into Search::moves
    int moveCount;
};

// Three orders of search, each with its own store, taking turns. Each order alone leaves a
// few deals taking a hundred times the usual effort, and rarely the same deals: together a
// deal costs about the lesser of them, times the orders running. The later orders join
// only after the first has had a start, since most deals are won within it. The weights
// were measured on games 1-10,000 (docs/engineering.md).
constexpr std::array<Pos::Weights, 3> kOrders { {
    { .out = 6, .depth = 2, .cell = 4, .outOfOrder = 0, .emptyColumn = 0 },
    { .out = 6, .depth = 3, .cell = 2, .outOfOrder = 2, .emptyColumn = 4 },
    { .out = 7, .depth = 1, .cell = 6, .outOfOrder = 1, .emptyColumn = 0 },
} };
// The expansions after which the second and the third order join.
constexpr std::array<long, 3> kJoins { 0, 300, 600 };

// The orders running after `expansions`: the first alone, then the first two, then all three.
std::size_t running(long expansions) {
    return expansions < kJoins[1] ? 1 : expansions < kJoins[2] ? 2 : 3;
}

// One best-first search: every position met, how it was reached, and those still to expand.
struct Search {
    using Entry = std::pair<int, int>; // priority, node
    static constexpr std::size_t kBytesPerPosition
        = sizeof(PackedPosition) + sizeof(Node) + sizeof(int) + sizeof(Entry) + 32;

    explicit Search(const Pos::Weights& weights) : weights_(weights) { }

    std::vector<PackedPosition> states;
    std::vector<Node> nodes;
    std::vector<int> cost; // moves from the start
    std::vector<SolverMove> moves;
    SeenSet seen;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;

    int add(const Pos& p, int parent, const SolverMove* line, int count) {
        if (!seen.Insert(p.Key())) return -1;
        states.push_back(p.Pack());
        nodes.push_back({ parent, static_cast<int>(moves.size()), count });
        moves.insert(moves.end(), line, line + count);
        cost.push_back(parent < 0 ? 0 : cost[static_cast<std::size_t>(parent)] + count);
        const int id = static_cast<int>(states.size()) - 1;
        open.push({ p.Estimate(weights_) * 2 + cost.back(), id });
        return id;
    }

private:
    Pos::Weights weights_;
};

// A run of two or more cards moved onto another column through the free cells, as the
// single steps a player would take, each followed by the automatic play it sets off.
template <typename Visit> void forEachRunMove(const Pos& p, Visit&& visit) {
    int freeCells[kCells];
    int free = 0;
    for (int i = 0; i < kCells; ++i)
        if (p.cell[i] == Pos::kEmpty) freeCells[free++] = i;
    if (free == 0) return;
    int firstEmpty = -1;
    for (int c = kColumns - 1; c >= 0; --c)
        if (p.len[c] == 0) firstEmpty = c;
    SolverMove line[2 * kCells + 1];
    for (int a = 0; a < kColumns; ++a) {
        const int len = p.len[a];
        int run = 1; // the ordered run at the column's top
        while (run < len && run <= free && stacksOn(p.col[a][len - run], p.col[a][len - run - 1]))
            ++run;
        for (int k = 2; k <= run; ++k) {
            const Card base = p.col[a][len - k];
            for (int b = 0; b < kColumns; ++b) {
                if (b == a) continue;
                const bool empty = p.len[b] == 0;
                if (empty ? (b != firstEmpty || k == len) : !stacksOn(base, p.Top(b))) continue;
                Pos next = p;
                int count = 0;
                const auto step = [&](Loc from, Loc to) {
                    next.Apply(Step { from, to });
                    next.AutoPlay();
                    line[count++] = SolverMove { from, to };
                };
                const auto top
                    = [&](int c) { return static_cast<Loc>((next.len[c] - 1) * kColumns + c); };
                const auto onto
                    = [&](int c) { return static_cast<Loc>(next.len[c] * kColumns + c); };
                bool whole = true;
                for (int i = 0; i < k - 1; ++i)
                    step(top(a), static_cast<Loc>(kFirstCell + freeCells[i]));
                if (next.len[a] == 0 || next.col[a][next.len[a] - 1] != base) whole = false;
                if (whole) step(top(a), onto(b));
                for (int i = k - 2; whole && i >= 0; --i) {
                    const std::uint8_t card = next.cell[freeCells[i]];
                    if (card == Pos::kEmpty) continue; // gone home on the way
                    if (next.len[b] == 0 || !stacksOn(card, next.Top(b))) {
                        whole = false;
                        break;
                    }
                    step(static_cast<Loc>(kFirstCell + freeCells[i]), onto(b));
                }
                if (whole) visit(next, line, count);
            }
        }
    }
}

std::size_t stored(const std::vector<Search>& searches) {
    std::size_t count = 0;
    for (const Search& s : searches)
        count += s.states.size();
    return count;
}

std::vector<SolverMove> lineTo(const Search& s, int id) {
    std::vector<SolverMove> line;
    for (int n = id; s.nodes[static_cast<std::size_t>(n)].parent >= 0;
         n = s.nodes[static_cast<std::size_t>(n)].parent) {
        const Node& node = s.nodes[static_cast<std::size_t>(n)];
        for (int m = node.firstMove + node.moveCount - 1; m >= node.firstMove; --m)
            line.push_back(s.moves[static_cast<std::size_t>(m)]);
    }
    std::reverse(line.begin(), line.end());
    return line;
}

} // namespace

Solver::Result Solver::Solve(const cGame& board, const Limits& limits) {
    using Clock = std::chrono::steady_clock;
    const bool timed = limits.seconds > 0;
    const auto deadline = Clock::now()
        + (timed ? std::chrono::duration_cast<Clock::duration>(
               std::chrono::duration<double>(limits.seconds))
                 : Clock::duration::zero());
    const std::size_t maxNodes
        = std::max<std::size_t>(1000, limits.memoryBytes / Search::kBytesPerPosition);
    Result result;
    // Made as each order joins: most deals never need the later ones. Never more than three,
    // so a pointer into it stays good.
    std::vector<Search> searches;
    searches.reserve(kOrders.size());
    // No automatic play yet: as in play, it follows the first move, not the deal.
    const Pos start = Pos::From(board);
    if (start.Homed() == 52) {
        result.verdict = Verdict::Won;
        return result;
    }
    int found = -1;
    Search* s = nullptr;
    while (found < 0) {
        if (limits.nodeBudget > 0 && result.nodes >= limits.nodeBudget) {
            result.verdict = Verdict::Unknown;
            return result;
        }
        const std::size_t orders = running(result.nodes);
        while (searches.size() < orders) {
            searches.emplace_back(kOrders[searches.size()]);
            searches.back().add(start, -1, nullptr, 0);
        }
        s = &searches[static_cast<std::size_t>(result.nodes) % orders];
        // Either order running out has expanded every position the start can reach.
        if (s->open.empty()) break;
        if ((result.nodes++ & 255) == 0) { // from the first node on
            if ((timed && Clock::now() > deadline) || (limits.cancel && limits.cancel->load())
                || stored(searches) > maxNodes) {
                result.verdict = Verdict::Unknown;
                return result;
            }
        }
        const int id = s->open.top().second;
        s->open.pop();
        const Pos current = Pos::Unpack(s->states[static_cast<std::size_t>(id)]);
        ForEachStep(current, StepKinds::Search, [&](Step step) {
            if (found >= 0) return;
            Pos next = current;
            next.Apply(step);
            next.AutoPlay();
            const SolverMove move { step.from, step.to };
            const int child = s->add(next, id, &move, 1);
            if (child >= 0 && next.Homed() == 52) found = child;
        });
        if (found < 0)
            forEachRunMove(current, [&](const Pos& next, const SolverMove* line, int count) {
                if (found >= 0) return;
                const int child = s->add(next, id, line, count);
                if (child >= 0 && next.Homed() == 52) found = child;
            });
    }
    if (found < 0) {
        result.verdict = Verdict::Lost; // every reachable position was searched
        return result;
    }
    result.verdict = Verdict::Won;
    result.line = lineTo(*s, found);
    return result;
}

long Solver::Fingerprint(int lastGame) {
    long nodes = 0;
    for (int game = 1; game <= lastGame; ++game)
        nodes += Solve(DealtBoard(game), Limits::Nodes(kDealBudget)).nodes;
    return nodes;
}

bool Solver::Play(Engine& engine, const SolverMove& move) {
    GameState& s = engine.state();
    MoveRules& rules = engine.rules();
    const cGame& board = s.gBoard;
    const Card card = board.GetCardIndex(move.source);
    if (card < 0) return false;
    rules.ClearSelection();
    if (isCell(move.source)) {
        rules.CellCardClicked(move.source);
    } else {
        if (board.GetBottomCardLocation(move.source) != move.source) return false;
        rules.CardClicked(move.source);
    }
    if (isFoundation(move.target)) {
        if (board.GetCardIndex(move.target) < 0) return false;
        rules.FoundationClicked(move.target);
    } else if (isCell(move.target)) {
        if (board.GetCardIndex(move.target) >= 0) return false;
        rules.CellClicked(move.target);
    } else if (board.GetCardIndex(static_cast<Loc>(columnOf(move.target))) == kNoCard) {
        rules.MoveSingleToColumn(columnOf(move.target));
    } else {
        rules.CardClicked(board.GetBottomCardLocation(move.target));
    }
    rules.ClearSelection();
    return board.GetLocation(card) != move.source;
}

} // namespace quadrell
