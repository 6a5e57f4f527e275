#include "AppStyle.h"
#include "BoardBuilder.h"
#include "BoardPalette.h"
#include "BoardWidget.h"
#include "CardArt.h"
#include "CardNames.h"
#include "Celebration.h"
#include "ClockFace.h"
#include "CommandTable.h"
#include "Contrast.h"
#include "FaultInjection.h"
#include "FinishNotice.h"
#include "Icons.h"
#include "LossSearch.h"
#include "ModalAnswerer.h"
#include "MoveAnnouncer.h"
#include "OpenWindow.h"
#include "RecentMenus.h"
#include "ScoreFile.h"
#include "ScriptedPrompter.h"
#include "SessionDialogs.h"
#include "SettingsStore.h"
#include "SolveTask.h"
#include "StatusPanels.h"
#include "StepPacer.h"
#include "TitleFlash.h"
#include "TodaysDeal.h"
#include "WonGame.h"
#include "cCustom.h"
#include "cScore.h"
#include "frmAddPlayer.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmSource.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThreadPool>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <map>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// A widget that notes every event it is given.
struct EventLog : QWidget {
    std::vector<int> got;
    bool event(QEvent* e) override {
        got.push_back(e->type());
        return QWidget::event(e);
    }
};

// Holds a search's answer back until the search's busy signs show, notes them and runs
// `then`, and lets the answer through: however fast the machine, it comes after the signs.
struct HeldAnswer : QObject {
    explicit HeldAnswer(const QStatusBar& status) : status_(status) {
        qApp->installEventFilter(this);
    }
    ~HeldAnswer() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* to, QEvent* event) override {
        if (event->type() != QEvent::MetaCall || !qobject_cast<SolveTask*>(to) || held)
            return false;
        held = true;
        const QDeadlineTimer limit(20000);
        while (!QApplication::overrideCursor() && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        cursor = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : -1;
        message = status_.currentMessage();
        if (then) then();
        return false;
    }
    const QStatusBar& status_;
    std::function<void()> then;
    bool held = false;
    int cursor = -1;
    QString message;
};

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AppPaths paths_;
    int run_ = 0;
    int registered_ = 0;
    QDateTime now_; // the windows' clock

    std::unique_ptr<frmMain> open(const QString& commandLine = {}) {
        return OpenWindow(
            paths_, commandLine, [this] { ++registered_; }, [this] { return now_; });
    }
    static void deal(frmMain& w, qint32 game) {
        w.session().menu.NewGame(game, false);
        w.session().menu.Game_Started(false);
    }
    std::unique_ptr<frmMain> dealt(qint32 game) {
        auto window = open();
        deal(*window, game);
        return window;
    }
    // A point on the board, in widget pixels at the board's present scale.
    static QPoint at(const BoardWidget& board, QPointF twips) {
        return board.Pixels(twips, 0, 0).topLeft().toPoint();
    }
    // Near the top of the card picture lying at `loc`, where its strip shows.
    static QPoint onCard(frmMain& w, Loc loc) {
        const Card card = w.session().engine.state().gBoard.GetCardIndex(loc);
        return at(w.board(), w.board().CardPosition(card) + QPointF(35, 8) * 15);
    }
    // The middle of a place.
    static QPoint onPlace(const BoardWidget& board, Loc loc) {
        return at(board, board.ShownAt(loc) + QPointF(35, 48) * 15);
    }
    static void clickCard(frmMain& w, Loc loc) {
        QTest::mouseClick(&w.board(), Qt::LeftButton, {}, onCard(w, loc));
    }
    // Presses at `from` and moves in steps to `to` (board pixels), still holding.
    static void hold(BoardWidget& board, QPoint from, QPoint to, int steps = 10) {
        QTest::mousePress(&board, Qt::LeftButton, {}, from);
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(&board, from + (to - from) * i / steps);
    }
    // Presses the card at `loc`, drags it in steps to `to` and lets go.
    static void dragCard(frmMain& w, Loc loc, QPoint to) {
        hold(w.board(), onCard(w, loc), to);
        QTest::mouseRelease(&w.board(), Qt::LeftButton, {}, to);
    }
    static void sureWinBehindOneMove(frmMain& w) {
        BoardBuilder(w.session().engine).sureWinBehindOneMove();
        showPosition(w);
    }
    // Lays the engine's position out on the board as it stands, each column top down.
    static void showPosition(frmMain& w) {
        const cGame& board = w.session().engine.state().gBoard;
        for (Loc loc = 0; loc <= kLastFoundation; ++loc)
            if (loc != kNotAPlace && board.GetCardIndex(loc) != kNoCard)
                w.board().PlaceCard(board.GetCardIndex(loc), loc);
        w.board().ShowCards(true);
    }
    static QLabel* panel(frmMain& w, std::size_t i) { return w.Parts().panels[i]; }
    static std::vector<Loc> tags(frmMain& w) {
        std::vector<Loc> t;
        for (Card c = 0; c < kCardCount; ++c)
            t.push_back(w.session().engine.state().gBoard.GetLocation(c));
        return t;
    }

