#pragma once

#include "GameLists.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace quadrell {

class GameWindow;
class Prompter;
class cMenu;
class cPlayer;
class cSave;
class cTrans;
struct GameState;

// The favourites tree: one level of folders under the root, each holding kept games.
// Every name the player types stays inside the root.
class Favourites {
    Q_DECLARE_TR_FUNCTIONS(Favourites)

public:
    Favourites(const cSave& save, const cPlayer& players, const GameState& state, cTrans& trans,
        cMenu& menu, GameWindow& window, Prompter& prompter)
        : save_(save)
        , players_(players)
        , state_(state)
        , trans_(trans)
        , menu_(menu)
        , window_(window)
        , prompter_(prompter) { }

    QString Root() const;
    QStringList Folders() const;
    // Every file of the folder, named without its last four characters; the root lists nothing.
    std::vector<GameListItem> Games(const QString& folder) const;
    static QString DisplayName(const QString& path);

    // "Add to Favorites": the proposed name, and saving the game under a name in a folder.
    QString AddProposal() const;
    bool Add(const QString& folder, const QString& name);
    // "Open From Favorites": opens the game and names it in the caption.
    bool Play(const QString& path);

    // The organising window's commands. Each reports its own failures.
    bool CreateFolder();
    bool DeleteFolder(const QString& folder);
    void DeleteGames(const QStringList& paths);
    void MoveGames(const QStringList& paths, const QString& target);

    // The refusal for a typed name, or empty when the name may be used.
    static QString CheckName(const QString& name);

private:
    void tell(const QString& text, bool information = true) const;

    const cSave& save_;
    const cPlayer& players_;
    const GameState& state_;
    cTrans& trans_;
    cMenu& menu_;
    GameWindow& window_;
    Prompter& prompter_;
};

} // namespace quadrell
