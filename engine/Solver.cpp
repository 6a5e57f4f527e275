#include "Solver.h"

#include "Engine.h"
#include "cGame.h"

#include <algorithm>
#include <chrono>
#include <queue>
#include <unordered_set>

namespace quadrell {

namespace {

constexpr std::uint8_t kEmpty = 0xff;
constexpr int kMaxRows = 20;

// A compact position: what the search copies and compares.
struct Pos {
    std::uint8_t col[kColumns][kMaxRows];
    std::uint8_t len[kColumns];
    std::uint8_t cell[kCells];
    std::uint8_t home[4]; // rank on each suit's foundation, 0 for none

    int top(int c) const { return len[c] ? col[c][len[c] - 1] : -1; }
    int homed() const { return home[0] + home[1] + home[2] + home[3]; }
};

int suit0(int card) { return card / 13; }
int rank1(int card) { return card % 13 + 1; }
bool red(int card) { return suit0(card) == 0 || suit0(card) == 2; }
bool stacks(int moving, int target) {
    return stacksOn(static_cast<Card>(moving), static_cast<Card>(target));
}
// The card on top of a suit's foundation, kNoCard for none.
Card homeTop(const Pos& p, int suit) {
    return p.home[suit] == 0 ? kNoCard : static_cast<Card>(suit * 13 + p.home[suit] - 1);
}
bool goesHome(const Pos& p, int card) {
    return followsOnFoundation(static_cast<Card>(card), homeTop(p, suit0(card)));
}

// The lower rank of the other colour's foundations.
int otherLowest(const Pos& p, int card) {
    return red(card) ? std::min(p.home[1], p.home[3]) : std::min(p.home[0], p.home[2]);
}

bool safeHome(const Pos& p, int card) {
    const int r = rank1(card);
    if (!goesHome(p, card)) return false;
    if (r <= 2) return true;
    return r < otherLowest(p, card) + 2;
}

// Automatic play to its end; the result does not depend on the order of the moves.
void autoPlay(Pos& p) {
    for (bool moved = true; moved;) {
        moved = false;
        for (int c = 0; c < kColumns; ++c) {
            const int t = p.top(c);
            if (t >= 0 && safeHome(p, t)) {
                ++p.home[suit0(t)];
                --p.len[c];
                moved = true;
            }
        }
        for (int i = 0; i < kCells; ++i) {
            if (p.cell[i] != kEmpty && safeHome(p, p.cell[i])) {
                ++p.home[suit0(p.cell[i])];
                p.cell[i] = kEmpty;
                moved = true;
            }
        }
    }
}

std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb93fe53d4e53ULL;
    return x ^ (x >> 33);
}

// Columns and cells are interchangeable, so the key adds their hashes up in any order.
std::uint64_t keyOf(const Pos& p) {
    std::uint64_t key
        = mix(p.home[0] | p.home[1] << 4 | p.home[2] << 8 | p.home[3] << 12 | 1ULL << 20);
    for (int c = 0; c < kColumns; ++c) {
        std::uint64_t h = 1469598103934665603ULL;
        for (int r = 0; r < p.len[c]; ++r)
            h = (h ^ p.col[c][r]) * 1099511628211ULL;
        key += mix(h + p.len[c]);
    }
    for (int i = 0; i < kCells; ++i)
        key += mix(0x9e3779b97f4a7c15ULL * (p.cell[i] + 7));
    return key;
}

// Lower is closer to a win: cards still out, how deep the next ones lie, cells in use.
int estimate(const Pos& p) {
    int h = (52 - p.homed()) * 6;
    for (int s = 0; s < 4; ++s) {
        if (p.home[s] == 13) continue;
        const int need = s * 13 + p.home[s];
        for (int c = 0; c < kColumns; ++c)
            for (int r = 0; r < p.len[c]; ++r)
                if (p.col[c][r] == need) h += (p.len[c] - 1 - r) * 3;
    }
    for (int i = 0; i < kCells; ++i)
        h += p.cell[i] != kEmpty ? 2 : 0;
    return h;
}

// Where a move's source and target lie on the real board.
Loc columnTopLoc(const Pos& p, int c) { return static_cast<Loc>((p.len[c] - 1) * kColumns + c); }
Loc columnNextLoc(const Pos& p, int c) { return static_cast<Loc>(p.len[c] * kColumns + c); }

struct Node {
    int parent;
    SolverMove move;
};

struct Search {
    std::vector<Pos> states;
    std::vector<Node> nodes;
    std::vector<int> cost; // moves from the start
    std::unordered_set<std::uint64_t> seen;
    using Entry = std::pair<int, int>; // priority, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;

