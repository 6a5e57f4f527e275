#pragma once

#include "GameLists.h"

#include <QString>
#include <QStringList>
#include <vector>

class QComboBox;
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
// A game list: one column, under the header given (none when empty).
void SetUpGameList(QTreeWidget* list, const QString& header);
void FillGames(QTreeWidget* list, const std::vector<GameListItem>& games);
QStringList SelectedPaths(QTreeWidget* list);
QString CurrentKey(QTreeWidget* tree);
} // namespace FavouriteWidgets

} // namespace quadrell
