#include "frmOpenGame.h"

#include "DialogParts.h"
#include "GameFileDialogs.h"
#include "GameListModel.h"
#include "Icons.h"
#include "Prompter.h"
#include "RatingTask.h"
#include "RatingsCache.h"
#include "cMenu.h"
#include "cRecent.h"
#include "cSave.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <numeric>

namespace quadrell {

namespace {

const int kTagRole = Qt::UserRole + 1;

QTreeWidgetItem* node(
    QTreeWidgetItem* parent, const QString& text, const QString& tag, const QString& key = {}) {
    auto* item = new QTreeWidgetItem(parent, { text });
    item->setData(0, kTagRole, tag);
    item->setData(0, Qt::UserRole, key);
    item->setIcon(0, Icons::Of(Icons::Glyph::ClosedFolder));
    return item;
}

} // namespace

frmOpenGame::frmOpenGame(cMenu& menu, GameFileDialogs& files, const cSave& save,
    const cRecent& recent, Prompter& prompter, QWidget* owner)
    : QDialog(owner)
    , menu_(menu)
    , files_(files)
    , save_(save)
    , recent_(recent)
    , prompter_(prompter)
    , tree_(new QTreeWidget(this))
    , list_(new QTreeView(this))
    , model_(
          new GameListModel(RatingsCache::PathFor(save.ScoreFile()), &Difficulty::RateDeal, this))
    , select_(new QPushButton(tr("Select"), this)) {
    setWindowTitle(tr("Quadrell 2000 Select Game"));
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setHeaderLabel(tr("Places")); // read by a screen reader, hidden or not
    tree_->setAccessibleName(tr("Places"));
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setModel(model_);
    list_->setAccessibleName(tr("Game List"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true); // thousands of files scroll without a stall
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAllColumnsShowFocus(true);
    // Listed as the folder gives them until a header is clicked.
    list_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    list_->header()->setSortIndicatorShown(true);
    // The columns as wide as their headers or their widest likely text, measured once: a
    // column sized to its contents would measure thousands of rows at every change.
    const QFontMetrics metrics = list_->fontMetrics();
    const QString widest[] = { QStringLiteral("0712-1724-1473384"),
        GameListModel::DateText(QDateTime(QDate(2026, 12, 28), QTime(23, 58))),
        QStringLiteral("8888"), QStringLiteral("88"), GameListModel::tr("Yes"),
        RatingTask::Name(Difficulty::Level::NotSolved) };
    for (int column = 0; column < GameListModel::kColumnCount; ++column)
        wanted_.push_back(
            std::max(metrics.horizontalAdvance(widest[column]),
                metrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString()))
            + 3 * metrics.averageCharWidth()); // and room for the sort mark
    list_->viewport()->installEventFilter(this);

    select_->setObjectName(QStringLiteral("cmdSelect"));
    select_->setEnabled(false);
    auto* browse = NamedButton(this, "cmdBrowse", tr("Browse"));
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    // A click or the arrow keys: the current node's games are listed.
    connect(tree_, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* now, QTreeWidgetItem* before) {
            if (before && before->parent())
                before->setIcon(0, Icons::Of(Icons::Glyph::ClosedFolder));
            if (now && now->parent()) now->setIcon(0, Icons::Of(Icons::Glyph::OpenFolder));
            if (now) ShowNode(now);
        });
    connect(list_, &QTreeView::clicked, this, [this] { select_->setEnabled(true); });
    connect(list_, &QTreeView::doubleClicked, this, &frmOpenGame::Select);
    connect(select_, &QPushButton::clicked, this, &frmOpenGame::Select);
    connect(browse, &QPushButton::clicked, this, &frmOpenGame::Browse);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* panes = new QHBoxLayout;
    panes->addWidget(tree_, 1);
    panes->addWidget(list_, 3);
    auto* buttons = ButtonRow({ cancel, browse, select_ });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttons);
    buildTree();
    // Wide enough for every column where the screen has the room. Where the columns would
    // have to give up more than a third of their width beside the places, the places stand
    // above the games, which get the whole width.
    const int room = screen()->availableGeometry().width() - 40;
    const int columns = std::accumulate(wanted_.begin(), wanted_.end(), 0);
    const int wanted = tree_->sizeHint().width() + columns + 80;
    if (tree_->sizeHint().width() + columns * 2 / 3 + 80 > room)
        panes->setDirection(QBoxLayout::TopToBottom);
    resize(std::min(room, wanted), 420);
}

