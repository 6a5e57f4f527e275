#pragma once

#include <QString>
#include <QStringList>

namespace quadrell {

class Prompter;
class cPlayer;

// Keeps the player list: adding players, and the names the player box shows.
class cUser {
public:
    cUser(cPlayer& players, Prompter& prompter) : players_(players), prompter_(prompter) { }

    // Adds the player to the first empty slot; refuses a name in use or a sixth player.
    void AddUser(const QString& name, const QString& fullName, const QString& date);
    // The player box: every non-empty slot's name, in slot order.
    QStringList ComboNames() const;

private:
    cPlayer& players_;
    Prompter& prompter_;
};

} // namespace quadrell
