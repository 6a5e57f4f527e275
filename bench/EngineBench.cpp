// Speeds of the engine: dealing every game, counting possible moves.
#include "BenchFakes.h"
#include "Deal.h"
#include "Engine.h"
#include "cGame.h"

#include <benchmark/benchmark.h>

namespace quadrell {
namespace {

// Every game number offered, dealt and laid out on a board.
void DealAndLayOutAll(benchmark::State& state) {
    Deck deck {};
    cGame board;
    for (auto _ : state) {
        for (std::int32_t n = 0; n <= 3240000; ++n) {
            DealGame(n, deck);
            for (Loc i = 0; i < kCardCount; ++i)
                board.init(i, deck[static_cast<std::size_t>(i)]);
            benchmark::DoNotOptimize(board.GetCardIndex(51));
        }
    }
    state.counters["deals"] = 3240001;
}
BENCHMARK(DealAndLayOutAll)->Unit(benchmark::kMillisecond)->Iterations(3);

// Game 1000 after a few moves: cells and foundations in use, a column emptied.
void PossibleMovesMidGame(benchmark::State& state) {
    NullBoardView view;
    QuietOptions options;
    QuietPrompter prompter;
    NoWins wins;
    Engine engine(view, options, prompter, wins);
    engine.NewBoard();
    engine.DealAndLayOut(1000);
    MoveRules& rules = engine.rules();
    const Loc clicks[][2] = { { 51, 50 }, { 48, 200 }, { 40, 201 }, { 32, 202 } };
    for (const auto& click : clicks) {
        rules.CardClicked(click[0]);
        if (click[1] >= kFirstCell) {
            rules.CellClicked(click[1]);
        } else {
            rules.CardClicked(click[1]);
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.state().gBoard.GetPossibleMoves());
    state.counters["moves"] = engine.state().gBoard.GetPossibleMoves();
}
BENCHMARK(PossibleMovesMidGame)->Unit(benchmark::kNanosecond);

} // namespace
} // namespace quadrell
