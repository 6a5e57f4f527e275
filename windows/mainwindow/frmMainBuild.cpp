// The main window's menus, toolbar, status bar and timers.
#include "BoardWidget.h"
#include "CommandTable.h"
#include "Icons.h"
#include "StatusPanels.h"
#include "ToolbarStyle.h"
#include "frmMain.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QToolBar>

namespace quadrell {

namespace {

// Wide enough for "Guest" with its icon however large the font. Measured here: the box's own
// size policy for it builds the whole drop-down list, which the first picture never shows.
int fittedWidth(const QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    const QFontMetrics& fm = box.fontMetrics();
    const QSize contents(fm.horizontalAdvance(QLatin1Char('X')) * 5 + box.iconSize().width() + 4,
        std::max(fm.height(), box.iconSize().height()));
    return box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, &box).width();
}

} // namespace

void frmMain::buildMenus() {
    std::vector<QMenu*> bar;
    for (const MenuInfo& info : CommandTable::Menus()) {
        QMenu* menu = menuBar()->addMenu(CommandTable::Text(info.caption));
        menu->setObjectName(QLatin1String(info.control));
        if (info.customIndex > 0) topMenus_[info.customIndex] = menu;
        bar.push_back(menu);
    }
    for (const Command& command : CommandTable::Commands()) {
        QMenu* menu = bar[static_cast<std::size_t>(command.menu)];
        if (command.gapBefore) menu->addSeparator();
        QAction* action = menu->addAction(CommandTable::Text(command.caption));
        action->setObjectName(QLatin1String(command.control));
        action->setShortcut(QKeySequence(QLatin1String(command.shortcut)));
        action->setCheckable(command.checkable);
        connect(action, &QAction::triggered, this, [this, &command] { run(command); });
        actions_.insert(QLatin1String(command.control), action);
        addAction(action); // its shortcut works while its menu is hidden
    }
    // Between the last game command and the separator above "E&xit".
    QMenu* game = bar.front();
    QAction* exitGap = game->actions().at(game->actions().size() - 2);
    game->insertSeparator(exitGap);
    recent_ = new RecentMenus(*game, exitGap, session_.recent, [this](qint16 slot) {
        won_->ShowFinish();
        session_.menu.OpenRecent(slot);
        afterCommand();
    });
    for (int list = 0; list < 2; ++list)
        actions_.insert(recent_->Menu(list)->objectName(), recent_->Menu(list));
}

void frmMain::buildToolbar() {
    strip_ = new QWidget(this);
    strip_->setObjectName(QStringLiteral("PicTop"));
    // 380 twips, rounded up to hold the player box; more with a large font.
    strip_->ensurePolished();
    strip_->setFixedHeight(std::max(26, strip_->fontMetrics().height() + 10));
    auto* row = new QHBoxLayout(strip_);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);
    toolbar_ = new QToolBar(strip_);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(16, 16));
    auto* packed = new ToolbarStyle(toolbar_->style()->name());
    packed->setParent(this); // a child after the strip: it outlives the buttons that use it
    toolbar_->setStyle(packed);

    for (int position = 1; position <= CommandTable::kPositions; ++position) {
        const Command* command = CommandTable::AtPosition(position);
        QAction* a = nullptr;
        if (!command) {
            a = toolbar_->addSeparator();
        } else {
            a = toolbar_->addAction(
                Icons::Of(command->glyph, pictures_), CommandTable::Text(command->tip));
            toolbar_->widgetForAction(a)->setStyle(packed);
            connect(a, &QAction::triggered, this, [this, command] { run(*command); });
            buttons_.insert(QLatin1String(KeyOf(command->id)), a);
        }
        a->setObjectName(QStringLiteral("Button%1").arg(position));
    }
    // Every button shows from the first width up; a narrower window folds the last ones
    // into the toolbar's extension menu.
    toolbar_->setMinimumWidth(0);
    row->addWidget(toolbar_);
    row->addStretch();
    players_ = new QComboBox(strip_);
    players_->setObjectName(QStringLiteral("ImageCombo1"));
    players_->ensurePolished();
    players_->setFixedWidth(std::max(92, fittedWidth(*players_)));
    // Reached from the board with Tab (a click leaves the focus on the board); a choice
    // gives the focus back to the board.
    players_->setFocusPolicy(Qt::TabFocus);
    players_->setAccessibleName(tr("Player"));
    players_->setToolTip(tr("The player games are recorded under (Tab from the board)"));
    connect(players_, &QComboBox::activated, this, &frmMain::playerChosen);
    row->addWidget(players_);
    clock_ = new ClockFace(pictures_, strip_);
    clock_->setObjectName(QStringLiteral("Text1"));
    winnable_ = new QLabel(strip_);
    winnable_->setObjectName(QStringLiteral("lblWinnable"));
    winnable_->setContentsMargins(4, 0, 4, 0);
    difficulty_ = new QLabel(strip_);
    difficulty_->setObjectName(QStringLiteral("lblDifficulty"));
    difficulty_->setContentsMargins(4, 0, 4, 0);
    row->addWidget(difficulty_);
    row->addWidget(winnable_);
    row->addWidget(clock_);
    watch_ = std::make_unique<WinnableWatch>(session_.state(), session_.opt, *winnable_);
    rating_ = std::make_unique<DifficultyWatch>(session_.state(), session_.opt, *difficulty_);
}

void frmMain::buildStatusbar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setContentsMargins(0, 0, 3, 0); // room for the last panel's right border
    auto* panels = new StatusPanels(this);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setMinimumWidth(40);
        panels->Add(panels_[i]);
    }
    statusBar()->addPermanentWidget(panels, 1);
    // A passing message takes the whole bar while it shows; the panels come back after it.
    connect(statusBar(), &QStatusBar::messageChanged, panels,
        [panels](const QString& message) { panels->setVisible(message.isEmpty()); });
}

void frmMain::buildTimers() {
    tmGeneral_.setInterval(300);
    connect(&tmGeneral_, &QTimer::timeout, this, &frmMain::RefreshMenus);
    tmrTime_.setInterval(100);
    connect(&tmrTime_, &QTimer::timeout, this, &frmMain::ClockTick);
    ReplayIntervalChanged(session_.opt.FwdBackSpeed() * 10);
    replay_.SetHandlers(
        [this](bool forward) {
            session_.trans.ReplayTick(forward);
            afterCommand();
        },
        [this](bool enabled) {
            commandState_.stop = enabled;
            applyEnabling();
        },
        [this] { assist_.StopSolution(); });
}

} // namespace quadrell
