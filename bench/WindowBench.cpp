// Speeds of the window: painting the board, the pace of a move, opening a game in play.
#include "BoardWidget.h"
#include "GameFile.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace quadrell {
namespace {

struct Shown {
    QTemporaryDir home;
    frmMain window { AppPaths::Inside(home.path()), QString() };
    Shown() {
        window.SetQuitAction([] {});
        window.Load();
        window.show();
        window.session().menu.NewGame(1000, false);
        window.session().menu.Game_Started(false);
        QApplication::processEvents();
    }
};

// The whole board painted once, as every step of a move could ask.
void RepaintWholeBoard(benchmark::State& state) {
    Shown shown;
    for (auto _ : state)
        shown.window.board().repaint();
}
BENCHMARK(RepaintWholeBoard)->Unit(benchmark::kMicrosecond);

// One ordinary move of 30 steps, paced, as the player sees it.
void MoveOfThirtySteps(benchmark::State& state) {
    Shown shown;
    BoardWidget& board = shown.window.board();
    bool out = true;
    for (auto _ : state) {
        board.MoveCard(8, out ? 48 : 200, out ? 200 : 48, 30, false);
        out = !out;
    }
}
BENCHMARK(MoveOfThirtySteps)->Unit(benchmark::kMillisecond)->UseRealTime();

// A game of 500 entries opened while another is played: every step drawn, none paced.
void OpenGameOf500Entries(benchmark::State& state) {
    Shown shown;
    std::vector<TransRecord> entries;
    for (int i = 0; i < 500; ++i) {
        const bool out = i % 2 == 0;
        entries.push_back({ static_cast<std::int16_t>(out ? 48 : 200),
            static_cast<std::int16_t>(out ? 200 : 48), 1, static_cast<std::int16_t>(i + 1) });
    }
    const QString path = shown.home.filePath(QStringLiteral("long.qrl"));
    GameFile::Write(path, GameFile::Format(0, entries, entries.size()), nullptr);
    for (auto _ : state)
        shown.window.session().trans.OpenFromFile(path);
}
BENCHMARK(OpenGameOf500Entries)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace quadrell

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
