// The main window's menus, toolbar and status bar.
#include "BoardWidget.h"
#include "ClockFace.h"
#include "CommandTable.h"
#include "Icons.h"
#include "LossSearch.h"
#include "RecentMenus.h"
#include "StatusPanels.h"
#include "ToolbarStyle.h"
#include "WonGame.h"
#include "frmMain.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <QToolButton>

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
    QMenu* game = commands_.BuildMenus(*menuBar(), *this);
    // Between the last game command and the separator above "E&xit".
    QAction* exitGap = game->actions().at(game->actions().size() - 2);
    game->insertSeparator(exitGap);
    recent_ = new RecentMenus(*game, exitGap, session_.recent, [this](qint16 slot) {
        won_->ShowFinish();
        session_.menu.OpenRecent(slot);
        afterCommand();
    });
    for (int list = 0; list < 2; ++list)
        commands_.Add(recent_->Menu(list)->objectName(), recent_->Menu(list));
}

void frmMain::buildToolbar() {
    parts_.strip = new QWidget(this);
    parts_.strip->setObjectName(QStringLiteral("PicTop"));
    // 380 twips, rounded up to hold the player box; more with a large font.
    parts_.strip->ensurePolished();
    parts_.strip->setFixedHeight(std::max(26, parts_.strip->fontMetrics().height() + 10));
    auto* row = new QHBoxLayout(parts_.strip);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);
    parts_.toolbar = new QToolBar(parts_.strip);
    parts_.toolbar->setObjectName(QStringLiteral("Toolbar1"));
    parts_.toolbar->setIconSize(QSize(16, 16));
    auto* packed = new ToolbarStyle(parts_.toolbar->style()->name());
    packed->setParent(this); // a child after the strip: it outlives the buttons that use it
    parts_.toolbar->setStyle(packed);
    commands_.BuildButtons(*parts_.toolbar, packed, pictures_);
    // Every button shows from the first width up; a narrower window folds the last ones
    // into the toolbar's extension menu.
    parts_.toolbar->setMinimumWidth(0);
    parts_.toolbar->setAccessibleName(tr("Toolbar"));
    // The button that opens the folded buttons has no text of its own for a screen reader.
    if (auto* more
        = parts_.toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More buttons"));
    row->addWidget(parts_.toolbar);
    row->addStretch();
    parts_.players = new QComboBox(parts_.strip);
    parts_.players->setObjectName(QStringLiteral("ImageCombo1"));
    parts_.players->ensurePolished();
    parts_.players->setFixedWidth(std::max(92, fittedWidth(*parts_.players)));
    // Reached from the board with Tab (a click leaves the focus on the board); a choice
    // gives the focus back to the board.
    parts_.players->setFocusPolicy(Qt::TabFocus);
    parts_.players->setAccessibleName(tr("Player"));
    parts_.players->setToolTip(tr("The player games are recorded under (Tab from the board)"));
    connect(parts_.players, &QComboBox::activated, this, &frmMain::playerChosen);
    row->addWidget(parts_.players);
    parts_.clock = new ClockFace(pictures_, parts_.strip);
    parts_.clock->setObjectName(QStringLiteral("Text1"));
    parts_.winnable = new QLabel(parts_.strip);
    parts_.winnable->setObjectName(QStringLiteral("lblWinnable"));
    parts_.winnable->setContentsMargins(4, 0, 4, 0);
    parts_.difficulty = new QLabel(parts_.strip);
    parts_.difficulty->setObjectName(QStringLiteral("lblDifficulty"));
    parts_.difficulty->setContentsMargins(4, 0, 4, 0);
    row->addWidget(parts_.difficulty);
    row->addWidget(parts_.winnable);
    row->addWidget(parts_.clock);
    view_.Watch(session_.state());
}

void frmMain::buildStatusbar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setAccessibleName(tr("Status bar"));
    statusBar()->setContentsMargins(0, 0, 3, 0); // room for the last panel's right border
    auto* panels = new StatusPanels(this);
    for (std::size_t i = 0; i < parts_.panels.size(); ++i) {
        parts_.panels[i] = new QLabel(this);
        parts_.panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        parts_.panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        parts_.panels[i]->setMinimumWidth(40);
        panels->Add(parts_.panels[i]);
    }
    statusBar()->addPermanentWidget(panels, 1);
    // A passing message takes the whole bar while it shows; the panels come back after it.
    connect(statusBar(), &QStatusBar::messageChanged, panels,
        [panels](const QString& message) { panels->setVisible(message.isEmpty()); });
}

} // namespace quadrell
