// Saves pictures of the main window for a person to look at: quadrell-tour OUTPUT_FOLDER.
// Not a test: run it on the offscreen platform after a change to a window and look.
#include "BoardWidget.h"
#include "ChartsView.h"
#include "ClockFace.h"
#include "HelpWindow.h"
#include "LossSearch.h"
#include "ModalAnswerer.h"
#include "RecentMenus.h"
#include "SessionDialogs.h"
#include "Translations.h"
#include "WonGame.h"
#include "dlgAbout.h"
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
#include "frmSource.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace quadrell;

namespace {

void save(QWidget& w, const QString& path, QMenu* menu = nullptr, QPoint menuAt = {}) {
    QPixmap shot = w.grab();
    if (menu) {
        QPixmap canvas(shot.width(), std::max(shot.height(), menuAt.y() + menu->height()));
        canvas.fill(Qt::black);
        QPainter p(&canvas);
        p.drawPixmap(0, 0, shot);
        p.drawPixmap(menuAt, menu->grab());
        p.end();
        shot = canvas;
    }
    if (!shot.save(path)) qFatal("cannot write %s", qPrintable(path));
}

Card cardOf(const char* name) {
    const QString ranks = QStringLiteral("A23456789TJQK");
    const QString suits = QStringLiteral("HCDS");
    return static_cast<Card>(
        suits.indexOf(QLatin1Char(name[1])) * 13 + ranks.indexOf(QLatin1Char(name[0])));
}

// Columns from the left, each from its first card down; the other cards stay off the board.
void place(Engine& engine, std::initializer_list<const char*> columns) {
    int c = 0;
    for (const char* column : columns) {
        const QStringList names = QString::fromLatin1(column).split(QLatin1Char(' '));
        for (int row = 0; row < names.size(); ++row)
            engine.state().gBoard.init(
                static_cast<Loc>(row * kColumns + c), cardOf(names[row].toLatin1().constData()));
        ++c;
    }
}

template <typename... Columns> void place(Engine& engine, Columns... columns) {
    place(engine, { columns... });
}

void game(Session& session, const QString& path, qint32 number) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    session.menu.NewGame(number, false);
    session.trans.SaveToFile(path);
}

// A hint shown, and a solution being played.
void solver(frmMain& w, const QString& out) {
    Session& s = w.session();
    s.menu.NewGame(617, false);
    s.menu.Game_Started(false);
    w.Assist().Hint();
    QTRY_VERIFY_WITH_TIMEOUT(w.board().HintShown(), 5000);
    save(w, out + QStringLiteral("/hint.png"));
    s.opt.SetFwdBackSpeed(20);
    s.opt.SetCardSpeed(8);
    test::ModalAnswerer giveUp; // the solution is watched only in a game given up
    w.Assist().ShowSolution();
    QTRY_VERIFY_WITH_TIMEOUT(s.trans.MoveID() >= 12, 20000);
    w.ClockTick();
    save(w, out + QStringLiteral("/solution.png"));
    w.Assist().StopSolution();
    s.opt.SetCardSpeed(30);
    s.opt.SetFwdBackSpeed(50);
}

// The select, open and autosave windows, with a game or two in every place they list.
void savedGames(frmMain& w, const QString& out) {
    Session& s = w.session();
    const QString fav = s.save.FavFolder();
    game(s, fav + QStringLiteral("/Easy Games/Morning.qrl"), 11);
    game(s, fav + QStringLiteral("/Easy Games/Quick win.q2k"), 12);
    game(s, fav + QStringLiteral("/Hard Games/Tricky.qrl"), 13);
    for (int i = 0; i < 3; ++i) {
        game(s, s.save.GetFileName(100 + i, false, s.clock()), 100 + i);
        game(s, s.save.GetFileName(200 + i, true, s.clock()), 200 + i);
    }
    s.recent.AddtoRecent(fav + QStringLiteral("/Easy Games/Quick win.q2k"));
    s.recent.AddtoRecent(fav + QStringLiteral("/Easy Games/Morning.qrl"));
    s.menu.NoGame();
    frmSelectGame select = SessionDialogs::SelectGame(s, &w);
    select.show();
    QTest::qWait(20);
    select.grab().save(out + QStringLiteral("/select.png"));
    frmOpenGame open = SessionDialogs::OpenGame(s, &w);
    open.show();
    QTreeWidgetItem* easy
        = open.Tree()->findItems(QStringLiteral("Easy Games"), Qt::MatchRecursive).value(0);
    open.Tree()->setCurrentItem(easy);
    open.ShowNode(easy);
    QTest::qWait(20);
    open.grab().save(out + QStringLiteral("/open.png"));
    frmAutoSave autosave = SessionDialogs::AutoSave(s, &w);
    autosave.show();
    QTest::qWait(20);
    autosave.grab().save(out + QStringLiteral("/autosave.png"));
    autosave.Tabs()->setCurrentIndex(1);
    QTest::qWait(20);
    autosave.grab().save(out + QStringLiteral("/autosave2.png"));
}

