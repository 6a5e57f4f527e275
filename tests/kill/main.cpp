// quadrell-kill: plays whole games in the window program and kills it at random moments,
// then checks that the next start lost nothing and recorded nothing twice.
//   quadrell-kill run HOME SEED RUNS [--timed] [--faults]
//       the harness (--timed: half the kills at a random moment of the clock; --faults:
//       every third run with a pipe in the score file's place or a full disk; --pipe-faults:
//       the pipe only)
//   quadrell-kill child HOME SEED KILLAT GAMES FAULT   one run of the game (from `run`)
#include "KillChild.h"
#include "KillRun.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <cstdio>

namespace {

using namespace Qt::StringLiterals;

using quadrell::test::KillCheck;
using quadrell::test::KillChild;

// Where a run dies: the n-th event of a kind, weighted towards the moments that matter.
QString killPoint(QRandomGenerator& random) {
    struct Kind {
        const char* name;
        int weight;
        int most;
    };
    static const Kind kinds[]
        = { { "move", 26, 120 }, { "question", 10, 2 }, { "select", 10, 3 }, { "finish", 15, 2 },
              { "noted", 12, 2 }, { "written", 13, 2 }, { "done", 10, 2 }, { "closed", 4, 1 } };
    int pick = static_cast<int>(random.bounded(100));
    for (const Kind& k : kinds) {
        if ((pick -= k.weight) < 0)
            return u"%1:%2"_s.arg(QLatin1String(k.name)).arg(random.bounded(k.most) + 1);
    }
    return u"move:1"_s;
}

QStringList runChild(const QString& home, quint32 seed, const QString& killAt, int games,
    int killAfterMs, bool* killed, KillChild::Fault fault = KillChild::Fault::None) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        { u"child"_s, home, QString::number(seed), killAt, QString::number(games),
            KillChild::NameOf(fault) });
    child.waitForStarted();
    // What it takes to run it again alone, should its next start find something wrong.
    std::fprintf(stderr, "child: %s\n", qPrintable(child.arguments().join(QLatin1Char(' '))));
    if (killAfterMs > 0 && !child.waitForFinished(killAfterMs)) child.kill();
    // Eight games take seconds: a run still going after two minutes hangs.
    const bool hung = child.state() != QProcess::NotRunning && !child.waitForFinished(120000);
    if (hung) {
        child.kill();
        child.waitForFinished();
    }
    *killed = child.exitStatus() == QProcess::CrashExit && !hung;
    KillChild::Restore(home);
    QStringList lines = QString::fromUtf8(child.readAllStandardOutput())
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (hung) lines << u"hung"_s;
    return lines;
}

int run(const QString& home, quint32 seed, int runs, bool timed, bool faults, bool full) {
    QRandomGenerator random(seed);
    KillCheck check;
    for (int i = 0; i < runs; ++i) {
        const bool byClock = timed && i % 2 == 1;
        const QString at = byClock ? QString() : killPoint(random);
        // Every third run with the score file blocked: a pipe in its place or a full disk.
        const KillChild::Fault fault = !faults || i % 3 != 2 ? KillChild::Fault::None
            : i % 6 == 2 || !full                            ? KillChild::Fault::Pipe
                                                             : KillChild::Fault::Full;
        bool killed = false;
        const QStringList lines = runChild(home, random.generate(), at, 8,
            byClock ? static_cast<int>(random.bounded(100, 2000)) : 0, &killed, fault);
        check.Take(lines, killed, fault != KillChild::Fault::None);
    }
    bool killed = false;
    check.Take(runChild(home, random.generate(), QString(), 1, 0, &killed), killed);
    const KillCheck::Figures& f = check.Result();
    std::printf("runs %d (%d with the score file blocked), kills %d, moves kept %d, games "
                "recorded %d\n",
        f.runs, f.faulty, f.kills, f.movesKept, f.gamesRecorded);
    std::printf("lost moves %d, lost games %d, lost records %d, doubled %d, resurrected %d, "
                "totals mismatches %d, hung %d\n",
        f.lostMoves, f.lostGames, f.lostRecords, f.doubled, f.resurrected, f.mismatches, f.hung);
    for (const QString& problem : check.Problems())
        std::printf("problem: %s\n", qPrintable(problem));
    return f.clean() && f.kills > 0 && f.gamesRecorded > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("child") && argc == 7) {
        QApplication app(argc, argv);
        QApplication::setApplicationName(u"Quadrell 2000"_s);
        return KillChild::Run(QString::fromLocal8Bit(argv[2]),
            QString::fromLocal8Bit(argv[3]).toUInt(), QString::fromLocal8Bit(argv[4]),
            QString::fromLocal8Bit(argv[5]).toInt(),
            KillChild::FaultNamed(QString::fromLocal8Bit(argv[6])));
    }
    if (mode == QLatin1String("run") && argc >= 5) {
        QCoreApplication app(argc, argv);
        const QStringList options = QCoreApplication::arguments().mid(5);
        return run(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]).toUInt(),
            QString::fromLocal8Bit(argv[4]).toInt(), options.contains(QLatin1String("--timed")),
            options.contains(QLatin1String("--faults"))
                || options.contains(QLatin1String("--pipe-faults")),
            options.contains(QLatin1String("--faults")));
    }
    std::fprintf(
        stderr, "usage: quadrell-kill run HOME SEED RUNS [--timed] [--faults|--pipe-faults]\n");
    return 2;
}
