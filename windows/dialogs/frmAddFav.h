#pragma once

#include "Favourites.h"

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace quadrell {

// "Add to Favorites": the game in play kept under a name in a favourites folder.
class frmAddFav final : public QDialog {
    Q_OBJECT
public:
    frmAddFav(Favourites favourites, QWidget* owner);
    QLineEdit* Name() const { return text_; }
    QTreeWidget* Tree() const { return tree_; }
    void Add();

private:
    Favourites favourites_;
    QLineEdit* text_;
    QTreeWidget* tree_;
};

} // namespace quadrell