// The score board with several players, and the finished-game dialog.
void scores(frmMain& w, const QString& out) {
    Session& s = w.session();
    const char* names[] = { "Ann", "Bob", "Chloe" };
    for (const char* name : names)
        s.users.AddUser(QLatin1String(name), QStringLiteral("%1 Player").arg(QLatin1String(name)),
            QStringLiteral("2026-01-01 00:00:00"));
    const QDateTime now = QDateTime::currentDateTime();
    // A hundred and twenty games over four months, the latest first.
    for (int i = 0; i < 120; ++i) {
        s.players.SetCurrentComboIndex(static_cast<qint16>(1 + i % 4));
        const bool won = i % 3 != 1 && i % 7 != 3;
        s.score.SaveScore(1000 + 37 * i, 70 + (i * 7) % 40, 120 + (i * 53) % 300,
            static_cast<qint16>(won ? 100 : 20 + i % 60),
            now.addSecs(-3600 * (i % 5) - 86400 * (i - i / 4)));
    }
    s.players.SetCurrentComboIndex(2);
    s.score.SetDayComboIndex(5);
    s.menu.NewGame(617, false);
    s.menu.Game_Started(false);
    frmScore board = SessionDialogs::ScoreBoard(s, &w);
    board.show();
    board.resize(760, 520);
    for (int tab = 0; tab < board.Tabs()->count(); ++tab) {
        board.Tabs()->setCurrentIndex(tab);
        QTest::qWait(20);
        board.grab().save(out + QStringLiteral("/score%1.png").arg(tab + 1));
    }
    board.resize(600, 470);
    QTest::qWait(20);
    board.findChild<ChartsView*>()->grab().save(out + QStringLiteral("/help-charts.png"));
    dlgFinish finish = SessionDialogs::Finish(s, &w);
    finish.show();
    QTest::qWait(20);
    finish.grab().save(out + QStringLiteral("/finish.png"));
}

template <typename Dialog> void shoot(Dialog& dialog, const QString& path) {
    dialog.show();
    QTest::qWait(20);
    dialog.grab().save(path);
}

// The favourites windows, every page of the options, the customise window.
void organise(frmMain& w, const QString& out) {
    Session& s = w.session();
    {
        frmAddFav add = SessionDialogs::AddFavourite(s, &w);
        shoot(add, out + QStringLiteral("/addfav.png"));
        frmSelectFav open = SessionDialogs::OpenFavourite(s, &w);
        open.Folders()->setCurrentIndex(1);
        shoot(open, out + QStringLiteral("/openfav.png"));
        frmFavourites fav = SessionDialogs::OrganiseFavourites(s, &w);
        fav.Tree()->setCurrentItem(fav.Tree()->topLevelItem(0)->child(0));
        fav.ShowFolder();
        shoot(fav, out + QStringLiteral("/favourites.png"));
    }
    frmOptions options = SessionDialogs::Options(s, &w);
    for (int tab = 0; tab < 5; ++tab) {
        options.Tabs()->setCurrentIndex(tab);
        shoot(options, out + QStringLiteral("/options%1.png").arg(tab + 1));
    }
    frmCustomize custom(s.custom, w.Custom(), &w);
    shoot(custom, out + QStringLiteral("/customize.png"));
}

// The small dialogs, the source and help windows, and a message box as the rules raise it.
void smallWindows(frmMain& w, const QString& out) {
    Session& s = w.session();
    s.menu.NewGame(7, false);
    s.menu.Game_Started(false);
    s.engine.rules().CardDoubleClicked(48);
    dlgAbout about(&w);
    shoot(about, out + QStringLiteral("/about.png"));
    dlgMove move(&w);
    shoot(move, out + QStringLiteral("/move.png"));
    frmAddPlayer player(s.users, s.prompter, s.clock, &w);
    shoot(player, out + QStringLiteral("/addplayer.png"));
    frmSource source = SessionDialogs::Source(s, &w);
    shoot(source, out + QStringLiteral("/source.png"));
    w.Action(QStringLiteral("Help"))->trigger();
    QTest::qWait(50);
    w.Dialogs().Help()->grab().save(out + QStringLiteral("/help.png"));
    w.Dialogs().Help()->close();
    // The box is grabbed and closed from inside its own loop.
    QTimer::singleShot(50, [&out] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) qFatal("no message box");
        box->grab().save(out + QStringLiteral("/message.png"));
        box->close();
    });
    s.engine.rules().CardClicked(40);
    s.engine.rules().CardClicked(41);
}

} // namespace