private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(u"^QPainter"_s)); // a painter misused
        QVERIFY(dir_.isValid());
        paths_ = AppPaths::Inside(dir_.filePath(u"run%1"_s.arg(++run_))); // a first start each
        paths_.Create();
        registered_ = 0;
        now_ = TestNow();
    }

    void firstStartResetsAndShowsAnEmptyBoard() {
        auto w = open();
        QCOMPARE(registered_, 1); // the folders it sets up are the lifecycle's (LifecycleTest)
        QCOMPARE(w->Parts().players->currentText(), u"Guest"_s);
        // Its list is built when it first drops down: the first picture never shows it.
        QVERIFY(!w->Parts().players->findChild<QAbstractItemView*>());
        QCOMPARE(w->focusWidget(), &w->board()); // the keys play from the start
        QVERIFY(panel(*w, 0)->text().isEmpty());
        w->close();
        auto again = open(); // the second start is no first run
        QCOMPARE(registered_, 1);
    }

    // The first picture's own drawings are kept after the first start; the next start copies
    // every one of them (it writes nothing) and shows the same picture.
    void theNextStartShowsTheSamePictureFromItsCache() {
        const QString kept = QDir(paths_.cacheFolder).filePath(u"pictures"_s);
        const auto inode = [&kept] {
            struct stat info { };
            return ::stat(QFile::encodeName(kept).constData(), &info) == 0 ? info.st_ino : 0;
        };
        auto first = open();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        QTRY_VERIFY(inode() != 0);
        const QImage board = first->board().grab().toImage();
        const QImage bar = first->findChild<QToolBar*>()->grab().toImage();
        const QImage clock = first->Parts().clock->grab().toImage();
        const auto written = inode();
        first.reset();
        auto next = open();
        QVERIFY(QTest::qWaitForWindowExposed(next.get()));
        QCoreApplication::processEvents();
        QCOMPARE(next->board().grab().toImage(), board);
        QCOMPARE(next->findChild<QToolBar*>()->grab().toImage(), bar);
        QCOMPARE(next->Parts().clock->grab().toImage(), clock);
        QCOMPARE(inode(), written);
    }

    void aNewGameFillsCaptionBoardAndStatus() {
        auto w = open();
        w->Action(u"mnuNew"_s)->trigger();
        const qint32 game = w->session().engine.state().gGameNumber;
        QCOMPARE(w->windowTitle(), u"QuadRell 2000 - Game No. %1"_s.arg(game));
        QVERIFY(w->board().CardsShown());
        w->ClockTick();
        QCOMPARE(panel(*w, 0)->text(), u"Movements: 0"_s);
        QCOMPARE(panel(*w, 1)->text(), u"Cards Left: 52"_s);
        QVERIFY(panel(*w, 2)->text().startsWith(u"Possible Moves: "_s));
        QVERIFY(panel(*w, 3)->text().startsWith(u"Session Time: 0:00:0"_s));
        QVERIFY(w->Parts().clock->text().startsWith(u"0:00:0"_s));
    }

    // The class is chosen in its dialog, then Shift+F2 deals another of it without asking.
    void aNewGameOfTheDifficultyChosenAndAnotherByItsKey() {
        auto w = open();
        w->session().opt.SetRandomIndex(1);
        const GameState& state = w->session().engine.state();
        QStringList presets;
        ModalAnswerer answers;
        answers.handler = [&presets](QWidget* dialog) {
            auto* medium = dialog->findChild<QRadioButton*>(u"optLevel2"_s);
            if (!medium) return; // the search's progress window, on a slow machine
            for (auto* option : dialog->findChildren<QRadioButton*>())
                if (option->isChecked()) presets << option->objectName();
            QCOMPARE(medium->text().remove(QLatin1Char('&')), u"Medium (35 % of deals)"_s);
            medium->setChecked(true);
            dialog->findChild<QPushButton*>(u"cmdDeal"_s)->click();
        };
        w->Action(u"mnuSameDifficulty"_s)->trigger(); // no class chosen yet: the dialog asks
        QTRY_VERIFY(state.gGameActive);
        QCOMPARE(Difficulty::RateDeal(state.gGameNumber)->level, Difficulty::Level::Medium);
        const qint32 first = state.gGameNumber;
        w->Action(u"mnuSameDifficulty"_s)->trigger(); // Yes to leaving the game
        QTRY_VERIFY(state.gGameNumber != first);
        QCOMPARE(Difficulty::RateDeal(state.gGameNumber)->level, Difficulty::Level::Medium);
        w->Action(u"mnuNewDifficulty"_s)->trigger();
        QTRY_COMPARE(presets, (QStringList { u"optLevel1"_s, u"optLevel2"_s }));
    }

    void dragsMakeTheClickMovesAndIllegalDropsSlideBack() {
        auto w = dealt(7);
        const GameState& state = w->session().engine.state();
        const BoardWidget& board = w->board();
        const auto before = tags(*w);
        ModalAnswerer answers;
        // 4S at 46 onto column 0, where it does not fit: back where it was, nothing moved,
        // and the rule said in the status bar, with no box to close.
        const Card four = state.gBoard.GetCardIndex(46);
        dragCard(*w, 46, QPoint(40, 250));
        QCOMPARE(tags(*w), before);
        QCOMPARE(board.CardPosition(four), board.ShownAt(46));
        QVERIFY(board.Lifted().empty());
        QCOMPARE(state.gSelected, kNoLoc);
        QVERIFY(answers.texts.isEmpty());
        QCOMPARE(w->statusBar()->currentMessage(), u"The Four of Spades goes on a red Five"_s);
        QVERIFY(!panel(*w, 0)->isVisible()); // the message has the whole bar
        w->statusBar()->clearMessage();
        QVERIFY(panel(*w, 0)->isVisible());
        // JH at 45 onto QC at the foot of column 7, let go over that column: it goes on from
        // where it was let go, not from its old place.
        std::vector<QPointF> path;
        w->board().SetStepObserver(
            [&](Card card, int) { path.push_back(board.CardPosition(card)); });
        dragCard(*w, 45, QPoint(7 * 1170 / 15 + 40, 300));
        QVERIFY(!path.empty() && QLineF(path.front(), board.ShownAt(45)).length() > 1000);
        QCOMPARE(state.gBoard.GetCardIndex(55), Card(10));
        QCOMPARE(board.CardPosition(10), board.ShownAt(55));
        // 4S into the third cell.
        dragCard(*w, 46, QPoint(1080 * 2 / 15 + 30, 40));
        QCOMPARE(state.gBoard.GetCardIndex(202), four);
        QCOMPARE(w->session().trans.TransCount(), qint16(2));
        // A press and release where it was, without a drag, stays a click: a selection.
        clickCard(*w, 44);
        QCOMPARE(state.gSelected, Loc(state.gBoard.GetBottomCardLocation(4)));
    }

    // The cards are lifted once the pointer has gone the platform's drag distance, not
    // before; let go where they do not fit, they slide back and leave no mark behind.
    void aDragLiftsAtTheDragDistanceAndADropLeavesNoMark() {
        auto w = dealt(7);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        BoardWidget& board = w->board();
        const QImage before = board.grab().toImage();
        const QPoint from = onCard(*w, 46);
        QTest::mousePress(&board, Qt::LeftButton, {}, from);
        const int distance = QApplication::startDragDistance();
        QTest::mouseMove(&board, from + QPoint(distance - 1, 0));
        QVERIFY(board.Lifted().empty());
        QTest::mouseMove(&board, from + QPoint(distance, 0));
        QVERIFY(!board.Lifted().empty());
        QTest::mouseMove(&board, QPoint(40, 250));
        QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(40, 250)); // onto column 0
        QTRY_COMPARE(board.grab().toImage(), before);
    }

    // A click on an empty cell puts the selected card there, the first cell and the last alike.
    void aClickOnAnEmptyCellTakesTheSelectedCard() {
        auto w = dealt(7);
        const cGame& board = w->session().engine.state().gBoard;
        for (const auto& [from, cell] : { std::pair { Loc(46), 0 }, std::pair { Loc(45), 3 } }) {
            const Card card = board.GetCardIndex(from);
            clickCard(*w, from);
            QTest::mouseClick(&w->board(), Qt::LeftButton, {}, QPoint(1080 * cell / 15 + 30, 40));
            QCOMPARE(board.GetCardIndex(static_cast<Loc>(kFirstCell + cell)), card);
        }
    }

    // Held by its lower right corner and let go in the strip between the cells and the
    // columns: the pointer is over no place, the top of the card over the fourth cell.
    void aDropOverNoPlaceGoesWhereTheCardsTopIs() {
        auto w = dealt(7);
        const cGame& board = w->session().engine.state().gBoard;
        const Card four = board.GetCardIndex(46);
        const QPoint from = w->board().CardRect(four).bottomRight().toPoint() - QPoint(5, 5);
        const QPoint to(1080 * 3 / 15 + 66, 101);
        hold(w->board(), from, to);
        QTest::mouseRelease(&w->board(), Qt::LeftButton, {}, to);
        QCOMPARE(board.GetCardIndex(203), four);
    }

    // At three times the size the columns' band begins on a whole pixel row: cards held with
    // the pointer on that row are over the column, one row higher they are not.
    void theColumnsBandBeginsOnItsFirstPixelRow() {
        auto w = open();
        w->resize(643 * 3, 1500);
        BoardWidget& board = w->board();
        QTRY_COMPARE(board.Scale(), 3.0);
        BoardBuilder(w->session().engine).column(0, "KH 3S").column(1, "KD 4H");
        showPosition(*w);
        const QRectF band = board.Pixels(board.ShownAt(1), kCardWidthTwips, 0);
        QCOMPARE(band.top(), std::round(band.top()));
        const QPoint first(qRound(band.center().x()), qRound(band.top()));
        // Held well below its top, so that the card's top is off the band too.
        hold(board, at(board, board.CardPosition(CardOf("3S")) + QPointF(35, 14) * 15), first, 4);
        QCOMPARE(board.DropSpot(), Loc(9)); // 3S onto 4H
        QTest::mouseMove(&board, first - QPoint(0, 1));
        QVERIFY(board.DropSpot() != Loc(9));
        QTest::mouseRelease(&board, Qt::LeftButton, {}, first - QPoint(0, 1));
    }

    // At twice the size: onto a foundation, into an empty column, and refused by both kinds.
    void dragsAtTwiceTheSizeReachFoundationsAndEmptyColumns() {
        auto w = open();
        w->resize(1300, 1000);
        BoardWidget& board = w->board();
        QTRY_COMPARE(board.Scale(), 1300 / 643.0);
        BoardBuilder(w->session().engine).columns({ "KH 3S", "QD 5C", "", "2D" }).foundation("2S");
        showPosition(*w);
        const GameState& state = w->session().engine.state();
        const Loc spades = foundationOf(CardOf("3S"));
        ModalAnswerer answers;
        dragCard(*w, 8, onPlace(board, spades)); // 3S onto 2S
        QCOMPARE(state.gBoard.GetCardIndex(spades), CardOf("3S"));
        QCOMPARE(board.CardPosition(CardOf("3S")), board.ShownAt(spades));
        // 5C into the empty third column, let go in the gap right of it: a column takes
        // what falls anywhere in its band, gaps included.
        dragCard(*w, 9, at(board, board.ShownAt(2) + QPointF(kCardWidthTwips + 40, 48 * 15)));
        QCOMPARE(state.gBoard.GetCardIndex(2), CardOf("5C"));
        QCOMPARE(board.CardPosition(CardOf("5C")), board.ShownAt(2));
        QVERIFY(answers.texts.isEmpty());
        const auto before = tags(*w);
        dragCard(*w, 0, onPlace(board, spades)); // a king on a three: back, and why
        QCOMPARE(tags(*w), before);
        QCOMPARE(board.CardPosition(CardOf("KH")), board.ShownAt(0));
        QCOMPARE(w->statusBar()->currentMessage(),
            u"The Spades foundation takes the Four of Spades next"_s);
        dragCard(*w, 0, onPlace(board, 1)); // a king on a queen
        QCOMPARE(tags(*w), before);
        QCOMPARE(board.CardPosition(CardOf("KH")), board.ShownAt(0));
        QCOMPARE(w->statusBar()->currentMessage(),
            QStringLiteral(
                "The King of Hearts goes on no card, only to a cell, an empty column or home"));
        QVERIFY(answers.texts.isEmpty());
    }

    // While held, the place the cards would land on is marked on the board, at any size;
    // a place that would refuse them is not.
    void whileHeldTheLandingPlaceIsMarkedOnlyWhereItTakesTheCards() {
        for (const int width : { 643, 1300 }) {
            auto w = open();
            w->resize(width, width * 3 / 4);
            BoardWidget& board = w->board();
            QTRY_COMPARE(board.Scale(), width / 643.0);
            BoardBuilder(w->session().engine)
                .column(0, "KH 3S")
                .column(1, "KD 4H")
                .column(2, "QC 5C");
            showPosition(*w);
            const double s = board.Scale();
            const bool every = width > 643; // at twice the size, every place that takes them
            w->session().opt.SetMarkEveryTarget(every ? 1 : 0);
            // The top edge of a place's outline, clear of the cards held below the pointer.
            const auto marked = [&](Loc loc) {
                const QRectF r
                    = board.Pixels(board.ShownAt(loc), kCardWidthTwips, kCardHeightTwips);
                const QImage shot = board.grab().toImage();
                for (double x = r.left() + 10 * s; x < r.right() - 10 * s; x += s) {
                    const QColor c = shot.pixelColor(
                        QPointF(x, r.top() + 2 * s).toPoint() * board.devicePixelRatio());
                    if (c.green() > 200 && c.red() < 140 && c.blue() < 160) return true;
                }
                return false;
            };
            // The landing place's face, above the cards held, is tinted green.
            const auto tinted = [&](Loc loc) {
                const QRectF r
                    = board.CardRect(w->session().engine.state().gBoard.GetCardIndex(loc));
                const QColor c = board.grab().toImage().pixelColor(
                    QPointF(r.center().x(), r.top() + 8 * s).toPoint() * board.devicePixelRatio());
                return c.green() - c.red() > 20;
            };
            hold(board, onCard(*w, 8), onPlace(board, 9) + QPoint(0, qRound(40 * s)), 4);
            QCOMPARE(board.DropSpot(), Loc(9)); // 3S onto 4H
            QVERIFY(marked(9) && tinted(9));
            QVERIFY(!marked(10) && !tinted(10));
            QTest::mouseMove(&board, onPlace(board, 10) + QPoint(0, qRound(40 * s)));
            QCOMPARE(board.DropSpot(), kNoLoc); // 3S onto 5C: refused, nothing marked
            QVERIFY(!marked(10));
            QCOMPARE(marked(9), every); // muted, the other places that would take them
            QCOMPARE(marked(3), every); // an empty column
            QTest::mouseRelease(&board, Qt::LeftButton, {}, onPlace(board, 10));
            QCOMPARE(board.DropSpot(), kNoLoc);
        }
    }

    // With a card selected: the pointer shows a move over a card that would take it and
    // not elsewhere; a whole click on an empty cell puts the card there, a press on one cell
    // let go over another does nothing.
    void theSelectedCardGoesWhereTheMouseSays() {
        auto w = open();
        BoardWidget& board = w->board();
        BoardBuilder(w->session().engine).column(0, "KH 3S").column(1, "KD 4H").column(2, "QC");
        showPosition(*w);
        const cGame& cards = w->session().engine.state().gBoard;
        const Card three = cards.GetCardIndex(8);
        clickCard(*w, 8);
        QTest::mouseMove(&board, onCard(*w, 9));
        QCOMPARE(board.cursor().shape(), Qt::BitmapCursor); // its look is the pictures' record's
        QCOMPARE(board.cursor().pixmap().toImage(), Icons::MovePointer().pixmap().toImage());
        QCOMPARE(board.cursor().hotSpot(), QPoint(1, 1)); // it points from its tip
        QTest::mouseMove(&board, onCard(*w, 2));          // a Queen takes no Three
        QCOMPARE(board.cursor().shape(), Qt::ArrowCursor);
        QTest::mousePress(&board, Qt::LeftButton, {}, onPlace(board, 202));
        QTest::mouseRelease(&board, Qt::LeftButton, {}, onPlace(board, 203));
        QCOMPARE(cards.GetCardIndex(202), kNoCard);
        QCOMPARE(cards.GetCardIndex(203), kNoCard);
        QTest::mouseClick(&board, Qt::LeftButton, {}, onPlace(board, 202));
        QCOMPARE(cards.GetCardIndex(202), three);
        QCOMPARE(cards.GetCardIndex(8), kNoCard);
    }

    // Cards held squarely over the place that takes them leave its mark in sight, drawn
    // over them; and every other place that would take them is marked, by default.
    void cardsHeldOverTheirTargetLeaveItsMarkInSight() {
        auto w = open();
        BoardWidget& board = w->board();
        BoardBuilder(w->session().engine).column(0, "KH 3S").column(1, "KD 4H");
        showPosition(*w);
        const double s = board.Scale();
        const QPoint over = onCard(*w, 9); // the Three exactly on the Four of Hearts
        hold(board, onCard(*w, 8), over, 4);
        QCOMPARE(board.DropSpot(), Loc(9));
        const QImage shot = board.grab().toImage();
        const auto green = [&](QPointF at) {
            const QColor c = shot.pixelColor((at * board.devicePixelRatio()).toPoint());
            return c.green() > 200 && c.red() < 140 && c.blue() < 160;
        };
        const QRectF target = board.Pixels(
            board.ShownAt(9), kCardWidthTwips, kCardHeightTwips); // under the held Three
        QVERIFY(green(QPointF(target.left() + 1.5 * s, target.center().y())));
        QVERIFY(green(QPointF(target.right() - 1.5 * s, target.center().y())));
        // The empty columns would take it too: their dashed outlines show.
        const QRectF empty = board.Pixels(board.ShownAt(3), kCardWidthTwips, kCardHeightTwips);
        bool dashed = false;
        for (double y = empty.top() + 10 * s; y < empty.bottom() - 10 * s && !dashed; y += 1)
            for (double x = empty.left(); x < empty.left() + 4 * s && !dashed; x += 1)
                dashed = green(QPointF(x, y));
        QVERIFY(dashed);
        QTest::mouseRelease(&board, Qt::LeftButton, {}, over);
    }

    // Finish waits until every card left can go home; then one command sends them, the win
    // is recorded once, and the finished-game dialog shows the figures its score line has.
    void finishEndsASureWinAndTheDialogShowsTheRecordedFigures() {
        auto w = dealt(7);
        Engine& engine = w->session().engine;
        w->session().opt.SetReduceMotion(1); // straight to the dialog
        sureWinBehindOneMove(*w);
        QAction* finish = w->Action(u"mnuFinish"_s);
        w->RefreshMenus();
        QVERIFY(!finish->isEnabled());
        const QString finishLine = u"Every card left can go home: Finish (Ctrl+F) sends them."_s;
        QVERIFY(w->statusBar()->currentMessage() != finishLine);
        engine.rules().CardClicked(16);
        engine.rules().CellClicked(200); // the Queen of Spades out of the way
        w->RefreshMenus();
        QVERIFY(finish->isEnabled());
        QVERIFY(w->Action(u"Finish"_s)->isEnabled()); // its toolbar button
        // Said in the status bar once it is possible, and not again at each refresh.
        QCOMPARE(w->statusBar()->currentMessage(), finishLine);
        w->statusBar()->clearMessage();
        w->RefreshMenus();
        QCOMPARE(w->statusBar()->currentMessage(), QString());
        QStringList shown;
        int firstWins = 0; // the player's first: each figure is marked as a best, in bold
        ModalAnswerer answers;
        answers.handler = [&shown, &firstWins](QWidget* dialog) {
            for (int i = 1; i <= 3; ++i)
                shown << dialog->findChild<QLabel*>(u"lblFigure%1"_s.arg(i))->text();
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                if (label->text() == QLatin1String("First win") && label->font().bold())
                    ++firstWins;
            dialog->close();
        };
        finish->trigger();
        QTRY_COMPARE(shown.size(), 3);
        QCOMPARE(firstWins, 3);
        for (Loc home = kFirstFoundation; home <= kLastFoundation; ++home)
            QCOMPARE(rankOf(engine.state().gBoard.GetCardIndex(home)), 13);
        QFile scores(w->session().save.ScoreFile());
        QVERIFY(scores.open(QIODevice::ReadOnly));
        const std::vector<ScoreRec> records = ScoreFile::ParseAll(scores.readAll());
        QCOMPARE(records.size(), std::size_t(1)); // recorded once
        const ScoreRec* line = &records.front();
        QCOMPARE(line->Perc, qint16(100));
        QCOMPARE(shown,
            (QStringList { QString::number(line->Moves), cScore::ConvertTimeS(line->Time),
                QString::number(line->Score) }));
    }

    // A win leaps the cards from their foundations for at most three seconds, then the
    // dialog opens; a key or a click ends it early; a player who asked for less motion, or for
    // cards that jump, goes straight on.
    void aWinIsCelebratedUntilOverOrSkippedUnlessMotionIsReduced() {
        enum class End { ByItself, Key, Click, ReducedMotion, CardsJump };
        for (const End how :
            { End::ByItself, End::Key, End::Click, End::ReducedMotion, End::CardsJump }) {
            auto w = dealt(7);
            w->session().opt.SetReduceMotion(how == End::ReducedMotion ? 1 : 0);
            w->session().opt.SetCardSpeed(how == End::CardsJump ? 1 : 2); // 2: animated, quick
            sureWinBehindOneMove(*w);
            Engine& engine = w->session().engine;
            engine.rules().CardClicked(16);
            engine.rules().CellClicked(200);
            int dialogs = 0;
            ModalAnswerer answers;
            answers.handler = [&dialogs](QWidget* dialog) {
                ++dialogs;
                dialog->close();
            };
            Celebration& party = w->WinCelebration();
            party.Frame(0); // the wall clock plays no part: each moment is asked for
            engine.autoPlayer().Finish();
            QApplication::processEvents(); // the win is handled once the last move is over
            if (how == End::ReducedMotion || how == End::CardsJump) {
                QVERIFY(!party.Running()); // never started
                QTRY_COMPARE(dialogs, 1);
                continue;
            }
            QVERIFY(party.Running());
            QCOMPARE(dialogs, 0);
            QCOMPARE(party.CardsInFlight(), 1); // the first king, leaving now
            // The kings leap up, first to the right, then to the left, and so on.
            party.Frame(Celebration::kLaunchMs * 4);
            for (int order = 0; order < 4; ++order)
                QCOMPARE(party.Travelled(order).x() > 0, order % 2 == 0);
            QVERIFY(party.Travelled(3).y() < 0);
            party.Frame(Celebration::kLaunchMs * 20);
            QVERIFY(party.CardsInFlight() > 10);
            // The board grows: the cards fall to its new floor.
            w->resize(w->width() + 60, w->height() + 80);
            party.Frame(Celebration::kLaunchMs * 21);
            QCOMPARE(party.geometry(), w->board().rect());
            // The board keeps the focus: a screen reader says the winning move, not the moment.
            QVERIFY(w->focusWidget() != &party);
            if (how == End::Key) {
                QTest::keyClick(&w->board(), Qt::Key_Space);
            } else if (how == End::Click) {
                QTest::mouseClick(&party, Qt::LeftButton);
            } else {
                // Three seconds at most, as players are promised.
                party.Frame(2999);
                QVERIFY(party.Running());
                party.Frame(3000);
            }
            QVERIFY(!party.Running());
            QVERIFY(party.isHidden());
            QTRY_COMPARE(dialogs, 1);
        }
    }

    // Started again while it runs, the moment starts afresh: one king leaving, not two.
    void aCelebrationStartedAgainStartsAfresh() {
        auto w = dealt(7);
        Celebration& party = w->WinCelebration();
        int done = 0;
        party.Start([&done] { ++done; });
        party.Frame(Celebration::kLaunchMs * 3);
        party.Start([&done] { done += 10; });
        party.Frame(0);
        QCOMPARE(party.CardsInFlight(), 1);
        party.Stop();
        QCOMPARE(done, 0); // stopped, not over: nobody is told
    }

    void aDoubleClickSendsTheCardToACell() {
        auto w = dealt(7);
        const Card td = w->session().engine.state().gBoard.GetCardIndex(48);
        const QPointF at
            = w->board().CardPosition(td) / BoardWidget::kTwipsPerPixel + QPointF(35, 40);
        QTest::mouseDClick(&w->board(), Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(w->session().engine.state().gBoard.GetCardIndex(200), td);
    }

    void theKeysPlayOnTheBoardAndThePointerHidesTheirCursor() {
        auto w = dealt(7);
        BoardWidget& board = w->board();
        const GameState& state = w->session().engine.state();
        QVERIFY(!board.KeyboardCursorShown()); // the board looks as ever until a key is used
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(&board, Qt::Key_Right);
        QTest::keyClick(&board, Qt::Key_Return); // JH, as a click on it
        QCOMPARE(state.gSelected, Loc(45));
        QVERIFY(board.KeyboardCursorShown());
        QTest::keyClick(&board, Qt::Key_Escape);
        QCOMPARE(state.gSelected, kNoLoc);
        QTest::keyClick(&board, Qt::Key_Return, Qt::ShiftModifier); // a double click: to a cell
        QCOMPARE(state.gBoard.GetCardIndex(200), Card(10));
        QTest::keyClick(&board, Qt::Key_Up); // over column 5: the second foundation
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(&board, Qt::Key_Left);
        QTest::keyClick(&board, Qt::Key_Space); // the jack in the cell, selected
        QCOMPARE(state.gSelected, Loc(200));
        QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(300, 28)); // the logo
        QVERIFY(!board.KeyboardCursorShown());
        deal(*w, 8); // each deal starts the cursor on the first column
        QCOMPARE(w->session().keyboard.Across(), 0);
        QVERIFY(!w->session().keyboard.OnTopRow());
    }

    // A press on the table below a column acts on the column's bottom card; one on the
    // foundations or the logo above the columns does nothing.
    void aPressBelowAColumnActsOnItsBottomCard() {
        auto w = dealt(7);
        const BoardWidget& board = w->board();
        const GameState& state = w->session().engine.state();
        const Loc bottom = state.gBoard.GetBottomCardLocation(4);
        QTest::mouseClick(&w->board(), Qt::LeftButton, {},
            at(board, board.ShownAt(bottom) + QPointF(35, 96 + 20) * 15));
        QCOMPARE(state.gSelected, bottom);
        QTest::mouseClick(&w->board(), Qt::LeftButton, {}, onPlace(board, kFirstFoundation));
        QTest::mouseClick(&w->board(), Qt::LeftButton, {}, QPoint(300, 28)); // the logo
        QCOMPARE(state.gSelected, bottom);
        QCOMPARE(w->session().trans.TransCount(), 0);
    }

    // The board's own keys act unmodified only: with Ctrl held each leaves the game as it
    // was (Ctrl with a letter is a menu's shortcut, never the board's).
    void theBoardsKeysActOnlyWithoutAModifier() {
        auto w = dealt(7);
        BoardBuilder(w->session().engine).column(0, "KS 2H").cell(1, "9C").foundation("AH");
        w->session().keyboard.Reset();
        BoardWidget& board = w->board();
        const GameState& state = w->session().engine.state();
        for (const Qt::Key key : { Qt::Key_Home, Qt::Key_Space, Qt::Key_Return, Qt::Key_F }) {
            QTest::keyClick(&board, key, Qt::AltModifier);
            QCOMPARE(state.gSelected, kNoLoc);
            QCOMPARE(state.gBoard.GetCardIndex(8), CardOf("2H"));
            QCOMPARE(w->session().keyboard.OnTopRow(), false);
        }
        QTest::keyClick(&board, Qt::Key_Home); // unmodified: the two goes home
        QCOMPARE(state.gBoard.GetCardIndex(205), CardOf("2H"));
        // Unmodified, each key is the board's own: taken there, not handed on.
        for (const Qt::Key key : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                 Qt::Key_Space, Qt::Key_Escape, Qt::Key_C, Qt::Key_F, Qt::Key_1 }) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&board, &press);
            QVERIFY2(press.isAccepted(), qPrintable(QKeySequence(key).toString()));
        }
    }

    // A solve may hold a thread of the pool for seconds while a new size is drawn: the faces
    // are the same as with the pool free, each its own card, none left blank. (Not every
    // thread: Qt's own large fills wait for the pool.)
    void facesAreDrawnWhileASolveHoldsThePool() {
        QThreadPool& pool = *QThreadPool::globalInstance();
        const int held = std::max(1, pool.maxThreadCount() - 1);
        QSemaphore started, release;
        for (int i = 0; i < held; ++i)
            pool.start([&] {
                started.release();
                release.acquire();
            });
        started.acquire(held);
        CardArt busy;
        std::vector<QImage> drawnBusy;
        for (Card c = 0; c < kCardCount; ++c)
            drawnBusy.push_back(busy.Face(c, 1.5, 1.0).toImage());
        release.release(held);
        pool.waitForDone();
        CardArt free;
        for (Card c = 0; c < kCardCount; ++c) {
            QCOMPARE(drawnBusy[static_cast<std::size_t>(c)], free.Face(c, 1.5, 1.0).toImage());
            for (Card other = 0; other < c; ++other)
                QVERIFY(drawnBusy[static_cast<std::size_t>(c)]
                    != drawnBusy[static_cast<std::size_t>(other)]);
        }
        // With the pool free its threads draw their share: no face is kept before it is done.
        for (int size = 1; size <= 20; ++size)
            for (Card c = 0; c < kCardCount; ++c)
                QVERIFY(!free.Face(c, 0.5 + size / 20.0, 1.0).isNull());
    }

    // A menu bar or toolbar too narrow for its entries shows the game's own drawn arrows, not
    // the platform's pictures, whose reading loads every image plugin; the rest is the style's.
    void aNarrowBarShowsTheGamesOwnArrows() {
        const QString before = QApplication::style()->name();
        QApplication::setStyle(new AppStyle(before));
        {
            QMainWindow window;
            window.menuBar()->addMenu(u"Game"_s);
            QToolBar* strip = window.addToolBar(u"Strip"_s);
            const auto shown = [&](const char* name) {
                const auto* more = window.findChild<QToolButton*>(QLatin1String(name));
                return more ? more->icon().pixmap(16).toImage() : QImage();
            };
            const QImage across = Icons::Of(Icons::Glyph::MoreAcross).pixmap(16).toImage();
            QCOMPARE(shown("qt_menubar_ext_button"), across);
            QCOMPARE(shown("qt_toolbar_ext_button"), across);
            strip->setOrientation(Qt::Vertical);
            QCOMPARE(shown("qt_toolbar_ext_button"),
                Icons::Of(Icons::Glyph::MoreDown).pixmap(16).toImage());
            QVERIFY(across != Icons::Of(Icons::Glyph::MoreDown).pixmap(16).toImage());
            QVERIFY(across != QImage(across.size(), across.format())); // drawn, not blank
            QVERIFY(!QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).isNull());
        }
        QApplication::setStyle(before);
    }

    void aLongColumnClosesUpToShowItsExposedCardWhole() {
        BoardWidget board;
        board.resize(643, 368); // the board at the window's first size
        board.show();
        for (int row = 0; row < kMaxColumnCards; ++row)
            board.PlaceCard(static_cast<Card>(row), static_cast<Loc>(row * kColumns));
        for (int row = 0; row < 7; ++row)
            board.PlaceCard(static_cast<Card>(30 + row), static_cast<Loc>(row * kColumns + 1));
        board.ShowCards(true);
        const double bottom = 368 * BoardWidget::kTwipsPerPixel;
        QCOMPARE(board.CardPosition(0), QPointF(100, 1600));
        QCOMPARE(board.CardPosition(18).y() + kCardHeightTwips, bottom);       // just whole
        QCOMPARE(board.CardPosition(36), QPointF(100 + 1170, 1600 + 256 * 6)); // as ever
        if (qEnvironmentVariableIsSet("QUADRELL_SHOTS"))
            board.grab().save(qEnvironmentVariable("QUADRELL_SHOTS") + "/long-column.png");
        board.resize(643, 700); // room enough: the strips open out again
        QCOMPARE(board.CardPosition(18), QPointF(100, 1600 + 256 * 18));
    }

    void theBoardScalesWithItsWidgetAndStaysCrisp() {
        BoardWidget board;
        board.resize(643, 368);
        board.show();
        for (Card c = 0; c < kCardCount; ++c)
            board.PlaceCard(c, static_cast<Loc>(c));
        board.ShowCards(true);
        // At the first size every place is where it has always been: twips / 15.
        QCOMPARE(board.Scale(), 1.0);
        QCOMPARE(board.Pixels(board.CardPosition(9), kCardWidthTwips, kCardHeightTwips),
            QRectF(1270 / 15.0, 1856 / 15.0, 71, 96));
        QCOMPARE(board.CardAt(QPoint(90, 130)), Card(9));
        board.resize(1286, 900);
        QCOMPARE(board.Scale(), 2.0);
        QCOMPARE(board.CardAt(QPoint(240, 260)), Card(9));
        // Grown, what the board shows stands in the middle: as much room left of the first
        // cell as right of the last foundation.
        const QRectF cell = board.Pixels(board.ShownAt(kFirstCell), kCardWidthTwips, 0);
        const QRectF home = board.Pixels(board.ShownAt(kLastFoundation), kCardWidthTwips, 0);
        QVERIFY2(std::abs(cell.left() - (board.width() - home.right())) <= 1,
            qPrintable(u"%1 left, %2 right"_s.arg(cell.left()).arg(board.width() - home.right())));
        // The exposed card is drawn from art made at this size, not an enlarged small picture.
        CardArt art;
        const QImage face = art.Face(48, 2.0, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint corner = board.Pixels(board.CardPosition(48), 0, 0).topLeft().toPoint();
        const QRect r(corner + QPoint(4, 4), face.size() - QSize(8, 8));
        const QImage shown = board.grab(r).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, face.copy(4, 4, face.width() - 8, face.height() - 8));
        // A wide, low board keeps its first size, in the middle; a narrow one shrinks to fit.
        board.resize(2000, 400);
        QCOMPARE(board.Scale(), 1.0);
        QCOMPARE(board.CardAt(QPoint((2000 - 643) / 2 + 90, 130)), Card(9));
        board.resize(400, 300);
        QCOMPARE(board.Scale(), 400 / 643.0);
        QCOMPARE(board.CardAt(QPoint(56, 81)), Card(9));
    }

    void aScreenReaderHearsThePlacesTheCardsTheCursorAndTheMoves() {
        auto w = dealt(7);
        BoardWidget& board = w->board();
        board.setFocus();
        QTRY_VERIFY(board.hasFocus());
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&board);
        QCOMPARE(tree->text(QAccessible::Name), u"Board"_s);
        QCOMPARE(tree->childCount(), 19); // 16 places, the last-move line and two voices
        // Column 6 of deal 7: six cards, the jack of hearts exposed at the foot.
        QAccessibleInterface* column = tree->child(5);
        QCOMPARE(column->text(QAccessible::Name), u"Column 6"_s);
        QCOMPARE(column->childCount(), 6);
        QAccessibleInterface* jack = column->child(5);
        QCOMPARE(jack->text(QAccessible::Name), u"Jack of Hearts, column 6"_s);
        QCOMPARE(jack->text(QAccessible::Description), u"exposed"_s);
        QCOMPARE(column->child(0)->text(QAccessible::Description), u"covered"_s);
        QCOMPARE(jack->parent(), column);
        QCOMPARE(column->indexOfChild(jack), 5);
        QCOMPARE(tree->childAt(jack->rect().center().x(), jack->rect().center().y()), jack);
        QCOMPARE(tree->child(8)->text(QAccessible::Name), u"Cell 1: empty"_s);
        QCOMPARE(tree->child(12)->text(QAccessible::Name), u"Hearts foundation: empty"_s);
        // Played onto the queen of clubs (what is said is BoardSpeechTest's): the jack is
        // renamed and moves to its new column in the tree.
        QTest::keyClick(&board, Qt::Key_6);
        QVERIFY(jack->state().selected);
        QTest::keyClick(&board, Qt::Key_8);
        QTRY_COMPARE(board.LastMove(), u"Jack of Hearts to column 8"_s);
        QCOMPARE(jack->text(QAccessible::Name), u"Jack of Hearts, column 8"_s);
        QCOMPARE(jack->parent(), tree->child(7));
        QCOMPARE(tree->child(16)->text(QAccessible::Name), board.LastMove());
    }

    // Outlines and suit marks of empty places, read from the pixels painted, stand out 3:1
    // against the board and the place's inside on every board colour.
    void emptyPlacesStandOutOnAnyBoard() {
        CardArt art;
        for (const QColor board :
            { QColor(0, 64, 128), QColor(Qt::black), QColor(Qt::white), QColor(128, 128, 128),
                QColor(0, 100, 0), QColor(128, 0, 0), QColor(Qt::yellow) }) {
            const QImage place = art.Place(3, board, 1, 1).toImage();
            const QColor inside = place.pixelColor(10, 80), outline = place.pixelColor(1, 48);
            const QColor mark = place.pixelColor(35, 50); // the middle of the diamond
            for (const auto& [ratio, what] :
                { std::pair { Contrast::Ratio(outline, board), "outline" },
                    std::pair { Contrast::Ratio(mark, inside), "mark" } })
                QVERIFY2(ratio >= 3,
                    qPrintable(
                        u"%1 on %2: %3"_s.arg(QLatin1String(what), board.name()).arg(ratio)));
        }
    }

    // High contrast, from the pixels painted: the table black, and the outline of an empty
    // place, the selected card's frame and the keyboard cursor at least 4.5:1 against what
    // they lie on.
    void highContrastStandsOutOnTheTableAndOnTheCards() {
        auto w = dealt(7);
        w->session().opt.SetBackColor(0x808000); // a teal board, and a picture: both set aside
        w->session().opt.SetHighContrast(1);
        w->session().opt.UpdateBG();
        BoardWidget& board = w->board();
        QTest::keyClick(&board, Qt::Key_Right);
        QTest::keyClick(&board, Qt::Key_Return); // the Two of Hearts, selected under the cursor
        QVERIFY(board.Framed() != kNoCard);
        const QImage shot = board.grab().toImage();
        const QRectF r = board.CardRect(board.Framed());
        const double s = r.width() / CardArt::kWidth;
        const auto pixel
            = [&](double x, double y) { return shot.pixelColor(qRound(x), qRound(y)); };
        const double mid = r.center().y();
        const QColor table = pixel(r.left() - 7 * s, mid), cursor = pixel(r.left() - 3 * s, mid);
        const QColor frame = pixel(r.left() + 2 * s, mid), face = pixel(r.left() + 5 * s, mid);
        QCOMPARE(table, QColor(Qt::black));
        CardArt art;
        const QImage place
            = art.Place(0, Qt::black, 1, 1, BoardPalette::HighContrast().placeContrast).toImage();
        for (const auto& [ratio, what] : { std::pair { Contrast::Ratio(cursor, table), "cursor" },
                 std::pair { Contrast::Ratio(frame, face), "frame" },
                 std::pair { Contrast::Ratio(place.pixelColor(1, 48), table), "outline" } })
            QVERIFY2(ratio >= 4.5, qPrintable(u"%1: %2"_s.arg(QLatin1String(what)).arg(ratio)));
        w->session().opt.SetHighContrast(0);
        w->session().opt.UpdateBG();
        QCOMPARE(board.grab().toImage().pixelColor(qRound(r.left() - 7 * s), qRound(mid)),
            QColor(0, 0x80, 0x80));
    }

    // Every mark of the high-contrast board stands out at least 4.5:1 where it is drawn: on
    // the black table, and (by the colour under it) on a card's white face.
    void everyHighContrastMarkStandsOutOnTheTableAndOnAFace() {
        const BoardPalette p = BoardPalette::HighContrast();
        const QColor face = Qt::white;
        const std::tuple<const char*, QColor, QColor> marks[] {
            { "selection on a face", p.selection, face },
            { "hint on the table", p.hint, p.table },
            { "hint's under on a face", p.hintUnder, face },
            { "cursor on the table", p.cursor, p.table },
            { "cursor's under on a face", p.cursorUnder, face },
            { "drop mark on the table", p.drop, p.table },
            { "drop mark's under on a face", p.dropUnder, face },
        };
        for (const auto& [what, mark, ground] : marks)
            QVERIFY2(Contrast::Ratio(mark, ground) >= 4.5,
                qPrintable(
                    u"%1: %2"_s.arg(QLatin1String(what)).arg(Contrast::Ratio(mark, ground))));
        QVERIFY(Contrast::Ratio(p.drop, p.table) >= 15); // as green as the outlines are white
    }

    void aTurnOfManyMovesIsSaidInOneLine() {
        MoveAnnouncer said;
        said.Moved(0, kFirstCell);
        said.Moved(0, kFirstFoundation); // the same card again: where it ended counts
        for (Card c = 1; c <= 4; ++c)
            said.Moved(c, static_cast<Loc>(c));
        QCOMPARE(said.Cards(), (std::vector<Card> { 0, 1, 2, 3, 4 }));
        QCOMPARE(said.Take(),
            QStringLiteral("Ace of Hearts to the Hearts foundation; Two of Hearts to column 2; "
                           "Three of Hearts to column 3; Four of Hearts to column 4; "
                           "and 1 more card"));
        QCOMPARE(said.Take(), QString());
        for (Card c = 0; c <= 5; ++c)
            said.Moved(c, static_cast<Loc>(c));
        QVERIFY(said.Take().endsWith(QLatin1String("; and 2 more cards")));
        said.Moved(12, 7);
        QCOMPARE(said.Take(), u"King of Hearts to column 8"_s);
    }

    void theRightButtonShowsACoveredCardWhole() {
        auto w = dealt(7);
        const Card covered = w->session().engine.state().gBoard.GetCardIndex(16);
        const int before = w->board().StackIndex(covered);
        const QPoint at
            = (w->board().CardPosition(covered) / BoardWidget::kTwipsPerPixel + QPointF(35, 8))
                  .toPoint();
        QTest::mousePress(&w->board(), Qt::RightButton, {}, at);
        QCOMPARE(w->board().StackIndex(covered), kCardCount - 1);
        QTest::mouseRelease(&w->board(), Qt::RightButton, {}, at);
        QVERIFY(w->board().StackIndex(covered)
            < w->board().StackIndex(w->session().engine.state().gBoard.GetCardIndex(24)));
        QVERIFY(w->board().StackIndex(covered) <= before);
    }

    void aMoveIsAnimatedInItsStepsAndInstantMovesJump() {
        auto w = dealt(7);
        std::vector<QPointF> seen;
        w->board().SetStepObserver(
            [&](Card card, int) { seen.push_back(w->board().CardPosition(card)); });
        const Card first = w->session().engine.state().gBoard.GetCardIndex(0);
        w->board().MoveCard(first, 0, 200, 30, false);
        QCOMPARE(seen.size(), std::size_t(30));
        QVERIFY(qAbs(seen.front().x() - 96.6667) < 0.01);
        QVERIFY(qAbs(seen.front().y() - 1546.6667) < 0.01);
        QCOMPARE(seen.back(), QPointF(0, 0));
        seen.clear();
        w->board().MoveCard(first, 200, 0, 30, true);
        QVERIFY(seen.empty());
        QCOMPARE(w->board().CardPosition(first), QPointF(100, 1600));
    }

    // A key pressed while a move is drawn: the move lands at once, so do the turn's other
    // moves, and the key then acts; timers (a replay's step, the turn's announcement) wait
    // for the moves; the next turn is paced again.
    void aKeyDuringAMoveLandsItAtOnceAndThenActs() {
        auto w = dealt(7);
        BoardWidget& board = w->board();
        QVERIFY(!board.KeyboardCursorShown());
        bool timerRan = false;
        bool timerRanMidMove = false;
        QTimer later;
        later.setSingleShot(true);
        connect(&later, &QTimer::timeout, [&] { timerRan = true; });
        later.start(0);
        std::vector<int> steps;
        bool pressed = false;
        board.SetStepObserver([&](Card, int step) {
            steps.push_back(step);
            timerRanMidMove = timerRanMidMove || timerRan;
            if (step == 3 && !std::exchange(pressed, true)) // arrives while the step waits
                QCoreApplication::postEvent(
                    &board, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
        });
        const QPointF cell = board.ShownAt(200);
        board.MoveCard(0, board.PlaceOf(0), 200, 30, false);
        QCOMPARE(steps, (std::vector<int> { 1, 2, 3 }));
        QCOMPARE(board.CardPosition(0), cell);
        steps.clear();
        board.MoveCard(1, board.PlaceOf(1), 201, 30, false);
        QVERIFY(steps.empty());
        QCOMPARE(board.CardPosition(1), board.ShownAt(201));
        QVERIFY(!board.KeyboardCursorShown()); // the key waits for the turn's end
        QVERIFY(!timerRanMidMove);
        QVERIFY(!timerRan);
        QTRY_VERIFY(board.KeyboardCursorShown());
        QVERIFY(timerRan);
        board.MoveCard(1, 201, 202, 30, false);
        QCOMPARE(steps.size(), std::size_t(30));
    }

    // What acts on the board (a solver's answer, a handed file) waits for the turn's moves:
    // asked mid-move it runs once they are all drawn, asked on a still board at once, and
    // never once the one who asked is gone.
    void whatWaitsForAStillBoardRunsAfterTheTurn() {
        auto w = dealt(7);
        BoardWidget& board = w->board();
        int ran = 0;
        int ranMidTurn = -1;
        auto gone = std::make_unique<QObject>();
        board.SetStepObserver([&](Card card, int step) {
            if (card == 0 && step == 2) {
                board.WhenStill(w.get(), [&] { ++ran; });
                board.WhenStill(gone.get(), [&] { ran += 100; });
            }
            if (card == 1 && step == 1) ranMidTurn = ran;
        });
        board.MoveCard(0, board.PlaceOf(0), 200, 5, false);
        gone.reset();
        board.MoveCard(1, board.PlaceOf(1), 201, 5, false); // the same turn
        QCOMPARE(ranMidTurn, 0);
        QCOMPARE(ran, 0);
        QTRY_COMPARE(ran, 1);
        QTest::qWait(20);
        QCOMPARE(ran, 1);
        board.WhenStill(w.get(), [&] { ran = 10; });
        QCOMPARE(ran, 10);
        // A card let go where it cannot land slides back: that is a move drawn too. The
        // call queued before it runs during its first step.
        board.Shift({ 5 }, QPointF(3000, 0));
        QMetaObject::invokeMethod(
            &board, [&] { board.WhenStill(w.get(), [&] { ++ran; }); }, Qt::QueuedConnection);
        board.SlideBack({ 5 });
        QCOMPARE(ran, 10);
        QTRY_COMPARE(ran, 11);
    }

    // What arrives while a step is waited out: a press or a key hurries the move, a release
    // or the pointer moving is only held; both are handed on in order once the turn is over.
    // Anything else (a paint, a timer of Qt's own) passes at once.
    void theInputDuringAStepIsHeldThenHandedOn_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hurries");
        QTest::addColumn<bool>("held");
        const auto row = [](const char* name, QEvent::Type type, bool hurries, bool held) {
            QTest::newRow(name) << int(type) << hurries << held;
        };
        row("press", QEvent::MouseButtonPress, true, true);
        row("double click", QEvent::MouseButtonDblClick, true, true);
        row("key", QEvent::KeyPress, true, true);
        row("wheel", QEvent::Wheel, true, true);
        row("close", QEvent::Close, true, true);
        row("release", QEvent::MouseButtonRelease, false, true);
        row("pointer moved", QEvent::MouseMove, false, true);
        row("key let go", QEvent::KeyRelease, false, true);
        row("paint asked", QEvent::UpdateRequest, false, false);
        row("enter", QEvent::Enter, false, false);
    }
    void theInputDuringAStepIsHeldThenHandedOn() {
        QFETCH(int, type);
        QFETCH(bool, hurries);
        QFETCH(bool, held);
        EventLog target;
        target.show();
        QCoreApplication::processEvents();
        target.got.clear();
        const auto make = [&]() -> QEvent* {
            const QPointF p(5, 5);
            switch (QEvent::Type(type)) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
                return new QMouseEvent(
                    QEvent::Type(type), p, p, p, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                return new QKeyEvent(QEvent::Type(type), Qt::Key_A, Qt::NoModifier);
            case QEvent::Wheel:
                return new QWheelEvent(
                    p, p, {}, { 0, 120 }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            case QEvent::Close:
                return new QCloseEvent;
            default:
                return new QEvent(QEvent::Type(type));
            }
        };
        StepPacer pacer;
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::postEvent(&target, make());
        QCOMPARE(pacer.WaitUntil(clock, 1), !hurries);
        QCOMPARE(pacer.Hurried(), hurries);
        QCOMPARE(pacer.Held(), std::size_t(held ? 1 : 0));
        const auto given = [&] { return std::count(target.got.begin(), target.got.end(), type); };
        QCOMPARE(given(), held ? 0 : 1);
        QVERIFY(target.isVisible()); // a close waits too
        QTRY_COMPARE(pacer.Held(), std::size_t(0));
        QTRY_COMPARE(given(), 1);
        QVERIFY(!pacer.Hurried());
    }

    // A wait inside a wait (a queued call that moves cards mid-move) leaves the outer one
    // holding input back: a press after the inner wait is still held.
    void aWaitInsideAWaitStillHoldsInput() {
        EventLog target;
        target.show();
        StepPacer pacer;
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(
            &target,
            [&] {
                QElapsedTimer inner;
                inner.start();
                pacer.WaitUntil(inner, 1);
                const QPointF p(5, 5);
                QCoreApplication::postEvent(&target,
                    new QMouseEvent(QEvent::MouseButtonPress, p, p, p, Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier));
            },
            Qt::QueuedConnection);
        QVERIFY(!pacer.WaitUntil(clock, 500)); // hurried
        QCOMPARE(pacer.Held(), std::size_t(1));
        QCOMPARE(std::count(target.got.begin(), target.got.end(), QEvent::MouseButtonPress), 0);
        QTRY_COMPARE(std::count(target.got.begin(), target.got.end(), QEvent::MouseButtonPress), 1);
    }

    // A press held while the move it hurried opens a dialog is dropped: it is never handed
    // to the window behind the dialog.
    void inputHeldWhenADialogOpensIsDropped() {
        EventLog target;
        target.show();
        StepPacer pacer;
        QElapsedTimer clock;
        clock.start();
        const QPointF p(5, 5);
        QCoreApplication::postEvent(&target,
            new QMouseEvent(
                QEvent::MouseButtonPress, p, p, p, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QVERIFY(!pacer.WaitUntil(clock, 1));
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        QTRY_COMPARE(pacer.Held(), std::size_t(0));
        QCoreApplication::processEvents();
        QCOMPARE(std::count(target.got.begin(), target.got.end(), QEvent::MouseButtonPress), 0);
        dialog.hide();
    }

    // A replay runs on the window's timer, a move at each tick, the menus following it, and
    // stops at the start of the game; forward, at its end.
    void aReplayRunsOnItsOwnToTheStart() {
        auto w = open();
        QCOMPARE(w->Replay().Interval(true), w->session().opt.FwdBackSpeed() * 10); // as kept
        w->session().opt.SetFwdBackSpeed(1); // a tick every 10 ms
        QCOMPARE(w->Replay().Interval(true), 10);
        QCOMPARE(w->Replay().Interval(false), 10);
        deal(*w, 7);
        w->session().engine.rules().CardDoubleClicked(48);
        w->session().engine.rules().CardDoubleClicked(49);
        w->RefreshMenus();
        w->Action(u"mnuBack"_s)->trigger();
        QVERIFY(w->Replay().BackwardRunning());
        QTRY_COMPARE(w->session().trans.GetTransID(), qint16(0));
        QTRY_VERIFY(!w->Replay().BackwardRunning());
        QVERIFY(w->Action(u"mnuForward"_s)->isEnabled());
        QVERIFY(!w->Action(u"mnuStop"_s)->isEnabled());
        w->Action(u"mnuForward"_s)->trigger();
        QVERIFY(w->Replay().ForwardRunning());
        QTRY_COMPARE(w->session().trans.GetTransID(), w->session().trans.TransCount());
        QTRY_VERIFY(!w->Replay().ForwardRunning());
    }

    // The states the enabling follows, played through the window: which entries a player
    // can use on an empty board, in a game before and after a move, at a snapshot, during a
    // replay, while a finished game is watched, and once every card left can go home. Each
    // toolbar button follows its menu entry.
    void theMenusFollowTheGameThroughItsStates() {
        auto w = open();
        const QStringList checked { "mnuNew", "mnuRestart", "mnuSave", "mnuClose", "mnusnap",
            "mnuUndosnap", "mnuHint", "mnuUndo", "mnuRedo", "mnuUndoall", "mnuRedoall",
            "mnuReplayAll", "mnuBack", "mnuForward", "mnuStop", "mnuFinish", "mnuSolution" };
        const auto enabled = [&] {
            w->RefreshMenus();
            QStringList on;
            for (const QString& control : checked)
                if (w->Action(control)->isEnabled()) on << control;
            for (const Command& command : CommandTable::Commands())
                if (command.button > 0
                    && w->Action(QLatin1String(KeyOf(command.id)))->isEnabled()
                        != w->Action(QLatin1String(command.control))->isEnabled())
                    on << u"button "_s + QLatin1String(KeyOf(command.id));
            return on.join(QLatin1Char(' '));
        };
        const QString game = u"mnuNew mnuRestart mnuSave mnuClose"_s;
        QCOMPARE(enabled(), u"mnuNew"_s); // an empty board
        deal(*w, 7);
        QCOMPARE(enabled(), game + u" mnusnap mnuHint mnuSolution"_s);
        w->Action(u"mnusnap"_s)->trigger(); // at the same move: nothing to go back to
        QCOMPARE(enabled(), game + u" mnusnap mnuHint mnuSolution"_s);
        w->session().engine.rules().CardDoubleClicked(48);
        QCOMPARE(enabled(),
            game + u" mnusnap mnuUndosnap mnuHint mnuUndo mnuReplayAll mnuBack mnuSolution"_s);
        w->Action(u"mnuUndosnap"_s)->trigger(); // back to the snapshot, before the move
        QCOMPARE(
            enabled(), game + u" mnusnap mnuHint mnuRedo mnuReplayAll mnuForward mnuSolution"_s);
        w->Action(u"mnuRedo"_s)->trigger();
        w->Action(u"mnuBack"_s)->trigger(); // a replay holds the history back
        QVERIFY(w->Replay().BackwardRunning());
        QCOMPARE(
            enabled(), game + u" mnusnap mnuUndosnap mnuHint mnuReplayAll mnuStop mnuSolution"_s);
        w->Action(u"ReplayStop"_s)->trigger(); // the button stops it
        QVERIFY(!w->Replay().BackwardRunning());
        // A finished game watched: no snapshot, hint or solution of a game not in play.
        const QString watched = dir_.filePath(u"seven.q2k"_s);
        QVERIFY(writeContent(watched, " 7 \r\n 48  200  1  1 \r\n"));
        w->session().menu.GameLost();
        QVERIFY(w->session().menu.OpenChecked(watched));
        while (w->Replay().ForwardRunning())
            w->session().trans.ReplayTick(true);
        QCOMPARE(enabled(), game + u" mnuUndo mnuReplayAll mnuBack"_s);
        w->Action(u"mnuClose"_s)->trigger();
        QCOMPARE(enabled(), u"mnuNew"_s);
        // Every card left can go home: Finish, but not while a replay runs.
        w->session().opt.SetFinishByItself(0);
        deal(*w, 7);
        w->session().engine.rules().CardDoubleClicked(48); // a history to replay
        // The six of clubs goes home by hand only, and then everything else follows.
        BoardBuilder(w->session().engine)
            .columns({ "6H 4D 6C", "KH QH JH TH 9H 8H 7H", "KC QC JC TC 9C 8C 7C",
                "KD QD JD TD 9D 8D 7D 6D 5D" })
            .foundation("5H")
            .foundation("5C")
            .foundation("3D")
            .foundation("KS");
        QVERIFY(w->session().engine.autoPlayer().CanFinish());
        QVERIFY(enabled().contains(u"mnuFinish"_s));
        w->Action(u"mnuBack"_s)->trigger();
        QVERIFY(!enabled().contains(u"mnuFinish"_s));
        w->Action(u"mnuStop"_s)->trigger();
    }

    // Undo to Snapshot follows the snapshot at once, without waiting for the menus' next
    // refresh: offered once one is taken, gone with the game.
    void undoToSnapshotGoesWithTheGameAtOnce() {
        auto w = dealt(7);
        QAction* back = w->Action(u"mnuUndosnap"_s);
        w->session().menu.SnapshotPosition();
        QVERIFY(back->isEnabled());
        w->session().menu.NoGame();
        QVERIFY(!back->isEnabled());
        deal(*w, 7);
        w->session().menu.SnapshotPosition();
        w->session().menu.NewGame(8, false);
        w->session().menu.Game_Started(false);
        QVERIFY(!back->isEnabled());
    }

    // At the window's first width every button is in sight: none is folded away.
    void theWholeToolbarFitsTheFirstWidth() {
        auto w = open();
        QCOMPARE(w->width(), frmMain::kWidth);
        const auto* toolbar = w->findChild<QToolBar*>(u"Toolbar1"_s);
        const auto* fold = toolbar->findChild<QWidget*>(u"qt_toolbar_ext_button"_s);
        QVERIFY(fold && !fold->isVisible());
        QVERIFY(toolbar->widgetForAction(w->Action(u"Finish"_s))->isVisible());
    }

    // The status panels stand side by side while they fit to the pixel, then in two rows,
    // then one under another; a hidden panel takes no place.
    void theStatusPanelsGoIntoRowsOnlyWhenTheyNoLongerFit() {
        QWidget bar;
        auto* panels = new StatusPanels(&bar);
        QList<QLabel*> labels;
        for (const char* text : { "Cards Left: 52", "Game No. 7", "Moves: 0", "Time" }) {
            labels.append(new QLabel(QLatin1String(text)));
            panels->Add(labels.back());
        }
        bar.show();
        const int gap = panels->layout()->spacing();
        const auto widest = [&labels] {
            int w = 0;
            for (const QLabel* label : labels)
                if (!label->isHidden()) w = std::max(w, label->sizeHint().width());
            return w;
        };
        const int w = widest();
        const struct {
            int width, columns;
        } rows[] { { 4 * w + 3 * gap, 4 }, { 4 * w + 3 * gap - 1, 2 }, { 2 * w + gap, 2 },
            { 2 * w + gap - 1, 1 } };
        for (const auto& row : rows) {
            panels->resize(row.width, 60);
            QCOMPARE(panels->Columns(), row.columns);
            // The columns in use share the whole width: none left over from a wider row.
            QCoreApplication::sendPostedEvents();
            panels->layout()->activate();
            QVERIFY(labels[0]->width() * row.columns >= row.width - 3 * gap);
        }
        labels[0]->hide();
        const int three = widest();
        panels->resize(3 * three + 2 * gap, 60);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(panels->Columns(), 3);
    }

    // The toolbar's row is 380 twips high, and taller with a large font, so that the player
    // box and the clock are never cut.
    void theToolbarsRowHoldsThePlayerBoxAtAnyFontSize() {
        for (const int points : { 0, 22 }) {
            QFont font = QApplication::font();
            const QFont before = font;
            if (points > 0) font.setPointSize(points);
            QApplication::setFont(font);
            auto w = open();
            QApplication::setFont(before);
            const WindowParts& parts = w->Parts();
            QVERIFY(parts.strip->height() >= 26); // 380 twips
            QVERIFY(parts.strip->height() >= parts.players->sizeHint().height());
            QVERIFY(parts.strip->height() >= parts.clock->sizeHint().height());
            // No taller than the font asks: the board keeps the room.
            QVERIFY(
                parts.strip->height() <= std::max(26, parts.strip->fontMetrics().height() + 10));
        }
    }

    // What the player hid of the menus, the toolbar and the status panels is hidden again at
    // the next start, and what was shown is shown: the ends of each, then the middle.
    void aHiddenLayoutIsHiddenAgainAtTheNextStart() {
        open().reset(); // past the first run, which shows everything
        for (const bool ends : { false, true }) {
            const auto shown = [ends](int i, int last) { return (i == 1 || i == last) == ends; };
            {
                SettingsStore store(paths_.configFolder);
                cCustom custom(store);
                for (int i = 1; i <= cCustom::kMenus; ++i)
                    custom.SetMenu(i, shown(i, cCustom::kMenus));
                for (int i = 1; i <= cCustom::kButtons; ++i)
                    custom.SetButton(i, shown(i, cCustom::kButtons));
                for (int i = 1; i <= cCustom::kPanels; ++i)
                    custom.SetPanel(i, shown(i, cCustom::kPanels));
            }
            auto w = open();
            for (int i = 1; i <= cCustom::kMenus; ++i)
                QCOMPARE(w->Custom().MenuVisible(i), shown(i, cCustom::kMenus));
            const QList<QAction*> buttons = w->Parts().toolbar->actions();
            QCOMPARE(buttons.size(), cCustom::kButtons);
            for (int i = 1; i <= cCustom::kButtons; ++i)
                QCOMPARE(buttons[i - 1]->isVisible(), shown(i, cCustom::kButtons));
            for (int i = 1; i <= cCustom::kPanels; ++i)
                QCOMPARE(w->Custom().PanelVisible(i), shown(i, cCustom::kPanels));
        }
    }

    void aHiddenMenuKeepsItsShortcuts() {
        auto w = dealt(7);
        w->session().engine.rules().CardDoubleClicked(48);
        w->RefreshMenus();
        std::array<bool, 6> menus {};
        w->Custom().Apply({}, menus, {}); // every customisable menu hidden, Edit among them
        QVERIFY(!w->Custom().MenuVisible(1));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->session().trans.GetTransID(), qint16(0));
    }

    // The window's own parts a screen reader finds are named: the toolbar, each of its
    // buttons (the one for folded buttons too) and the status bar.
    // Each command that opens a window opens its own.
    void eachWindowCommandOpensItsWindow() {
        auto w = dealt(7);
        const struct {
            const char* command;
            const char* title;
        } rows[] { { "mnuScore", "QuadRell 2000 Score Board" },
            { "mnuFavOpen", "Open From Favorites" }, { "mnuOrgFav", "Favorites" },
            { "mnuAddFav", "Add to Favorites" }, { "mnuCustom", "Customize Quadrell 2000" },
            { "mnuautosave", "AutoSave" }, { "mnuOptions", "QuadRell 2000 Options" },
            { "mnuAbout", "About Quadrell 2000" }, { "mnuSource", "Quadrell 2000 Source" },
            { "mnuSelect", "Select Game" }, { "mnuOpen", "Quadrell 2000 Select Game" } };
        for (const auto& row : rows) {
            QString opened;
            ModalAnswerer answers;
            answers.handler = [&opened](QWidget* dialog) {
                opened = dialog->windowTitle();
                dialog->close();
            };
            w->Action(QLatin1String(row.command))->trigger();
            QTRY_COMPARE(opened, QLatin1String(row.title));
        }
    }

    // The names and texts are held by the windows' record; the button for folded buttons is
    // Qt's own, which the record leaves out, and where each part stands it does not say.
    void theFoldedButtonIsNamedAndThePartsStandInTheStrip() {
        auto w = open();
        for (auto* button : w->Parts().toolbar->findChildren<QToolButton*>())
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty(),
                qPrintable(button->objectName()));
        const WindowParts& parts = w->Parts();
        const std::initializer_list<QWidget*> strip { parts.toolbar, parts.players, parts.clock,
            parts.winnable, parts.difficulty };
        for (QWidget* part : strip)
            QCOMPARE(part->parentWidget(), parts.strip);
    }

    // Each of the View menu's ticks turns its part and is kept for the next start.
    void viewTogglesHideAndStore() {
        const QStringList ticks { u"mnuTimer"_s, u"mnuToolbar"_s, u"mnuStatusbar"_s,
            u"mnuWinnable"_s, u"mnuDifficulty"_s };
        const auto ticked = [&ticks](frmMain& w) {
            QString out;
            for (const QString& name : ticks)
                out += w.Action(name)->isChecked() ? u'1' : u'0';
            return out;
        };
        auto w = open();
        QCOMPARE(ticked(*w), u"11100"_s);
        for (const QString& name : ticks)
            w->Action(name)->trigger();
        QCOMPARE(ticked(*w), u"00011"_s);
        QVERIFY(!w->Parts().clock->isVisible());
        QVERIFY(!w->Parts().strip->isVisible());
        QVERIFY(!w->statusBar()->isVisible());
        w->close();
        w = open();
        QCOMPARE(ticked(*w), u"00011"_s);
        QVERIFY(!w->Parts().clock->isVisible());
        QVERIFY(!w->Parts().strip->isVisible());
        QVERIFY(!w->statusBar()->isVisible());
        w->Action(u"mnuToolbar"_s)->trigger();
        QVERIFY(w->Parts().strip->isVisible());
        QCOMPARE(w->session().opt.ShowToolbar(), qint16(1));
    }

    void closingKeepsTheGameAndTheNextStartResumesIt() {
        std::vector<Loc> before;
        {
            auto w = open();
            deal(*w, 1000);
            w->session().engine.rules().CardDoubleClicked(48);
            w->session().engine.rules().CardDoubleClicked(49);
            before = tags(*w);
            w->close();
            QVERIFY(w->session().save.Unfinished());
        }
        {
            // A file named at the start asks first: No to leaving the kept game ends the
            // start, and the game stays kept.
            const QString seven = dir_.filePath(u"seven-at-start.qrl"_s);
            QVERIFY(writeContent(seven, " 7 \r\n")); // game 7, no move yet
            ModalAnswerer no(false);
            QVERIFY(!open(seven));
            QCOMPARE(no.texts.size(), 1);
        }
        auto w = open();
        QCOMPARE(w->session().engine.state().gGameNumber, 1000);
        QCOMPARE(tags(*w), before);
        QCOMPARE(w->session().trans.MoveID(), qint16(2));
        QVERIFY(w->session().engine.state().gGameActive);
    }

    void aPipeAsTheBackgroundPictureDoesNotStopTheStart() {
        const QString fifo = dir_.filePath(u"picture.bmp"_s);
        const WatchedFifo pipe(fifo);
        QVERIFY(pipe.Made());
        {
            SettingsStore store(paths_.configFolder);
            cOpt(store).SaveColor(0x800000, fifo, true);
        }
        auto w = open();
        QVERIFY(w);
        QVERIFY(w->session().opt.BackPicEnable());
        QVERIFY(!pipe.OpenedToRead());
        QFile::remove(fifo);
    }

    // Another launch hands over a file while the finished-game dialog is open: the file
    // waits for the dialog, and the won game is recorded once.
    void aHandedFileWaitsForTheFinishedGameDialog() {
        auto w = dealt(7);
        w->session().engine.rules().CardDoubleClicked(48);
        w->session().trans.SaveToFile(dir_.filePath(u"seven.qrl"_s));
        deal(*w, 1000);
        int dialogs = 0;
        ModalAnswerer answers;
        answers.handler = [&](QWidget* dialog) {
            if (++dialogs == 1) {
                w->OpenHandedFile(dir_.filePath(u"seven.qrl"_s));
                QTest::qWait(50); // the hand-over's own turn of the event loop passes
            }
            if (auto* cancel = dialog->findChild<QPushButton*>(u"CancelButton"_s)) cancel->click();
        };
        w->session().GameWonDetected();
        QTRY_COMPARE(w->session().engine.state().gGameNumber, 7);
        QCOMPARE(dialogs, 1);
        QCOMPARE(contentOf(w->session().save.ScoreFile()).count("\r\n"), 1);
    }

    void exitKeepsNothing() {
        {
            auto w = open();
            deal(*w, 1000);
            w->session().engine.rules().CardDoubleClicked(48);
            w->session().kept.Update();
            bool quit = false;
            w->SetQuitAction([&quit] { quit = true; });
            w->Action(u"mnuExit"_s)->trigger();
            QVERIFY(quit);
        }
        auto w = open();
        QVERIFY(!w->session().engine.state().gGameActive);
    }

    // A message before the window (here: a file that is gone) must not move it: the place
    // kept at closing is the place it opens at, start after start.
    void theWindowOpensWhereItWasClosed() {
        const QString missing = dir_.filePath(u"gone.qrl"_s);
        {
            SettingsStore store(paths_.configFolder); // left by a start that crept upwards
            store.SetSingle(u"Save"_s, u"Top"_s, -405);
        }
        QPoint first;
        for (int start = 0; start < 3; ++start) {
            ModalAnswerer answers;
            auto w = open(missing);
            QTRY_VERIFY(w->isVisible());
            if (start == 0) first = w->frameGeometry().topLeft();
            QCOMPARE(w->frameGeometry().topLeft(), first);
            QVERIFY(w->screen()->availableGeometry().contains(w->geometry().topLeft()));
            w->close();
        }
    }

    void theWindowKeepsItsSizeAndNeverOpensLargerThanTheScreen() {
        {
            auto w = open();
            w->resize(700, 520);
            // Written once the resizing has settled, before any close.
            QTRY_COMPARE(w->session().store.GetSingle(u"Save"_s, u"Width"_s, 0), 700.0f * 15);
        }
        {
            auto w = open();
            QCOMPARE(w->size(), QSize(700, 520));
            QCOMPARE(w->board().Scale(), w->board().width() / 643.0);
            w->session().store.SetSingle(u"Save"_s, u"Width"_s, 1e6f);
        }
        auto w = open();
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
        // Maximised and closed, the width fitted to this screen is not taken as the player's.
        const QSize fitted = w->size();
        w->showMaximized();
        QTRY_VERIFY(w->size() != fitted);
        w->close();
        QCOMPARE(w->session().store.GetSingle(u"Save"_s, u"Width"_s, 0), 1e6f);
    }

    void nonsenseInTheStoreStillOpensAWindowOnScreen() {
        QSize first;
        {
            auto w = open();
            first = w->size(); // a fresh start's
            w->session().store.SetText(u"Save"_s, u"Height"_s, u"tall"_s);
            w->session().store.SetText(u"Save"_s, u"Left"_s, u"-9e30"_s);
            w->session().store.SetText(u"Save"_s, u"Top"_s, u"nan"_s);
            w->session().opt.SetBackPicEnable(true);
            w->session().opt.SetBackPicture(dir_.filePath(u"missing.png"_s));
        }
        auto w = open();
        QCOMPARE(w->size(), first);
        // A place with one part unreadable is no place: the window opens in the middle.
        QVERIFY(
            qAbs(w->geometry().center().x() - w->screen()->availableGeometry().center().x()) <= 1);
        QCOMPARE(w->board().Background(), QColor(0, 64, 128));
    }

    // Kept near the screen's far corner: the window comes back whole on the screen.
    void aPlaceAtTheScreensEdgeStillShowsTheWholeWindow() {
        QRect screen;
        {
            auto w = open();
            screen = w->screen()->availableGeometry();
            w->session().save.SetWindowPosition(
                float((screen.right() - 20) * 15), float((screen.bottom() - 20) * 15));
        }
        auto w = open();
        QVERIFY2(screen.contains(w->geometry()),
            qPrintable(u"%1,%2 %3x%4"_s.arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())));
        // Moved in no further than it must: room for as wide a frame on the right as below.
        QCOMPARE(screen.right() - w->geometry().right(), screen.bottom() - w->geometry().bottom());
    }

    // A keyboard player reaches the player box with Tab; a choice gives the board the keys.
    void thePlayerIsChosenFromTheKeyboard() {
        auto w = open();
        w->session().users.AddUser(u"Ann"_s, QString(), QString());
        w->ListPlayers(w->session().users.ComboNames(), 1);
        QApplication::setActiveWindow(w.get());
        w->board().setFocus();
        QTRY_VERIFY(w->board().hasFocus());
        QTest::keyClick(&w->board(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->Parts().players);
        QCOMPARE(w->Parts().players->accessibleName(), u"Player"_s);
        QTest::keyClick(w->Parts().players, Qt::Key_Down);
        QCOMPARE(w->session().players.CurrentComboIndex(), qint16(2));
        QVERIFY(w->board().hasFocus());
    }

    void pickingAnotherPlayerDuringAGameWaitsForItsEnd() {
        ModalAnswerer answers;
        auto w = open();
        w->session().users.AddUser(u"Ann"_s, QString(), QString());
        w->ListPlayers(w->session().users.ComboNames(), 1);
        deal(*w, 7);
        w->session().menu.PlayerChosen(2, u"Ann"_s);
        QCOMPARE(w->Parts().players->currentIndex(), 0);
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(answers.texts.front(),
            QStringLiteral("Quadrell 2000 cannot change Player in middle of the Game.\n"
                           " Player will be changed to  Ann  after you finish this game."));
        w->session().menu.GameLost();
        QCOMPARE(w->Parts().players->currentIndex(), 1);
        QCOMPARE(w->session().players.CurrentComboIndex(), qint16(2));
        // Done once: Guest chosen between games is still the player after the next one.
        w->session().menu.PlayerChosen(1, u"Guest"_s);
        deal(*w, 8);
        w->session().menu.GameLost();
        QCOMPARE(w->session().players.CurrentComboIndex(), qint16(1));
    }

    // The options edit the players; the main window's box follows a removal at once.
    // Added in Options, through its own window, a player joins the player box; removed, he
    // leaves it. Neither is undone by Cancel.
    void aPlayerAddedOrRemovedInOptionsIsInThePlayerBoxOrNot() {
        ModalAnswerer answers; // "Are you sure…" is answered yes
        auto w = open();
        int step = 0; // Add, Ann typed, Cancel; then Remove, Cancel
        answers.handler = [&step](QWidget* dialog) {
            if (auto* add = qobject_cast<frmAddPlayer*>(dialog); add && step == 1) {
                ++step;
                add->findChild<QLineEdit*>(u"txtPlayer"_s)->setText(u"Ann"_s);
                return add->findChild<QPushButton*>(u"cmdAdd"_s)->click();
            }
            auto* options = qobject_cast<frmOptions*>(dialog);
            if (!options || step == 1 || step == 4) return;
            if (step == 2 || step == 5) return ++step, options->reject();
            // Each window or question is answered on a later turn of the answerer.
            options->Players()->setCurrentItem(options->Players()->topLevelItem(1));
            const auto* name = step++ == 0 ? "cmdAdd" : "cmdRemove";
            QTimer::singleShot(
                0, options->findChild<QPushButton*>(QLatin1String(name)), &QPushButton::click);
        };
        answers.seen = [&step] { step += step == 4 ? 1 : 0; }; // the removal's question
        w->Action(u"mnuOptions"_s)->trigger();
        QCOMPARE(w->Parts().players->count(), 2);
        QCOMPARE(w->Parts().players->itemText(1), u"Ann"_s);
        w->Action(u"mnuOptions"_s)->trigger();
        QCOMPARE(w->Parts().players->count(), 1);
        QCOMPARE(w->Parts().players->itemText(0), u"Guest"_s);
    }

    void helpAndAboutShowTheirOwnTexts() {
        auto w = open();
        w->Action(u"Help"_s)->trigger();
        QVERIFY(w->Dialogs().Help() && w->Dialogs().Help()->isVisible());
        auto* browser = w->Dialogs().Help()->findChild<QTextBrowser*>();
        QVERIFY(browser->toPlainText().contains(u"Playing with the mouse"_s));
        QVERIFY(browser->toPlainText().contains(u"Undo to Snapshot"_s));
        for (const char* picture : { "selected.png", "keyboard.png", "drag.png", "charts.png" }) {
            const QUrl url = browser->source().resolved(QUrl(QLatin1String(picture)));
            const QVariant data = browser->loadResource(QTextDocument::ImageResource, url);
            QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), picture);
        }
        QTest::keyClick(browser, Qt::Key_Escape);
        QVERIFY(!w->Dialogs().Help()->isVisible());
        // Opened from a window at the screen's corner, it is still whole on the screen.
        const QRect screen = w->screen()->availableGeometry();
        w->move(screen.bottomRight() - QPoint(100, 100));
        w->Action(u"mnuContents"_s)->trigger();
        QVERIFY2(screen.contains(w->Dialogs().Help()->frameGeometry()),
            "the help window leaves the screen");
        // Asked for again while open behind the game, it comes forward, ready for its keys.
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
        w->Action(u"mnuContents"_s)->trigger();
        QTRY_COMPARE(QApplication::activeWindow(), w->Dialogs().Help());
        ModalAnswerer answers;
        bool logo = false;
        bool edged = false;
        bool closedByReturn = false;
        // Its texts, fonts and buttons are the window record's; what the record leaves out:
        answers.handler = [&logo, &edged, &closedByReturn](QWidget* dialog) {
            // They sit in a sunken panel, whose edge is drawn against the dialog's ground
            // (checked once the dialog has closed, as a failure here would keep it open).
            for (auto* frame : dialog->findChildren<QFrame*>())
                if (frame->metaObject() == &QFrame::staticMetaObject) {
                    const QImage drawn = frame->grab().toImage();
                    edged = drawn.pixelColor(0, drawn.height() / 2)
                        != frame->palette().color(QPalette::Window);
                }
            // Beside it, the program's own picture (checked once the dialog has closed).
            const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
            logo = std::any_of(labels.begin(), labels.end(), [](const QLabel* l) {
                return l->pixmap().toImage() == Icons::Program().pixmap(QSize(64, 64)).toImage();
            });
            QTest::keyClick(dialog, Qt::Key_Return); // Return alone closes it
            closedByReturn = !dialog->isVisible();
            if (!closedByReturn) static_cast<QDialog*>(dialog)->reject();
        };
        w->Action(u"mnuAbout"_s)->trigger();
        QVERIFY(logo);
        QVERIFY(edged);
        QVERIFY(closedByReturn);
    }

    // A picture chosen in the options is on the board at once, before OK.
    void aPictureChosenIsOnTheBoardAtOnce() {
        auto w = open();
        QImage magenta(1000, 800, QImage::Format_RGB32);
        magenta.fill(QColor(255, 0, 255));
        const QString path = dir_.filePath(u"magenta.png"_s);
        QVERIFY(magenta.save(path));
        w->session().opt.SetBackPicture(path);
        const QImage board = w->board().grab().toImage();
        QCOMPARE(board.pixelColor(board.width() / 2, board.height() - 5), QColor(255, 0, 255));
    }

    // The Finish line goes when Finish does, but never takes another message with it.
    void theFinishLineGoesWithFinishAndLeavesOtherMessages() {
        QStatusBar status;
        FinishNotice notice(status);
        const QString line = u"Every card left can go home: Finish (Ctrl+F) sends them."_s;
        notice.Update(true, u"Ctrl+F"_s);
        QCOMPARE(status.currentMessage(), line);
        notice.Update(false, u"Ctrl+F"_s);
        QCOMPARE(status.currentMessage(), QString());
        notice.Update(true, u"Ctrl+F"_s);
        status.showMessage(u"Hint: Ten of Diamonds to cell 1"_s);
        notice.Update(false, u"Ctrl+F"_s);
        QCOMPARE(status.currentMessage(), u"Hint: Ten of Diamonds to cell 1"_s);
    }

    void theSourceWindowShowsTheMoves() {
        auto w = dealt(7);
        w->session().engine.rules().CardDoubleClicked(48);
        frmSource source = SessionDialogs::Source(w->session(), w.get());
        QCOMPARE(source.Text()->toPlainText(), u"A1   "_s);
        // Room to read a long game's moves, several lines at a time.
        source.show();
        QVERIFY(source.width() >= 640 && source.height() >= 300);
        // OK and Cancel close it, each with its own answer.
        for (const auto& [button, answer] : { std::pair { "cmdOK", QDialog::Accepted },
                 std::pair { "cmdCancel", QDialog::Rejected } }) {
            source.show();
            source.findChild<QPushButton*>(QLatin1String(button))->click();
            QVERIFY(source.isHidden());
            QCOMPARE(source.result(), int(answer));
        }
        // Save writes the moves, as edited, under a heading, the lines ended with CR LF.
        source.Text()->setPlainText(u"A1   \nmy note"_s);
        const QString saved = dir_.filePath(u"source-7.txt"_s);
        ModalAnswerer names;
        names.handler = [&](QWidget* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                ModalAnswerer::TypeFileName(files, saved);
        };
        source.findChild<QPushButton*>(u"cmdSave"_s)->click();
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("Quadrell 2000 Source File\r\n"));
        QVERIFY(text.contains("2026-12-10 12:00:00\r\nGame No      : 7\r\n")); // its clock's
        QVERIFY(text.endsWith(" \r\nA1   \r\nmy note\r\n"));
        // A pipe in the file's place is not written through: it says so with the file's name.
        const QString pipe = dir_.filePath(u"source-pipe.txt"_s);
        QVERIFY(makeFifo(pipe));
        ScriptedPrompter scripted;
        scripted.saveAs = pipe.toStdString();
        frmSource piped(
            u"A1   "_s, 7, u"Guest"_s, dir_.path(), scripted, w->session().clock, w.get());
        piped.findChild<QPushButton*>(u"cmdSave"_s)->click();
        QCOMPARE(scripted.messages,
            std::vector { "The source could not be saved to\r\n" + pipe.toStdString() });
    }

    // A hint outlines the next move and names it in the status bar until the player acts:
    // no time runs it out; the next move, selection or deal does.
    void aHintStaysUntilThePlayerActs() {
        enum class Act { Select, Move, Deal };
        for (const Act act : { Act::Select, Act::Move, Act::Deal }) {
            auto w = open();
            deal(*w, 617);
            w->RefreshMenus();
            w->Action(u"mnuHint"_s)->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(w->board().HintShown(), 5000);
            QCOMPARE(w->session().trans.TransCount(), qint16(0)); // nothing is moved
            const auto [source, target] = w->board().Hint();
            const Card card = w->session().engine.state().gBoard.GetCardIndex(source);
            const QString line = u"Hint: "_s + CardNames::OfMove(card, target);
            QCOMPARE(w->statusBar()->currentMessage(), line);
            for (int i = 0; i < 20; ++i) // the clocks tick; nothing else happens
                w->RefreshMenus(), w->ClockTick(), QCoreApplication::processEvents();
            QVERIFY(w->board().HintShown());
            QCOMPARE(w->statusBar()->currentMessage(), line);
            if (act == Act::Select) w->session().engine.rules().CardClicked(source);
            if (act == Act::Move) w->session().engine.rules().CardDoubleClicked(47);
            if (act == Act::Deal) deal(*w, 7);
            QVERIFY(!w->board().HintShown());
            QVERIFY(w->statusBar()->currentMessage() != line);
        }
        // A line shown since the hint stays when the hint goes.
        auto w = open();
        deal(*w, 617);
        w->RefreshMenus();
        w->Action(u"mnuHint"_s)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w->board().HintShown(), 5000);
        w->statusBar()->showMessage(u"A line of its own"_s);
        w->session().engine.rules().CardClicked(w->board().Hint().first);
        QVERIFY(!w->board().HintShown());
        QCOMPARE(w->statusBar()->currentMessage(), u"A line of its own"_s);
    }

    // A search that takes a while shows that it is busy until it answers (here that the
    // position cannot be won) or is cancelled.
    void aLongSearchShowsItIsBusyUntilItEnds() {
        const QString eight = dir_.filePath(u"handed-eight.qrl"_s);
        // Answered; cancelled; or dropped as a file another launch handed over opens.
        for (const int way : { 0, 1, 2 }) {
            auto w = open();
            deal(*w, 8);
            QVERIFY(w->session().trans.SaveToFile(eight));
            deal(*w, 7);
            BoardBuilder(w->session().engine).noMovesLeft();
            HeldAnswer held(*w->statusBar());
            if (way == 1) held.then = [&w] { w->Assist().Cancel(); };
            if (way == 2)
                held.then = [&] {
                    w->OpenHandedFile(eight);
                    QTRY_COMPARE(w->session().engine.state().gGameNumber, 8);
                };
            ModalAnswerer answers; // Yes to giving the game up for the file
            w->Assist().Hint();
            QTRY_VERIFY_WITH_TIMEOUT(held.held, 20000);
            QCOMPARE(held.cursor, int(Qt::BusyCursor));
            QCOMPARE(held.message, u"Looking for a winning line..."_s);
            QCoreApplication::processEvents();
            const QStringList lost
                = answers.texts.filter(u"This game can no longer be won from here."_s);
            QCOMPARE(lost.size(), way == 0 ? 1 : 0);
            QVERIFY(!QApplication::overrideCursor());
            QCOMPARE(w->statusBar()->currentMessage(), QString());
        }
    }

    // No to giving the game up: the game stays in play, nothing is shown or recorded.
    void aSolutionDeclinedLeavesTheGameInPlay() {
        auto w = open();
        deal(*w, 617);
        ModalAnswerer no(false);
        w->Assist().ShowSolution();
        QTRY_COMPARE_WITH_TIMEOUT(no.texts.size(), 1, 20000);
        QVERIFY(no.texts.front().startsWith(u"Showing the solution gives"_s));
        QVERIFY(!w->Assist().PlayingSolution());
        QVERIFY(w->session().engine.state().gGameActive);
        QVERIFY(!w->session().engine.state().gFinishedView);
        QCOMPARE(QFileInfo(w->session().save.ScoreFile()).size(), 0);
    }

    void theSolutionIsWatchedOnlyInAGameGivenUpAndAnyCommandCancelsASearch() {
        auto w = open();
        w->session().opt.SetFwdBackSpeed(1);
        w->session().opt.SetSolutionSpeed(100); // its own pace, not the replay's: 1 s a move
        w->session().opt.SetCardSpeed(1);       // one step a move: no pacing
        deal(*w, 617);
        w->RefreshMenus();
        int finishDialogs = 0;
        ModalAnswerer answers; // Yes to leaving or giving up the game
        answers.handler = [&finishDialogs](QWidget* dialog) {
            ++finishDialogs;
            dialog->close();
        };
        w->Action(u"mnuSolution"_s)->trigger();
        QVERIFY(w->Assist().Solving());
        w->Action(u"mnusnap"_s)->trigger(); // cancels the search, before any answer can come
        QVERIFY(!w->Assist().Solving());
        w->Assist().ShowSolution();
        w->Action(u"mnuRestart"_s)->trigger(); // and one that asks first
        QVERIFY(!w->Assist().Solving());
        deal(*w, 617);
        answers.texts.clear();
        w->Assist().ShowSolution();
        QTRY_VERIFY_WITH_TIMEOUT(w->Assist().PlayingSolution(), 20000);
        QVERIFY(answers.texts.front().startsWith(u"Showing the solution gives this game up"_s));
        QCOMPARE(w->Assist().PaceMs(), 1000);
        w->RefreshMenus();
        QVERIFY(w->Action(u"mnuStop"_s)->isEnabled()); // Stop ends it
        w->Action(u"mnuSolutionFaster"_s)->trigger();
        QCOMPARE(w->Assist().PaceMs(), 666);
        QCOMPARE(w->statusBar()->currentMessage(), u"Show Solution: 0.67 s between moves"_s);
        w->Action(u"mnuSolutionSlower"_s)->trigger();
        QCOMPARE(w->Assist().PaceMs(), 999);
        int steps = 0; // drawn on the way: none, every move left lands at once
        w->board().SetStepObserver([&steps](Card, int) { ++steps; });
        w->Action(u"mnuSolutionEnd"_s)->trigger();
        w->board().SetStepObserver({});
        QCOMPARE(steps, 0);
        QVERIFY(!w->Assist().PlayingSolution());
        const GameState& state = w->session().engine.state();
        for (Loc home = kFirstFoundation; home <= kLastFoundation; ++home)
            QCOMPARE(rankOf(state.gBoard.GetCardIndex(home)), 13);
        QVERIFY(state.gFinishedView); // watched to its end, no finished-game dialog
        QCOMPARE(finishDialogs, 0);
        QFile scores(w->session().save.ScoreFile());
        QVERIFY(scores.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = scores.readAll().split('\n');
        QCOMPARE(lines.count() - 1, 2); // left at Restart, then given up: no win
        for (int i = 0; i < 2; ++i)
            QVERIFY(lines[i].contains(",617,") && !lines[i].contains("\",100,"));
    }

    // The solution stops with its last move, not a move's pace later with Stop still offered.
    void aWatchedSolutionEndsWithItsLastMove() {
        auto w = open();
        w->session().opt.SetSolutionSpeed(100); // 1 s a move
        w->session().opt.SetCardSpeed(1);
        deal(*w, 617);
        Engine& engine = w->session().engine;
        const Solver::Result solved = Solver::Solve(engine.state().gBoard);
        QVERIFY(solved.line.size() > 2);
        for (std::size_t i = 0; i + 1 < solved.line.size(); ++i) // all but the last move
            QVERIFY(Solver::Play(engine, solved.line[i]));
        w->RefreshMenus();
        ModalAnswerer yes; // to giving the game up
        w->Assist().ShowSolution();
        QTRY_VERIFY_WITH_TIMEOUT(w->Assist().PlayingSolution(), 20000);
        const cGame& board = engine.state().gBoard;
        QTRY_VERIFY_WITH_TIMEOUT(rankOf(board.GetCardIndex(kFirstFoundation)) == 13, 5000);
        QVERIFY(!w->Assist().PlayingSolution());
        w->RefreshMenus();
        QVERIFY(!w->Action(u"mnuStop"_s)->isEnabled());
    }

    // Game 7's fourth card sent to a cell loses it: the game goes back to just before that
    // move, the move outlined; a game still winnable says so. The question that gives the
    // game up offers the search too, and keeps the game.
    void whereWasItLostTakesTheGameBackToTheMoveThatLostIt() {
        auto w = dealt(7);
        w->RefreshMenus();
        {
            ModalAnswerer answers;
            w->Action(u"mnuWhereLost"_s)->trigger();
            QCOMPARE(
                w->statusBar()->currentMessage(), u"Looking for the move that lost the game..."_s);
            QTRY_COMPARE_WITH_TIMEOUT(answers.texts.size(), 1, 20000);
            QCOMPARE(answers.texts.front(), u"This game can still be won from here."_s);
            QCOMPARE(w->statusBar()->currentMessage(), QString());
        }
        for (const Loc column : { 0, 1, 4, 7 })
            w->session().engine.rules().CardDoubleClicked(column);
        const Card fourth = w->session().engine.state().gBoard.GetCardIndex(203);
        QTimer::singleShot(0, [] { // the question, answered by its third button
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->text() == u"Are you sure You want to Quit this Game ?"_s);
            box->findChild<QAbstractButton*>(u"cmdOther"_s)->click();
        });
        w->Action(u"mnuNew"_s)->trigger();
        QVERIFY(w->session().engine.state().gGameNumber == 7);
        QTRY_VERIFY_WITH_TIMEOUT(!w->LossSearching().Running(), 20000);
        QCOMPARE(w->session().trans.GetTransID(), qint16(3));
        QVERIFY(w->board().HintShown());
        QCOMPARE(w->statusBar()->currentMessage(),
            u"This move lost the game: %1"_s.arg(CardNames::OfMove(fourth, 203)));
    }

    // Today's Deal deals the date's own number and says it, then how hard it is; the menu
    // entry deals today's.
    void todaysDealIsTheDatesOwnAndSaysHowHard() {
        now_ = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59));
        auto w = dealt(7);
        ModalAnswerer yes; // to giving up the game in play
        w->Action(u"mnuToday"_s)->trigger();
        QCOMPARE(yes.texts.size(), 1);
        QCOMPARE(w->session().engine.state().gGameNumber, 28482);
        const QString said = w->statusBar()->currentMessage();
        QVERIFY2(said.startsWith(u"Today's deal, "_s) && said.contains(u"2026"_s)
                && said.endsWith(u": Game No. 28482"_s),
            qPrintable(said));
        const QStringList levels { u"Easy"_s, u"Medium"_s, u"Hard"_s, u"Expert"_s,
            u"Not solved"_s };
        QTRY_VERIFY_WITH_TIMEOUT(
            levels.contains(w->statusBar()->currentMessage().section(u", "_s, -1)), 20000);
    }

    // Difficulty and Can It Be Won, beside the clock: off unless chosen, answered for the
    // position and again for the next, and gone with their entry's tick; turned off while
    // they work, their answer, when it comes, is not taken.
    void theDifficultyAndCanItBeWonAnswerBesideTheClockWhenChosen() {
        auto w = open();
        const WindowParts& parts = w->Parts();
        const struct {
            const char* entry;
            QLabel* part;
            qint32 game;
            QString first;
            std::function<void()> next;
            QString then;
        } rows[] { { "mnuDifficulty", parts.difficulty, 7, u"Easy"_s, [&] { deal(*w, 47); },
                       u"Expert"_s },
            { "mnuWinnable", parts.winnable, 617, u"Winnable"_s,
                [&] { BoardBuilder(w->session().engine).noMovesLeft(); }, u"Lost"_s } };
        for (const auto& row : rows) {
            QAction* entry = w->Action(QLatin1String(row.entry));
            deal(*w, row.game);
            w->StatusbarUpdate();
            QVERIFY(row.part->isHidden());
            entry->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(row.part->text(), row.first, 20000);
            QVERIFY(row.part->isVisible());
            row.next();
            w->StatusbarUpdate();
            QTRY_COMPARE_WITH_TIMEOUT(row.part->text(), row.then, 20000);
            w->StatusbarUpdate(); // the same position: the answer stands, not asked again
            QCOMPARE(row.part->text(), row.then);
            entry->trigger();
            QVERIFY(row.part->isHidden());
            entry->trigger(); // chosen again on the same position, it answers again
            QVERIFY(row.part->isVisible());
            QTRY_COMPARE_WITH_TIMEOUT(row.part->text(), row.then, 20000);
            w->session().menu.NoGame(); // given up: the empty board has nothing to answer
            QVERIFY(row.part->isHidden());
            deal(*w, row.game);
            w->StatusbarUpdate();
            QCOMPARE(row.part->text(), u"..."_s); // at work
            entry->trigger();
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
            QVERIFY(row.part->isHidden());
            QCOMPARE(row.part->text(), u"..."_s);
        }
        QVERIFY(!parts.winnable->findChild<SolveTask*>()->Running()); // called off
    }

    void theFlashWarnsWhenNoMoveIsLeft() {
        auto w = open();
        BoardBuilder(w->session().engine).noMovesLeft();
        const Card card = w->session().engine.state().gBoard.GetCardIndex(8);
        w->session().pointer.CardPressed(card, PointerInput::Button::Right);
        QVERIFY(w->Flashing());
        QTRY_VERIFY_WITH_TIMEOUT(!w->Flashing(), 2000);
        QCOMPARE(w->windowTitle(), w->Caption());
    }

    // A flash of n turns the title n + 1 times, the last turn put back at once: two give
    // capitals, the caption, capitals, the caption.
    void aFlashTurnsTheTitleItsCountAndOnceMore() {
        QWidget window;
        TitleFlash flash(window);
        flash.SetCaption(u"Game"_s);
        QStringList titles;
        connect(
            &window, &QWidget::windowTitleChanged, [&titles](const QString& t) { titles << t; });
        flash.Start(1, 2);
        QTRY_VERIFY(!flash.Active());
        const QString turned = u"\u25c6 GAME \u25c6"_s;
        QCOMPARE(titles, (QStringList { turned, u"Game"_s, turned, u"Game"_s }));
        flash.Start(1, 1000);
        QTRY_COMPARE(window.windowTitle(), turned);
        flash.Start(60000, 2); // starts again from the caption; a turn a minute: none comes
        QCOMPARE(window.windowTitle(), u"Game"_s);
        const qsizetype seen = titles.size();
        QTest::qWait(20);
        QVERIFY(flash.Active());
        QCOMPARE(titles.size(), seen);
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::MainWindowTest)
#include "MainWindowTest.moc"
