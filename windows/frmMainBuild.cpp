// The main window's menus, toolbar, status bar and timers.
#include "BoardWidget.h"
#include "Icons.h"
#include "frmMain.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace quadrell {

namespace {

// The toolbar's 24 positions; an empty key is a separator.
struct Button {
    const char* key;
    const char* tip;
};
const Button kButtons[24] = {
    { "New", "New Game" },
    { "Select", "Select Game" },
    { "Restart", "Restart Game" },
    { "", "" },
    { "Open", "Open Game" },
    { "Save", "Save Game" },
    { "", "" },
    { "UndoAll", "Undo All" },
    { "Undo", "Undo" },
    { "Redo", "Redo" },
    { "RedoAll", "Redo All" },
    { "", "" },
    { "ReplayBack", "Replay Back" },
    { "ReplayStop", "Stop" },
    { "ReplayForward", "Replay Forward" },
    { "", "" },
    { "AddFav", "Add to Favorites" },
    { "OrgFav", "Organize Favorites" },
    { "OpenFav", "Play from Favorites" },
    { "", "" },
    { "Options", "Options" },
    { "Scoreboard", "Score Board" },
    { "", "" },
    { "Help", "Help Contents" },
};

} // namespace

QAction* frmMain::addEntry(
    QMenu* menu, const QString& caption, const char* name, const QKeySequence& keys) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!keys.isEmpty()) action->setShortcut(keys);
    actions_.insert(QLatin1String(name), action);
    return action;
}

