#pragma once

#include "GameLists.h"

#include <QString>
#include <QStringList>
#include <vector>

class QComboBox;
class QListWidget;
class QTreeWidget;

namespace quadrell {

// The favourites windows share how they show folders and games.
namespace FavouriteWidgets {
// A root node and one child per folder; the node whose key is `select` (or the last
// folder) becomes current.
void FillTree(
    QTreeWidget* tree, const QString& rootText, const QStringList& folders, bool selectLast);
void FillChooser(
    QComboBox* chooser, const QString& rootText, const QStringList& folders, bool withRoot);
void FillGames(QListWidget* list, const std::vector<GameListItem>& games);
QStringList SelectedPaths(QListWidget* list);
QString CurrentKey(QTreeWidget* tree);
} // namespace FavouriteWidgets

} // namespace quadrell
