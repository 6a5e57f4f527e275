#include "KillChild.h"

#include "BoardWidget.h"
#include "LossSearch.h"
#include "RecentMenus.h"
#include "SafeFile.h"
#include "ScoreFile.h"
#include "Solver.h"
#include "WonGame.h"
#include "frmMain.h"
#include "frmSelectGame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <map>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;

namespace {

class Player {
public:
    Player(frmMain& window, quint32 seed, const QString& killAt, int games)
        : w_(window)
        , s_(window.session())
        , random_(seed)
        , killKind_(killAt.section(QLatin1Char(':'), 0, 0))
        , killCount_(killAt.section(QLatin1Char(':'), 1).toInt())
        , games_(games) { }

    void Start(KillChild::Fault fault) {
        report();
        inject(fault);
        s_.score.SetCheckpoint([this](const char* step) {
            // A game ends when it is noted: under a fault its line may never follow.
            // A note the settings could not take (the whole disk full) cannot outlive a
            // kill: it is told apart, and only a note on the disk must come back.
            if (qstrcmp(step, "noted") == 0) {
                const char* kind = s_.store.WriteFailing() ? "unsaved" : "noted";
                say(u"%1 %2"_s.arg(QLatin1String(kind)).arg(recording_));
                ++played_;
            }
            if (qstrcmp(step, "done") == 0) say(u"recorded %1"_s.arg(recording_));
            event(QLatin1String(step));
        });
        connect();
    }

private:
    void say(const QString& line) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }

    void event(const QString& kind) {
        if (kind == killKind_ && --killCount_ == 0) {
            say(u"kill %1"_s.arg(kind));
            std::raise(SIGKILL);
        }
    }

    // What the files say at start-up, before anything is played.
    void report() {
        const GameState& st = s_.engine.state();
        if (st.gGameActive && !st.gFinishedView) {
            say(u"start resumed %1 %2"_s.arg(st.gGameNumber).arg(s_.trans.GetTransID()));
            next_ = st.gGameNumber + 1;
        } else {
            say(u"start none"_s);
        }
        const FileRead file = SafeFile::Read(s_.save.ScoreFile(), SafeFile::kScoreFileCap);
        std::map<qint32, int> count;
        qint64 total = 0, won = 0, time = 0, score = 0;
        QStringList numbers;
        for (const ScoreRec& r : ScoreFile::ParseAll(file.bytes)) {
            numbers << QString::number(r.GameNo);
            ++count[r.GameNo];
            next_ = std::max(next_, r.GameNo + 1);
            ++total;
            won += r.Won();
            time += r.Time;
            score += r.Score;
        }
        say(u"games "_s + numbers.join(QLatin1Char(' ')));
        int dup = 0;
        for (const auto& [game, n] : count)
            dup += n - 1;
        say(u"dup %1"_s.arg(dup));
        const cPlayer& p = s_.players;
        const bool ok = p.GetTotal(1) == total && p.GetWon(1) == won && p.GetTime(1) == time
            && p.GetScore(1) == score && p.GetLost(1) == total - won;
        say(ok ? u"totals ok"_s
               : u"totals mismatch: file %1 %2 %3 %4, totals %5 %6 %7 %8"_s.arg(total)
                     .arg(won)
                     .arg(time)
                     .arg(score)
                     .arg(p.GetTotal(1))
                     .arg(p.GetWon(1))
                     .arg(p.GetTime(1))
                     .arg(p.GetScore(1)));
    }

