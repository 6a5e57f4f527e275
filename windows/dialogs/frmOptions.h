#pragma once

#include "Clock.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTreeWidget;

namespace quadrell {

class Prompter;
class cOpt;
class cPlayer;
class cRecent;
class cSave;
class cUser;

// "QuadRell 2000 Options": five pages of options; OK writes them all, Cancel nothing.
class frmOptions final : public QDialog {
    Q_OBJECT
public:
    // The owners of the options it edits, and of the players it adds and removes.
    // `clock` dates the players added.
    frmOptions(cOpt& opt, cSave& save, cRecent& recent, cPlayer& players, cUser& users,
        Prompter& prompter, Clock clock, QWidget* owner);

    // The controls the dialog reads and enables, by what they are for.
    struct Controls {
        QCheckBox *flash = nullptr, *messages = nullptr, *doubleClick = nullptr,
                  *unfinished = nullptr;
        QPushButton* clearRecent = nullptr;
        QCheckBox *incomplete = nullptr, *finished = nullptr, *date = nullptr, *time = nullptr;
        QLineEdit *incompleteDir = nullptr, *finishedDir = nullptr;
        QPushButton *browseIncomplete = nullptr, *browseFinished = nullptr;
        QCheckBox *image = nullptr, *contrast = nullptr;
        QCheckBox *finishByItself = nullptr, *reduceMotion = nullptr, *everyTarget = nullptr,
                  *sounds = nullptr;
        QSlider* solutionSpeed = nullptr;
        QLineEdit* imagePath = nullptr;
        QPushButton* browseImage = nullptr;
    };
    const Controls& Widgets() const { return c_; }
    QTabWidget* Tabs() const { return tabs_; }
    QRadioButton* Range(int index) const { return ranges_[static_cast<std::size_t>(index - 1)]; }
    QSlider* Slider(int index) const { return sliders_[static_cast<std::size_t>(index)]; }
    QTreeWidget* Players() const { return players_; }
    unsigned DialogColour() const { return colour_; }

    void Ok();
    void ClearRecent();
    void ChooseColour();
    void ChooseImage();
    void BrowseFolder(bool incomplete);
    void AddPlayer();
    void RemovePlayer();
    void ListUsers();

signals:
    // A player was removed, or OK pressed: the player box lists them anew.
    void PlayersChanged();

private:
    QWidget* generalPage();
    QWidget* animationPage();
    QWidget* autosavePage();
    QWidget* playersPage();
    QWidget* backgroundPage();
    void autoSaveChange();
    void imageEnableChange();
    void showColour();

    cOpt& opt_;
    cSave& save_;
    cRecent& recent_;
    cPlayer& playerSlots_;
    cUser& users_;
    Prompter& prompter_;
    Clock clock_;
    Controls c_;
    QTabWidget* tabs_;
    std::array<QRadioButton*, 3> ranges_ {};
    std::array<QSlider*, 4> sliders_ {};
    QTreeWidget* players_ = nullptr;
    QFrame* preview_ = nullptr;
    unsigned colour_ = 0; // the colour dialog's colour, 0xRRGGBB
    QString picture_;     // the file dialog's file name
};

} // namespace quadrell
