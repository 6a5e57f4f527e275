#pragma once

#include "GameLists.h"

#include <QDialog>

class QTreeView;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quadrell {

class GameFileDialogs;
class GameListModel;
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
    GameListModel* Model() const { return model_; }
    QPushButton* SelectButton() const { return select_; }
    // The list of a tree node, as a click on it fills it.
    void ShowNode(QTreeWidgetItem* node);
    void Select();
    void Browse();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTree();
    void fitColumns();

    cMenu& menu_;
    GameFileDialogs& files_;
    const cSave& save_;
    const cRecent& recent_;
    Prompter& prompter_;
    QTreeWidget* tree_;
    QTreeView* list_;
    GameListModel* model_;
    QPushButton* select_;
    std::vector<int> wanted_; // each column's width, when the list has the room
};

} // namespace quadrell
