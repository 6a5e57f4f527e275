#pragma once

#include "Clock.h"

#include <QDialog>

class QPlainTextEdit;

namespace quadrell {

class Prompter;

// "Quadrell 2000 Source": the game's moves in the short notation, editable, and saved
// as a text file with a header.
class frmSource final : public QDialog {
    Q_OBJECT
public:
    // The game's source text as made by the move history, the game's number and the
    // player it is saved under, and the folder the save box opens in.
    // The saved file's header is dated by `clock`.
    frmSource(const QString& source, qint32 game, QString player, QString folder,
        Prompter& prompter, Clock clock, QWidget* owner);
    QPlainTextEdit* Text() const { return text_; }
    void Save();

private:
    qint32 game_;
    QString player_;
    QString folder_;
    Prompter& prompter_;
    Clock clock_;
    QPlainTextEdit* text_;
};

} // namespace quadrell