bool frmOpenGame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize) fitColumns();
    return QDialog::eventFilter(watched, event);
}

// Every column in sight: narrower than it would like, all alike, when the list is.
void frmOpenGame::fitColumns() {
    const int room = list_->viewport()->width();
    const int total = std::accumulate(wanted_.begin(), wanted_.end(), 0);
    for (int column = 0; column < GameListModel::kColumnCount; ++column)
        list_->header()->resizeSection(column,
            total <= room ? wanted_[static_cast<std::size_t>(column)]
                          : wanted_[static_cast<std::size_t>(column)] * room / total);
}

void frmOpenGame::buildTree() {
    auto* root = new QTreeWidgetItem(tree_, { tr("Quadrell 2000") });
    root->setIcon(0, Icons::Program());
    root->setData(0, Qt::UserRole, QStringLiteral("q2k"));
    QTreeWidgetItem* favourites
        = node(root, tr("Favorites"), QStringLiteral("2"), QStringLiteral("Favorites"));
    for (const QString& folder : GameLists::FavouriteFolders(save_.FavFolder()))
        node(favourites, QFileInfo(folder).fileName(), QStringLiteral("Fav"), folder);
    QTreeWidgetItem* autosave
        = node(root, tr("AutoSave"), QStringLiteral("2"), QStringLiteral("AutoSave"));
    node(autosave, tr("Incomplete Games"), QStringLiteral("InCompSave"));
    node(autosave, tr("Finished Games"), QStringLiteral("FinishSave"));
    QTreeWidgetItem* recent
        = node(root, tr("Recent Games"), QStringLiteral("2"), QStringLiteral("Recent"));
    node(recent, tr("Incomplete Games"), QStringLiteral("RecentIncomp"));
    node(recent, tr("Finished Games"), QStringLiteral("RecentFinish"));
    QTreeWidgetItem* others
        = node(root, tr("Others"), QStringLiteral("2"), QStringLiteral("Others"));
    node(others, tr("Saved Games"), QStringLiteral("Saved"));
    tree_->expandAll();
    WideEnoughForItems(tree_);
}

void frmOpenGame::ShowNode(QTreeWidgetItem* item) {
    const QString tag = item->data(0, kTagRole).toString();
    const QString key = item->data(0, Qt::UserRole).toString();
    const QString kept = save_.KeptGamePath();
    using K = GameLists::Kinds;
    if (tag == QLatin1String("Fav")) {
        model_->Fill(GameLists::Folder(key, K::Both, kept));
    } else if (tag == QLatin1String("InCompSave")) {
        model_->Fill(GameLists::Folder(save_.IncompleteDir(), K::Incomplete, kept));
    } else if (tag == QLatin1String("FinishSave")) {
        model_->Fill(GameLists::Folder(save_.FinishedDir(), K::Finished, kept));
    } else if (tag == QLatin1String("RecentIncomp")) {
        model_->Fill(GameLists::Recent(recent_, 6));
    } else if (tag == QLatin1String("RecentFinish")) {
        model_->Fill(GameLists::Recent(recent_, 1));
    } else if (tag == QLatin1String("Saved")) {
        model_->Fill(GameLists::Folder(save_.GetLastDir(), K::Both, kept));
    } else {
        model_->Fill({}); // the root and the group nodes list nothing
    }
    if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(0, 0));
    // With nothing listed there is nothing to select.
    select_->setEnabled(model_->rowCount() > 0);
}

void frmOpenGame::Select() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) return;
    const QString path = GameListModel::PathOf(current);
    if (!QFileInfo::exists(path)) {
        prompter_.Message(
            tr("Sorry File Doesn't Exists").toStdString(), MessageIcon::Exclamation, kAppTitle);
        return;
    }
    // Not a game file: reported, and the window stays for another choice.
    if (!menu_.OpenFromFile(path)) return;
    accept();
}

void frmOpenGame::Browse() {
    if (files_.File_Open()) accept();
}

} // namespace quadrell
