// What the board gives a screen reader to say after each turn. Orca speaks the object that
// gains the focus (its name, then its description) and nothing of a focus that does not
// move, so every sentence is carried by the focused object: the cursor's object when that
// changed, else one of two voices in turn. The real Orca is run by tests/a11y/orca.sh.
#include "BoardAccessible.h"
#include "BoardBuilder.h"
#include "BoardWidget.h"
#include "ClockFace.h"
#include "DialogParts.h"
#include "LossSearch.h"
#include "ModalAnswerer.h"
#include "OpenWindow.h"
#include "RecentMenus.h"
#include "WonGame.h"
#include "frmMain.h"

#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

class BoardSpeechTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<frmMain> window_;
    ModalAnswerer answers_; // a refused move's message is answered, never waited on

    BoardWidget& board() { return window_->board(); }
    QAccessibleInterface* tree() { return QAccessible::queryAccessibleInterface(&board()); }
    void key(int k) {
        const auto mods = Qt::KeyboardModifiers(k & int(Qt::KeyboardModifierMask));
        QTest::keyClick(&board(), Qt::Key(k & ~int(Qt::KeyboardModifierMask)), mods);
    }
    // What the focused object says once the turn is over: "name | description".
    QString said() {
        QCoreApplication::processEvents();
        QAccessibleInterface* focus = tree()->focusChild();
        if (!focus) return u"(no focus)"_s;
        const QString description = focus->text(QAccessible::Description);
        return focus->text(QAccessible::Name)
            + (description.isEmpty() ? QString() : u" | "_s + description);
    }
    void doubleClick(Loc loc) { window_->session().engine.rules().CardDoubleClicked(loc); }

