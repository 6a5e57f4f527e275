#pragma once

#include "Clock.h"

#include <QDialog>

class QLineEdit;

namespace quadrell {

class Prompter;
class cUser;

// "Add a Player": a short name of up to eight characters and an optional full name.
class frmAddPlayer final : public QDialog {
    Q_OBJECT
public:
    // A player added is dated by `clock`.
    frmAddPlayer(cUser& users, Prompter& prompter, Clock clock, QWidget* owner);
    QLineEdit* PlayerName() const { return txtPlayer_; }
    QLineEdit* FullName() const { return txtFullName_; }
    void Add();

private:
    cUser& users_;
    Prompter& prompter_;
    Clock clock_;
    QLineEdit* txtPlayer_;
    QLineEdit* txtFullName_;
};

} // namespace quadrell
