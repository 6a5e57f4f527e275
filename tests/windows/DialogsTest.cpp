#include "BoardWidget.h"
#include "ChartsPage.h"
#include "ChartsTable.h"
#include "ChartsView.h"
#include "ClockFace.h"
#include "Contrast.h"
#include "DialogParts.h"
#include "Fakes.h"
#include "FaultInjection.h"
#include "GameFileDialogs.h"
#include "GameListModel.h"
#include "HelpWindow.h"
#include "Icons.h"
#include "LatestTask.h"
#include "LossSearch.h"
#include "ModalAnswerer.h"
#include "Notice.h"
#include "OpenWindow.h"
#include "QtPrompter.h"
#include "RatingsCache.h"
#include "RatingsCount.h"
#include "RecentMenus.h"
#include "ScoreListModel.h"
#include "SessionDialogs.h"
#include "SettingsStore.h"
#include "WindowPlacement.h"
#include "WonGame.h"
#include "dlgDifficulty.h"
#include "dlgFinish.h"
#include "dlgMove.h"
#include "frmAddFav.h"
#include "frmAddPlayer.h"
#include "frmAutoSave.h"
#include "frmCustomize.h"
#include "frmFavourites.h"
#include "frmMain.h"
#include "frmOpenGame.h"
#include "frmOptions.h"
#include "frmScore.h"
#include "frmSelectFav.h"
#include "frmSelectGame.h"

#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>
#include <map>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

class DialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<frmMain> window_;
    int run_ = 0;
    QDateTime now_; // the window's clock

    Session& session() { return window_->session(); }
    QString make(const QString& relative, const QByteArray& content = " 7 \r\n") {
        const QString path = dir_.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }
    static QTreeWidgetItem* find(QTreeWidget* tree, const QString& parent, const QString& text) {
        for (QTreeWidgetItem* item : tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive))
            if (item->parent() && item->parent()->text(0) == parent) return item;
        return nullptr;
    }
    // The games listed, each with "*" when its picture is a finished game's.
    static QStringList names(QAbstractItemModel* model) {
        const QImage finished = Icons::Of(Icons::Glyph::FinishedGame).pixmap(16).toImage();
        QStringList out;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex name = model->index(row, 0);
            const bool watched
                = name.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage() == finished;
            out << name.data().toString() + (watched ? u"*"_s : QString());
        }
        out.sort();
        return out;
    }

