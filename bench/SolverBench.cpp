// Solves every deal from game 1 up to N from its start and prints how it went:
//   quadrell-solver-bench [N=10000] [seconds=2] [first=1] [nodes=0]
// With a node budget and seconds 0 the verdicts do not depend on the machine's load.
#include "Deal.h"
#include "Solver.h"
#include "cGame.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    using namespace quadrell;
    const int last = argc > 1 ? std::atoi(argv[1]) : 10000;
    Solver::Limits limits;
    if (argc > 2) limits.seconds = std::atof(argv[2]);
    int won = 0, lost = 0, unknown = 0;
    long nodes = 0;
    std::vector<double> ms;
    Deck deck {};
    const int first = argc > 3 ? std::atoi(argv[3]) : 1;
    if (argc > 4) limits.nodeBudget = std::atol(argv[4]);
    long maxNodes = 0;
    for (int game = first; game <= last; ++game) {
        cGame board;
        DealGame(game, deck);
        for (Loc i = 0; i < kCardCount; ++i)
            board.init(i, deck[static_cast<std::size_t>(i)]);
        const auto start = std::chrono::steady_clock::now();
        const Solver::Result r = Solver::Solve(board, limits);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        nodes += r.nodes;
        maxNodes = std::max(maxNodes, r.nodes);
        won += r.verdict == Solver::Verdict::Won;
        lost += r.verdict == Solver::Verdict::Lost;
        if (r.verdict == Solver::Verdict::Unknown) {
            ++unknown;
            std::printf("unknown: game %d\n", game);
        }
    }
    std::sort(ms.begin(), ms.end());
    auto at = [&ms](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    std::printf("games %d: won %d (%.2f %%), lost %d, unknown %d\n", last, won, 100.0 * won / last,
        lost, unknown);
    std::printf(
        "time per game: median %.2f ms, p90 %.2f ms, p99 %.2f ms, max %.2f ms; %ld nodes in all\n",
        at(0.5), at(0.9), at(0.99), ms.back(), nodes);
    std::printf("most nodes for one game: %ld\n", maxNodes);
    // Quoted by every commit that changes it, like a chess engine's bench number.
    std::printf(
        "fingerprint (games 1-%d): %ld nodes\n", Solver::kFingerprintGames, Solver::Fingerprint());
    // The peak over the whole run bounds every single search.
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0) std::printf("peak memory: %s", line + 6);
        std::fclose(status);
    }
    return 0;
}
