#pragma once

#include <QCoreApplication>
#include <QString>

namespace quadrell {

class Prompter;
class cMenu;
class cRecent;
class cSave;
class cTrans;
struct GameState;

// Opening and saving games through the file dialogs, remembering the folder last used
// and offering every path to the recent lists.
class GameFileDialogs {
    Q_DECLARE_TR_FUNCTIONS(GameFileDialogs)

public:
    GameFileDialogs(cSave& save, cRecent& recent, cMenu& menu, cTrans& trans,
        const GameState& state, Prompter& prompter)
        : save_(save)
        , recent_(recent)
        , menu_(menu)
        , trans_(trans)
        , state_(state)
        , prompter_(prompter) { }

    // The open dialog with both kinds of game file; true when a game was opened.
    bool File_Open();
    // The save dialog for one kind (".qrl" or ".q2k"), proposing the game number as name.
    void File_Save(const QString& ext);

    static QString OpenFilter();
    static QString SaveFilter(const QString& ext);

private:
    cSave& save_;
    cRecent& recent_;
    cMenu& menu_;
    cTrans& trans_;
    const GameState& state_;
    Prompter& prompter_;
};

} // namespace quadrell
