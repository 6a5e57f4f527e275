#include "Solver.h"

#include "Deal.h"
#include "Engine.h"
#include "Steps.h"
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

    // As a position for the step generator.
    int Length(int c) const { return len[c]; }
    Card Top(int c) const { return len[c] ? Card(col[c][len[c] - 1]) : kNoCard; }
    Card Cell(int i) const { return cell[i] == kEmpty ? kNoCard : Card(cell[i]); }
    Card HomeTop(int suit) const {
        return home[suit - 1] == 0 ? kNoCard
                                   : static_cast<Card>((suit - 1) * 13 + home[suit - 1] - 1);
    }
    int homed() const { return home[0] + home[1] + home[2] + home[3]; }

    bool safeHome(Card card) const {
        const int other
            = colourOf(card) == 1 ? std::min(home[1], home[3]) : std::min(home[0], home[2]);
        return GoesHomeByItself(card, HomeTop(suitOf(card)), other);
    }
    // The card leaves its place and lands on another.
    void apply(Step step) {
        Card card = kNoCard;
        if (isCell(step.from)) {
            card = Cell(step.from - kFirstCell);
            cell[step.from - kFirstCell] = kEmpty;
        } else {
            const int c = columnOf(step.from);
            card = col[c][--len[c]];
        }
        if (isFoundation(step.to)) {
            ++home[suitOf(card) - 1];
        } else if (isCell(step.to)) {
            cell[step.to - kFirstCell] = static_cast<std::uint8_t>(card);
        } else {
            const int d = columnOf(step.to);
            col[d][len[d]++] = static_cast<std::uint8_t>(card);
        }
    }
};

// Automatic play to its end; the result does not depend on the order of the moves.
void autoPlay(Pos& p) {
    for (bool moved = true; moved;) {
        moved = false;
        for (int c = 0; c < kColumns; ++c) {
            const Card t = p.Top(c);
            if (t != kNoCard && p.safeHome(t)) {
                ++p.home[suitOf(t) - 1];
                --p.len[c];
                moved = true;
            }
        }
        for (int i = 0; i < kCells; ++i) {
            const Card card = p.Cell(i);
            if (card != kNoCard && p.safeHome(card)) {
                ++p.home[suitOf(card) - 1];
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
        ForEachStep(current, StepKinds::Search, [&](Step step) {
            if (found >= 0) return;
            Pos next = current;
            next.apply(step);
            autoPlay(next);
            const int child = s.add(next, id, SolverMove { step.from, step.to });
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

long Solver::Fingerprint(int lastGame) {
    long nodes = 0;
    Deck deck {};
    for (int game = 1; game <= lastGame; ++game) {
        cGame board;
        DealGame(game, deck);
        for (Loc i = 0; i < kCardCount; ++i)
            board.init(i, deck[static_cast<std::size_t>(i)]);
        nodes += Solve(board, Limits::Nodes(kDealBudget)).nodes;
    }
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
