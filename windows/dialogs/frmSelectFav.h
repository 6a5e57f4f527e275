#pragma once

#include "Favourites.h"

#include <QDialog>

class QComboBox;
class QTreeWidget;
class QPushButton;

namespace quadrell {

// "Open From Favorites": a kept game chosen by folder and opened.
class frmSelectFav final : public QDialog {
    Q_OBJECT
public:
    frmSelectFav(Favourites favourites, QWidget* owner);
    QComboBox* Folders() const { return imc1_; }
    QTreeWidget* Games() const { return list_; }
    QPushButton* PlayButton() const { return play_; }
    void ShowFolder();
    void Play();

private:
    Favourites favourites_;
    QComboBox* imc1_;
    QTreeWidget* list_;
    QPushButton* play_;
};

} // namespace quadrell
