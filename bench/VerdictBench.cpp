// Solves N mid-game positions (a number drawn across the whole range, dealt, then a few
// random legal single-card steps, without automatic play) and prints each verdict, so that a
// changed search can be compared line by line with the build before it: a "lost" that was
// "won" before, or the other way, is a fault in one of them.
//   quadrell-verdict-bench [N=3000]
#include "Deal.h"
#include "RandomGame.h"
#include "Solver.h"
#include "cGame.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

int main(int argc, char** argv) {
    using namespace quadrell;
    const int count = argc > 1 ? std::atoi(argv[1]) : 3000;
    std::mt19937 draw(12345); // the same positions on every run and every build
    int won = 0;
    for (int i = 0; i < count; ++i) {
        const auto game = static_cast<std::int32_t>(1 + draw() % 3239999);
        const int steps = 5 + static_cast<int>(draw() % 40);
        cGame board;
        Deck deck {};
        DealGame(game, deck);
        for (Loc l = 0; l < kCardCount; ++l)
            board.init(l, deck[static_cast<std::size_t>(l)]);
        PlayRandomly(board, steps, draw);
        const Solver::Result r = Solver::Solve(board, Solver::Limits::Nodes(Solver::kDealBudget));
        static const char* const names[] { "won", "lost", "unknown" };
        std::printf("%d %d %s\n", i, game, names[static_cast<int>(r.verdict)]);
        won += r.verdict == Solver::Verdict::Won;
    }
    std::fprintf(stderr, "%d won, %d not\n", won, count - won);
    return 0;
}
