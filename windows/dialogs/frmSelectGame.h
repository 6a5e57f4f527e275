#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace quadrell {

class Session;

// "Select Game": a game by its number, a random one proposed.
class frmSelectGame final : public QDialog {
    Q_OBJECT
public:
    frmSelectGame(Session& session, QWidget* owner);
    QLineEdit* Text() const { return text_; }
    QLabel* Label() const { return label_; }
    void Select();

private:
    Session& session_;
    QLabel* label_;
    QLineEdit* text_;
};

} // namespace quadrell
