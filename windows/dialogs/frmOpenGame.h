#pragma once

#include "GameLists.h"

#include <QDialog>

class QTreeView;
class QPushButton;
class QStandardItemModel;
class QTreeWidget;
class QTreeWidgetItem;

namespace quadrell {

class GameFileDialogs;
class Prompter;
class cMenu;
class cRecent;
class cSave;

// "Quadrell 2000 Select Game": a stored game chosen from the favourites, the autosave
// folders, the recent lists or the folder last used.
class frmOpenGame final : public QDialog {
    Q_OBJECT
public:
    frmOpenGame(cMenu& menu, GameFileDialogs& files, const cSave& save, const cRecent& recent,
        Prompter& prompter, QWidget* owner);

    QTreeWidget* Tree() const { return tree_; }
    QTreeView* List() const { return list_; }
    QStandardItemModel* Model() const { return model_; }
    QPushButton* SelectButton() const { return select_; }
    // The list of a tree node, as a click on it fills it.
    void ShowNode(QTreeWidgetItem* node);
    void Select();
    void Browse();

private:
    void buildTree();
    void fill(const std::vector<GameListItem>& items);

    cMenu& menu_;
    GameFileDialogs& files_;
    const cSave& save_;
    const cRecent& recent_;
    Prompter& prompter_;
    QTreeWidget* tree_;
    QTreeView* list_;
    QStandardItemModel* model_;
    QPushButton* select_;
};

} // namespace quadrell
