#include "frmAddFav.h"

#include "DialogParts.h"
#include "FavouriteWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quadrell {

frmAddFav::frmAddFav(Favourites favourites, QWidget* owner)
    : QDialog(owner)
    , favourites_(std::move(favourites))
    , text_(new QLineEdit(this))
    , tree_(new QTreeWidget(this)) {
    setWindowTitle(tr("Add to Favorites"));
    text_->setObjectName(QStringLiteral("Text1"));
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setHeaderLabel(tr("Folders")); // read by a screen reader, hidden or not
    tree_->setAccessibleName(tr("Folders"));
    FavouriteWidgets::FillTree(tree_, tr("Favorites"), favourites_.Folders(), false);
    text_->setText(favourites_.AddProposal());
    text_->selectAll();
    auto* name = new QLabel(tr("&Name"), this);
    name->setBuddy(text_);
    auto* add = NamedButton(this, "cmdAdd", tr("Add"));
    add->setDefault(true);
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    connect(add, &QPushButton::clicked, this, &frmAddFav::Add);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({ add, cancel });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(text_);
    layout->addWidget(tree_);
    layout->addLayout(buttons);
    resize(360, 320);
}

void frmAddFav::Add() {
    if (favourites_.Add(FavouriteWidgets::CurrentKey(tree_), text_->text())) accept();
}

} // namespace quadrell