private slots:
    void init() {
        window_ = OpenWindow(AppPaths::Inside(dir_.path() + u"/home"_s));
        QVERIFY(window_);
        window_->session().menu.NewGame(7, false);
        window_->session().menu.Game_Started(false);
        QApplication::setActiveWindow(window_.get());
        board().setFocus();
        QTRY_VERIFY(board().hasFocus());
        QCOMPARE(said(), u"Ten of Diamonds, column 1 | exposed. New deal"_s);
        key(Qt::Key_Right);
        key(Qt::Key_Left);
        QCOMPARE(said(), u"Ten of Diamonds, column 1 | exposed"_s);
    }
    void cleanup() { window_.reset(); }

    // Each row: keys played from column 1's Ten of Diamonds, and what each one says.
    void eachTurnIsSaidByTheFocusedObject_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("heard");
        const int shiftEnter = int(Qt::Key_Return) | int(Qt::ShiftModifier);
        QTest::newRow("a move from under the cursor: the card now there, then the move")
            << QList<int> { shiftEnter }
            << QStringList { QStringLiteral(
                   "Two of Diamonds, column 1 | exposed. Ten of Diamonds to cell 1") };
        QTest::newRow("a selection and its clearing")
            << QList<int> { Qt::Key_Return, Qt::Key_Escape }
            << QStringList { u"Ten of Diamonds selected"_s, u"Selection cleared"_s };
        QTest::newRow("a column's number picks its card up, another puts it down")
            << QList<int> { Qt::Key_6, Qt::Key_8 }
            << QStringList { QStringLiteral(
                                 "Jack of Hearts, column 6 | exposed. Jack of Hearts selected"),
                   // the jack is still the cursor's card: a voice says where it went
                   u"Jack of Hearts to column 8"_s };
        QTest::newRow("Left goes round; C and F step through the cells and the foundations")
            << QList<int> { Qt::Key_Left, Qt::Key_C, Qt::Key_C, Qt::Key_F }
            << QStringList { u"Queen of Clubs, column 8 | exposed"_s, u"Cell 1: empty"_s,
                   u"Cell 2: empty"_s, u"Hearts foundation: empty"_s };
        QTest::newRow("a move that clears the selection is said as the move alone")
            << QList<int> { Qt::Key_Return, Qt::Key_Up, Qt::Key_Return }
            << QStringList { u"Ten of Diamonds selected"_s, u"Cell 1: empty"_s,
                   u"Ten of Diamonds to cell 1"_s };
    }
    void eachTurnIsSaidByTheFocusedObject() {
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, heard);
        QStringList all;
        for (int k : keys) {
            key(k);
            all << said();
        }
        QCOMPARE(all, heard);
    }

    // What each object is to a screen reader: columns are lists of cards, cells and
    // foundations buttons, the last move a status line of no size, the voices items that
    // speak for the whole board; a point on a column finds its topmost card there.
    void eachObjectHasItsRoleAndPlace() {
        QAccessibleInterface* places = tree();
        QCOMPARE(places->childCount(), BoardAccessible::kVoiceItems + 2);
        for (int i = 0; i < places->childCount(); ++i) {
            QAccessibleInterface* item = places->child(i);
            QCOMPARE(places->indexOfChild(item), i);
            const QAccessible::Role role = i < BoardAccessible::kCellItems ? QAccessible::List
                : i < BoardAccessible::kNewsItem                           ? QAccessible::PushButton
                : i == BoardAccessible::kNewsItem                          ? QAccessible::StatusBar
                                                                           : QAccessible::ListItem;
            QCOMPARE(item->role(), role);
            QVERIFY(item->isValid());
            QCOMPARE(item->window(), window_->windowHandle());
        }
        QVERIFY(places->child(BoardAccessible::kNewsItem)->rect().isEmpty());
        const QRect whole(board().mapToGlobal(QPoint(0, 0)), board().size());
        QCOMPARE(places->child(BoardAccessible::kVoiceItems)->rect(), whole);
        QAccessibleInterface* column = places->child(0);
        QAccessibleInterface* last = column->child(column->childCount() - 1);
        QCOMPARE(last->role(), QAccessible::ListItem);
        QCOMPARE(column->childAt(last->rect().center().x(), last->rect().bottom() - 2), last);
        QCOMPARE(places->childAt(last->rect().center().x(), last->rect().bottom() - 2), last);
        QCOMPARE(column->childAt(whole.right() + 50, whole.bottom() + 50), nullptr);
        QCOMPARE(last->text(QAccessible::Value), QString());
        // An empty cell or foundation, and a column past either end, give no card.
        for (const int empty : { BoardAccessible::kCellItems, BoardAccessible::kFoundationItems })
            QCOMPARE(places->child(empty)->child(0), nullptr);
        QCOMPARE(column->child(column->childCount()), nullptr);
        QCOMPARE(column->child(-1), nullptr);
    }

    // What a listening screen reader is told of a turn: every place's name changed (a move
    // changes what columns and cells read) and the moved card's, but not the focused
    // object's, which is told by its focus, once; a selection's card changes its state.
    // Qt tells only when a screen reader listens: run with one by a11y.events.
    void aListeningScreenReaderIsToldWhatChanged() {
        if (!qEnvironmentVariableIsSet("QUADRELL_A11Y_LISTENING"))
            QSKIP("needs the accessibility bus: run by a11y.events");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        struct Told {
            QAccessible::Event type;
            QAccessibleInterface* item;
        };
        static std::vector<Told> told;
        told.clear();
        const auto before = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            told.push_back({ event->type(), event->accessibleInterface() });
        });
        const auto count = [](QAccessible::Event type, QAccessibleInterface* item) {
            return std::count_if(told.begin(), told.end(),
                [&](const Told& t) { return t.type == type && t.item == item; });
        };
        doubleClick(46); // the Four of Spades to cell 1
        QCoreApplication::processEvents();
        QAccessibleInterface* places = tree();
        QAccessibleInterface* focus = places->focusChild();
        QAccessibleInterface* four = places->child(BoardAccessible::kCellItems)->child(0);
        QVERIFY(focus && four);
        for (int i = 0; i < BoardAccessible::kNewsItem; ++i)
            QCOMPARE(count(QAccessible::NameChanged, places->child(i)),
                places->child(i) == focus ? 0 : 1);
        QCOMPARE(count(QAccessible::NameChanged, four), four == focus ? 0 : 1);
        QCOMPARE(count(QAccessible::Focus, focus), 1);
        told.clear();
        key(Qt::Key_Return); // the card under the cursor, selected
        QCoreApplication::processEvents();
        QAccessibleInterface* column = places->child(0);
        QAccessibleInterface* ten = column->child(column->childCount() - 1);
        QCOMPARE(count(QAccessible::StateChanged, ten), 1);
        told.clear();
        key(Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(count(QAccessible::StateChanged, ten), 1);
        QAccessible::installUpdateHandler(before);
    }

    // A list in a dialog taking the focus tells its current row, not only itself: a screen
    // reader then reads the row the arrows start from.
    void aListTakingTheFocusTellsItsRow() {
        if (!qEnvironmentVariableIsSet("QUADRELL_A11Y_LISTENING"))
            QSKIP("needs the accessibility bus: run by a11y.events");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        static std::vector<std::pair<QAccessible::Event, QAccessibleInterface*>> told;
        told.clear();
        QDialog dialog(window_.get());
        auto* layout = new QVBoxLayout(&dialog);
        auto* elsewhere = new QLineEdit(&dialog);
        auto* list = new QTreeWidget(&dialog);
        for (const char* name : { "617", "Game 7" })
            new QTreeWidgetItem(list, { QString::fromLatin1(name) });
        layout->addWidget(elsewhere);
        layout->addWidget(list);
        dialog.show();
        QApplication::setActiveWindow(&dialog); // a window manager still busy may not do it
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        list->setCurrentItem(list->topLevelItem(1));
        elsewhere->setFocus();
        QCoreApplication::processEvents();
        const auto before = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            told.emplace_back(event->type(), event->accessibleInterface());
        });
        list->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list->hasFocus());
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(list)->focusChild();
        QVERIFY(row);
        QVERIFY(std::any_of(told.begin(), told.end(), [&](const auto& t) {
            return t.first == QAccessible::Focus && t.second && t.second->role() == row->role()
                && t.second->text(QAccessible::Name) == QLatin1String("Game 7");
        }));
        QAccessible::installUpdateHandler(before);
    }

    // A tick changed on a list's current row is told as a focus on one of the row's hidden
    // cells, then on the other, so a screen reader says each change; one elsewhere is not.
    void aTickChangedOnTheCurrentRowIsTold() {
        if (!qEnvironmentVariableIsSet("QUADRELL_A11Y_LISTENING"))
            QSKIP("needs the accessibility bus: run by a11y.events");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        static std::vector<int> columns; // of each cell given the focus
        columns.clear();
        QTreeWidget list;
        for (const char* name : { "Game", "Help" })
            new QTreeWidgetItem(&list, { QString::fromLatin1(name) });
        for (int i = 0; i < 2; ++i)
            list.topLevelItem(i)->setCheckState(0, Qt::Checked);
        SayCheckMarks(&list, u"shown"_s, u"hidden"_s);
        list.setCurrentItem(list.topLevelItem(1));
        const auto before = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* told = event->accessibleInterface();
            if (event->type() == QAccessible::Focus && told && told->tableCellInterface())
                columns.push_back(told->tableCellInterface()->columnIndex());
        });
        for (const int row : { 1, 1, 0 }) {
            QTreeWidgetItem* item = list.topLevelItem(row);
            item->setCheckState(
                0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        QAccessible::installUpdateHandler(before);
        QCOMPARE(columns, (std::vector<int> { 2, 1 }));
    }

    // Undo and redo say what they are; undoing or redoing all, how many moves and where the
    // game stands, not every card.
    void anUndoIsSaidAsAnUndo() {
        doubleClick(46); // the Four of Spades to cell 1
        doubleClick(38); // the Jack of Diamonds to cell 2, the Ace of Diamonds home
        said();
        const struct {
            const char* action;
            const char* heard;
        } steps[] {
            { "mnuUndo", "Undo: Ace of Diamonds to column 7; Jack of Diamonds to column 7" },
            { "mnuRedo",
                "Redo: Jack of Diamonds to cell 2; Ace of Diamonds to the Diamonds foundation" },
            { "mnuUndoall", "Undid 2 moves, back to the deal" },
            { "mnuRedoall", "Redid 2 moves, 51 cards left" },
            { "mnuUndo", "Undo: Ace of Diamonds to column 7; Jack of Diamonds to column 7" },
            { "mnuRedoall", "Redid 1 move, 51 cards left" },
        };
        for (const auto& step : steps) {
            window_->RefreshMenus();
            window_->Action(QLatin1String(step.action))->trigger();
            const QString heard = said();
            QVERIFY2(heard.endsWith(QLatin1String(step.heard)), qPrintable(heard));
        }
        doubleClick(46); // a move after them is said as a move again
        QCOMPARE(said(), u"Nine of Spades to cell 3; Ace of Spades to the Spades foundation"_s);
    }

    // With no game, the board's keys say how to begin, as the empty table shows it, and the
    // board's description holds the same words.
    void theEmptyBoardsKeysSayHowToBegin() {
        window_->session().menu.NoGame();
        said();
        const QString begin = u"New Game \u2014 F2. Select Game \u2014 F3"_s;
        QCOMPARE(tree()->text(QAccessible::Description), begin);
        for (const int k : { int(Qt::Key_Right), int(Qt::Key_3), int(Qt::Key_H) }) {
            key(k);
            QCOMPARE(said(), begin);
        }
        // Not a key of the board's: left to the window (a shortcut, a menu's letter).
        for (const int k : { int(Qt::Key_Q), int(Qt::Key_X), int(Qt::Key_9) }) {
            QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
            QApplication::sendEvent(&board(), &press);
            QVERIFY2(!press.isAccepted(), qPrintable(QKeySequence(k).toString()));
        }
        window_->session().menu.NewGame(7, false);
        window_->session().menu.Game_Started(false);
        QVERIFY(tree()->text(QAccessible::Description).startsWith(u"Arrow keys"_s));
    }

    // Finish's key when Finish is not offered says why, and the status bar shows it.
    void finishNotOfferedSaysWhy() {
        window_->RefreshMenus();
        QVERIFY(!window_->Action(u"mnuFinish"_s)->isEnabled());
        QTest::keyClick(&board(), Qt::Key_F, Qt::ControlModifier);
        const QString why = u"Finish is not possible yet: not every card left can go home."_s;
        QCOMPARE(said(), why);
        QCOMPARE(window_->statusBar()->currentMessage(), why);
        window_->session().menu.NoGame();
        QTest::keyClick(&board(), Qt::Key_F, Qt::ControlModifier);
        said();
        QCOMPARE(window_->statusBar()->currentMessage(), u"There is no game to finish."_s);
    }

    // Finish says how many cards it sent home, once, after the move that set it off.
    void finishIsSaidByItsNumberOfCards() {
        const struct {
            int byItself;
            const char* heard;
        } rows[] {
            { 0, "Finish: 8 cards home" },
            { 1, "Queen of Spades to cell 1; Finish: 8 cards home" },
        };
        for (const auto& row : rows) {
            window_->session().opt.SetFinishByItself(row.byItself);
            BoardBuilder(window_->session().engine).sureWinBehindOneMove();
            said();
            Engine& engine = window_->session().engine;
            engine.rules().CardClicked(16); // the Queen of Spades to a cell frees the rest
            engine.rules().CellClicked(200);
            if (row.byItself == 0) {
                said();
                engine.autoPlayer().Finish();
            }
            said();
            QCOMPARE(board().LastMove(), QLatin1String(row.heard));
        }
    }

    void movesElsewhereAreSaidByTwoVoicesInTurn() {
        // Before they speak, the voices are not in the way: nothing nameless to focus.
        for (int v = 0; v < BoardAccessible::kVoices; ++v) {
            const QAccessible::State quiet
                = tree()->child(BoardAccessible::kVoiceItems + v)->state();
            QVERIFY(quiet.invisible && !quiet.focusable);
        }
        doubleClick(46); // column 7's Four of Spades
        QCOMPARE(said(), u"Four of Spades to cell 1"_s);
        QAccessibleInterface* first = tree()->focusChild();
        QVERIFY(!first->state().invisible); // a voice that speaks is there to be read
        doubleClick(38); // its Jack of Diamonds: the Ace of Diamonds goes home by itself
        QCOMPARE(said(),
            QStringLiteral(
                "Jack of Diamonds to cell 2; Ace of Diamonds to the Diamonds foundation"));
        // Another object each time: a screen reader says nothing of a focus that stays.
        QVERIFY(tree()->focusChild() != first);
        QVERIFY(tree()->focusChild()->state().focused);
        QCOMPARE(board().LastMove(),
            QStringLiteral(
                "Jack of Diamonds to cell 2; Ace of Diamonds to the Diamonds foundation"));
        // The cursor moving on says the place, and the move is not said again.
        key(Qt::Key_Right);
        QCOMPARE(said(), u"Two of Hearts, column 2 | exposed"_s);
        QVERIFY(!tree()->focusChild()->state().invisible);
        key(Qt::Key_Left);
        QCOMPARE(said(), u"Ten of Diamonds, column 1 | exposed"_s);
    }

    void aDealEmptiesTheLineAndIsSaidWithTheCardUnderTheCursor() {
        doubleClick(48);
        said();
        QVERIFY(!board().LastMove().isEmpty());
        window_->session().menu.NewGame(8, false);
        window_->session().menu.Game_Started(false);
        QVERIFY(board().LastMove().isEmpty());
        const QString heard = said();
        QVERIFY2(heard.endsWith(u", column 1 | exposed. New deal"_s), qPrintable(heard));
    }

    void aHintAndASelectedCardAreSaid() {
        board().ShowHint(46, kFirstCell);
        QCOMPARE(said(), u"Hint: Four of Spades to cell 1"_s);
        key(Qt::Key_Return);
        said();
        // The selected card carries its state, in a column or in a cell.
        QAccessibleInterface* column = tree()->child(BoardAccessible::kColumnItems);
        QVERIFY(column->child(column->childCount() - 1)->state().selected);
        doubleClick(48);
        said();
        QAccessibleInterface* cell = tree()->child(BoardAccessible::kCellItems);
        QCOMPARE(cell->childCount(), 1);
        QCOMPARE(cell->child(0)->text(QAccessible::Name), u"Ten of Diamonds, cell 1"_s);
        QCOMPARE(cell->child(0)->parent(), cell);
        // A card gone home is its foundation's child, as a card in a cell is the cell's.
        doubleClick(46); // column 7's Four of Spades to a cell
        doubleClick(38); // its Jack of Diamonds too: the Ace and Two of Diamonds go home
        said();
        QAccessibleInterface* diamonds = tree()->child(BoardAccessible::kFoundationItems + 2);
        QCOMPARE(diamonds->childCount(), 1);
        QAccessibleInterface* two = diamonds->child(0);
        QCOMPARE(two->text(QAccessible::Name), u"Two of Diamonds, the Diamonds foundation"_s);
        QCOMPARE(two->parent(), diamonds);
        QCOMPARE(diamonds->indexOfChild(two), 0);
        QCOMPARE(tree()->child(BoardAccessible::kFoundationItems)->childCount(), 0);
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::BoardSpeechTest)
#include "BoardSpeechTest.moc"