// The board alone, for the help: a card selected, the keyboard cursor, a run being dragged.
void helpPictures(frmMain& w, const QString& out) {
    // Small enough for the help window: the board drawn at two thirds of its size.
    const QSize first = w.size();
    w.resize(430, 330);
    QTest::qWait(30);
    BoardWidget& board = w.board();
    board.grab().save(out + QStringLiteral("/help-selected.png"));
    w.session().engine.rules().ClearSelection();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&board, Qt::Key_Right);
    board.grab().save(out + QStringLiteral("/help-keyboard.png"));
    // The jack of hearts at the foot of column 6 carried over column 8's queen of clubs.
    const QPoint from
        = board.Pixels(board.ShownAt(45) + QPointF(525, 120), 0, 0).topLeft().toPoint();
    const QPoint to = board.Pixels(board.ShownAt(47) + QPointF(300, 900), 0, 0).topLeft().toPoint();
    QTest::mousePress(&board, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 8; ++i)
        QTest::mouseMove(&board, from + (to - from) * i / 8);
    board.grab().save(out + QStringLiteral("/help-drag.png"));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, to);
    w.session().menu.Undo();
    w.session().engine.rules().ClearSelection();
    w.resize(first);
    QTest::qWait(30);
}

// The board at twice and three times its first size, and a 19-card column at the first.
void scaled(frmMain& w, const QString& out) {
    const QSize first = w.size();
    const int chrome = w.height() - w.board().height();
    for (int percent : { 200, 300 }) {
        w.resize(643 * percent / 100, 407 * percent / 100 + chrome);
        QTest::qWait(30);
        save(w, out + QStringLiteral("/board%1.png").arg(percent));
    }
    w.resize(first);
    QTest::qWait(30);
    Engine& engine = w.session().engine;
    engine.rules().ClearSelection();
    std::vector<Loc> kept;
    for (Card c = 0; c < kCardCount; ++c)
        kept.push_back(engine.state().gBoard.GetLocation(c));
    // Column 1 from king to ace in spades and hearts, then six more: 19 cards.
    const char* const run[] = { "KS", "QH", "JS", "TH", "9S", "8H", "7S", "6H", "5S", "4H", "3S",
        "2H", "AS", "KC", "QD", "JC", "TD", "9C", "8D" };
    for (Card c = 0; c < kCardCount; ++c) // the rest off the board
        w.board().PlaceCard(c, 212);
    for (int row = 0; row < 19; ++row)
        w.board().PlaceCard(cardOf(run[row]), static_cast<Loc>(row * kColumns));
    save(w, out + QStringLiteral("/column19.png"));
    for (Card c = 0; c < kCardCount; ++c) // the deal as it was
        w.board().PlaceCard(c, kept[static_cast<std::size_t>(c)]);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Translations::Install(app, QLocale::system()); // LANG=de_DE.UTF-8 shows it in German
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir home;
    frmMain w(AppPaths::Inside(home.path()), QString());
    w.SetQuitAction([] {});
    w.Load();
    w.show();
    QTest::qWait(50);
    save(w, out + QStringLiteral("/empty.png"));
    w.session().menu.NewGame(7, false);
    w.session().menu.Game_Started(false);
    w.ClockTick();
    w.RefreshMenus();
    save(w, out + QStringLiteral("/deal.png"));
    w.session().engine.rules().CardClicked(45);
    save(w, out + QStringLiteral("/selected.png"));
    helpPictures(w, out);
    scaled(w, out);
    QMenuBar* bar = w.menuBar();
    int i = 0;
    for (QAction* top : bar->actions()) {
        QMenu* menu = top->menu();
        if (!menu) continue;
        const QPoint at = bar->actionGeometry(top).bottomLeft() + bar->pos();
        menu->popup(w.mapToGlobal(at));
        QTest::qWait(30);
        save(w, out + QStringLiteral("/menu%1.png").arg(++i), menu, at);
        menu->hide();
    }
    // A run of five carried onto a king through one cell and two empty columns.
    Engine& engine = w.session().engine;
    engine.rules().ClearSelection();
    engine.NewBoard();
    engine.state().gGameActive = true;
    place(engine, "5C QS JH TS 9H 8S", "KD", "KC", "KS", "QH", "QD");
    for (const auto& [cell, name] :
        { std::pair { 200, "3D" }, std::pair { 201, "4H" }, std::pair { 202, "5D" } })
        engine.state().gBoard.init(static_cast<Loc>(cell), cardOf(name));
    engine.view().ShowCards(true);
    for (Loc loc = 0; loc < kBoardSize; ++loc) {
        const Card c = engine.state().gBoard.GetCardIndex(loc);
        if (c >= 0) w.board().PlaceCard(c, loc);
    }
    for (Card c = 0; c < kCardCount; ++c) // cards left out of the position go off the board
        if (engine.state().gBoard.GetCardIndex(engine.state().gBoard.GetLocation(c)) != c)
            w.board().PlaceCard(c, 212);
    int steps = 0;
    w.board().SetStepObserver([&](Card, int) {
        if (++steps == 5 * 30 + 12) save(w, out + QStringLiteral("/moving.png"));
    });
    engine.rules().CardClicked(40);
    engine.rules().CardClicked(1);
    w.board().SetStepObserver({});
    save(w, out + QStringLiteral("/after.png"));
    solver(w, out);
    savedGames(w, out);
    scores(w, out);
    organise(w, out);
    smallWindows(w, out);
    return 0;
}
