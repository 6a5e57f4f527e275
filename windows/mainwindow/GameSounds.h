#pragma once

#include "SoundPlayer.h"

#include <QObject>

namespace quadrell {

class BoardWidget;
class cOpt;

// When the game sounds: a turn's cards placed, a move refused, a game won.
class GameSounds final : public QObject {
    Q_OBJECT
public:
    GameSounds(const cOpt& options, BoardWidget& board, QObject* parent);

    void Won() { player_.Play(SoundPlayer::Sound::GameWon); }
    const SoundPlayer& Player() const { return player_; }

private:
    SoundPlayer player_;
};

} // namespace quadrell
