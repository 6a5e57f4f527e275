#pragma once

#include "Favourites.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace quadrell {

// "Favorites": folders created and deleted, games deleted and moved between folders.
class frmFavourites final : public QDialog {
    Q_OBJECT
public:
    frmFavourites(Favourites favourites, QWidget* owner);
    QTreeWidget* Tree() const { return tree_; }
    QTreeWidget* Games() const { return list_; }
    QComboBox* Target() const { return imcFav_; }
    QPushButton* DeleteFolderButton() const { return deleteFolder_; }
    QPushButton* MoveButton() const { return move_; }
    void Fill();
    void ShowFolder();
    void UpdateButtons();
    void Create();
    void DeleteFolder();
    void DeleteGames();
    void Move();

private:
    Favourites favourites_;
    QTreeWidget* tree_;
    QTreeWidget* list_;
    QComboBox* imcFav_;
    QPushButton* deleteFolder_;
    QPushButton* move_;
    QPushButton* deleteGame_;
    QTimer timer_;
};

} // namespace quadrell
