// Reviews N games of 100 moves, each played along random legal single-card moves from a
// random deal, and prints the review's CPU time per game (the thread's own time):
//   quadrell-review-bench [N=200] [MOVES=100]
#include "Deal.h"
#include "GameReview.h"
#include "RandomGame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace {

double threadCpuMs() {
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quadrell;
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    const int moves = argc > 2 ? std::atoi(argv[2]) : 100;
    std::mt19937 draw(2026); // the same games on every run
    std::vector<double> cpu;
    int lostGames = 0;
    for (int g = 0; g < games; ++g) {
        const auto number = static_cast<std::int32_t>(1 + draw() % 3239999);
        const cGame deal = DealtBoard(number);
        cGame board = deal;
        std::vector<TransRecord> played;
        PlayRandomly(board, moves, draw, &played);
        const double start = threadCpuMs();
        const GameReview review(deal, played);
        std::vector<GameReview::Row> rows;
        for (int i = 0; i < review.Positions(); ++i)
            rows.push_back(review.Solve(i));
        cpu.push_back(threadCpuMs() - start);
        lostGames += GameReview::LostAt(rows) >= 0;
    }
    std::sort(cpu.begin(), cpu.end());
    const auto at = [&cpu](double q) {
        return cpu[static_cast<std::size_t>(q * static_cast<double>(cpu.size() - 1))];
    };
    std::printf(
        "%d games of %d random moves reviewed (%d with a lost move)\n", games, moves, lostGames);
    std::printf("CPU per review: median %.1f ms, p90 %.1f ms, p99 %.1f ms, max %.1f ms\n", at(0.5),
        at(0.9), at(0.99), cpu.back());
    return 0;
}
