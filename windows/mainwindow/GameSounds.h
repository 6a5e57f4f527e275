#pragma once

#include "SoundPlayer.h"

#include <QObject>
#include <array>

namespace quadrell {

class BoardWidget;
class cOpt;

// When the game sounds: a turn's cards placed, a move refused, a game won.
class GameSounds final : public QObject {
    Q_OBJECT
public:
    GameSounds(const cOpt& options, BoardWidget& board, QObject* parent);

    void Won() { play(SoundPlayer::Sound::GameWon); }
    // How often a sound has been asked for, whether or not it could be played.
    int Asked(SoundPlayer::Sound sound) const { return asked_[static_cast<std::size_t>(sound)]; }
    const SoundPlayer& Player() const { return player_; }

private:
    void play(SoundPlayer::Sound sound);

    SoundPlayer player_;
    std::array<int, 3> asked_ {};
};

} // namespace quadrell
