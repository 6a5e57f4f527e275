#include "BoardWidget.h"
#include "CardNames.h"
#include "Deal.h"
#include "GameReview.h"
#include "GameReviewer.h"
#include "LossFinder.h"
#include "ModalAnswerer.h"
#include "OpenWindow.h"
#include "ReviewChart.h"
#include "SessionDialogs.h"
#include "dlgReview.h"
#include "frmMain.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// "Review Game" in the window: its rows against the solver, the board following the row
// chosen by keys, table and chart, where closing leaves the game, Cancel, and the ways in.
class ReviewTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AppPaths paths_;
    int run_ = 0;

    std::unique_ptr<frmMain> open() { return OpenWindow(paths_); }
    // Game 7, a card a move to the four cells: the fourth move loses it.
    static void playFourToTheCells(frmMain& w) {
        w.session().menu.NewGame(7, false);
        w.session().menu.Game_Started(false);
        for (const Loc loc : { 48, 49, 44, 47 })
            w.session().engine.rules().CardDoubleClicked(loc);
        w.RefreshMenus();
    }
    static GameReviewer& reviewer(frmMain& w) { return *w.findChild<GameReviewer*>(); }
    static int at(frmMain& w) { return w.session().trans.GetTransID(); }
    // Opens the review by `open`, hands it to `check` once every row is solved (or at once
    // with `early`), and closes it.
    static void whileOpen(const std::function<void()>& open,
        const std::function<void(dlgReview&)>& check, bool early = false) {
        bool checked = false;
        ModalAnswerer answers;
        answers.handler = [&](QWidget* modal) {
            auto* review = qobject_cast<dlgReview*>(modal);
            if (!review || checked || (review->Solving() && !early)) return;
            checked = true;
            check(*review);
            review->accept();
        };
        open();
        QVERIFY(checked);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        paths_ = AppPaths::Inside(dir_.filePath(u"run%1"_s.arg(++run_))); // a first start each
        paths_.Create();
    }

    // Each row says the move, then what the solver says on the board undone to there; the
    // lost move is the one Where Was It Lost? finds.
    void eachRowSaysTheMoveAndTheSolversAnswerThere() {
        auto w = open();
        playFourToTheCells(*w);
        const std::vector<TransRecord> played = w->session().trans.Played();
        const LossFinder::Finding lost = LossFinder::Find(DealtBoard(7), played);
        QCOMPARE(lost.kind, LossFinder::Kind::At);
        QVERIFY(w->Action(u"mnuReview"_s)->isEnabled());
        whileOpen([&] { w->Action(u"mnuReview"_s)->trigger(); },
            [&](dlgReview& review) {
                QCOMPARE(review.List()->count(), 5);
                QCOMPARE(review.List()->currentRow(), 4); // where the game is
                const cGame deal = DealtBoard(7);
                for (int row = 0; row < 5; ++row) {
                    const cGame there = LossFinder::After(deal, played, row);
                    const Solver::Result r
                        = Solver::Solve(there, Solver::Limits::Nodes(Solver::kDealBudget));
                    QString expected = u"Deal. Winnable, %1 moves to win."_s;
                    if (row > 0) {
                        const TransRecord& e = played[static_cast<std::size_t>(row - 1)];
                        const Card card = LossFinder::After(deal, played, row - 1)
                                              .GetCardIndex(static_cast<Loc>(e.SrcLoc));
                        expected = u"Move %1: %2. Still winnable, %3 moves to win."_s.arg(row).arg(
                            CardNames::OfMove(card, static_cast<Loc>(e.Destloc)));
                    }
                    expected = r.verdict == Solver::Verdict::Won
                        ? expected.arg(static_cast<int>(r.line.size()))
                        : expected.section(QLatin1Char('.'), 0, 0)
                            + u". Cannot be won from here."_s;
                    if (row == lost.entries) expected += u" This move lost the game."_s;
                    QCOMPARE(review.List()->item(row)->text(), expected);
                    QCOMPARE(review.Table()->item(row, 0)->text(),
                        row == 0 ? u"Deal"_s : QString::number(row));
                    const QString figure = review.Table()->item(row, 1)->text();
                    QCOMPARE(figure,
                        r.verdict == Solver::Verdict::Won ? QString::number(r.line.size())
                                                          : u"lost"_s);
                    QCOMPARE(review.Table()->item(row, 2)->text(),
                        row == lost.entries ? u"lost the game"_s : QString());
                }
                // A long row is shown whole within the list's width, on more lines if need be.
                QListWidget& list = *review.List();
                for (int row = 0; row < list.count(); ++row)
                    QVERIFY(
                        list.visualItemRect(list.item(row)).right() <= list.viewport()->width());
            });
    }

    // The keys, the table and the chart choose a row; the board goes there, the solver's
    // move from the position before outlined; closing leaves the game at the row chosen.
    void choosingARowMovesTheBoardAndClosingLeavesItThere() {
        auto w = open();
        playFourToTheCells(*w);
        whileOpen([&] { w->Action(u"mnuReview"_s)->trigger(); },
            [&](dlgReview& review) {
                // The status line has its own place, under the list and the chart.
                const auto* status = review.findChild<QLabel*>(u"lblReviewStatus"_s);
                QVERIFY(status->y() > review.List()->geometry().bottom());
                QTest::keyClick(review.List(), Qt::Key_Up);
                QCOMPARE(at(*w), 3);
                // The chart's dot follows: it stands where the row chosen puts it.
                ReviewChart& chart = *review.Chart();
                const QImage followed = chart.grab().toImage();
                chart.SetChosen(4);
                QVERIFY(chart.grab().toImage() != followed);
                chart.SetChosen(3);
                QCOMPARE(chart.grab().toImage(), followed);
                QTest::keyClick(review.List(), Qt::Key_Home);
                QCOMPARE(at(*w), 0);
                QVERIFY(!w->board().HintShown()); // no position before the deal
                QTest::keyClick(review.List(), Qt::Key_Down);
                QTest::keyClick(review.List(), Qt::Key_Down);
                QCOMPARE(at(*w), 2);
                const SolverMove first = review.Solved()[1]->first;
                QCOMPARE(w->board().Hint(), std::make_pair(first.source, first.target));
                QCOMPARE(w->session().trans.MoveCounter(), 2);
                QVERIFY(review.Table()->selectedItems().isEmpty()); // hidden, left alone
                auto* tabs = review.findChild<QTabWidget*>();
                tabs->setCurrentIndex(1); // the table, on the row chosen
                QCOMPARE(review.Table()->currentRow(), 2);
                // Its marks' column reaches the table's right edge: a long mark is read whole.
                const QHeaderView* header = review.Table()->horizontalHeader();
                QTRY_COMPARE(header->sectionViewportPosition(2) + header->sectionSize(2),
                    review.Table()->viewport()->width());
                review.Table()->setCurrentCell(1, 0);
                QCOMPARE(review.List()->currentRow(), 1);
                QCOMPARE(at(*w), 1);
                chart.resize(400, 120);
                QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(399, 60));
                QCOMPARE(review.List()->currentRow(), 4);
                QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(0, 60));
                QCOMPARE(review.List()->currentRow(), 0);
                chart.resize(30, 120); // narrower than its margins: a click is the start
                review.List()->setCurrentRow(2);
                QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(25, 60));
                QCOMPARE(review.List()->currentRow(), 0);
                review.List()->setCurrentRow(3);
            });
        QCOMPARE(at(*w), 3);
        QVERIFY(w->Action(u"mnuRedo"_s)->isEnabled()); // the rest is still there
    }

    // From the finished game's dialog the review gives the game back as it was.
    void fromTheFinishedDialogClosingGoesBackToWhereItWas() {
        auto w = open();
        playFourToTheCells(*w);
        w->session().trans.Undo();
        whileOpen([&] { reviewer(*w).Open(true); },
            [&](dlgReview& review) {
                QCOMPARE(review.List()->count(), 4);
                QCOMPARE(review.List()->currentRow(), 3);
                review.List()->setCurrentRow(1);
                QCOMPARE(at(*w), 1);
            });
        QCOMPARE(at(*w), 3);
        QCOMPARE(w->Parts().panels[0]->text(), u"Movements: 3"_s); // and the window says so
        int reviews = 0;
        dlgFinish finish = SessionDialogs::Finish(w->session(), w.get(), [&reviews] { ++reviews; });
        finish.findChild<QPushButton*>(u"cmdReview"_s)->click();
        QCOMPARE(reviews, 1);
        dlgFinish plain = SessionDialogs::Finish(w->session(), w.get());
        QVERIFY(!plain.findChild<QPushButton*>(u"cmdReview"_s));
    }

    // A game watched is reviewed in full, from wherever it has been stepped to.
    void aWatchedGameIsReviewedInFull() {
        auto w = open();
        playFourToTheCells(*w);
        w->session().menu.GiveUpAndWatch();
        w->session().trans.UndoAll();
        w->session().trans.Redo();
        w->RefreshMenus();
        QVERIFY(w->Action(u"mnuReview"_s)->isEnabled());
        whileOpen([&] { w->Action(u"mnuReview"_s)->trigger(); },
            [&](dlgReview& review) {
                QCOMPARE(review.List()->count(), 5);
                QCOMPARE(review.List()->currentRow(), 1);
            });
    }

    // Cancel stops at once; the rows not solved say so and nothing more arrives. The pool is
    // held so the work has not begun when Cancel comes.
    void cancelStopsAtOnceAndKeepsTheRowsSolved() {
        auto w = open();
        playFourToTheCells(*w);
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        QSemaphore started, release;
        pool.start([&] {
            started.release();
            release.acquire();
        });
        started.acquire();
        auto review
            = std::make_shared<const GameReview>(DealtBoard(7), w->session().trans.Played());
        dlgReview dialog(review, 4, QString(), w.get(), &pool);
        QVERIFY(dialog.Solving());
        // Its work counts as under way from the start, though the pool has not taken it up.
        QVERIFY(dialog.findChild<QFutureWatcherBase*>()->isRunning());
        QVERIFY(dialog.List()->item(4)->text().endsWith(u". Not solved yet."_s));
        auto* cancel = dialog.findChild<QPushButton*>(u"CancelButton"_s);
        cancel->click();
        QVERIFY(!dialog.Solving());
        QVERIFY(!cancel->isEnabled());
        release.release();
        pool.waitForDone();
        QTest::qWait(20);
        for (const auto& row : dialog.Solved())
            QVERIFY(!row);
        QVERIFY(
            dialog.List()->item(4)->text().endsWith(u". Not solved: the review was stopped."_s));
        // Left to run, every row is solved and the button has nothing left to stop.
        dlgReview whole(review, 4, QString(), w.get(), &pool);
        QTRY_VERIFY(!whole.Solving());
        for (const auto& row : whole.Solved())
            QVERIFY(row);
        const auto* bar = whole.findChild<QProgressBar*>();
        QCOMPARE(bar->value(), bar->maximum()); // the bar says every position is solved
        whole.show();                           // laid out below the list, not lying loose over it
        QVERIFY(bar->geometry().top() > whole.List()->geometry().bottom());
        QVERIFY(!whole.findChild<QPushButton*>(u"CancelButton"_s)->isEnabled());
    }

    // The question that gives a game up offers the review too, and keeps the game.
    void theGiveUpQuestionOpensTheReview() {
        auto w = open();
        playFourToTheCells(*w);
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->findChild<QAbstractButton*>(u"cmdSecondOther"_s)->click();
        });
        whileOpen([&] { w->Action(u"mnuNew"_s)->trigger(); },
            [&](dlgReview& review) { QCOMPARE(review.List()->count(), 5); });
        QVERIFY(w->session().engine.state().gGameActive);
        QCOMPARE(at(*w), 4);
    }

    // The marks as a row reads them: the lost move, a costly move with what it cost, a row
    // not solved yet, a won position.
    void aRowReadsItsMarks() {
        auto w = open();
        playFourToTheCells(*w);
        const GameReview review(DealtBoard(7), w->session().trans.Played());
        using V = Solver::Verdict;
        const dlgReview::Rows rows { GameReview::Row { 0, V::Won, 60, {} },
            GameReview::Row { 1, V::Won, 80, {} }, GameReview::Row { 2, V::Won, 1, {} },
            GameReview::Row { 3, V::Lost, -1, {} }, std::nullopt };
        const QString cost = u"A costly move: %1 more moves to win."_s.arg(80 - 59);
        const struct {
            int row;
            int lostAt;
            bool stopped;
            QString ends;
        } cases[] {
            { 0, -1, false, u"Deal. Winnable, 60 moves to win."_s },
            { 1, -1, false, u". Still winnable, 80 moves to win. "_s + cost },
            { 2, -1, false, u". Still winnable, 1 move to win."_s },
            { 3, 3, false, u". Cannot be won from here. This move lost the game."_s },
            { 3, -1, false, u". Cannot be won from here."_s },
            { 4, -1, false, u". Not solved yet."_s },
            { 4, -1, true, u". Not solved: the review was stopped."_s },
        };
        for (const auto& c : cases) {
            const QString text = dlgReview::RowText(review, rows, c.row, c.lostAt, c.stopped);
            QVERIFY2(text.endsWith(c.ends), qPrintable(text));
            if (c.row > 0) QVERIFY(text.startsWith(u"Move %1: "_s.arg(c.row)));
        }
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::ReviewTest)
#include "ReviewTest.moc"
