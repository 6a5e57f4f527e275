#include "frmOpenGame.h"

#include "DialogParts.h"
#include "GameFile.h"
#include "GameFileDialogs.h"
#include "Icons.h"
#include "Prompter.h"
#include "cMenu.h"
#include "cRecent.h"
#include "cSave.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

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
    , model_(new QStandardItemModel(this))
    , select_(new QPushButton(tr("Select"), this)) {
    setWindowTitle(tr("Quadrell 2000 Select Game"));
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setHeaderLabel(tr("Places")); // read by a screen reader, hidden or not
    tree_->setAccessibleName(tr("Places"));
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setModel(model_);
    list_->setAccessibleName(tr("Game List"));
    list_->setRootIsDecorated(false);  // one column under its header, "Game List"
    list_->setUniformRowHeights(true); // thousands of files scroll without a stall
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    model_->setHorizontalHeaderLabels({ tr("Game List") });
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
    panes->addWidget(tree_, 2);
    panes->addWidget(list_, 3);
    auto* buttons = ButtonRow({ cancel, browse, select_ });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttons);
    buildTree();
    resize(560, 360);
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
    using K = GameLists::Kinds;
    if (tag == QLatin1String("Fav")) {
        fill(GameLists::Folder(key, K::Both, save_.KeptGamePath()));
    } else if (tag == QLatin1String("InCompSave")) {
        fill(GameLists::Folder(save_.IncompleteDir(), K::Incomplete, save_.KeptGamePath()));
    } else if (tag == QLatin1String("FinishSave")) {
        fill(GameLists::Folder(save_.FinishedDir(), K::Finished, save_.KeptGamePath()));
    } else if (tag == QLatin1String("RecentIncomp")) {
        fill(GameLists::Recent(recent_, 6));
    } else if (tag == QLatin1String("RecentFinish")) {
        fill(GameLists::Recent(recent_, 1));
    } else if (tag == QLatin1String("Saved")) {
        fill(GameLists::Folder(save_.GetLastDir(), K::Both, save_.KeptGamePath()));
    } else {
        fill({}); // the root and the group nodes list nothing
    }
}

void frmOpenGame::fill(const std::vector<GameListItem>& items) {
    model_->removeRows(0, model_->rowCount());
    const QIcon finished = Icons::Of(Icons::Glyph::FinishedGame);
    const QIcon incomplete = Icons::Of(Icons::Glyph::IncompleteGame);
    QList<QStandardItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const GameListItem& game : items) {
        auto* row = new QStandardItem(game.finished ? finished : incomplete, game.name);
        row->setData(game.path, Qt::UserRole);
        row->setToolTip(game.path);
        rows << row;
    }
    for (QStandardItem* row : rows)
        model_->appendRow(row);
    if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(0, 0));
    // With nothing listed there is nothing to select.
    select_->setEnabled(model_->rowCount() > 0);
}

void frmOpenGame::Select() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) return;
    const QString path = current.data(Qt::UserRole).toString();
    if (!QFileInfo::exists(path)) {
        prompter_.Message(
            tr("Sorry File Doesn't Exists").toStdString(), MessageIcon::Exclamation, kAppTitle);
        return;
    }
    // Not a game file: reported, and the window stays for another choice.
    if (!menu_.OpenFromFile(path)) return;
    menu_.Game_Started(GameFile::KindOf(path) == GameFile::Kind::Finished);
    accept();
}

void frmOpenGame::Browse() {
    if (files_.File_Open()) accept();
}

} // namespace quadrell
