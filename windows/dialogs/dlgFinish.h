#pragma once

#include "FinishFlow.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quadrell {

class Prompter;

// "Congrats You Win !": the game's moves, time and points against the player's best; keep
// the won game, keep a favourite copy, choose the next game.
// Every way of closing it records the win; the close box counts as "Cancel".
class dlgFinish final : public QDialog {
    Q_OBJECT
public:
    // `review` opens the review of the won game; none, no button for it.
    dlgFinish(
        FinishFlow& flow, Prompter& prompter, QWidget* owner, std::function<void()> review = {});

    QCheckBox* SaveBox() const { return chkSave_; }
    QLineEdit* SavePath() const { return txtSave_; }
    QCheckBox* FavouriteBox() const { return chkFav_; }
    QComboBox* Folders() const { return imc1_; }
    QLineEdit* FavouriteName() const { return txtFav_; }
    QComboBox* NextGame() const { return imcGame_; }
    void Ok();
    void Cancel();
    void Browse();

protected:
    void reject() override;

private:
    void applyEnableRule();
    // The won game's moves, time and points, each against the player's best.
    QGroupBox* figuresBox();

    FinishFlow& flow_;
    Prompter& prompter_;
    QComboBox* imcGame_;
    QCheckBox* chkSave_;
    QLineEdit* txtSave_;
    QPushButton* cmdBrowse_;
    QCheckBox* chkFav_;
    QComboBox* imc1_;
    QLineEdit* txtFav_;
    bool done_ = false;
};

} // namespace quadrell
