#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quadrell {

class Prompter;
class Session;

// "Quadrell 2000 Source": the game's moves in the short notation, editable, and saved
// as a text file with a header.
class frmSource final : public QDialog {
    Q_OBJECT
public:
    frmSource(Session& session, Prompter& prompter, QWidget* owner);
    QPlainTextEdit* Text() const { return text_; }
    void Save();

private:
    Session& session_;
    Prompter& prompter_;
    QPlainTextEdit* text_;
};

} // namespace quadrell
