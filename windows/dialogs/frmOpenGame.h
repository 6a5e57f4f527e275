#pragma once

#include "GameLists.h"

#include <QDialog>

class QTreeView;
class QPushButton;
class QStandardItemModel;
class QTreeWidget;
class QTreeWidgetItem;

namespace quadrell {

class Session;

// "Quadrell 2000 Select Game": a stored game chosen from the favourites, the autosave
// folders, the recent lists or the folder last used.
class frmOpenGame final : public QDialog {
    Q_OBJECT
public:
    frmOpenGame(Session& session, QWidget* owner);

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

    Session& session_;
    QTreeWidget* tree_;
    QTreeView* list_;
    QStandardItemModel* model_;
    QPushButton* select_;
};

} // namespace quadrell
