// Speeds of the window: painting the board, the pace of a move, opening a game in play,
// the score board and its export.
#include "BenchFakes.h"
#include "BoardWidget.h"
#include "GameFile.h"
#include "QtPrompter.h"
#include "Rss.h"
#include "ScoreBoard.h"
#include "ScoreFile.h"
#include "frmMain.h"
#include "frmScore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTreeView>
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
        shown.window.session().menu.OpenFromFile(path);
}
BENCHMARK(OpenGameOf500Entries)->Unit(benchmark::kMillisecond)->UseRealTime();

// A score file of `games` lines for player 1, made before the window's clock starts.
void WriteScoreFile(Session& session, std::int64_t games) {
    ScoreRec r;
    r.Name = session.players.GetName(1);
    QFile file(session.save.ScoreFile());
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < games; ++i) {
        r.GameNo = i;
        r.Moves = 80 + i % 50;
        r.Time = 150 + i % 400;
        r.Perc = static_cast<qint16>(i % 3 == 0 ? 100 : i % 100);
        r.Score = cScore::GetScore(r.Moves, r.Time, r.Perc);
        r.Date = *ScoreDate::Parse(QStringLiteral("2026-%1-%2 10:00:00")
                                       .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                       .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                       .toLatin1());
        file.write(ScoreFile::FormatLine(r));
    }
    session.players.AddPlayer(r.Name, 1, QString(), QStringLiteral("2000-01-01 00:00:00"));
    session.score.SetDayComboIndex(5);
}

// Opening the score board (Create_All) on a score file of 100,000 or 1,000,000 games, and
// the memory it adds at its peak.
void OpenScoreBoard(benchmark::State& state) {
    Shown shown;
    Session& session = shown.window.session();
    WriteScoreFile(session, state.range(0));
    double added = 0;
    for (auto _ : state) {
        const double before = Rss::ResetPeak();
        frmScore board(session, &shown.window);
        benchmark::DoNotOptimize(board.Scores()->model()->rowCount());
        added = std::max(added, Rss::Peak() - before);
    }
    state.counters["added_MB"] = added;
}
BENCHMARK(OpenScoreBoard)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// "Export Score" of a million games, written off the window's thread through the window's
// own progress window; the memory it adds to the loaded board at its peak.
void ExportScoreBoard(benchmark::State& state) {
    Shown shown;
    Session& session = shown.window.session();
    WriteScoreFile(session, state.range(0));
    QtPrompter windowPrompter(&shown.window);
    QuietPrompter prompter;
    prompter.saveAs = shown.home.filePath(QStringLiteral("board.txt")).toStdString();
    prompter.progress = &windowPrompter;
    cScore score(session.save, session.players, prompter);
    score.LoadScores();
    const auto statistics = ScoreBoard::Statistics(score.Records(), session.players);
    double added = 0;
    for (auto _ : state) {
        const double before = Rss::ResetPeak();
        if (!score.Export(statistics, session.players.GetName(1)))
            state.SkipWithError("nothing was exported");
        added = std::max(added, Rss::Peak() - before);
    }
    state.counters["added_MB"] = added;
    state.counters["file_MB"]
        = double(QFileInfo(QString::fromStdString(prompter.saveAs)).size()) / (1024.0 * 1024.0);
}
BENCHMARK(ExportScoreBoard)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

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
