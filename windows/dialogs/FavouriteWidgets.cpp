#include "FavouriteWidgets.h"

#include "Icons.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTreeWidget>

namespace quadrell::FavouriteWidgets {

void FillTree(
    QTreeWidget* tree, const QString& rootText, const QStringList& folders, bool selectLast) {
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, { rootText });
    root->setData(0, Qt::UserRole, QStringLiteral("Favorites"));
    root->setIcon(0, Icons::Of(Icons::Glyph::AddFavourite));
    QTreeWidgetItem* chosen = nullptr;
    for (const QString& folder : folders) {
        auto* item = new QTreeWidgetItem(root, { QFileInfo(folder).fileName() });
        item->setData(0, Qt::UserRole, folder);
        item->setIcon(0, Icons::Of(Icons::Glyph::ClosedFolder));
        if (!chosen || selectLast) chosen = item;
    }
    tree->expandAll();
    tree->setCurrentItem(chosen ? chosen : root);
}

void FillChooser(
    QComboBox* chooser, const QString& rootText, const QStringList& folders, bool withRoot) {
    chooser->clear();
    if (withRoot)
        chooser->addItem(
            Icons::Of(Icons::Glyph::AddFavourite), rootText, QStringLiteral("Favorites"));
    for (const QString& folder : folders)
        chooser->addItem(
            Icons::Of(Icons::Glyph::ClosedFolder), QFileInfo(folder).fileName(), folder);
    chooser->setCurrentIndex(chooser->count() - 1);
}

void SetUpGameList(QTreeWidget* list, const QString& header) {
    list->setColumnCount(1);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    // Named even when hidden: a screen reader reads the column's name.
    list->setHeaderLabels(
        { header.isEmpty() ? QCoreApplication::translate("FavouriteWidgets", "Games") : header });
    list->setHeaderHidden(header.isEmpty());
}

void FillGames(QTreeWidget* list, const std::vector<GameListItem>& games) {
    list->clear();
    const QIcon finished = Icons::Of(Icons::Glyph::FinishedGame);
    const QIcon incomplete = Icons::Of(Icons::Glyph::IncompleteGame);
    for (const GameListItem& game : games) {
        auto* item = new QTreeWidgetItem(list, { game.name });
        item->setIcon(0, game.finished ? finished : incomplete);
        item->setData(0, Qt::UserRole, game.path);
        item->setToolTip(0, game.path);
    }
    if (list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));
}

QStringList SelectedPaths(QTreeWidget* list) {
    QStringList paths;
    for (QTreeWidgetItem* item : list->selectedItems())
        paths << item->data(0, Qt::UserRole).toString();
    return paths;
}

QString CurrentKey(QTreeWidget* tree) {
    return tree->currentItem() ? tree->currentItem()->data(0, Qt::UserRole).toString() : QString();
}

} // namespace quadrell::FavouriteWidgets
