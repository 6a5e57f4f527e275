#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace quadrell {

class Prompter;
class cPlayer;

// Keeps the player list: adding players, and the names the player box shows.
class cUser {
    Q_DECLARE_TR_FUNCTIONS(cUser)

public:
    cUser(cPlayer& players, Prompter& prompter) : players_(players), prompter_(prompter) { }

    // Adds the player to the first empty slot; refuses a name in use or a sixth player.
    void AddUser(const QString& name, const QString& fullName, const QString& date);
    // Removes the player of options-list key "x1".."x5"; the last player stays. The first
    // listed player becomes current. False when nothing was removed.
    bool RemoveUser(const QString& key);
    // "Add a Player": the first of Player1..Player4 not yet a name, empty when all are.
    QString ProposedName() const;
    // The refusal for a typed name, or empty when it may be added.
    static QString CheckName(const QString& name);
    // The player box: every non-empty slot's name, in slot order.
    QStringList ComboNames() const;

private:
    cPlayer& players_;
    Prompter& prompter_;
};

} // namespace quadrell
