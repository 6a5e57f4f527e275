#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace quadrell {

class Prompter;
class cMenu;
class cOpt;

// "Select Game": a game by its number, a random one proposed.
class frmSelectGame final : public QDialog {
    Q_OBJECT
public:
    frmSelectGame(cMenu& menu, const cOpt& opt, Prompter& prompter, QWidget* owner);
    QLineEdit* Text() const { return text_; }
    QLabel* Label() const { return label_; }
    void Select();

private:
    cMenu& menu_;
    Prompter& prompter_;
    QLabel* label_;
    QLineEdit* text_;
};

} // namespace quadrell
