#include "frmFavourites.h"

#include "DialogParts.h"
#include "FavouriteWidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quadrell {

frmFavourites::frmFavourites(Favourites favourites, QWidget* owner)
    : QDialog(owner)
    , favourites_(std::move(favourites))
    , tree_(new QTreeWidget(this))
    , list_(new QTreeWidget(this))
    , imcFav_(new QComboBox(this))
    , deleteFolder_(new QPushButton(tr("Delete"), this))
    , move_(new QPushButton(tr("Move"), this))
    , deleteGame_(new QPushButton(tr("Delete"), this)) {
    setWindowTitle(tr("Favorites")); // the program's one English spelling
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setHeaderLabel(tr("Folders")); // read by a screen reader, hidden or not
    tree_->setAccessibleName(tr("Folders"));
    list_->setAccessibleName(tr("Games"));
    deleteFolder_->setAccessibleName(tr("Delete the Folder"));
    deleteGame_->setAccessibleName(tr("Delete the Games"));
    list_->setObjectName(QStringLiteral("ListView1"));
    FavouriteWidgets::SetUpGameList(list_, tr("Games"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setToolTip(tr("Ctrl+Click for MultiSelect"));
    imcFav_->setObjectName(QStringLiteral("imcFav"));
    deleteFolder_->setObjectName(QStringLiteral("cmdDeleteFolder"));
    move_->setObjectName(QStringLiteral("cmdMove"));
    deleteGame_->setObjectName(QStringLiteral("cmdDeleteGame"));
    auto* create = NamedButton(this, "cmdCreate", tr("Create"));
    auto* close = NamedButton(this, "cmdOK", tr("Close"));
    // A click or the arrow keys: Delete then acts on the folder whose games are shown.
    connect(tree_, &QTreeWidget::currentItemChanged, this, &frmFavourites::ShowFolder);
    connect(create, &QPushButton::clicked, this, &frmFavourites::Create);
    connect(deleteFolder_, &QPushButton::clicked, this, &frmFavourites::DeleteFolder);
    connect(deleteGame_, &QPushButton::clicked, this, &frmFavourites::DeleteGames);
    connect(move_, &QPushButton::clicked, this, &frmFavourites::Move);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* folder = new QGroupBox(tr("Folder"), this);
    auto* folderRow = new QHBoxLayout(folder);
    folderRow->addWidget(create);
    folderRow->addWidget(deleteFolder_);
    auto* games = new QGroupBox(tr("Move Game(s) to this Folder or Delete"), this);
    auto* gamesRow = new QHBoxLayout(games);
    gamesRow->addWidget(LabelFor(imcFav_, tr("Folder:")));
    gamesRow->addWidget(imcFav_, 1);
    gamesRow->addWidget(move_);
    gamesRow->addWidget(deleteGame_);
    auto* left = new QVBoxLayout;
    left->addWidget(tree_);
    left->addWidget(folder);
    auto* right = new QVBoxLayout;
    right->addWidget(list_);
    right->addWidget(games);
    auto* panes = new QHBoxLayout;
    panes->addLayout(left, 2);
    panes->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addWidget(close, 0, Qt::AlignRight);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &frmFavourites::UpdateButtons);
    timer_.start();
    Fill();
    resize(560, 360);
}

void frmFavourites::Fill() {
    const QStringList folders = favourites_.Folders();
    FavouriteWidgets::FillTree(tree_, tr("Favorites"), folders, true);
    FavouriteWidgets::FillChooser(imcFav_, QString(), folders, false);
    ShowFolder();
}

void frmFavourites::ShowFolder() {
    const QString key = FavouriteWidgets::CurrentKey(tree_);
    FavouriteWidgets::FillGames(list_,
        key == QLatin1String("Favorites") ? std::vector<GameListItem> {} : favourites_.Games(key));
    UpdateButtons();
}

void frmFavourites::UpdateButtons() {
    const bool games = list_->topLevelItemCount() > 0;
    deleteGame_->setEnabled(games);
    move_->setEnabled(games);
    const bool root = FavouriteWidgets::CurrentKey(tree_) == QLatin1String("Favorites");
    deleteFolder_->setEnabled(
        !root && tree_->topLevelItemCount() > 0 && tree_->topLevelItem(0)->childCount() >= 2);
}

void frmFavourites::Create() {
    if (favourites_.CreateFolder()) Fill();
}

void frmFavourites::DeleteFolder() {
    const QString key = FavouriteWidgets::CurrentKey(tree_);
    if (key == QLatin1String("Favorites")) return;
    favourites_.DeleteFolder(key);
    Fill();
}

void frmFavourites::DeleteGames() {
    favourites_.DeleteGames(FavouriteWidgets::SelectedPaths(list_));
    ShowFolder();
}

void frmFavourites::Move() {
    favourites_.MoveGames(
        FavouriteWidgets::SelectedPaths(list_), imcFav_->currentData().toString());
    ShowFolder();
}

} // namespace quadrell