private slots:
    // A million games of the longest values and a short one last: no cell of the score list
    // is cut, the row number and the names of the players' list included.
    void theScoreListsColumnsFitAMillionGamesOfTheLongestValues() {
        ScoreRec longest;
        longest.Name = u"Bartholomew Quartermaine"_s;
        longest.Date = *ScoreDate::Parse("2026-12-07 10:00:00");
        longest.GameNo = 3239999;
        longest.Time = 555555 * 3600 + 3599;
        longest.Moves = 32767;
        longest.Perc = 100;
        longest.Score = 2147483647;
        ScoreRec shortest = longest;
        shortest.Name = u"Al"_s;
        const std::vector<ScoreRec> records { longest, shortest };
        std::vector<int> rows(1000000, 0);
        rows.back() = 1;
        for (const auto& [allPlayers, row] : { std::pair(false, 0), std::pair(false, 999999),
                 std::pair(true, 0), std::pair(true, 999999) }) {
            QTreeView view;
            ScoreListModel model;
            view.setModel(&model);
            model.Show(&records, rows, allPlayers);
            ScoreListModel::FitColumns(view);
            QCOMPARE(QStringList({ model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                         model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString() }),
                QStringList({ allPlayers ? u"Players"_s : u"ID"_s, u"Date"_s }));
            for (int column = 0; column < model.columnCount(); ++column) {
                const QString text
                    = model.data(model.index(row, column), Qt::DisplayRole).toString();
                const int icon
                    = column == 0 ? view.style()->pixelMetric(QStyle::PM_SmallIconSize) + 4 : 0;
                const int room = view.columnWidth(column) - icon - 8;
                QCOMPARE(view.fontMetrics().elidedText(text, Qt::ElideRight, room), text);
            }
        }
    }

    // The board's list widens its columns to the games it shows, in the font it has: no
    // cell is cut short when the list is filled again.
    void theScoreBoardsListFitsTheGamesItShows() {
        session().score.SaveScore(617, 32767, 99 * 3600 + 3599, 100, now_);
        session().score.SetDayComboIndex(5); // every day
        frmScore board = SessionDialogs::ScoreBoard(session(), window_.get());
        QFont large = board.Scores()->font();
        large.setPointSize(28);
        board.Scores()->setFont(large);
        emit board.Users()->activated(board.Users()->currentIndex()); // filled again
        const QAbstractItemModel& list = *board.Scores()->model();
        QCOMPARE(list.rowCount(), 1);
        for (int column = 1; column < list.columnCount(); ++column) {
            const QString text = list.index(0, column).data().toString();
            const int room = board.Scores()->columnWidth(column) - 8;
            QCOMPARE(QFontMetrics(large).elidedText(text, Qt::ElideRight, room), text);
        }
    }

    // A game that was the day's deal on the day it was played is marked in the list.
    void theScoreListMarksTheDaysDeal() {
        std::vector<ScoreRec> records(3);
        records[0].Date = *ScoreDate::Parse("2026-12-08 10:00:00");
        records[0].GameNo = 28482; // that day's
        records[1].Date = *ScoreDate::Parse("2026-12-09 10:00:00");
        records[1].GameNo = 28482; // the day before's, played a day late
        records[2].Date = *ScoreDate::Parse("2026-12-09 11:00:00");
        records[2].GameNo = 24445;
        ScoreListModel model;
        model.Show(&records, { 0, 1, 2 }, false);
        const auto game = [&model](int row, int role) { return model.index(row, 2).data(role); };
        const bool marked[] = { true, false, true };
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(game(row, Qt::ForegroundRole).isValid(), marked[row]);
            QCOMPARE(
                game(row, Qt::ToolTipRole).toString().startsWith(u"The day's deal of 2026-12-"_s),
                marked[row]);
        }
        QCOMPARE(game(0, Qt::AccessibleTextRole).toString(), u"28482, the day's deal"_s);
        QCOMPARE(game(0, Qt::DisplayRole).toInt(), 28482); // the number itself as before
    }

    void init() {
        QTest::failOnWarning(QRegularExpression(u"^QPainter"_s)); // a painter misused
        const AppPaths paths = AppPaths::Inside(dir_.filePath(u"home%1"_s.arg(++run_)));
        paths.Create();
        now_ = TestNow();
        window_ = std::make_unique<frmMain>(paths, QString(), nullptr, [this] { return now_; });
        window_->SetQuitAction([] {});
        QVERIFY(window_->Load());
    }
    void cleanup() { window_.reset(); }

    // An answer that was already on its way when a new start came is not heard: only the
    // latest start's is.
    void aSupersededAnswerIsNotHeardEvenWhenItHasArrived() {
        QObject owner;
        LatestTask<int> task(&owner);
        std::atomic<bool> firstDone = false;
        QList<int> heard;
        task.Start(
            [&firstDone](const std::atomic<bool>*) {
                firstDone = true;
                return 1;
            },
            [&heard](const int& v) { heard << v; });
        while (!firstDone)
            QThread::msleep(1);
        QThread::msleep(50); // its answer is posted to the window's thread by now, unread
        task.Start(
            [](const std::atomic<bool>*) { return 2; }, [&heard](const int& v) { heard << v; });
        QTRY_COMPARE(heard, QList<int> { 2 });
        QTest::qWait(50);
        QCOMPARE(heard, QList<int> { 2 });
    }

    // The number typed is rated off the window's thread: a rating that never ends by
    // itself leaves the typing free, and only the last number's rating is shown.
    void selectGameRatesTheNumberTypedWithoutWaitingForIt() {
        std::atomic<bool> release = false;
        const RatingTask::Rate slow = [&release](std::int32_t game, const std::atomic<bool>*) {
            while (!release.load())
                QThread::msleep(1);
            return std::optional(Difficulty::Rating {
                game % 2 == 0 ? Difficulty::Level::Easy : Difficulty::Level::Expert, 1, 1 });
        };
        frmSelectGame dialog(
            session().menu, session().opt, session().prompter, window_.get(), slow);
        dialog.show(); // the number it opens with is rated unsaid; the ones typed are said
        QTest::keyClicks(dialog.Text(), u"12"_s); // still typing while it rates
        dialog.Text()->setText(u"x"_s);
        QVERIFY(dialog.Rating()->text().isEmpty()); // no number, no rating
        dialog.Text()->setText(u"7"_s);
        release = true;
        QVERIFY(dialog.RatingNotice().isHidden()); // nothing said while it rates
        QTRY_COMPARE(dialog.Rating()->text(), u"Difficulty: Expert"_s);
        QTest::qWait(50); // a late answer for an earlier number changes nothing
        QCOMPARE(dialog.Rating()->text(), u"Difficulty: Expert"_s);
        // A notice says it too, as it arrives: a screen reader reads it without a focus move.
        QVERIFY(!dialog.RatingNotice().isHidden());
        const QAccessibleInterface* notice
            = QAccessible::queryAccessibleInterface(const_cast<Notice*>(&dialog.RatingNotice()));
        QCOMPARE(notice->role(), QAccessible::Notification);
        QCOMPARE(notice->text(QAccessible::Name), u"Difficulty: Expert"_s);
        QCOMPARE(dialog.RatingNotice().size(), QSize(0, 0)); // heard, never seen or in the way
        // The solver's own rating of game 7.
        frmSelectGame real = SessionDialogs::SelectGame(session(), window_.get());
        real.Text()->setText(u"7"_s);
        QTRY_COMPARE(real.Rating()->text(), u"Difficulty: Easy"_s);
    }

    // Appearing is what a screen reader hears: a notice goes and comes back for each line,
    // the same line again included, and an empty line leaves it gone.
    void aNoticeAppearsAnewForEachLine() {
        struct Shows : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                count += e->type() == QEvent::Show;
                return false;
            }
        } shows;
        QWidget owner;
        Notice notice(&owner);
        notice.installEventFilter(&shows);
        owner.show();
        QVERIFY(notice.isHidden()); // hidden until it has a line, the window shown or not
        for (const char* line : { "Difficulty: Easy", "Difficulty: Hard", "Difficulty: Hard" })
            notice.Say(QLatin1String(line));
        QCOMPARE(shows.count, 3);
        QCOMPARE(notice.Line(), u"Difficulty: Hard"_s);
        notice.Say(QString());
        QVERIFY(notice.isHidden());
        QCOMPARE(shows.count, 3);
    }

    void selectGameProposesANumberAndRefusesBadOnes() {
        session().opt.SetRandomIndex(1);
        frmSelectGame dialog = SessionDialogs::SelectGame(session(), window_.get());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // a small box, not resized
        QVERIFY(dialog.width() >= 320);
        QCOMPARE(dialog.Label()->text(), u"Select a Game Number between 0 and 40000"_s);
        const int proposed = dialog.Text()->text().toInt();
        QVERIFY(proposed >= 0 && proposed <= 40000);
        ModalAnswerer answers;
        for (const char* bad : { "3240000", "abc", "-5", "" }) {
            dialog.Text()->setText(QLatin1String(bad));
            dialog.Select();
            QCOMPARE(dialog.Text()->text(), u"0"_s);
        }
        QCOMPARE(answers.texts.size(), 4);
        QCOMPARE(answers.texts.front(), u"Please Enter a valid number between 0 and 3240000"_s);
        // From an empty board with a snapshot still marked: the new game starts whole.
        session().menu.NoGame();
        const QDateTime before(QDate(2000, 1, 1), QTime(0, 0));
        session().save.SetGameStartTime(before);
        session().save.SetSnapShot(true);
        window_->SetUndoToSnapshotEnabled(true);
        QVERIFY(!window_->board().CardsShown());
        dialog.Text()->setText(u"12.5"_s);
        dialog.Select();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(session().engine.state().gGameNumber, 12);
        QVERIFY(session().engine.state().gGameActive);
        QVERIFY(!session().engine.state().gFinishedView);    // a game to play, not to watch
        QVERIFY(session().save.GameStartTime({}) != before); // timed afresh
        QVERIFY(window_->board().CardsShown());
        QVERIFY(!session().save.SnapShot());
        QVERIFY(!window_->Action(u"mnuUndosnap"_s)->isEnabled());
    }

    void openGameListsEveryPlaceAndRefusesAFileThatIsGone() {
        const QString fav = session().save.FavFolder();
        make(fav.mid(dir_.path().size() + 1) + u"/Easy Games/easy.qrl"_s);
        make(fav.mid(dir_.path().size() + 1) + u"/Easy Games/watch.q2k"_s);
        make(fav.mid(dir_.path().size() + 1) + u"/Easy Games/readme.txt"_s);
        session().recent.AddtoRecent(dir_.filePath(u"vanished.q2k"_s));
        frmOpenGame dialog = SessionDialogs::OpenGame(session(), window_.get());
        QVERIFY(!dialog.SelectButton()->isEnabled());
        // The folders on the left, their games beside them, both whole in the window.
        dialog.show();
        QVERIFY(dialog.Tree()->isVisible() && dialog.List()->isVisible());
        QVERIFY(dialog.Tree()->geometry().right() < dialog.List()->geometry().left());
        QVERIFY(dialog.rect().contains(dialog.Tree()->geometry()));
        QVERIFY(dialog.rect().contains(dialog.List()->geometry()));
        // Narrower than its columns would like, the list still shows each of them.
        dialog.resize(640, dialog.height());
        QTRY_VERIFY(dialog.List()->header()->length() <= dialog.List()->viewport()->width());
        QVERIFY(dialog.List()->header()->sectionSize(GameListModel::kDifficulty) > 10);
        dialog.hide();
        QTreeWidgetItem* easy = find(dialog.Tree(), u"Favorites"_s, u"Easy Games"_s);
        QVERIFY(easy);
        for (const auto& [parent, child] : { std::pair { "AutoSave", "Incomplete Games" },
                 std::pair { "AutoSave", "Finished Games" },
                 std::pair { "Recent Games", "Incomplete Games" },
                 std::pair { "Recent Games", "Finished Games" },
                 std::pair { "Others", "Saved Games" } })
            QVERIFY2(find(dialog.Tree(), QLatin1String(parent), QLatin1String(child)), child);
        // The arrow keys list a folder as a click does; a group node lists nothing.
        QTreeWidgetItem* root = dialog.Tree()->topLevelItem(0);
        const QImage rootIcon = root->icon(0).pixmap(16).toImage();
        dialog.Tree()->setCurrentItem(root);
        QCOMPARE(root->icon(0).pixmap(16).toImage(), rootIcon); // the top keeps its own
        QTest::keyClick(dialog.Tree(), Qt::Key_Down);           // the Favorites group
        QCOMPARE(dialog.Model()->rowCount(), 0);
        QTest::keyClick(dialog.Tree(), Qt::Key_Down); // Easy Games
        QCOMPARE(names(dialog.Model()), (QStringList { "easy", "watch*" }));
        QVERIFY(dialog.SelectButton()->isEnabled());
        // The folder listed is shown open, and closed again once left; a group keeps its own.
        const auto looksLike = [](const QIcon& icon, Icons::Glyph glyph) {
            return icon.pixmap(16).toImage() == Icons::Of(glyph).pixmap(16).toImage();
        };
        QVERIFY(looksLike(easy->icon(0), Icons::Glyph::OpenFolder));
        QTest::keyClick(dialog.Tree(), Qt::Key_Up);
        QVERIFY(looksLike(easy->icon(0), Icons::Glyph::ClosedFolder));
        QCOMPARE(dialog.Model()->rowCount(), 0);
        QVERIFY(!dialog.SelectButton()->isEnabled());
        dialog.ShowNode(easy);
        QCOMPARE(names(dialog.Model()), (QStringList { "easy", "watch*" }));
        // A click on a header sorts by that column, a second click the other way.
        QHeaderView* header = dialog.List()->header();
        for (const char* first : { "easy", "watch" }) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(GameListModel::kName) + 10,
                    header->height() / 2));
            QCOMPARE(dialog.Model()->index(0, 0).data().toString(), QLatin1String(first));
        }
        dialog.ShowNode(find(dialog.Tree(), u"Recent Games"_s, u"Finished Games"_s));
        QCOMPARE(names(dialog.Model()), QStringList { "vanished*" });
        ModalAnswerer answers;
        dialog.Select();
        QCOMPARE(answers.texts, QStringList { "Sorry File Doesn't Exists" });
        QVERIFY(dialog.result() != QDialog::Accepted);
        // Each other place lists its own games: the autosave folders by their kind, the recent
        // games in play, the folder last saved in.
        const QString places = u"places%1/"_s.arg(run_);
        session().save.SetIncompleteDir(dir_.filePath(places + u"inc"_s));
        session().save.SetFinishedDir(dir_.filePath(places + u"fin"_s));
        session().save.SaveLastDir(dir_.filePath(places + u"saved"_s));
        make(places + u"inc/going.qrl"_s);
        make(places + u"fin/done.q2k"_s);
        make(places + u"saved/mine.qrl"_s);
        make(places + u"saved/theirs.q2k"_s);
        session().recent.AddtoRecent(make(places + u"recent.qrl"_s));
        for (const auto& [parent, child, listed] :
            { std::tuple { "AutoSave", "Incomplete Games", QStringList { "going" } },
                std::tuple { "AutoSave", "Finished Games", QStringList { "done*" } },
                std::tuple { "Recent Games", "Incomplete Games", QStringList { "recent" } },
                std::tuple { "Others", "Saved Games", QStringList { "mine", "theirs*" } } }) {
            dialog.ShowNode(find(dialog.Tree(), QLatin1String(parent), QLatin1String(child)));
            QCOMPARE(names(dialog.Model()), listed);
        }
    }

    // The Select Game list's columns: each file's date, moves, cards home, won or not and its
    // deal's class. Files are read off the window's thread; deals the ratings cache lacks are
    // rated once and kept; a sort holds when the columns arrive; a row's file is the same
    // whichever of its cells is current.
    void theGameListShowsEachGamesMovesHomeResultAndDifficulty() {
        session().menu.NewGame(0, false);
        session().menu.Game_Started(false);
        session().engine.rules().CardDoubleClicked(48); // the ace of hearts follows it home
        const QString played = dir_.filePath(u"games/played.qrl"_s);
        QDir().mkpath(dir_.filePath(u"games"_s));
        QVERIFY(session().trans.SaveToFile(played));
        const QString dealt = make(u"games/dealt.q2k"_s, " 5 \r\n");
        const QString broken = make(u"games/broken.qrl"_s, "not a game\r\n");
        const std::vector<GameListItem> items { GameLists::Item(dealt), GameLists::Item(broken),
            GameLists::Item(played) };
        const QString cache = dir_.filePath(u"games/scores.ratings"_s);
        int rated = 0;
        const auto rate = [&rated](qint32 number, const std::atomic<bool>*) {
            ++rated;
            return std::optional(Difficulty::Rating {
                number == 0 ? Difficulty::Level::Easy : Difficulty::Level::NotSolved, 1, 0 });
        };
        const auto rows = [](const GameListModel& model) {
            QStringList out;
            for (int row = 0; row < model.rowCount(); ++row) {
                QStringList cells;
                for (int column = GameListModel::kName; column < GameListModel::kColumnCount;
                     ++column)
                    cells << (column == GameListModel::kDate
                            ? QString::number(!model.index(row, column).data().toString().isEmpty())
                            : model.index(row, column).data().toString());
                out << cells.join(QLatin1Char('|'));
            }
            return out;
        };
        GameListModel model(cache, rate);
        model.sort(GameListModel::kMoves, Qt::DescendingOrder);
        model.Fill(items);
        QCOMPARE(rows(model),
            (QStringList { "dealt|1||||", "broken|1||||", "played|1||||" })); // not read yet
        QVERIFY(model.Reading());
        QSignalSpy finished(&model, &GameListModel::Finished);
        QVERIFY(finished.wait(10000));
        QCOMPARE(rows(model),
            (QStringList { "played|1|1|1|No|Easy", "dealt|1|0|0|No|Not solved", "broken|1||||" }));
        QCOMPARE(rated, 2);
        // A screen reader hears each figure with its column's name, the game by its name.
        QTreeView view;
        view.setModel(&model);
        view.show();
        view.doItemsLayout();
        QAccessibleTableInterface* table
            = QAccessible::queryAccessibleInterface(&view)->tableInterface();
        const auto heard = [&](int row, int column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            return cell ? cell->text(QAccessible::Name) : u"(no cell)"_s;
        };
        QStringList first;
        for (int column = GameListModel::kName; column < GameListModel::kColumnCount; ++column)
            if (column != GameListModel::kDate) first << heard(0, column);
        QCOMPARE(first,
            (QStringList { "played", "Moves: 1", "Cards Home: 1", "Won: No", "Difficulty: Easy" }));
        QVERIFY(heard(0, GameListModel::kDate).startsWith(QLatin1String("Date: ")));
        QCOMPARE(heard(2, GameListModel::kMoves), QString()); // a damaged file has no figures
        QCOMPARE(GameListModel::PathOf(model.index(0, GameListModel::kDifficulty)), played);
        QCOMPARE(RatingsCache::Load(cache).value(5), Difficulty::Level::NotSolved);
        // Opened again: the cache answers, and the sort follows the header's choice.
        GameListModel again(cache, rate);
        again.Fill(items);
        again.sort(GameListModel::kName, Qt::AscendingOrder);
        QVERIFY(QSignalSpy(&again, &GameListModel::Finished).wait(10000));
        QCOMPARE(rows(again),
            (QStringList { "broken|1||||", "dealt|1|0|0|No|Not solved", "played|1|1|1|No|Easy" }));
        QCOMPARE(rated, 2);
        // Sorted by class, the list sorts again as the deals' classes arrive.
        GameListModel byClass(dir_.filePath(u"games/other.ratings"_s), rate);
        byClass.sort(GameListModel::kDifficulty, Qt::AscendingOrder);
        byClass.Fill(items);
        QVERIFY(QSignalSpy(&byClass, &GameListModel::Finished).wait(10000));
        QCOMPARE(rows(byClass),
            (QStringList { "played|1|1|1|No|Easy", "dealt|1|0|0|No|Not solved", "broken|1||||" }));
    }

    // A folder of 5,000 games is listed by name at once; the window thread never reads them.
    void aFolderOfThousandsIsListedBeforeItsFilesAreRead() {
        std::vector<GameListItem> items;
        for (int i = 0; i < 5000; ++i)
            items.push_back(GameLists::Item(
                make(u"many/%1.qrl"_s.arg(i), QByteArray::number(i + 1) + " \r\n")));
        GameListModel model(dir_.filePath(u"many.ratings"_s), [](qint32, const std::atomic<bool>*) {
            return std::optional(Difficulty::Rating { Difficulty::Level::Hard, 1, 0 });
        });
        model.Fill(items);
        QCOMPARE(model.rowCount(), 5000);
        QVERIFY(model.index(4999, GameListModel::kMoves).data().toString().isEmpty());
        QVERIFY(QSignalSpy(&model, &GameListModel::Finished).wait(60000));
        for (const int row : { 0, 4999 })
            QCOMPARE(model.item(row, GameListModel::kDifficulty)->text(), u"Hard"_s);
    }

    // Another folder listed while the last one's deals are rated: that rating stops.
    void aListFilledAgainStopsRatingTheLast() {
        std::atomic<bool> started = false, stopped = false;
        GameListModel model(
            dir_.filePath(u"again.ratings"_s), [&](qint32, const std::atomic<bool>* stop) {
                started = true;
                while (!stop->load())
                    QThread::msleep(1);
                stopped = true;
                return std::optional<Difficulty::Rating>();
            });
        model.Fill({ GameLists::Item(make(u"again/7.qrl"_s)) });
        QTRY_VERIFY(started);
        model.Fill({});
        QTRY_VERIFY(stopped);
    }

    void openGameOpensTheChosenFile() {
        session().menu.NewGame(7, false);
        session().menu.Game_Started(false);
        session().engine.rules().CardDoubleClicked(48);
        session().trans.SaveToFile(session().save.IncompleteDir() + u"/seven.qrl"_s);
        session().menu.NoGame();
        frmOpenGame dialog = SessionDialogs::OpenGame(session(), window_.get());
        dialog.ShowNode(find(dialog.Tree(), u"AutoSave"_s, u"Incomplete Games"_s));
        QCOMPARE(names(dialog.Model()), QStringList { "seven" });
        dialog.List()->setCurrentIndex(dialog.Model()->index(0, GameListModel::kWon));
        dialog.SelectButton()->click();
        QCOMPARE(session().engine.state().gGameNumber, 7);
        QVERIFY(session().engine.state().gGameActive);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // Browse: a file chosen elsewhere opens and ends the window; none chosen keeps it.
        Session& s = session();
        ScriptedPrompter scripted;
        GameFileDialogs files { s.save, s.recent, s.menu, s.trans, s.state(), scripted };
        frmOpenGame browsing(s.menu, files, s.save, s.recent, scripted, window_.get());
        s.menu.NoGame();
        browsing.show();
        browsing.findChild<QPushButton*>(u"cmdBrowse"_s)->click();
        QVERIFY(browsing.isVisible());
        scripted.openAs = (s.save.IncompleteDir() + u"/seven.qrl"_s).toStdString();
        browsing.findChild<QPushButton*>(u"cmdBrowse"_s)->click();
        QCOMPARE(browsing.result(), int(QDialog::Accepted));
        QCOMPARE(s.state().gGameNumber, 7);
        QVERIFY(s.state().gGameActive);
    }

    // A damaged file picked in the real dialog loop: the message, and the dialog stays open.
    void openGameStaysOpenAfterAnUnusableFile() {
        const QString inc = session().save.IncompleteDir().mid(dir_.path().size() + 1);
        make(inc + u"/bad.qrl"_s, "this is not a game\r\n");
        bool stayed = false;
        ModalAnswerer boxes; // the message about the file
        ModalAnswerer dialogs;
        dialogs.handler = [&](QWidget* dialog) {
            auto* open = qobject_cast<frmOpenGame*>(dialog);
            if (!open) return;
            if (stayed) return open->reject(); // back in its own loop after the message
            open->ShowNode(find(open->Tree(), u"AutoSave"_s, u"Incomplete Games"_s));
            open->Select();
            stayed = true;
        };
        int calls = 0;
        const auto counted = dialogs.handler;
        dialogs.handler = [&](QWidget* dialog) {
            ++calls;
            counted(dialog);
        };
        window_->Dialogs().ShowOpenGame();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.front().contains(u"bad.qrl"_s));
        QCOMPARE(calls, 2); // the window was still there for a second choice
        QVERIFY(!session().state().gGameActive);
    }

    // The real save dialog: "mysave" typed where "mysave.qrl" exists asks before replacing;
    // No brings the dialog back, and a name with a dot still gets the extension.
    void theSaveDialogAsksBeforeReplacingTheRealName() {
        const QString kept = make(u"saves%1/mysave.qrl"_s.arg(run_), "kept");
        const QString folder = QFileInfo(kept).absolutePath();
        QStringList typed { u"mysave"_s, u"v1.2 best"_s };
        int dialogs = 0;
        ModalAnswerer no(false); // No to replacing
        ModalAnswerer names;
        names.handler = [&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (files && ModalAnswerer::TypeFileName(files, typed.value(dialogs))) ++dialogs;
        };
        QtPrompter prompter(window_.get());
        const std::string path = prompter.SaveFileName(
            folder.toStdString(), "5.qrl", GameFileDialogs::SaveFilter(u".qrl"_s).toStdString());
        QCOMPARE(no.texts.size(), 1);
        QVERIFY(no.texts.front().contains(u"mysave.qrl"_s));
        QCOMPARE(dialogs, 2);
        QCOMPARE(QString::fromStdString(path), folder + u"/v1.2 best.qrl"_s);
        QCOMPARE(contentOf(kept), QByteArray("kept"));
    }

    // A question with buttons of its own answers with the one pressed, with or without the
    // fourth.
    void aQuestionWithMoreButtonsAnswersWithTheOnePressed() {
        using Answer = Prompter::Answer;
        const std::tuple<const char*, bool, Answer> rows[] { { "Yes", true, Answer::Yes },
            { "No", true, Answer::No }, { "cmdOther", true, Answer::Other },
            { "cmdSecondOther", true, Answer::SecondOther }, { "Yes", false, Answer::Yes },
            { "cmdOther", false, Answer::Other } };
        QtPrompter prompter(window_.get());
        for (const auto& [button, fourth, expected] : rows) {
            QTimer press;
            QObject::connect(&press, &QTimer::timeout, [name = QString::fromLatin1(button)] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                QAbstractButton* b = name == QLatin1String("Yes") ? box->button(QMessageBox::Yes)
                    : name == QLatin1String("No")                 ? box->button(QMessageBox::No)
                                                  : box->findChild<QAbstractButton*>(name);
                if (b) b->click();
            });
            press.start(10);
            QCOMPARE(prompter.QuestionOr("Leave?", "Quadrell 2000", MessageIcon::Question,
                         "&Where Was It Lost?", fourth ? "Re&view Game..." : ""),
                expected);
        }
    }

    // The Qt prompter's other windows answer what the player chose in them, or what was
    // there before when the choice is cancelled.
    void thePromptersWindowsAnswerWhatIsChosen() {
        QtPrompter prompter(window_.get());
        const QString game = make(u"chosen%1/7.qrl"_s.arg(run_));
        ModalAnswerer answers;
        bool accept = true;
        answers.handler = [&](QWidget* dialog) {
            if (auto* colours = qobject_cast<QColorDialog*>(dialog)) {
                colours->setCurrentColor(QColor(0x12, 0x34, 0x56));
                return accept ? colours->accept() : colours->reject();
            }
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                ModalAnswerer::TypeFileName(files,
                    files->fileMode() == QFileDialog::Directory ? QFileInfo(game).absolutePath()
                                                                : game);
            if (auto* button = dialog->findChild<QPushButton*>(u"cmdColumn"_s)) button->click();
        };
        QCOMPARE(prompter.ChooseColour(0xabcdef), 0x123456u);
        accept = false;
        QCOMPARE(prompter.ChooseColour(0xabcdef), 0xabcdefu);
        QCOMPARE(prompter.AskEmptyColumn(), EmptyColumnChoice::Column);
        const std::string folder = QFileInfo(game).absolutePath().toStdString();
        QCOMPARE(prompter.OpenFileName(folder, "Games (*.qrl)"), game.toStdString());
        QCOMPARE(prompter.BrowseForFolder("Where", dir_.path().toStdString()), folder);
    }

    void autosaveListsTheGamesOfEachFolderAndDeletesThem() {
        session().save.SetIncompleteDir(dir_.filePath(u"inc%1"_s.arg(run_)));
        session().save.SetFinishedDir(dir_.filePath(u"fin%1"_s.arg(run_)));
        const QString inc = u"inc%1/"_s.arg(run_);
        const QString fin = u"fin%1/"_s.arg(run_);
        make(inc + u"a.qrl"_s);
        make(inc + u"b.qrl"_s);
        make(inc + u"keep.txt"_s);
        make(fin + u"c.q2k"_s);
        make(fin + u"stray.qrl"_s);
        frmAutoSave dialog = SessionDialogs::AutoSave(session(), window_.get());
        // Delete and Delete All at the left, Close at the right, each its own width.
        dialog.show();
        for (auto* b : { dialog.DeleteButton(), dialog.DeleteAllButton() })
            QCOMPARE(b->width(), b->sizeHint().width());
        dialog.hide();
        QCOMPARE(names(dialog.List(0)->model()), (QStringList { "a", "b" }));
        QCOMPARE(
            names(dialog.List(1)->model()), QStringList { "c*" }); // a .qrl is not a finished game
        dialog.UpdateButtons();
        QVERIFY(dialog.DeleteButton()->isEnabled());
        QVERIFY(dialog.DeleteAllButton()->isEnabled());
        dialog.Tabs()->setCurrentIndex(1);
        dialog.UpdateButtons();
        QVERIFY(dialog.DeleteButton()->isEnabled());
        QVERIFY(!dialog.DeleteAllButton()->isEnabled());
        dialog.Tabs()->setCurrentIndex(0);
        QAbstractItemView* list = dialog.List(0);
        list->setCurrentIndex(list->model()->index(1, 0));
        {
            ModalAnswerer no(false);
            dialog.Delete();
            dialog.DeleteAll();
            QCOMPARE(no.icons, QList<QMessageBox::Icon>(2, QMessageBox::Critical));
        }
        QCOMPARE(list->model()->rowCount(), 2);            // No keeps every file
        QVERIFY(list->selectionModel()->isRowSelected(1)); // and the player's choice
        list->clearSelection();
        {
            ModalAnswerer none;
            dialog.Delete();
            QVERIFY(none.texts.isEmpty()); // nothing chosen, nothing asked or listed again
        }
        QCOMPARE(list->currentIndex().row(), 1);
        ModalAnswerer answers;
        dialog.DeleteAll();
        QCOMPARE(answers.texts,
            QStringList { "Are you sure you want to delete all files in this Folder ?" });
        QCOMPARE(dialog.List(0)->model()->rowCount(), 0);
        QVERIFY(QFile::exists(dir_.filePath(inc + u"keep.txt"_s)));
        dialog.UpdateButtons();
        QVERIFY(!dialog.DeleteButton()->isEnabled());
    }

    void aFileThatCannotBeDeletedIsNamed() {
        session().save.SetIncompleteDir(dir_.filePath(u"inc%1"_s.arg(run_)));
        const QString a = make(u"inc%1/a.qrl"_s.arg(run_));
        make(u"inc%1/b.qrl"_s.arg(run_));
        frmAutoSave dialog = SessionDialogs::AutoSave(session(), window_.get());
        QFile::remove(a); // gone since the list was filled
        dialog.List(0)->selectAll();
        ModalAnswerer answers;
        dialog.Delete();
        QCOMPARE(answers.texts.size(), 2);
        QCOMPARE(answers.texts[0], u"Are you sure you want to delete these Files ?"_s);
        QVERIFY(answers.texts[1].contains(a));
        QCOMPARE(dialog.List(0)->model()->rowCount(), 0); // the other one is deleted all the same
    }

    void theFinishedGameDialogRecordsTheWinHoweverItCloses() {
        session().menu.NewGame(617, false);
        session().menu.Game_Started(false);
        session().GameWonDetected();
        {
            dlgFinish finish = SessionDialogs::Finish(session(), window_.get());
            QVERIFY(!finish.SavePath()->isEnabled()); // nothing ticked yet
            finish.SaveBox()->click();
            QVERIFY(finish.SavePath()->isEnabled());
            finish.show();
            // A folder chosen, the name is next to write over; a next game chosen, OK.
            finish.FavouriteBox()->click();
            emit finish.Folders()->activated(0);
            QCOMPARE(finish.focusWidget(), finish.FavouriteName());
            QCOMPARE(finish.FavouriteName()->selectedText(), finish.FavouriteName()->text());
            emit finish.NextGame()->activated(0);
            QCOMPARE(finish.focusWidget()->objectName(), u"OKButton"_s);
            finish.close(); // the close box
        }
        QVERIFY(!session().engine.state().gGameActive);
        QVERIFY(!session().win.Pending());
        QFile scores(session().save.ScoreFile());
        QVERIFY(scores.open(QIODevice::ReadOnly));
        QCOMPARE(scores.readAll().count("\r\n"), 1);
        QCOMPARE(session().finish.SaveEnable(), qint16(0)); // choices are kept by OK only
    }

    // Clear and Clear Global ask first: No keeps everything; Yes empties the score file, and
    // Clear Global the players' totals too.
    void theScoreBoardClearsOnlyWhenTheAnswerIsYes() {
        session().score.SaveScore(617, 93, 187, 100, now_);
        Session& s = session();
        const qint32 total = s.players.GetTotal(1);
        QVERIFY(total > 0);
        ScriptedPrompter prompter;
        frmScore board(s.score, s.players, s.users, s.save, s.state(), s.trans, s.time, prompter,
            window_.get());
        const auto games = [&] { return s.score.Records().size(); };
        prompter.yes = false;
        board.Clear();
        board.ClearGlobal();
        QCOMPARE(prompter.questions.size(), std::size_t(2));
        QCOMPARE(games(), std::size_t(1));
        QCOMPARE(s.players.GetTotal(1), total);
        prompter.yes = true;
        board.Clear();
        QCOMPARE(games(), std::size_t(0));
        QCOMPARE(QFileInfo(s.save.ScoreFile()).size(), 0);
        QCOMPARE(s.players.GetTotal(1), total); // the totals are the global scores
        s.score.SaveScore(617, 93, 187, 100, now_);
        board.ClearGlobal();
        QCOMPARE(games(), std::size_t(0));
        QCOMPARE(s.players.GetTotal(1), 0);
        QVERIFY(!s.save.GlobalClearedDate().isEmpty());
    }

    // The finished-game dialog opens with the favourites folder and the next game chosen at
    // its last OK, and its two boxes ticked as they were left.
    void theFinishedGameDialogKeepsTheFolderAndNextGameChosen() {
        QDir().mkpath(session().save.FavFolder() + u"/Zebra Games"_s);
        ScriptedPrompter prompter;
        for (int game = 0; game < 2; ++game) {
            session().menu.NewGame(617, false);
            session().menu.Game_Started(false);
            session().GameWonDetected();
            session().finish.SetSaveEnable(qint16(1 - game));
            session().finish.SetFavEnable(qint16(game));
            dlgFinish finish(session().finishing, prompter, window_.get());
            QCOMPARE(finish.SaveBox()->isChecked(), game == 0);
            QCOMPARE(finish.FavouriteBox()->isChecked(), game == 1);
            QVERIFY(finish.Folders()->count() >= 2);
            if (game == 1) {
                QCOMPARE(finish.Folders()->currentIndex(), 1);
                QCOMPARE(finish.NextGame()->currentIndex(), 2);
            }
            finish.Folders()->setCurrentIndex(1);  // the second folder
            finish.NextGame()->setCurrentIndex(2); // "Restart the Same Game"
            finish.show();
            if (game == 1) { // a favourite with no name: said, and the dialog stays
                const QString name = finish.FavouriteName()->text();
                finish.FavouriteName()->clear();
                QTest::keyClick(&finish, Qt::Key_Return);
                QCOMPARE(prompter.messages.size(), std::size_t(1));
                QVERIFY(finish.isVisible() && session().win.Pending());
                finish.FavouriteName()->setText(name);
            }
            QTest::keyClick(&finish, Qt::Key_Return);
            QCOMPARE(finish.result(), int(QDialog::Accepted));
        }
        QCOMPARE(prompter.messages.size(), std::size_t(1));
    }

    // The finished-game dialog's Browse: a folder chosen puts the game's file in it; a
    // cancelled choice leaves the path as it was.
    void theFinishedGameDialogsBrowseFillsThePath() {
        session().menu.NewGame(617, false);
        session().menu.Game_Started(false);
        session().GameWonDetected();
        ScriptedPrompter prompter;
        dlgFinish finish(session().finishing, prompter, window_.get());
        finish.SaveBox()->click();
        const QString was = finish.SavePath()->text();
        finish.Browse();
        QCOMPARE(finish.SavePath()->text(), was);
        prompter.folder = "/games/won";
        finish.Browse();
        QCOMPARE(finish.SavePath()->text(), u"/games/won/617"_s);
        QCOMPARE(prompter.folderTitles.size(), std::size_t(2));
        // Enter from anywhere in it is OK: the win recorded, the choices kept.
        finish.SaveBox()->click(); // nothing to save, nothing to refuse
        finish.show();
        finish.NextGame()->setFocus();
        QTest::keyClick(&finish, Qt::Key_Return);
        QCOMPARE(finish.result(), int(QDialog::Accepted));
        QVERIFY(prompter.messages.empty());
    }

    // The days chosen list the games of those days, and the choice is kept.
    void theScoreBoardsDayChoiceListsThoseDaysAndIsKept() {
        session().users.AddUser(u"Ann"_s, QString(), u"2000-01-01 00:00:00"_s);
        session().players.SetCurrentComboIndex(2);
        session().score.SaveScore(8, 20, 80, 50, now_.addDays(-5));
        session().score.SaveScore(617, 93, 187, 100, now_);
        frmScore board = SessionDialogs::ScoreBoard(session(), window_.get());
        for (const auto& [day, games] : { std::pair { 2, 2 }, { 1, 1 }, { 4, 2 }, { 0, 1 } }) {
            board.Days()->setCurrentIndex(day);
            emit board.Days()->activated(day);
            QCOMPARE(board.Scores()->model()->rowCount(), games);
            QCOMPARE(session().score.DayComboIndex(), day + 1);
        }
        QCOMPARE(board.focusWidget()->objectName(), u"cmdOK"_s);
    }

    void theScoreBoardShowsEveryPage() {
        session().users.AddUser(u"Ann"_s, QString(), u"2000-01-01 00:00:00"_s);
        session().players.SetCurrentComboIndex(2);
        session().score.SaveScore(617, 93, 187, 100, now_);
        session().score.SaveScore(8, 20, 80, 50, now_);
        session().score.SetDayComboIndex(5);
        frmScore board = SessionDialogs::ScoreBoard(session(), window_.get());
        QVERIFY(board.Unread()->isHidden());
        QCOMPARE(board.General()->topLevelItem(0)->text(1), u"2"_s);
        QCOMPARE(board.Users()->currentText(), u"Ann"_s);
        QCOMPARE(board.Scores()->model()->rowCount(), 2);
        const QAbstractItemModel& list = *board.Scores()->model(); // a screen reader hears the icon
        QCOMPARE(list.index(0, 0).data(Qt::AccessibleTextRole).toString(), u"1, won"_s);
        QCOMPARE(list.index(1, 0).data(Qt::AccessibleTextRole).toString(), u"2, lost"_s);
        board.show();
        // The session's and the game's lines stand at their own height, the room left below.
        auto* game = board.findChild<QGroupBox*>(u"fraGame"_s);
        QCOMPARE(game->height(), game->sizeHint().height());
        board.Users()->setFocus();
        emit board.Users()->activated(board.Users()->currentIndex());
        QCOMPARE(board.focusWidget()->objectName(), u"cmdOK"_s);
        // The pages turn from the keys wherever the focus is, a combo box included.
        board.Tabs()->setCurrentIndex(1);
        QApplication::setActiveWindow(&board);
        board.Users()->setFocus();
        const std::pair<QKeyCombination, int> turns[] { { Qt::CTRL | Qt::Key_Tab, 2 },
            { Qt::CTRL | Qt::Key_PageUp, 1 }, { Qt::CTRL | Qt::Key_PageUp, 0 },
            { Qt::CTRL | Qt::Key_PageUp, 5 }, { Qt::CTRL | Qt::Key_PageDown, 0 } };
        for (const auto& [keys, page] : turns) {
            QTest::keyClick(board.focusWidget(), keys.key(), keys.keyboardModifiers());
            QCOMPARE(board.Tabs()->currentIndex(), page);
        }
        board.OnlyFinished()->click();
        QCOMPARE(board.Scores()->model()->rowCount(), 1);
        QCOMPARE(board.Statistics()->columnCount(), 3); // Statistics, Guest, Ann
        QCOMPARE(board.Statistics()->topLevelItemCount(), 11);
        // The columns fill the list by their formula (in twips: 6000 wide, three columns).
        QCOMPARE(frmScore::StatisticsWidths(3, 6000, 1), (std::vector<int> { 3500, 1250, 1250 }));
        board.Tabs()->setCurrentWidget(board.Statistics());
        QTreeWidget* stats = board.Statistics();
        QCOMPARE(stats->columnWidth(0) + stats->columnWidth(1) + stats->columnWidth(2),
            stats->viewport()->width());
        QCOMPARE(board.TopScores()->topLevelItem(0)->text(5), u"108"_s);
        QVERIFY(board.TopScores()->topLevelItem(0)->font(0).bold());
        QCOMPARE(board.Global()->topLevelItemCount(), 6);
        QCOMPARE(board.Global()->topLevelItem(5)->text(0), u"Total"_s);
        QCOMPARE(
            board.Label(frmScore::Line::GeneralCleared)->text(), u"Last General Cleared : None"_s);
        ModalAnswerer answers;
        board.Clear();
        QCOMPARE(answers.texts, QStringList { "Are you sure you want to clear Score Board ? " });
        QCOMPARE(
            answers.icons, QList<QMessageBox::Icon> { QMessageBox::Critical }); // the stop icon
        QCOMPARE(board.TopScores()->topLevelItemCount(), 0);
        QCOMPARE(board.Global()->topLevelItem(1)->text(1), u"2"_s); // totals survive
        QVERIFY(session().save.GeneralClearedDate().startsWith(QLatin1String("20")));
        QCOMPARE(board.Label(frmScore::Line::GeneralCleared)->text(),
            u"Last General Cleared : "_s + session().save.GeneralClearedDate());
    }

    // The keys that turn pages leave a window with no page alone.
    void thePageKeysDoNothingWhereThereIsNoPage() {
        QDialog dialog;
        auto* tabs = new QTabWidget(&dialog);
        PagesByKeys(tabs);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(&dialog, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), -1);
    }

    // Where the platform cannot tell a window's place (Wayland), none is written over the
    // place a session elsewhere kept; the size is kept everywhere.
    void theWindowsPlaceIsKeptOnlyWhereThePlatformTellsIt() {
        const std::pair<const char*, bool> platforms[] { { "xcb", true }, { "offscreen", true },
            { "wayland", false }, { "wayland-egl", false } };
        for (const auto& [platform, known] : platforms) {
            session().save.SetWindowPosition(1234, 5678); // kept by an X11 session
            session().save.SetWindowSize(1, 1);
            QWidget window;
            window.setGeometry(100, 120, 400, 300);
            WindowPlacement placement(window, session().save, 400, QLatin1String(platform));
            placement.Resized();
            placement.KeepAtClose();
            const cSave::WindowPlace kept = session().save.WindowGeometry({ 0, 0, 0, 0 });
            QCOMPARE(kept.width, 400.0F * 15);
            QCOMPARE(kept.left, known ? 100.0F * 15 : 1234.0F);
            QCOMPARE(kept.top, known ? 120.0F * 15 : 5678.0F);
        }
    }

    // Zeros must never pass for a record of no games: after the message, the board itself
    // says why its figures are empty, and says nothing once the file reads again.
    void aScoreFileOverItsCapIsSaidOnTheBoardNotShownAsNoGames() {
        // In a folder whose name is longer than the board is wide: it is wrapped at its
        // spaces, never widening the board.
        const QString folder = dir_.filePath(u"scores kept by a player who likes to give "
                                             u"long names to the folders of the games"_s);
        QVERIFY(QDir().mkpath(folder));
        const int wide
            = SessionDialogs::ScoreBoard(session(), window_.get()).minimumSizeHint().width();
        session().save.SetScoreFile(folder + u"/Quadrell2000.sre"_s);
        session().score.SaveScore(617, 93, 187, 100, now_);
        const QString path = session().save.ScoreFile();
        const QByteArray kept = contentOf(path);
        QVERIFY(QFile(path).resize(SafeFile::kScoreFileCap + 1));
        ModalAnswerer answers;
        frmScore board = SessionDialogs::ScoreBoard(session(), window_.get());
        QCOMPARE(answers.texts.size(), 1);
        board.show();
        QVERIFY(board.Unread()->isVisible());
        QVERIFY(board.Unread()->text().contains(u"too large"_s));
        QVERIFY(board.Unread()->text().contains(path));
        QCOMPARE(board.Unread()->accessibleName(), board.Unread()->text());
        QCOMPARE(board.minimumSizeHint().width(), wide);
        QCOMPARE(board.Scores()->model()->rowCount(), 0);
        QVERIFY(QFile(path).resize(kept.size()));
        board.Create_All();
        QVERIFY(board.Unread()->isHidden());
        QCOMPARE(board.Scores()->model()->rowCount(), 1);
        QCOMPARE(answers.texts.size(), 1);
    }

    void theChartsPageDrawsTheChosenPlayersAndSavesItsPictures() {
        session().users.AddUser(u"Ann"_s, QString(), u"2000-01-01 00:00:00"_s);
        session().players.SetCurrentComboIndex(2);
        session().score.SaveScore(617, 93, 187, 100, now_); // Ann wins
        session().score.SaveScore(8, 20, 80, 50, now_);     // and loses
        session().users.AddUser(u"Bob"_s, QString(), u"2000-01-01 00:00:00"_s);
        session().players.SetCurrentComboIndex(3);
        session().score.SaveScore(9, 60, 100, 100, now_); // Bob wins
        frmScore board = SessionDialogs::ScoreBoard(session(), window_.get());
        auto* page = board.findChild<ChartsPage*>();
        QVERIFY(page->View().Charts().players.empty()); // counted only when first shown
        board.show();
        board.Tabs()->setCurrentWidget(page);
        // The charts fill the page below its choosers and its tick.
        const QRect chart(page->View().mapTo(page, QPoint()), page->View().size());
        QVERIFY(chart.top() > page->findChild<QCheckBox*>(u"chkChartTable"_s)->geometry().bottom());
        QVERIFY(chart.height() > page->height() / 2);
        const ScoreCharts& charts = page->View().Charts();
        QCOMPARE(charts.players.size(), std::size_t(2));
        QCOMPARE(charts.longestStreak, 1);
        QCOMPARE(charts.currentStreak, 1);
        auto* players = page->findChild<QComboBox*>(u"cboChartPlayer"_s);
        QCOMPARE(players->count(), 3); // all, Ann, Bob
        players->setCurrentIndex(players->findText(u"Ann"_s));
        emit players->activated(players->currentIndex());
        QCOMPARE(charts.players.size(), std::size_t(1));
        QCOMPARE(charts.players[0].played, 2);
        QCOMPARE(charts.players[0].won, 1);
        QCOMPARE(charts.currentStreak, 0);
        // The same figures as rows for a screen reader (each row: theChartsTableSaysEveryFigure).
        QCOMPARE(page->Table().topLevelItem(3)->child(0)->text(0), u"Ann"_s);
        QCOMPARE(page->Table().topLevelItem(0)->text(0), u"Games by week"_s);
        // The second period is the month (chosen as a player chooses: activated).
        auto* span = page->findChild<QComboBox*>(u"cboChartSpan"_s);
        span->setCurrentIndex(1);
        emit span->activated(1);
        QCOMPARE(page->Table().topLevelItem(0)->text(0), u"Games by month"_s);
        span->setCurrentIndex(0);
        emit span->activated(0);
        QCOMPARE(players->count(), 3); // listed once, however often drawn again
        // Every heading open: a screen reader walks into its rows without a key to expand.
        for (int i = 0; i < page->Table().topLevelItemCount(); ++i)
            QVERIFY(page->Table().topLevelItem(i)->isExpanded());
        // Both pictures, from the page's buttons and their save dialogs.
        const QString png = dir_.filePath(u"charts%1.png"_s.arg(run_));
        const QString svg = dir_.filePath(u"charts%1.svg"_s.arg(run_));
        for (const auto& [button, path] :
            { std::pair { "cmdChartPng", png }, { "cmdChartSvg", svg } }) {
            ModalAnswerer answers;
            answers.handler = [&name = path](QWidget* modal) {
                if (auto* files = qobject_cast<QFileDialog*>(modal))
                    ModalAnswerer::TypeFileName(files, name);
            };
            page->findChild<QPushButton*>(QLatin1String(button))->click();
            QVERIFY(answers.texts.isEmpty());
        }
        QCOMPARE(QImage(png).size(), page->View().size() * 2);
        // The games axis counts in whole, different numbers, however few the games.
        for (const auto& [most, step] : { std::pair<qint64, qint64> { 1, 1 }, { 4, 1 }, { 5, 2 },
                 { 9, 5 }, { 20, 5 }, { 21, 10 }, { 101, 50 } })
            QCOMPARE(ChartsView::AxisStep(most), step);
        // The streaks table's heading stands in bold, and its sum of all players where the
        // table has more than one (rows: the heading, the players, the sum).
        for (const auto& [row, named, bold] :
            { std::tuple { 0, 1, true }, { 1, 1, false }, { 3, 2, true }, { 2, 2, false } })
            QCOMPARE(ChartsView::BoldRow(row, named + 1 + (named > 1), named), bold);
        const QByteArray picture = contentOf(svg);
        QVERIFY(picture.contains("<svg"));
        QVERIFY(picture.contains("Streaks and bests"));
        // Where nothing can be written, nothing is, and the caller hears of it.
        QVERIFY(!page->SavePng(u"/proc/charts.png"_s));
        QVERIFY(!page->SaveSvg(dir_.filePath(u"missing/charts.svg"_s)));
        QVERIFY(!QFile::exists(dir_.filePath(u"missing"_s)));
    }

    // A colour made to stand out goes first towards the end its ground is further from: the
    // grey about as far from both counts as light, the one just below it as dark.
    void aColourStandsOutTowardsTheFarEnd() {
        for (const auto& [ground, lighter] : { std::pair { QColor(118, 118, 118), false },
                 std::pair { QColor(117, 117, 117), true }, std::pair { QColor(40, 40, 40), true },
                 std::pair { QColor(250, 250, 250), false } }) {
            const QColor made = Contrast::StandingOut(ground, { ground }, 4.5);
            QVERIFY2(Contrast::Ratio(made, ground) >= 4.5, qPrintable(ground.name()));
            QCOMPARE(made.lightness() > ground.lightness(), lighter);
        }
    }

    // The charts on the desktop's own ground, light or dark: each series stands out 3:1 as a
    // shape, each text 4.5:1, whatever the palette's own colours. (Painted, they are the
    // pictures' record's.)
    void theChartsStandOutOnALightAndADarkGround() {
        const auto palette = [](QRgb base, QRgb text) {
            QPalette p;
            p.setColor(QPalette::Base, QColor::fromRgb(base));
            p.setColor(QPalette::Text, QColor::fromRgb(text));
            return p;
        };
        for (const QPalette& p : { QApplication::style()->standardPalette(),
                 palette(0x1e1e1e, 0xeeeeee), palette(0x2d2d2d, 0x777777),
                 palette(0xfffff0, 0xaaaaaa), palette(0x3584e4, 0xffffff) }) {
            const ChartInks c = ChartInks::For(p);
            QCOMPARE(c.ground, p.color(QPalette::Base));
            for (const auto& [what, colour, least] : { std::tuple { "played", c.played, 3.0 },
                     { "won", c.won, 3.0 }, { "rate", c.rate, 4.5 }, { "ink", c.ink, 4.5 } })
                QVERIFY2(Contrast::Ratio(colour, c.ground) >= least,
                    qPrintable(u"%1 on %2"_s.arg(QLatin1String(what), c.ground.name())));
        }
    }

    // New Game of Difficulty opens at the level asked before, answers the level chosen, and
    // is wide enough for its whole title beside the title bar's buttons.
    void theDifficultyChooserAnswersTheLevelChosen() {
        using L = Difficulty::Level;
        const L levels[] { L::Easy, L::Medium, L::Hard, L::Expert };
        for (int preset = 0; preset < 4; ++preset) {
            dlgDifficulty dialog(levels[preset], window_.get());
            const auto option = [&dialog](int i) {
                return dialog.findChild<QRadioButton*>(u"optLevel%1"_s.arg(i + 1));
            };
            QCOMPARE(dialog.Chosen(), levels[preset]);
            QVERIFY(option(preset)->isChecked());
            for (int other = 0; other < 4; ++other) {
                option(other)->click();
                QCOMPARE(dialog.Chosen(), levels[other]);
                const auto options = dialog.findChildren<QRadioButton*>();
                QCOMPARE(std::count_if(options.begin(), options.end(),
                             [](QRadioButton* b) { return b->isChecked(); }),
                    1);
            }
            QFont title = dialog.font();
            title.setBold(true);
            QVERIFY(dialog.minimumWidth()
                >= QFontMetrics(title).horizontalAdvance(dialog.windowTitle()) + 120);
        }
    }

    // The charts as rows a screen reader walks: a heading per chart, each period's, bar's and
    // player's figures under it, the difficulties with the rated classes only ("Not solved"
    // when played), and while counting, how many games wait.
    void theChartsTableSaysEveryFigure() {
        std::vector<ScoreRec> records(3);
        for (ScoreRec& r : records)
            r.Date = *ScoreDate::Parse("2026-12-08 10:00:00");
        records[0].Name = records[1].Name = u"Ann"_s;
        records[2].Name = u"Bob"_s;
        records[0].Perc = records[2].Perc = 100;
        records[0].Time = 200;
        records[2].Time = 300;
        records[0].Score = 4000;
        records[2].Score = 3000;
        ChartsTable table;
        table.SetCharts(
            ScoreCharts::Of(records, {}, ScoreCharts::Span::Week), ScoreCharts::Span::Week);
        DifficultyTally::Classes classes {};
        classes[1] = { 2, 1 }; // Medium: two played, one won
        table.SetDifficulty(classes, true, 1);
        const auto rows = [&](int heading) {
            QStringList out;
            QTreeWidgetItem* h = table.topLevelItem(heading);
            for (int i = 0; i < h->childCount(); ++i)
                out << h->child(i)->text(0) + u" | "_s + h->child(i)->text(1);
            return out;
        };
        QCOMPARE(table.topLevelItemCount(), 5);
        QCOMPARE(table.topLevelItem(0)->text(0), u"Games by week"_s);
        QCOMPARE(rows(0).size(), 1);
        QVERIFY(rows(0).front().endsWith(QLatin1String("| 3 played, 2 won, 67% won")));
        QCOMPARE(table.topLevelItem(1)->text(0), u"Winning times: games in each range"_s);
        QVERIFY(!rows(1).isEmpty());
        int wins = 0;
        for (const QString& row : rows(1))
            wins += row.section(u" | "_s, 1).toInt();
        QCOMPARE(wins, 2);
        QCOMPARE(table.topLevelItem(2)->text(0), u"Points: games in each range"_s);
        QCOMPARE(rows(3),
            (QStringList {
                QStringLiteral("Ann | won 1 of 2, streak 0, longest 1, best time 3:20, best "
                               "score 4000"),
                QStringLiteral("Bob | won 1 of 1, streak 1, longest 1, best time 5:00, best "
                               "score 3000"),
                u"All | streak 1, longest 1"_s }));
        QCOMPARE(rows(4),
            (QStringList { u"Easy | 0 played, 0 won, 0% won"_s,
                u"Medium | 2 played, 1 won, 50% won"_s, u"Hard | 0 played, 0 won, 0% won"_s,
                u"Expert | 0 played, 0 won, 0% won"_s,
                u"Still counting | 1 games wait for their deal's rating"_s }));
        classes[4] = { 1, 0 }; // a deal no search could win, played
        table.SetDifficulty(classes, false, 0);
        // Drawn again (another period), the classes counted stay.
        table.SetCharts(
            ScoreCharts::Of(records, {}, ScoreCharts::Span::Month), ScoreCharts::Span::Month);
        QCOMPARE(rows(4).size(), 5);
        QVERIFY(rows(4).back().startsWith(QLatin1String("Not solved | 1 played")));
    }

    // Drawn for a file on a painter that has a brush of its own, the rate's line (won, lost,
    // won) is still a line: the same picture as on a painter without one. (How the charts
    // look is the pictures' record's.)
    void theChartsDrawTheSameOnAPainterWithABrush() {
        std::vector<ScoreRec> records(3);
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].Name = u"Ann"_s;
            records[i].Date
                = ScoreDate::Of(QDateTime(QDate(2026, 12, 8 + 7 * int(i)), QTime(10, 0)));
            records[i].Perc = i == 1 ? 50 : 100;
        }
        ChartsView view;
        view.SetCharts(
            ScoreCharts::Of(records, {}, ScoreCharts::Span::Week), ScoreCharts::Span::Week);
        const auto rendered = [&view](const QBrush& brush) {
            QImage image(640, 380, QImage::Format_ARGB32);
            QPainter p(&image);
            p.setBrush(brush);
            view.Render(p, image.rect());
            return image;
        };
        QCOMPARE(rendered(Qt::red), rendered(Qt::NoBrush));
    }

    // The charts are laid out for a 9-point font; a larger one (GNOME's 11, a 20-point one)
    // scales the whole picture and its least size, so painted text keeps its room, but never
    // beyond most of the screen.
    void theChartsGrowWithTheFont() {
        ChartsView view;
        QFont font = view.font();
        const struct {
            double points;
            double least, most; // the scale, about points / 9
        } rows[] { { 9, 1.0, 1.0 }, { 7, 1.0, 1.0 }, { 11, 1.15, 1.3 }, { 20, 2.0, 2.4 } };
        for (const auto& row : rows) {
            font.setPointSizeF(row.points);
            view.setFont(font);
            const double k = ChartsView::Scale(font);
            QVERIFY2(k >= row.least && k <= row.most, qPrintable(QString::number(k)));
            const QSize room = view.screen()->availableSize();
            QVERIFY(view.minimumWidth() >= 640 && view.minimumHeight() >= 380);
            QVERIFY(view.minimumWidth() <= std::max(640, room.width() * 3 / 4));
            QVERIFY(view.minimumHeight() <= std::max(380, room.height() * 3 / 4));
            if (row.points <= 9) QCOMPARE(view.minimumSize(), QSize(640, 380));
        }
    }

    // A long count writes what it has rated every hundred deals, so that one killed halfway
    // keeps most of its work.
    void aLongCountWritesItsRatingsAsItGoes() {
        std::vector<ScoreRec> records(201);
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].Name = u"Ann"_s;
            records[i].GameNo = 1000 + qint32(i);
        }
        const QString cache = dir_.filePath(u"long%1.ratings"_s.arg(run_));
        std::vector<qsizetype> kept; // the cache's size as each deal's rating begins
        RatingsCount count(cache, [&](qint32, const std::atomic<bool>*) {
            kept.push_back(RatingsCache::Load(cache).size());
            return std::optional(Difficulty::Rating { Difficulty::Level::Easy, 1, 1 });
        });
        count.Start(records);
        QTRY_VERIFY(count.Latest().done);
        QCOMPARE(kept.size(), records.size());
        QCOMPARE(kept[99], 0);
        QCOMPARE(kept[100], 100);
        QCOMPARE(kept[200], 200);
        QCOMPARE(RatingsCache::Load(cache).size(), 201);
    }

    // A picture that cannot be written is said with its name, as PNG and as SVG.
    void theChartsSayAPictureTheyCannotWrite() {
        const QString file = make(u"plain%1"_s.arg(run_));
        ScriptedPrompter prompter;
        ChartsPage page({}, prompter, dir_.filePath(u"none.ratings"_s));
        prompter.saveAs = (file + u"/charts"_s).toStdString(); // under a file
        for (const char* button : { "cmdChartPng", "cmdChartSvg" })
            page.findChild<QPushButton*>(QLatin1String(button))->click();
        const std::string said = "Cannot write " + prompter.saveAs + ".";
        QCOMPARE(prompter.messages, (std::vector { said, said }));
    }

    // The games by difficulty are counted off the window's thread: while a deal's rating
    // is held up the page says it is counting and goes on answering; the ratings then land
    // in the cache beside the score file and are not made again, unless it is damaged.
    void theChartsCountTheGamesByDifficultyInTheBackgroundWithACache() {
        std::vector<ScoreRec> records(3);
        for (int i = 0; i < 3; ++i) {
            records[std::size_t(i)].Name = u"Ann"_s;
            records[std::size_t(i)].GameNo = 10 + i % 2; // 10, 11, 10
            records[std::size_t(i)].Perc = i == 0 ? 100 : 50;
        }
        const QString cache = dir_.filePath(u"count%1.ratings"_s.arg(run_));
        std::atomic<bool> held { true };
        std::atomic<int> ratings { 0 };
        const auto rate = [&](qint32 number, const std::atomic<bool>* stop) {
            while (held && number == 11 && !*stop) // the first deal is rated at once
                QThread::msleep(5);
            if (*stop) return std::optional<Difficulty::Rating>(); // none, as a search stopped
            ++ratings;
            return std::optional(Difficulty::Rating {
                number == 10 ? Difficulty::Level::Easy : Difficulty::Level::Hard, 1, 1 });
        };
        {
            ChartsPage page(records, session().prompter, cache, nullptr, rate);
            page.View().setFixedSize(640, 380); // the same picture's size before and after
            page.show();
            QTRY_VERIFY(page.CountingLabel()->isVisible());
            const QImage whileCounting = page.View().grab().toImage();
            QTRY_COMPARE(page.CountingLabel()->text(),
                u"Counting the games by difficulty: 1 of 2 deals rated..."_s);
            QVERIFY(page.View().Charts().players.size() == 1); // drawn meanwhile
            auto* asTable = page.findChild<QCheckBox*>(u"chkChartTable"_s);
            asTable->click(); // the page answers meanwhile
            QVERIFY(asTable->isChecked());
            held = false;
            QTRY_VERIFY(page.Counting().Latest().done);
            QTRY_VERIFY(page.CountingLabel()->isHidden());
            QVERIFY(page.View().grab().toImage() != whileCounting); // the classes drawn
            QTreeWidgetItem* byClass
                = page.Table().topLevelItem(page.Table().topLevelItemCount() - 1);
            QCOMPARE(byClass->text(0), u"Games by difficulty"_s);
            QCOMPARE(byClass->child(0)->text(1), u"2 played, 1 won, 50% won"_s);
            QCOMPARE(byClass->child(2)->text(1), u"1 played, 0 won, 0% won"_s);
            QCOMPARE(byClass->childCount(), 4); // "Not solved" only when played
        }
        QTRY_VERIFY(QFile::exists(cache));
        QCOMPARE(ratings.load(), 2);
        ratings = 0; // opened again, the cache answers (a damaged one: RatingsCacheTest)
        {
            ChartsPage again(records, session().prompter, cache, nullptr, rate);
            again.show();
            QTRY_VERIFY(again.Counting().Latest().done);
        }
        QCOMPARE(ratings.load(), 0);
        // Stopped under way: its held rating is told to stop, and it has no more to say.
        QFile::remove(cache);
        held = true;
        ratings = 0;
        RatingsCount stopped(cache, rate);
        stopped.Start(records);
        QTRY_COMPARE(stopped.Latest().rated, 1); // the second deal's rating is held
        stopped.Stop();
        QCOMPARE(stopped.Latest().toRate, 0);
        // The bound only keeps a stop that is not heard from hanging the suite.
        const bool ended = QThreadPool::globalInstance()->waitForDone(10000);
        held = false;
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(ended);
        QCOMPARE(ratings.load(), 1);
    }

    void exportWritesTheBoardWithoutAWindowForAShortTask() {
        // Recorded after the player was made, as a record must be to count.
        session().score.SaveScore(617, 93, 187, 100, now_.addSecs(60));
        frmScore board = SessionDialogs::ScoreBoard(session(), window_.get());
        const QString path = dir_.filePath(u"board%1.txt"_s.arg(run_));
        int progressWindows = 0;
        ModalAnswerer answers;
        answers.handler = [&](QWidget* modal) {
            if (qobject_cast<QProgressDialog*>(modal)) ++progressWindows;
            if (auto* files = qobject_cast<QFileDialog*>(modal))
                ModalAnswerer::TypeFileName(files, path);
        };
        board.findChild<QPushButton*>(u"cmdExport"_s)->click();
        const QByteArray text = contentOf(path);
        QVERIFY(text.startsWith("Quadrell 2000 Score Board\r\n"));
        QVERIFY(text.contains("\r\nGuest         0:03:07        617           93           100 %"));
        QCOMPARE(progressWindows, 0);
        QCOMPARE(session().save.LastExportedFile(), path);
    }

    // A long task shows its progress under its label and stops on Cancel, whether it reports
    // its steps (an export) or cannot and is handed the cancel (a search).
    void aLongTaskShowsItsProgressAndStopsOnCancel() {
        QtPrompter prompter(window_.get());
        QStringList labels;
        ModalAnswerer answers;
        answers.handler = [&](QWidget* modal) {
            auto* progress = qobject_cast<QProgressDialog*>(modal);
            if (!progress || labels.contains(progress->labelText())) return;
            labels << progress->labelText();
            progress->findChild<QPushButton*>()->click();
        };
        std::int64_t reports = 0;
        bool heard = false;
        prompter.RunWithProgress(
            "Exporting the score board...", [&](const Prompter::Progress& progress) {
                // Runs until told to stop, or gives up long after a Cancel would have come.
                while (!heard && reports < 100000) {
                    heard = !progress(++reports % 1000, 1000);
                    QThread::usleep(200);
                }
            });
        bool handed = false;
        prompter.RunWithProgress(
            "Looking for a game of that difficulty...", [&](const Prompter::Progress& progress) {
                handed = progress.Cancelled() != nullptr;
                while (handed && !*progress.Cancelled())
                    QThread::usleep(200);
            });
        QCOMPARE(labels,
            (QStringList { u"Exporting the score board..."_s,
                u"Looking for a game of that difficulty..."_s }));
        QVERIFY(heard && handed);
    }

    // Enter presses OK from any page, even with a page's own button in focus.
    void enterInOptionsIsOkOnEveryPage() {
        frmOptions options = SessionDialogs::Options(session(), window_.get());
        int dialogs = 0;
        ModalAnswerer answers;
        answers.handler = [&dialogs, &options](QWidget* modal) {
            if (modal->windowTitle() != QLatin1String("QuadRell 2000 Options")) {
                ++dialogs;
                modal->close();
                QTimer::singleShot(0, &options, &QDialog::reject);
            } else
                QTimer::singleShot(0, modal, [modal] {
                    auto* add = modal->findChild<QPushButton*>(u"cmdAdd"_s);
                    add->window()->findChild<QTabWidget*>()->setCurrentIndex(3);
                    add->setFocus();
                    QTest::keyClick(add, Qt::Key_Return);
                });
        };
        QCOMPARE(options.exec(), int(QDialog::Accepted));
        QCOMPARE(dialogs, 0); // no "Add a Player"
    }

    void optionsOkWritesEveryPageAndCancelNothing() {
        SettingsStore& store = session().store;
        {
            frmOptions options = SessionDialogs::Options(session(), window_.get());
            QCOMPARE(options.Slider(0)->tickInterval(), 10); // a tick at every tenth
            options.Widgets().messages->setChecked(false);
            options.Slider(0)->setValue(12);
            options.Range(1)->setChecked(true);
            options.reject();
        }
        QCOMPARE(session().opt.ShowMessages(), 1);
        QCOMPARE(session().opt.CardSpeed(), 30);
        QVERIFY(!store.GetText(u"Options"_s, u"CardSpeed"_s, QString()).size());
        frmOptions options = SessionDialogs::Options(session(), window_.get());
        for (const QString& folder : { QString(), u"relative/games"_s }) {
            options.Widgets().finishedDir->setText(folder);
            ModalAnswerer refused;
            options.Ok();
            QCOMPARE(refused.texts.size(), 1);
            QVERIFY(options.result() != QDialog::Accepted);
        }
        options.Widgets().finishedDir->setText(session().save.FinishedDir());
        options.Widgets().messages->setChecked(false);
        options.Slider(0)->setValue(12);
        options.Slider(3)->setValue(7);
        options.Range(1)->setChecked(true);
        options.Widgets().incomplete->click();
        QVERIFY(options.Widgets().incompleteDir->isEnabled());
        options.Ok();
        QCOMPARE(session().opt.ShowMessages(), 0);
        QCOMPARE(session().opt.CardSpeed(), 12);
        QCOMPARE(session().opt.FwdBackSpeed(), qint16(7));
        QCOMPARE(session().opt.RandomIndex(), qint16(1));
        QCOMPARE(session().save.InCompleteSave(), qint16(1));
        QCOMPARE(store.GetText(u"Options"_s, u"BackColor"_s, QString()), u"8404992"_s);
        QCOMPARE(store.GetText(u"Options"_s, u"BackPicEnable"_s, QString()), u"False"_s);
    }

    // Every box and slider of Options changed and kept by OK is found so when Options opens
    // again.
    void everyOptionsBoxAndSliderChangedIsKept() {
        QMap<QString, int> changed;
        {
            frmOptions options = SessionDialogs::Options(session(), window_.get());
            for (QCheckBox* box : options.findChildren<QCheckBox*>()) {
                box->setChecked(!box->isChecked());
                changed[box->objectName()] = box->isChecked();
            }
            for (QSlider* slider : options.findChildren<QSlider*>()) {
                slider->setValue(
                    slider->value() == slider->minimum() ? slider->maximum() : slider->minimum());
                changed[slider->objectName()] = slider->value();
            }
            ModalAnswerer answers;
            options.Ok();
            QCOMPARE(options.result(), int(QDialog::Accepted));
        }
        QVERIFY(changed.size() >= 19);
        frmOptions again = SessionDialogs::Options(session(), window_.get());
        QMap<QString, int> found;
        for (QCheckBox* box : again.findChildren<QCheckBox*>())
            found[box->objectName()] = box->isChecked();
        for (QSlider* slider : again.findChildren<QSlider*>())
            found[slider->objectName()] = slider->value();
        QCOMPARE(found, changed);
    }

    // Options' choosers: the colour chosen is the board's after OK, a picture chosen shows
    // its path, a folder chosen fills its box, and a cancelled or missing choice changes
    // nothing.
    void theOptionsChoosersFillTheirBoxes() {
        Session& s = session();
        ScriptedPrompter prompter;
        frmOptions options(
            s.opt, s.save, s.recent, s.players, s.users, prompter, s.clock, window_.get());
        const auto press = [&options](const char* button) { // its signal, shown or not
            emit options.findChild<QPushButton*>(QLatin1String(button))->clicked();
        };
        auto* preview = options.findChild<QWidget*>(u"Picture1"_s); // shown in the box beside
        options.Tabs()->setCurrentWidget(preview->parentWidget()->parentWidget());
        options.show();
        const auto shown = [preview] { // as it lies there
            return preview->parentWidget()->grab().toImage().pixelColor(
                preview->geometry().center());
        };
        const unsigned before = options.DialogColour();
        QCOMPARE(shown(), QColor::fromRgb(before)); // the kept colour, from the start
        press("cmdColor");                          // cancelled
        QCOMPARE(options.DialogColour(), before);
        prompter.colour = 0x123456;
        press("cmdColor");
        QCOMPARE(options.DialogColour(), 0x123456u);
        QCOMPARE(shown(), QColor(0x12, 0x34, 0x56));
        const QString path = options.Widgets().imagePath->text();
        press("cmdImage"); // cancelled
        QCOMPARE(options.Widgets().imagePath->text(), path);
        prompter.openAs = "/pictures/felt.png";
        press("cmdImage");
        QCOMPARE(options.Widgets().imagePath->text(), u"/pictures/felt.png"_s);
        QCOMPARE(prompter.filters.size(), std::size_t(2));
        const QString folder = QFileInfo(make(u"chosen%1/x"_s.arg(run_))).absolutePath();
        for (const bool incomplete : { true, false }) {
            QLineEdit* box
                = incomplete ? options.Widgets().incompleteDir : options.Widgets().finishedDir;
            const QString was = box->text();
            prompter.folder = (folder + u"/gone"_s).toStdString();
            press(incomplete ? "cmdIncomplete" : "cmdFinished");
            QCOMPARE(box->text(), was);
            prompter.folder = folder.toStdString();
            press(incomplete ? "cmdIncomplete" : "cmdFinished");
            QCOMPARE(box->text(), folder);
        }
        QCOMPARE(prompter.folderTitles.back(), std::string("Select A Directory"));
        options.Widgets().image->setChecked(false);
        options.Ok();
        QCOMPARE(
            s.opt.BackColor(), 0x563412); // kept blue, green, red, as the settings hold colours
        QCOMPARE(s.save.IncompleteDir(), folder);
        QCOMPARE(s.save.FinishedDir(), folder);
    }

    void clearingTheRecentListsOutlivesCancel() {
        session().recent.AddtoRecent(u"/g/a.qrl"_s);
        frmOptions options = SessionDialogs::Options(session(), window_.get());
        QVERIFY(options.Widgets().clearRecent->isEnabled());
        ModalAnswerer answers;
        options.ClearRecent();
        QCOMPARE(answers.texts, QStringList { "Are you Sure you want to Clear Recent List ?" });
        QVERIFY(!options.Widgets().clearRecent->isEnabled());
        options.reject();
        QVERIFY(!session().recent.EnableInComplete());
    }

    void customisingAppliesAtOnceAndCancelRestores() {
        frmCustomize custom(session().custom, window_->Custom(), window_.get());
        QCOMPARE(custom.Toolbar()->topLevelItem(2)->text(0), u"Restart Game "_s);
        custom.show();
        // Room to spare goes to the toolbar's long list first.
        custom.resize(1200, custom.height());
        custom.layout()->activate();
        QVERIFY(custom.Toolbar()->width() > custom.Menus()->width() + 20);
        // A player's Space ticks a row off, as a click on its box does.
        custom.Toolbar()->setFocus();
        custom.Toolbar()->setCurrentItem(custom.Toolbar()->topLevelItem(0));
        QTest::keyClick(custom.Toolbar(), Qt::Key_Space);
        QCOMPARE(custom.Toolbar()->topLevelItem(0)->checkState(0), Qt::Unchecked);
        for (int row = 1; row < 3; ++row)
            custom.Toolbar()->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!window_->Custom().ToolbarPositionVisible(4));
        QVERIFY(!window_->Custom().ToolbarPositionVisible(1));
        custom.Menus()->topLevelItem(1)->setCheckState(0, Qt::Unchecked); // View
        QVERIFY(!window_->Custom().MenuVisible(2));
        custom.Cancel();
        QVERIFY(window_->Custom().MenuVisible(2));
        QVERIFY(window_->Custom().ToolbarPositionVisible(4));
        frmCustomize again(session().custom, window_->Custom(), window_.get());
        again.Panels()->topLevelItem(1)->setCheckState(0, Qt::Unchecked); // Cards Left
        again.findChild<QPushButton*>(u"cmdOK"_s)->click();
        QCOMPARE(again.result(), QDialog::Accepted);
        QCOMPARE(session().store.GetText(u"Custom"_s, u"Panel2"_s, QString()), u"False"_s);
        window_->Custom().RestoreAll();
        QVERIFY(!window_->Custom().PanelVisible(2));
        // Escape, in the window's own loop, goes back to the stored choices as Cancel does.
        ModalAnswerer escape;
        escape.handler = [](QWidget* dialog) {
            static_cast<frmCustomize*>(dialog)->Menus()->topLevelItem(1)->setCheckState(
                0, Qt::Unchecked);
            QTest::keyClick(dialog, Qt::Key_Escape);
        };
        window_->Dialogs().ShowCustomize();
        QVERIFY(window_->Custom().MenuVisible(2));
        QVERIFY(!window_->Custom().PanelVisible(2));
    }

    void theFavouritesWindowsListAddAndOrganise() {
        session().menu.NewGame(0, false);
        session().menu.Game_Started(false);
        QDir().mkpath(session().save.FavFolder() + u"/Zebra Games"_s);
        frmAddFav add = SessionDialogs::AddFavourite(session(), window_.get());
        // The first folder is chosen, not the last.
        QCOMPARE(add.Tree()->topLevelItem(0)->childCount(), 2);
        QCOMPARE(add.Tree()->currentItem(), add.Tree()->topLevelItem(0)->child(0));
        for (int i = 0; i < 2; ++i) // each folder drawn as one
            QVERIFY(!add.Tree()->topLevelItem(0)->child(i)->icon(0).isNull());
        add.Tree()->setCurrentItem(add.Tree()->topLevelItem(0)->child(
            add.Tree()->topLevelItem(0)->child(0)->text(0) == QLatin1String("Easy Games") ? 0 : 1));
        QDir(session().save.FavFolder() + u"/Zebra Games"_s).removeRecursively();
        QCOMPARE(add.Name()->text(), u"0 - Played by Guest"_s);
        QCOMPARE(add.Tree()->currentItem()->text(0), u"Easy Games"_s);
        QCOMPARE(add.Tree()->topLevelItem(0)->text(0), u"Favorites"_s);
        add.Add();
        QCOMPARE(add.result(), int(QDialog::Accepted));
        frmSelectFav open = SessionDialogs::OpenFavourite(session(), window_.get());
        QCOMPARE(names(open.Games()->model()), QStringList { "0 - Played by Guest" }); // to go on
        QVERIFY(open.PlayButton()->isEnabled());
        open.Folders()->setCurrentIndex(0); // the root lists nothing
        QCOMPARE(open.Games()->topLevelItemCount(), 0);
        QVERIFY(!open.PlayButton()->isEnabled());
        frmFavourites organise = SessionDialogs::OrganiseFavourites(session(), window_.get());
        QCOMPARE(organise.Games()->topLevelItemCount(), 1);
        organise.UpdateButtons();
        QVERIFY(organise.MoveButton()->isEnabled());
        QVERIFY(!organise.DeleteFolderButton()->isEnabled()); // the only folder
        QTest::keyClick(organise.Tree(), Qt::Key_Up);         // to the root: its list is empty
        QCOMPARE(organise.Games()->topLevelItemCount(), 0);
        QTest::keyClick(organise.Tree(), Qt::Key_Down);
        QCOMPARE(organise.Games()->topLevelItemCount(), 1);
        // Played from the list: the favourite's own game, over another in play.
        session().menu.NewGame(5, false);
        session().menu.Game_Started(false);
        frmSelectFav again = SessionDialogs::OpenFavourite(session(), window_.get());
        ModalAnswerer answers;
        again.Play();
        QCOMPARE(session().state().gGameNumber, 0);
    }

    // Organise Favorites' buttons: a folder made by name, a game moved to it, deleted, and
    // the folder deleted, each shown at once.
    void theFavouritesWindowMakesMovesAndDeletes() {
        const QString game = make(u"fav%1/Easy Games/617.qrl"_s.arg(run_));
        session().save.SetFavFolder(QFileInfo(QFileInfo(game).absolutePath()).absolutePath());
        frmFavourites organise = SessionDialogs::OrganiseFavourites(session(), window_.get());
        const auto folders = [&] {
            QStringList out;
            for (int i = 0; i < organise.Tree()->topLevelItem(0)->childCount(); ++i)
                out << organise.Tree()->topLevelItem(0)->child(i)->text(0);
            const auto* to = organise.findChild<QComboBox*>(u"imcFav"_s); // where games go
            for (int i = 0; i < to->count(); ++i)
                out << u"to "_s + to->itemText(i);
            return out;
        };
        QCOMPARE(folders(), (QStringList { u"Easy Games"_s, u"to Easy Games"_s }));
        {
            ModalAnswerer name;
            name.handler = [](QWidget* dialog) {
                if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
                    input->setTextValue(u"Hard Games"_s);
                    input->accept();
                }
            };
            organise.Create();
        }
        QCOMPARE(folders(),
            (QStringList {
                u"Easy Games"_s, u"Hard Games"_s, u"to Easy Games"_s, u"to Hard Games"_s }));
        make(u"fav%1/Easy Games/8.qrl"_s.arg(run_));
        organise.Tree()->setCurrentItem(organise.Tree()->topLevelItem(0)->child(0));
        QCOMPARE(organise.Games()->topLevelItemCount(), 2);
        // Both chosen by the mouse, the second with Ctrl held, and moved together.
        organise.show();
        QVERIFY(QTest::qWaitForWindowExposed(&organise));
        QTreeWidget* games = organise.Games();
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(games->viewport(), Qt::LeftButton,
                i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                games->visualItemRect(games->topLevelItem(i)).center());
        organise.Target()->setCurrentIndex(organise.Target()->findText(u"Hard Games"_s));
        organise.Move();
        QCOMPARE(organise.Games()->topLevelItemCount(), 0);
        const QString moved = QFileInfo(game).absolutePath() + u"/../Hard Games/617.qrl"_s;
        QVERIFY(QFileInfo::exists(moved));
        organise.Tree()->setCurrentItem(organise.Tree()->topLevelItem(0)->child(1));
        QCOMPARE(organise.Games()->topLevelItemCount(), 2);
        games->setFocus();
        QTest::keyClick(games, Qt::Key_A, Qt::ControlModifier); // all of them
        {
            ModalAnswerer yes;
            organise.DeleteGames();
            QCOMPARE(yes.texts.size(), 1);
        }
        QCOMPARE(organise.Games()->topLevelItemCount(), 0);
        QVERIFY(!QFileInfo::exists(moved));
        {
            ModalAnswerer yes;
            organise.DeleteFolder();
            QCOMPARE(yes.texts, QStringList { u"Are you sure you want to delete Hard Games ?"_s });
        }
        QCOMPARE(folders(), (QStringList { u"Easy Games"_s, u"to Easy Games"_s }));
    }

    // Add a Player: a name the rules refuse is said and the window stays; a good one is
    // added and closes it.
    void addAPlayerRefusesABadNameAndAddsAGoodOne() {
        frmAddPlayer add(session().users, session().prompter, session().clock, window_.get());
        add.show();
        auto* name = add.findChild<QLineEdit*>(u"txtPlayer"_s);
        name->setText(u"Bartholomew"_s);
        {
            ModalAnswerer answers;
            add.findChild<QPushButton*>(u"cmdAdd"_s)->click();
            QCOMPARE(answers.texts, QStringList { u"Maximum 8 Characters only"_s });
        }
        QVERIFY(add.isVisible());
        name->setText(u"Bart"_s);
        add.findChild<QLineEdit*>(u"txtFullName"_s)->setText(u"Bart Q"_s);
        add.findChild<QPushButton*>(u"cmdAdd"_s)->click();
        QCOMPARE(add.result(), int(QDialog::Accepted));
        QVERIFY(session().users.ComboNames().contains(u"Bart"_s));
        QCOMPARE(session().players.GetDate(2), u"2026-12-10 12:00:00"_s); // by the window's clock
    }

    void recentMenusShowTheirPathsOrNone() {
        QVERIFY(window_->Recent().None(0)->isVisible());
        QVERIFY(window_->Recent().None(1)->isVisible());
        session().recent.AddtoRecent(u"/games/a&b.qrl"_s);
        QVERIFY(window_->Recent().None(0)->isVisible());
        QVERIFY(!window_->Recent().None(1)->isVisible());
        QVERIFY(window_->Recent().Item(1, 0)->isVisible());
        QCOMPARE(window_->Recent().Item(1, 0)->text(), u"&1 /games/a&&b.qrl"_s);
        QVERIFY(!window_->Recent().Item(1, 1)->isVisible());
        window_->RefreshMenus();
        QVERIFY(window_->Action(u"mnuIncomp"_s)->isEnabled());
        QVERIFY(!window_->Action(u"mnuComp"_s)->isEnabled());
        session().recent.CrearRecent();
        QVERIFY(window_->Recent().None(1)->isVisible());
    }

    // Whatever asks for the finished-game dialog while it is open is answered by that dialog:
    // a second one would record the game twice.
    void theFinishedGameDialogOpensOnceWhateverAsksForItMeanwhile() {
        session().win.SetHandler({}); // this test's own end of the game, not the window's
        int after = 0;
        WonGame won(session(), window_->board(), *window_, [&after] { ++after; });
        session().menu.NewGame(617, false);
        session().menu.Game_Started(false);
        session().GameWonDetected();
        int dialogs = 0;
        ModalAnswerer answers;
        answers.handler = [&](QWidget* dialog) {
            if (++dialogs == 1) won.ShowFinish(); // asked again while it is open
            dialog->close();
        };
        won.ShowFinish();
        QCOMPARE(dialogs, 1);
        QCOMPARE(after, 1);
        QVERIFY(!session().win.Pending());
        QCOMPARE(contentOf(session().save.ScoreFile()).count("\r\n"), 1);
    }

    // Each entry opens its own file: the newest first in each list.
    void eachRecentEntryOpensItsOwnFile() {
        const std::pair<qint32, const char*> files[] { { 11, "eleven.q2k" }, { 12, "twelve.q2k" },
            { 13, "thirteen.qrl" }, { 14, "fourteen.qrl" } };
        for (const auto& [game, name] : files) {
            session().menu.NewGame(game, false);
            session().menu.Game_Started(false);
            session().trans.SaveToFile(dir_.filePath(QLatin1String(name)));
            session().recent.AddtoRecent(dir_.filePath(QLatin1String(name)));
        }
        const std::tuple<int, int, qint32> rows[] { { 0, 0, 12 }, { 0, 1, 11 }, { 1, 0, 14 },
            { 1, 1, 13 } };
        ModalAnswerer answers; // leaving the game in play for the next
        for (const auto& [list, index, game] : rows) {
            window_->Recent().Item(list, index)->trigger();
            QCOMPARE(session().state().gGameNumber, game);
        }
        // Right after a win, an entry first closes the won game: its dialog, then the file.
        int dialogs = 0;
        answers.handler = [&dialogs](QWidget* dialog) {
            ++dialogs;
            dialog->close();
        };
        session().GameWonDetected();
        QVERIFY(session().win.Pending()); // celebrated first
        window_->Recent().Item(0, 0)->trigger();
        QCOMPARE(dialogs, 1);
        QVERIFY(!session().win.Pending());
    }

    // The empty-column question answers with the button pressed; Escape and the close box
    // leave the move undone, Return takes the default, the single card.
    // The help opens whole within the screen's free area, over its owner as far as the
    // area allows, and is already there in its first picture, not drawn elsewhere and moved.
    // Escape closes it.
    void theHelpOpensWithinTheFreeAreaFromItsFirstPicture() {
        struct AtShow : QObject {
            QRect geometry;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Show)
                    geometry = static_cast<QWidget*>(watched)->geometry();
                return false;
            }
        } atShow;
        // Offscreen windows gain a frame two pixels wide as they show, around the place
        // given: the help is placed again with it, as on a desktop.
        const struct {
            QRect owner, available, shown, framed;
        } rows[] {
            { { 900, 700, 400, 300 }, { 100, 50, 800, 500 }, { 182, 52, 720, 500 },
                { 176, 50, 724, 500 } }, // too low and too tall: held in, made shorter
            { { 0, 0, 200, 100 }, { 100, 50, 1000, 900 }, { 102, 52, 720, 600 },
                { 100, 50, 724, 604 } }, // too far up and left
            { { 300, 300, 400, 300 }, { 0, 0, 1600, 1200 }, { 142, 152, 720, 600 },
                { 138, 148, 724, 604 } }, // centred on its owner
        };
        for (const auto& row : rows) {
            QWidget owner;
            owner.setGeometry(row.owner);
            auto* help = new HelpWindow(&owner);
            help->installEventFilter(&atShow);
            help->ShowWithin(row.available);
            QCOMPARE(atShow.geometry, row.shown);
            QCOMPARE(help->frameGeometry(), row.framed);
            QTest::keyClick(help, Qt::Key_Escape); // as a dialog closes
            QVERIFY(help->isHidden());
        }
    }

    void theEmptyColumnQuestionAnswersWithTheButtonPressed() {
        const std::pair<const char*, EmptyColumnChoice> rows[] { { "cmdSingle",
                                                                     EmptyColumnChoice::Single },
            { "cmdColumn", EmptyColumnChoice::Column }, { "cmdCancel", EmptyColumnChoice::Cancel },
            { "Return", EmptyColumnChoice::Single }, { "Escape", EmptyColumnChoice::Cancel } };
        for (const auto& [how, expected] : rows) {
            dlgMove move(window_.get());
            ModalAnswerer answers;
            int presses = 0;
            answers.handler = [&presses, how = QLatin1String(how)](QWidget* dialog) {
                if (++presses > 1) { // the press left it open
                    dialog->close();
                    return;
                }
                if (how == QLatin1String("Return") || how == QLatin1String("Escape")) {
                    QTest::keyClick(
                        dialog, how == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Escape);
                    return;
                }
                dialog->findChild<QPushButton*>(how)->click();
            };
            QCOMPARE(move.Ask(), expected);
            QCOMPARE(presses, 1);
        }
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::DialogsTest)
#include "DialogsTest.moc"
