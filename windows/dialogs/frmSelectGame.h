#pragma once

#include "RatingTask.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace quadrell {

class Notice;
class Prompter;
class cMenu;
class cOpt;

// "Select Game": a game by its number, a random one proposed.
class frmSelectGame final : public QDialog {
    Q_OBJECT
public:
    // `rater` rates the number typed (the solver's rating unless a test gives another).
    frmSelectGame(cMenu& menu, const cOpt& opt, Prompter& prompter, QWidget* owner,
        RatingTask::Rate rater = &Difficulty::RateDeal);
    QLineEdit* Text() const { return text_; }
    // The difficulty of the number typed, as it is typed.
    QLabel* Rating() const { return rating_; }
    const Notice& RatingNotice() const { return *notice_; }
    QLabel* Label() const { return label_; }
    void Select();

private:
    void rate(const QString& text);

    cMenu& menu_;
    Prompter& prompter_;
    QLabel* label_;
    QLineEdit* text_;
    QLabel* rating_;
    Notice* notice_; // says the rating as it arrives
    RatingTask ratingTask_;
};

} // namespace quadrell