void frmMain::buildMenus() {
    auto command = [this](QAction* a, const char* key) {
        connect(a, &QAction::triggered, this, [this, key] { menuCommand(QLatin1String(key)); });
    };
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    command(addEntry(game, QStringLiteral("&New Game"), "mnuNew", Qt::Key_F2), "New");
    command(addEntry(game, QStringLiteral("&Select Game.."), "mnuSelect", Qt::Key_F3), "Select");
    command(addEntry(game, QStringLiteral("&Restart Game"), "mnuRestart"), "Restart");
    game->addSeparator();
    command(
        addEntry(game, QStringLiteral("&Open Game"), "mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)),
        "Open");
    command(
        addEntry(game, QStringLiteral("&Save Game"), "mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)),
        "Save");
    connect(addEntry(game, QStringLiteral("&Close Game"), "mnuClose"), &QAction::triggered, this,
        &frmMain::closeGame);
    game->addSeparator();
    const char* recentMenus[2][3] = { { "Recent &Finished", "mnuComp", "Recent1" },
        { "Recent &InComplete", "mnuIncomp", "Recent2" } };
    for (int list = 0; list < 2; ++list) {
        QMenu* recent = game->addMenu(QLatin1String(recentMenus[list][0]));
        recent->menuAction()->setObjectName(QLatin1String(recentMenus[list][1]));
        actions_.insert(QLatin1String(recentMenus[list][1]), recent->menuAction());
        for (int i = 0; i < 5; ++i) {
            QAction* item = recent->addAction(QStringLiteral("&%1").arg(i + 1));
            item->setObjectName(QLatin1String(recentMenus[list][2]));
            item->setVisible(false);
            const auto slot = static_cast<qint16>(list * 5 + i + 1);
            connect(item, &QAction::triggered, this, [this, slot] {
                showFinish();
                session_.menu.OpenRecent(slot);
                afterCommand();
            });
            recentItems_[list][i] = item;
        }
        recentNone_[list] = recent->addAction(QStringLiteral("None"));
        recentNone_[list]->setObjectName(QStringLiteral("Recent%1Sep").arg(list + 1));
        recentNone_[list]->setEnabled(false);
    }
    game->addSeparator();
    connect(addEntry(game, QStringLiteral("E&xit"), "mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &QAction::triggered, this, &frmMain::exitNow);

    QMenu* edit = topMenus_[1] = menuBar()->addMenu(QStringLiteral("&Edit"));
    command(addEntry(edit, QStringLiteral("&Undo"), "mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)),
        "Undo");
    command(addEntry(edit, QStringLiteral("&Redo"), "mnuRedo", QKeySequence(Qt::CTRL | Qt::Key_X)),
        "Redo");
    edit->addSeparator();
    command(addEntry(edit, QStringLiteral("Snapshot &Position"), "mnusnap",
                QKeySequence(Qt::CTRL | Qt::Key_P)),
        "Snapshot");
    command(addEntry(edit, QStringLiteral("Und&o to Snapshot"), "mnuUndosnap"), "UndoSnapshot");
    actions_[QStringLiteral("mnuUndosnap")]->setEnabled(false);
    edit->addSeparator();
    command(addEntry(edit, QStringLiteral("U&ndo All"), "mnuUndoall",
                QKeySequence(Qt::CTRL | Qt::Key_C)),
        "UndoAll");
    command(addEntry(edit, QStringLiteral("R&edo All"), "mnuRedoall",
                QKeySequence(Qt::CTRL | Qt::Key_V)),
        "RedoAll");
    edit->addSeparator();
    connect(addEntry(edit, QStringLiteral("&Hint"), "mnuHint", Qt::Key_H), &QAction::triggered,
        this, &frmMain::Hint);

    QMenu* view = topMenus_[2] = menuBar()->addMenu(QStringLiteral("&View"));
    for (const auto& [caption, name] : { std::pair { "&Toolbar", "mnuToolbar" },
             std::pair { "Status &Bar", "mnuStatusbar" }, std::pair { "T&imer", "mnuTimer" } }) {
        QAction* toggle = addEntry(view, QLatin1String(caption), name);
        toggle->setCheckable(true);
        connect(toggle, &QAction::triggered, this, [this, name = name] { toggleView(name); });
    }
    view->addSeparator();
    connect(addEntry(view, QStringLiteral("S&ource"), "mnuSource", Qt::Key_F4), &QAction::triggered,
        this, &frmMain::showSource);

    QMenu* replay = topMenus_[3] = menuBar()->addMenu(QStringLiteral("&Replay"));
    command(addEntry(replay, QStringLiteral("&Forward"), "mnuForward"), "ReplayForward");
    command(addEntry(replay, QStringLiteral("&Back"), "mnuBack"), "ReplayBack");
    command(addEntry(replay, QStringLiteral("Replay &All"), "mnuReplayAll"), "ReplayAll");
    connect(addEntry(replay, QStringLiteral("Show &Solution"), "mnuSolution"), &QAction::triggered,
        this, &frmMain::ShowSolution);
    command(
        addEntry(replay, QStringLiteral("Sto&p"), "mnuStop", QKeySequence(Qt::CTRL | Qt::Key_T)),
        "ReplayStop");
    actions_[QStringLiteral("mnuStop")]->setEnabled(false);

    QMenu* fav = topMenus_[4] = menuBar()->addMenu(QStringLiteral("&Favorites"));
    command(addEntry(fav, QStringLiteral("&Add to Favorites..."), "mnuAddFav"), "AddFav");
    command(addEntry(fav, QStringLiteral("O&pen from Favorites..."), "mnuFavOpen"), "OpenFav");
    command(addEntry(fav, QStringLiteral("&Organize Favorites..."), "mnuOrgFav"), "OrgFav");

    QMenu* go = menuBar()->addMenu(QStringLiteral("G&o"));
    command(addEntry(go, QStringLiteral("C&ustomize"), "mnuCustom"), "Customize");
    command(addEntry(go, QStringLiteral("&Options"), "mnuOptions", Qt::Key_F5), "Options");
    command(addEntry(go, QStringLiteral("&AutoSave"), "mnuautosave"), "AutoSave");
    command(addEntry(go, QStringLiteral("Score &Board"), "mnuScore", Qt::Key_F8), "Scoreboard");

    QMenu* help = topMenus_[5] = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(addEntry(help, QStringLiteral("H&elp Topics"), "mnuContents", Qt::Key_F1),
        &QAction::triggered, this, &frmMain::showHelp);
    connect(addEntry(help, QStringLiteral("&About Quadrell 2000"), "mnuAbout"), &QAction::triggered,
        this, &frmMain::showAbout);
}

void frmMain::buildToolbar() {
    strip_ = new QWidget(this);
    strip_->setObjectName(QStringLiteral("PicTop"));
    strip_->setFixedHeight(26); // 380 twips, rounded up to hold the player box
    auto* row = new QHBoxLayout(strip_);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);
    toolbar_ = new QToolBar(strip_);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setStyleSheet(
        QStringLiteral("QToolButton { padding: 1px; margin: 0px; } QToolBar { spacing: 0px; }"));
    for (int i = 0; i < 24; ++i) {
        const Button& b = kButtons[i];
        QAction* a = nullptr;
        if (*b.key == '\0') {
            a = toolbar_->addSeparator();
        } else {
            a = toolbar_->addAction(Icons::Command(QLatin1String(b.key)), QLatin1String(b.tip));
            connect(a, &QAction::triggered, this,
                [this, key = QLatin1String(b.key)] { toolbarClicked(key); });
            buttons_.insert(QLatin1String(b.key), a);
        }
        a->setObjectName(QStringLiteral("Button%1").arg(i + 1));
    }
    toolbar_->setMinimumWidth(toolbar_->sizeHint().width());
    row->addWidget(toolbar_);
    row->addStretch();
    players_ = new QComboBox(strip_);
    players_->setObjectName(QStringLiteral("ImageCombo1"));
    players_->setFixedWidth(92);
    players_->setFocusPolicy(Qt::NoFocus);
    connect(players_, &QComboBox::activated, this, &frmMain::playerChosen);
    row->addWidget(players_);
    clock_ = new QLabel(strip_);
    clock_->setObjectName(QStringLiteral("Text1"));
    clock_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    clock_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setBold(true);
    clock_->setFont(mono);
    clock_->setMinimumWidth(
        clock_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 8);
    clock_->setStyleSheet(
        QStringLiteral("QLabel { background: #10241a; color: #7cf29a; padding: 1px 3px; }"));
    row->addWidget(clock_);
}

void frmMain::buildStatusbar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setMinimumWidth(120);
        statusBar()->addPermanentWidget(panels_[i], 1);
    }
}

void frmMain::buildTimers() {
    tmGeneral_.setInterval(300);
    connect(&tmGeneral_, &QTimer::timeout, this, &frmMain::RefreshMenus);
    tmrTime_.setInterval(100);
    connect(&tmrTime_, &QTimer::timeout, this, &frmMain::ClockTick);
    connect(&tmrFlash_, &QTimer::timeout, this, &frmMain::flashTick);
    ReplayIntervalChanged(session_.opt.FwdBackSpeed() * 10);
    connect(&tmrForward_, &QTimer::timeout, this, [this] {
        session_.trans.ReplayTick(true);
        afterCommand();
    });
    connect(&solutionTimer_, &QTimer::timeout, this, &frmMain::solutionTick);
    connect(&tmrBackward_, &QTimer::timeout, this, [this] {
        session_.trans.ReplayTick(false);
        afterCommand();
    });
}

} // namespace quadrell
