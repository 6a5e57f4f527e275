#pragma once

#include <QString>

namespace quadrell {

class Session;

// Never lose a game in play: after every completed move the game is kept in
// "Unfinished.qrl" with its time, so a program killed at any moment comes back where it
// was. Its own keys say a game is running; the specified Unfinished and LastGameTime keep
// their meaning, since the game clock reads them.
class KeptGame {
public:
    explicit KeptGame(Session& session) : session_(session) { }

    QString Path() const;
    // At start-up: a game left by a killed program becomes the kept unfinished game.
    void Recover();
    // After each handled input or command: rewrites the file when the position changed.
    void Update();
    // The game ended, or the program closes and keeps the game its own way.
    void Forget();

private:
    bool playing() const;
    QString signature() const;

    Session& session_;
    QString written_;
};

} // namespace quadrell
