#include "frmSelectFav.h"

#include "DialogParts.h"
#include "FavouriteWidgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quadrell {

frmSelectFav::frmSelectFav(Favourites favourites, QWidget* owner)
    : QDialog(owner)
    , favourites_(std::move(favourites))
    , imc1_(new QComboBox(this))
    , list_(new QTreeWidget(this))
    , play_(new QPushButton(tr("Play"), this)) {
    setWindowTitle(tr("Open From Favorites"));
    imc1_->setObjectName(QStringLiteral("imc1"));
    list_->setObjectName(QStringLiteral("ListView1"));
    FavouriteWidgets::SetUpGameList(list_, QString());
    list_->setAccessibleName(tr("Games"));
    play_->setObjectName(QStringLiteral("cmdPlay"));
    play_->setDefault(true);
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    FavouriteWidgets::FillChooser(imc1_, tr("Favorites"), favourites_.Folders(), true);
    connect(imc1_, &QComboBox::currentIndexChanged, this, &frmSelectFav::ShowFolder);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &frmSelectFav::Play);
    connect(play_, &QPushButton::clicked, this, &frmSelectFav::Play);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({ play_, cancel });
    auto* layout = new QVBoxLayout(this);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(LabelFor(imc1_, tr("Folder:")));
    folderRow->addWidget(imc1_, 1);
    layout->addLayout(folderRow);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    ShowFolder();
    resize(360, 320);
}

void frmSelectFav::ShowFolder() {
    const QString key = imc1_->currentData().toString();
    FavouriteWidgets::FillGames(list_,
        key == QLatin1String("Favorites") ? std::vector<GameListItem> {} : favourites_.Games(key));
    play_->setEnabled(list_->topLevelItemCount() > 0);
}

void frmSelectFav::Play() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item) return;
    // A file that cannot be used is reported and the window stays for another choice.
    if (favourites_.Play(item->data(0, Qt::UserRole).toString())) accept();
}

} // namespace quadrell
