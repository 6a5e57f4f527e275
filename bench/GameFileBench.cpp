// Reading a game file of the largest size a history can hold and restoring it.
#include "BenchFakes.h"
#include "GameFile.h"
#include "GameWindow.h"
#include "Session.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace quadrell {
namespace {

// Game 0's exposed 9H goes to a cell and back, 32767 times in all.
QByteArray largestGame() {
    std::vector<TransRecord> entries;
    for (int i = 0; i < GameFile::kMaxEntries; ++i) {
        const bool out = i % 2 == 0;
        entries.push_back({ static_cast<std::int16_t>(out ? 48 : 200),
            static_cast<std::int16_t>(out ? 200 : 48), 1, static_cast<std::int16_t>(i + 1) });
    }
    return GameFile::Format(0, entries, entries.size());
}

void ReadAndRestoreLargestGame(benchmark::State& state) {
    QTemporaryDir dir;
    const AppPaths paths = AppPaths::Inside(dir.path());
    paths.Create();
    const QString path = dir.filePath(QStringLiteral("large.qrl"));
    GameFile::Write(path, largestGame(), nullptr);
    NullBoardView view;
    QuietPrompter prompter;
    HeadlessGameWindow window;
    ManualReplayControl replay;
    Session session(paths, view, prompter, window, replay);
    for (auto _ : state) {
        if (!session.menu.OpenFromFile(path)) state.SkipWithError("the file did not open");
    }
    state.counters["entries"] = session.trans.TransCount();
}
BENCHMARK(ReadAndRestoreLargestGame)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quadrell
