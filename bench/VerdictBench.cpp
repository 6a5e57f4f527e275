// Solves N mid-game positions (a number drawn across the whole range, dealt, then a few
// random legal single-card steps, without automatic play) and prints each verdict, so that a
// changed search can be compared line by line with the build before it: a "lost" that was
// "won" before, or the other way, is a fault in one of them.
//   quadrell-verdict-bench [N=3000]
#include "Deal.h"
#include "Solver.h"
#include "Steps.h"
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
        for (int k = 0; k < steps; ++k) {
            std::vector<Step> legal;
            ForEachStep(
                BoardPosition(board), StepKinds::Player, [&legal](Step s) { legal.push_back(s); });
            if (legal.empty()) break;
            const Step s = legal[draw() % legal.size()];
            board.ApplyStep(s.from, s.to);
        }
        const Solver::Result r = Solver::Solve(board, Solver::Limits::Nodes(Solver::kDealBudget));
        static const char* const names[] { "won", "lost", "unknown" };
        std::printf("%d %d %s\n", i, game, names[static_cast<int>(r.verdict)]);
        won += r.verdict == Solver::Verdict::Won;
    }
    std::fprintf(stderr, "%d won, %d not\n", won, count - won);
    return 0;
}
