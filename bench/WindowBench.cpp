// Speeds of the window: painting the board, the pace of a move, opening a game in play,
// the score board and its export.
#include "BenchFakes.h"
#include "BoardWidget.h"
#include "CardArt.h"
#include "Celebration.h"
#include "ChartsPage.h"
#include "ChartsView.h"
#include "ClockFace.h"
#include "GameFile.h"
#include "GameListModel.h"
#include "LossSearch.h"
#include "QtPrompter.h"
#include "RecentMenus.h"
#include "Rss.h"
#include "ScoreBoard.h"
#include "ScoreFile.h"
#include "SessionDialogs.h"
#include "WonGame.h"
#include "frmMain.h"
#include "frmOpenGame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtMath>
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

// A window whose board is drawn at `percent` of its first size.
void ScaleTo(frmMain& window, int percent) {
    const double s = percent / 100.0;
    const int chrome = window.height() - window.board().height();
    window.resize(
        qCeil(BoardWidget::kBoardWidth * s), qCeil(BoardWidget::kBoardHeight * s) + chrome);
    QApplication::processEvents();
}

// One frame of a drag: the pointer moves, the held cards follow, the place they would land
// on is marked, the board is painted. The cards held are the exposed card, or a run of 10
// laid at the foot of the first column.
void DragFrame(benchmark::State& state) {
    Shown shown;
    ScaleTo(shown.window, static_cast<int>(state.range(0)));
    Engine& engine = shown.window.session().engine;
    BoardWidget& board = shown.window.board();
    const int run = static_cast<int>(state.range(1));
    engine.NewBoard();
    engine.state().gGameActive = true;
    // K of spades down to 4 of hearts, alternating colours: suit 4 spades, 1 hearts.
    for (int row = 0; row < run; ++row) {
        const Card c = static_cast<Card>((row % 2 == 0 ? 39 : 0) + 12 - row);
        engine.state().gBoard.init(static_cast<Loc>(row * kColumns), c);
        board.PlaceCard(c, static_cast<Loc>(row * kColumns));
    }
    const Card head = engine.state().gBoard.GetCardIndex(0);
    QPointF at = board.Pixels(board.CardPosition(head), 0, 0).topLeft() + QPointF(20, 8);
    auto send = [&board](QEvent::Type type, QPointF point, Qt::MouseButtons buttons) {
        QMouseEvent e(type, point, board.mapToGlobal(point), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(&board, &e);
    };
    send(QEvent::MouseButtonPress, at, Qt::LeftButton); // selects the run and holds its head
    // Over the next column, which is empty and takes the run: its place is marked.
    at += QPointF(1200 / BoardWidget::kTwipsPerPixel * board.Scale(), 0);
    int step = 0;
    int marked = 0;
    for (auto _ : state) {
        // To and fro, a little up and down: never off the board.
        at += QPointF(step % 40 < 20 ? 7 : -7, step % 2 == 0 ? 3 : -3);
        ++step;
        send(QEvent::MouseMove, at, Qt::LeftButton);
        board.repaint();
        marked += board.DropSpot() != kNoLoc ? 1 : 0;
    }
    if (board.Lifted().size() != static_cast<std::size_t>(run)) state.SkipWithError("not lifted");
    state.counters["scale_%"] = board.Scale() * 100; // as drawn, not as asked
    state.counters["marked_%"] = 100.0 * marked / std::max(step, 1);
}
BENCHMARK(DragFrame)
    ->ArgsProduct({ { 100, 300 }, { 1, 10 } })
    ->ArgNames({ "percent", "cards" })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One frame of a won game's celebration: the cards in the air placed for the moment, the
// board and the cards painted. The moments run through the whole celebration, one frame
// (16 ms) apart; the slowest frame is reported beside the mean.
void CelebrationFrame(benchmark::State& state) {
    Shown shown;
    ScaleTo(shown.window, static_cast<int>(state.range(0)));
    BoardWidget& board = shown.window.board();
    Celebration& party = shown.window.WinCelebration();
    party.Start([] {});
    qint64 moment = 0;
    qint64 slowest = 0;
    QElapsedTimer frame;
    for (auto _ : state) {
        frame.start();
        party.Frame(moment);
        board.repaint();
        slowest = std::max(slowest, frame.nsecsElapsed());
        moment = (moment + Celebration::kFrameMs) % Celebration::kDurationMs;
    }
    party.Stop();
    state.counters["slowest_ms"] = slowest / 1e6;
    state.counters["scale_%"] = board.Scale() * 100;
}
BENCHMARK(CelebrationFrame)
    ->Arg(100)
    ->Arg(300)
    ->ArgName("percent")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The art at a new scale: the 52 faces, the five places and the logo drawn anew.
void RenderArtAtNewScale(benchmark::State& state) {
    CardArt art;
    const double scale = state.range(0) / 100.0;
    const QColor board(0, 64, 128);
    int turn = 0;
    for (auto _ : state) {
        const double s = scale + (turn++ % 2) / 100.0; // a new scale: nothing cached
        art.Clear();
        for (Card c = 0; c < kCardCount; ++c)
            benchmark::DoNotOptimize(art.Face(c, s, 1.0));
        for (int suit = 0; suit <= 4; ++suit)
            benchmark::DoNotOptimize(art.Place(suit, board, s, 1.0));
        benchmark::DoNotOptimize(art.Logo(s, 1.0));
    }
}
BENCHMARK(RenderArtAtNewScale)
    ->Arg(100)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The whole window resized to a new scale: its layout, the art drawn anew and the board
// painted with it (and, on a real display, the window server's share).
void ResizeRendersArt(benchmark::State& state) {
    Shown shown;
    const int percent = static_cast<int>(state.range(0));
    bool other = false;
    for (auto _ : state) {
        ScaleTo(shown.window, percent + (other ? 1 : 0)); // a new scale: nothing cached
        shown.window.board().repaint();
        other = !other;
    }
}
BENCHMARK(ResizeRendersArt)
    ->Arg(100)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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

// Select Game listing a folder of `files` saved games: `mode` 0 lists them by name alone, as
// the list did before it had columns (the anchor); 1 is the listing the player waits for on
// the window's thread; 2 runs until every column is filled in off it.
void OpenGameFolder(benchmark::State& state) {
    Shown shown;
    const QString folder = shown.window.session().save.IncompleteDir();
    for (int i = 0; i < state.range(0); ++i) {
        const QString path = folder + QStringLiteral("/%1.qrl").arg(i);
        GameFile::Write(path, GameFile::Format(i % 1000 + 1, {}, 0), nullptr);
    }
    frmOpenGame dialog = SessionDialogs::OpenGame(shown.window.session(), &shown.window);
    QTreeWidgetItem* node = dialog.Tree()->findItems(
        QStringLiteral("Incomplete Games"), Qt::MatchExactly | Qt::MatchRecursive)[0];
    // The deals rated once before timing, as after a first opening: the files are timed.
    QSignalSpy finished(dialog.Model(), &GameListModel::Finished);
    dialog.ShowNode(node);
    finished.wait(600000);
    for (auto _ : state) {
        switch (state.range(1)) {
        case 0: {
            QStandardItemModel bare;
            for (const GameListItem& item : GameLists::Folder(folder, GameLists::Kinds::Both, {}))
                bare.appendRow(new QStandardItem(item.name));
            break;
        }
        case 1:
            dialog.ShowNode(node);
            state.PauseTiming();
            finished.wait(600000);
            state.ResumeTiming();
            break;
        default:
            dialog.ShowNode(node);
            finished.wait(600000);
        }
    }
}
BENCHMARK(OpenGameFolder)
    ->ArgsProduct({ { 5000 }, { 0, 1, 2 } })
    ->ArgNames({ "files", "mode" })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
        frmScore board = SessionDialogs::ScoreBoard(session, &shown.window);
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
    cScore score(session.save, session.players, prompter, session.clock);
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

// The score board's Charts page on 1,000,000 recorded games: the numbers counted for every
// player and the page painted, as when the tab is first shown.
void ChartsPageOfAMillionGames(benchmark::State& state) {
    Shown shown;
    Session& session = shown.window.session();
    WriteScoreFile(session, 1000000);
    frmScore board = SessionDialogs::ScoreBoard(session, &shown.window);
    auto* page = board.findChild<ChartsPage*>();
    page->resize(760, 440);
    QImage canvas(page->View().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        page->Refresh();
        QPainter p(&canvas);
        page->View().Render(p, QRectF(canvas.rect()));
    }
    state.counters["periods"] = static_cast<double>(page->View().Charts().periods.size());
}
BENCHMARK(ChartsPageOfAMillionGames)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

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
