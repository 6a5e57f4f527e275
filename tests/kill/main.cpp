// quadrell-kill: plays whole games in the window program and kills it at random moments,
// then checks that the next start lost nothing and recorded nothing twice.
//   quadrell-kill run HOME SEED RUNS [--timed]   the harness (--timed: half the kills at a
//                                                 random moment of the clock)
//   quadrell-kill child HOME SEED KILLAT GAMES   one run of the game (started by `run`)
#include "KillChild.h"
#include "KillRun.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

namespace {

using quadrell::test::KillCheck;

// Where a run dies: the n-th event of a kind, weighted towards the moments that matter.
QString killPoint(QRandomGenerator& random) {
    struct Kind {
        const char* name;
        int weight;
        int most;
    };
    static const Kind kinds[] = { { "move", 30, 120 }, { "question", 10, 2 }, { "select", 10, 3 },
        { "finish", 15, 2 }, { "noted", 12, 2 }, { "written", 13, 2 }, { "done", 10, 2 } };
    int pick = static_cast<int>(random.bounded(100));
    for (const Kind& k : kinds) {
        if ((pick -= k.weight) < 0)
            return QStringLiteral("%1:%2")
                .arg(QLatin1String(k.name))
                .arg(random.bounded(k.most) + 1);
    }
    return QStringLiteral("move:1");
}

QStringList runChild(const QString& home, quint32 seed, const QString& killAt, int games,
    int killAfterMs, bool* killed) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("child"), home, QString::number(seed), killAt, QString::number(games) });
    child.waitForStarted();
    if (killAfterMs > 0 && !child.waitForFinished(killAfterMs)) child.kill();
    child.waitForFinished(600000);
    *killed = child.exitStatus() == QProcess::CrashExit;
    return QString::fromUtf8(child.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int run(const QString& home, quint32 seed, int runs, bool timed) {
    QRandomGenerator random(seed);
    KillCheck check;
    for (int i = 0; i < runs; ++i) {
        const bool byClock = timed && i % 2 == 1;
        const QString at = byClock ? QString() : killPoint(random);
        bool killed = false;
        const QStringList lines = runChild(home, random.generate(), at, 8,
            byClock ? static_cast<int>(random.bounded(100, 2000)) : 0, &killed);
        check.Take(lines, killed);
    }
    bool killed = false;
    check.Take(runChild(home, random.generate(), QString(), 1, 0, &killed), killed);
    const KillCheck::Figures& f = check.Result();
    std::printf("runs %d, kills %d, moves kept %d, games recorded %d\n", f.runs, f.kills,
        f.movesKept, f.gamesRecorded);
    std::printf("lost moves %d, lost games %d, doubled %d, resurrected %d, totals mismatches %d\n",
        f.lostMoves, f.lostGames, f.doubled, f.resurrected, f.mismatches);
    for (const QString& problem : check.Problems())
        std::printf("problem: %s\n", qPrintable(problem));
    return f.clean() && f.kills > 0 && f.gamesRecorded > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("child") && argc == 6) {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
        return quadrell::test::KillChild::Run(QString::fromLocal8Bit(argv[2]),
            QString::fromLocal8Bit(argv[3]).toUInt(), QString::fromLocal8Bit(argv[4]),
            QString::fromLocal8Bit(argv[5]).toInt());
    }
    if (mode == QLatin1String("run") && (argc == 5 || argc == 6)) {
        QCoreApplication app(argc, argv);
        return run(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]).toUInt(),
            QString::fromLocal8Bit(argv[4]).toInt(), argc == 6);
    }
    std::fprintf(stderr, "usage: quadrell-kill run HOME SEED RUNS [--timed]\n");
    return 2;
}