    // Real faults in the real files, after the start has been reported from them.
    void inject(KillChild::Fault fault) {
        const QString score = s_.save.ScoreFile();
        if (fault == KillChild::Fault::Pipe) {
            QFile::rename(score, score + u".held"_s);
            ::mkfifo(QFile::encodeName(score).constData(), 0600);
        } else if (fault == KillChild::Fault::Full) {
            rlimit limit {};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = static_cast<rlim_t>(std::max<qint64>(QFileInfo(score).size(), 1));
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }

    // Two timers: a timer does not fire again while its own handler runs, and the play
    // timer's handler is still running while a dialog it opened waits for its answer.
    void connect() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        // The answer is given from a fresh single-shot timer, since it may open the next
        // dialog and wait in it.
        QObject::connect(&answerer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || answering_) return;
            answering_ = true;
            // A box may close on its own before its answer comes: the next one is still
            // answered.
            QTimer::singleShot(0, &answerer_, [this, box = QPointer<QWidget>(modal)] {
                answering_ = false;
                if (box) answer(box);
            });
        });
        timer_.start(0);
        answerer_.start(1);
    }

    void step() {
        if (QApplication::activeModalWidget()) return;
        play();
    }

    void answer(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            event(u"question"_s);
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        } else if (qobject_cast<frmSelectGame*>(modal)) {
            event(u"select"_s);
            modal->findChild<QLineEdit*>(u"Text1"_s)->setText(QString::number(next_++));
            modal->findChild<QPushButton*>(u"cmdSelect"_s)->click();
        } else if (auto* finish = modal->findChild<QComboBox*>(u"imcGame"_s)) {
            event(u"finish"_s);
            recording_ = s_.engine.state().gGameNumber;
            line_.clear();
            // "Select a New Game" keeps the numbers ours; Cancel leaves an empty board.
            const bool select = random_.bounded(3) != 0;
            finish->setCurrentIndex(1);
            const char* name = select ? "OKButton" : "CancelButton";
            modal->findChild<QPushButton*>(QLatin1String(name))->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject(); // the empty-column dialog: the single card is moved
        }
    }

    void play() {
        const GameState& st = s_.engine.state();
        if (s_.win.Pending()) return; // the finished-game dialog is on its way
        if (st.gFinishedView && random_.bounded(3) != 0) {
            // A watched game closed: nothing may be recorded for it, now or after a kill.
            w_.Action(u"mnuClose"_s)->trigger();
            event(u"closed"_s);
            return;
        }
        if (!st.gGameActive || st.gFinishedView) {
            if (played_ >= games_) {
                timer_.stop();
                QApplication::exit(0);
                return;
            }
            line_.clear();
            w_.Action(u"mnuSelect"_s)->trigger();
            return;
        }
        if (line_.empty() && position_ == 0) plan();
        if (position_ >= line_.size() || static_cast<long>(position_) == giveUpAt_) return giveUp();
        recording_ = st.gGameNumber;
        Solver::Play(s_.engine, line_[position_++]);
        emit w_.board().InputHandled();
        say(u"kept %1 %2"_s.arg(st.gGameNumber).arg(s_.trans.GetTransID()));
        event(u"move"_s);
        if (position_ >= line_.size()) { // won: the dialog follows
            line_.clear();
            position_ = 0;
        }
    }

    void plan() {
        const Solver::Result r
            = Solver::Solve(s_.engine.state().gBoard, Solver::Limits::Nodes(Solver::kDealBudget));
        line_ = r.line;
        position_ = 0;
        // A third of the games are given up part of the way through.
        giveUpAt_ = random_.bounded(3) == 0
            ? static_cast<long>(random_.bounded(std::max<int>(1, int(line_.size()))))
            : -1;
        if (r.verdict != Solver::Verdict::Won) giveUpAt_ = 0;
    }

    void giveUp() {
        recording_ = s_.engine.state().gGameNumber;
        line_.clear();
        position_ = 0;
        giveUpAt_ = -1;
        // Given up by closing it, by choosing another game, or to watch its solution (as
        // Show Solution answered Yes does), which lays it out again to be watched.
        const auto how = random_.bounded(3);
        if (how == 2) return s_.menu.GiveUpAndWatch();
        w_.Action(QLatin1String(how == 0 ? "mnuClose" : "mnuSelect"))->trigger();
    }

    frmMain& w_;
    Session& s_;
    QRandomGenerator random_;
    QString killKind_;
    int killCount_;
    int games_;
    int played_ = 0;
    qint32 next_ = 1000;
    qint32 recording_ = -1;
    std::vector<SolverMove> line_;
    std::size_t position_ = 0;
    long giveUpAt_ = -1;
    QTimer timer_;
    QTimer answerer_;
    bool answering_ = false;
};

} // namespace

KillChild::Fault KillChild::FaultNamed(const QString& name) {
    if (name == QLatin1String("pipe")) return Fault::Pipe;
    if (name == QLatin1String("full")) return Fault::Full;
    return Fault::None;
}

QString KillChild::NameOf(Fault fault) {
    switch (fault) {
    case Fault::Pipe:
        return u"pipe"_s;
    case Fault::Full:
        return u"full"_s;
    case Fault::None:
        break;
    }
    return u"none"_s;
}

void KillChild::Restore(const QString& home) {
    const QString score = AppPaths::Inside(home).dataFolder + u"/Quadrell2000.sre"_s;
    if (!QFile::exists(score + u".held"_s)) return;
    QFile::remove(score);
    QFile::rename(score + u".held"_s, score);
}

int KillChild::Run(
    const QString& home, quint32 seed, const QString& killAt, int games, Fault fault) {
    // As the program's own start does: a write past a size limit is a failed write.
    SafeFile::IgnoreFileSizeSignal();
    const AppPaths paths = AppPaths::Inside(home);
    paths.Create();
    frmMain window(paths, QString());
    window.SetQuitAction([] { QApplication::exit(0); });
    if (!window.Load()) return 1;
    window.session().opt.SetCardSpeed(1); // no animation to wait for
    window.show();
    Player player(window, seed, killAt, games);
    player.Start(fault);
    const int code = QApplication::exec();
    window.close();
    return code;
}

} // namespace quadrell::test