    int add(const Pos& p, int parent, SolverMove move) {
        if (!seen.insert(keyOf(p)).second) return -1;
        states.push_back(p);
        nodes.push_back({ parent, move });
        cost.push_back(parent < 0 ? 0 : cost[static_cast<std::size_t>(parent)] + 1);
        const int id = static_cast<int>(states.size()) - 1;
        open.push({ estimate(p) * 2 + cost.back(), id });
        return id;
    }
};

// Every single-card move from p, each with the position it leads to.
template <typename Visit> void forEachMove(const Pos& p, Visit&& visit) {
    int firstEmptyColumn = -1;
    for (int c = 0; c < kColumns; ++c)
        if (p.len[c] == 0 && firstEmptyColumn < 0) firstEmptyColumn = c;
    int firstEmptyCell = -1;
    for (int i = 0; i < kCells; ++i)
        if (p.cell[i] == kEmpty && firstEmptyCell < 0) firstEmptyCell = i;

    auto fromColumn = [&](int c, auto&& land) {
        Pos q = p;
        const int card = q.col[c][--q.len[c]];
        land(q, card);
    };
    for (int c = 0; c < kColumns; ++c) {
        const int t = p.top(c);
        if (t < 0) continue;
        if (p.home[suit0(t)] > 0 && goesHome(p, t)) { // an empty foundation takes no click
            fromColumn(c, [&](Pos& q, int card) {
                ++q.home[suit0(card)];
                visit(q, SolverMove { columnTopLoc(p, c), foundationOf(static_cast<Card>(card)) });
            });
        }
        for (int d = 0; d < kColumns; ++d) {
            if (d == c || !stacks(t, p.top(d))) continue;
            fromColumn(c, [&](Pos& q, int card) {
                q.col[d][q.len[d]++] = static_cast<std::uint8_t>(card);
                visit(q, SolverMove { columnTopLoc(p, c), columnNextLoc(p, d) });
            });
        }
        if (firstEmptyColumn >= 0 && p.len[c] > 1) {
            fromColumn(c, [&](Pos& q, int card) {
                q.col[firstEmptyColumn][q.len[firstEmptyColumn]++]
                    = static_cast<std::uint8_t>(card);
                visit(q, SolverMove { columnTopLoc(p, c), static_cast<Loc>(firstEmptyColumn) });
            });
        }
        if (firstEmptyCell >= 0) {
            fromColumn(c, [&](Pos& q, int card) {
                q.cell[firstEmptyCell] = static_cast<std::uint8_t>(card);
                visit(q,
                    SolverMove {
                        columnTopLoc(p, c), static_cast<Loc>(kFirstCell + firstEmptyCell) });
            });
        }
    }
    for (int i = 0; i < kCells; ++i) {
        const int card = p.cell[i] == kEmpty ? -1 : p.cell[i];
        if (card < 0) continue;
        const Loc from = static_cast<Loc>(kFirstCell + i);
        if (p.home[suit0(card)] > 0 && goesHome(p, card)) {
            Pos q = p;
            q.cell[i] = kEmpty;
            ++q.home[suit0(card)];
            visit(q, SolverMove { from, foundationOf(static_cast<Card>(card)) });
        }
        for (int d = 0; d < kColumns; ++d) {
            if (!stacks(card, p.top(d))) continue;
            Pos q = p;
            q.cell[i] = kEmpty;
            q.col[d][q.len[d]++] = static_cast<std::uint8_t>(card);
            visit(q, SolverMove { from, columnNextLoc(p, d) });
        }
        if (firstEmptyColumn >= 0) {
            Pos q = p;
            q.cell[i] = kEmpty;
            q.col[firstEmptyColumn][q.len[firstEmptyColumn]++] = static_cast<std::uint8_t>(card);
            visit(q, SolverMove { from, static_cast<Loc>(firstEmptyColumn) });
        }
    }
}

Pos fromBoard(const cGame& board) {
    Pos p {};
    for (int c = 0; c < kColumns; ++c) {
        p.len[c] = 0;
        for (int r = 0; r < kMaxRows; ++r) {
            const Card card = board.GetCardIndex(static_cast<Loc>(r * kColumns + c));
            if (card < 0) break;
            p.col[c][p.len[c]++] = static_cast<std::uint8_t>(card);
        }
    }
    for (int i = 0; i < kCells; ++i) {
        const Card card = board.GetCardIndex(static_cast<Loc>(kFirstCell + i));
        p.cell[i] = card < 0 ? kEmpty : static_cast<std::uint8_t>(card);
    }
    for (int s = 0; s < 4; ++s)
        p.home[s] = static_cast<std::uint8_t>(
            std::max(0, rankOf(board.GetCardIndex(static_cast<Loc>(kFirstFoundation + s)))));
    return p;
}

std::vector<SolverMove> lineTo(const Search& s, int id) {
    std::vector<SolverMove> line;
    for (int n = id; s.nodes[static_cast<std::size_t>(n)].parent >= 0;
         n = s.nodes[static_cast<std::size_t>(n)].parent)
        line.push_back(s.nodes[static_cast<std::size_t>(n)].move);
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
        = std::max<std::size_t>(1000, limits.memoryBytes / (sizeof(Pos) + sizeof(Node) + 64));
    Result result;
    Search s;
    // No automatic play yet: as in play, it follows the first move, not the deal.
    const Pos start = fromBoard(board);
    if (start.homed() == 52) {
        result.verdict = Verdict::Won;
        return result;
    }
    s.add(start, -1, {});
    int found = -1;
    while (!s.open.empty() && found < 0) {
        if (limits.nodeBudget > 0 && result.nodes >= limits.nodeBudget) {
            result.verdict = Verdict::Unknown;
            return result;
        }
        if ((++result.nodes & 255) == 0) {
            if ((timed && Clock::now() > deadline) || (limits.cancel && limits.cancel->load())
                || s.states.size() > maxNodes) {
                result.verdict = Verdict::Unknown;
                return result;
            }
        }
        const int id = s.open.top().second;
        s.open.pop();
        const Pos current = s.states[static_cast<std::size_t>(id)];
        forEachMove(current, [&](Pos& next, SolverMove move) {
            if (found >= 0) return;
            autoPlay(next);
            const int child = s.add(next, id, move);
            if (child >= 0 && next.homed() == 52) found = child;
        });
    }
    if (found < 0) {
        result.verdict = Verdict::Lost; // every reachable position was searched
        return result;
    }
    result.verdict = Verdict::Won;
    result.line = lineTo(s, found);
    return result;
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
