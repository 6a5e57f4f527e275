// Rates every deal from game 1 up to N and prints the spread the difficulty classes are cut
// from, the count in each class, and the search's CPU time per deal (the thread's own time,
// so the machine's load changes it little); then the same for R numbers drawn across the
// whole range of deals, and the cost of one node:
//   quadrell-rating-bench [N=10000] [R=1000]
#include "Difficulty.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace {

using quadrell::Difficulty;
using quadrell::Solver;

double threadCpuMs() {
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <typename T> T at(const std::vector<T>& sorted, double q) {
    return sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))];
}

struct Run {
    std::vector<long> nodes;
    std::vector<int> lines;
    std::vector<double> cpu;
    int count[5] = {};
    int lost = 0;

    void rate(std::int32_t game) {
        const double start = threadCpuMs();
        const Difficulty::Rating r = *Difficulty::RateDeal(game); // never stopped
        cpu.push_back(threadCpuMs() - start);
        nodes.push_back(r.nodes);
        lines.push_back(r.lineLength);
        ++count[static_cast<int>(r.level)];
    }

    void print(const char* what) {
        double totalMs = 0;
        long totalNodes = 0;
        for (std::size_t i = 0; i < cpu.size(); ++i) {
            totalMs += cpu[i];
            totalNodes += nodes[i];
        }
        std::sort(nodes.begin(), nodes.end());
        std::sort(lines.begin(), lines.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("%s\nnodes:", what);
        for (const double q : { 0.1, 0.25, 0.4, 0.5, 0.6, 0.75, 0.9, 0.95, 0.99 })
            std::printf(" p%.0f %ld", q * 100, at(nodes, q));
        std::printf(" max %ld\nline moves: p10 %d, median %d, p90 %d, max %d\n", nodes.back(),
            at(lines, 0.1), at(lines, 0.5), at(lines, 0.9), lines.back());
        std::printf("classes:");
        for (int level = 0; level < 5; ++level)
            std::printf(" %s %d (%.1f %%);",
                Difficulty::Name(static_cast<Difficulty::Level>(level)), count[level],
                100.0 * count[level] / static_cast<double>(cpu.size()));
        std::printf("\nCPU per deal: median %.2f ms, p90 %.2f ms, p99 %.2f ms, max %.2f ms\n",
            at(cpu, 0.5), at(cpu, 0.9), at(cpu, 0.99), cpu.back());
        std::printf("CPU per node: %.2f us (%.0f ms over %ld nodes)\n",
            totalMs * 1e3 / static_cast<double>(totalNodes), totalMs, totalNodes);
    }
};

} // namespace

int main(int argc, char** argv) {
    const int last = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int drawn = argc > 2 ? std::atoi(argv[2]) : 1000;
    Run first;
    for (int game = 1; game <= last; ++game)
        first.rate(game);
    char title[64];
    std::snprintf(title, sizeof title, "games 1-%d", last);
    first.print(title);
    // The same numbers on every run: a fixed seed.
    std::mt19937 numbers(20261207);
    std::uniform_int_distribution<std::int32_t> range(1, 3239999);
    Run anywhere;
    for (int i = 0; i < drawn; ++i)
        anywhere.rate(range(numbers));
    std::snprintf(title, sizeof title, "\n%d numbers drawn from 1-3239999", drawn);
    if (drawn > 0) anywhere.print(title);
    // The same search, so the same figures, as long as this does not change.
    std::printf("\nnode fingerprint (nodes over games 1-%d): %ld\n", Solver::kFingerprintGames,
        Solver::Fingerprint());
    return 0;
}
