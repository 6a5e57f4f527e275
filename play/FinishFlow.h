#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace quadrell {

struct GameState;
class Prompter;
class WinLatch;
class cFinish;
class cMenu;
class cPlayer;
class cRecent;
class cSave;
class cScore;
class cTrans;

// What the finished-game dialog does with the player's choices: keep the game, keep a
// favourite copy, record the win, start the next game.
class FinishFlow {
    Q_DECLARE_TR_FUNCTIONS(FinishFlow)

public:
    // The four next-game choices, in the order of kNextGameCommands.
    static const QStringList& Captions();

    struct Choices {
        bool save = false;
        QString savePath; // without extension
        bool favourite = false;
        QString favFolder;
        QString favName;
        int favIndex = 1;  // 1-based position of the folder chosen
        int nextIndex = 1; // 1-based position of the next-game choice
    };

    struct Parts {
        cFinish& finish;
        cSave& save;
        cPlayer& players;
        cRecent& recent;
        cTrans& trans;
        cMenu& menu;
        cScore& score;
        const GameState& state;
        Prompter& prompter;
        WinLatch& win;
    };
    explicit FinishFlow(Parts parts) : p_(parts) { }

    // One of the won game's figures as the dialog shows it: "Moves", "84", and how it stands
    // against the player's earlier wins ("New best", "Best 80").
    struct Figure {
        QString name;
        QString value;
        QString against;
        bool newBest = false;
    };
    // Moves, time and points of the game just won, as its score line records them.
    std::vector<Figure> Figures() const;

    // The choices as the dialog opens: last time's ticks and positions, the path and name
    // proposed for this game (favIndex and nextIndex unclamped: the dialog fits them).
    Choices Proposed() const;
    // The path box after a folder was browsed to: this game's number in that folder.
    QString PathIn(const QString& folder) const;
    QString BrowseStart() const;
    QStringList FavouriteFolders() const;
    // "OK": stores the choices, saves as chosen, records the win, starts the next game.
    void Accept(const Choices& choices);
    // Why the choices cannot be carried out as they stand (a favourite name that cannot be
    // used, or no favourite folder to put it in); empty when they can. Told to the player,
    // who stays in the dialog to change them.
    QString Refusal(const Choices& choices) const;
    // "Cancel" and the close box: the win is recorded, nothing saved, nothing stored.
    void Cancel();

private:
    QString proposedFavName() const;
    void saveCopy(const Choices& c);
    void saveFavourite(const Choices& c);

    Parts p_;
};

} // namespace quadrell
