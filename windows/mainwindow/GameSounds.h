#pragma once

#include "SoundPlayer.h"

#include <QList>
#include <QObject>
#include <memory>

namespace quadrell {

class BoardWidget;
class cOpt;

// When the game sounds: a turn's cards placed, a move refused, a game won.
class GameSounds final : public QObject {
    Q_OBJECT
public:
    GameSounds(const cOpt& options, BoardWidget& board, QObject* parent);

    void Won() { play(SoundPlayer::Sound::GameWon); }
    // Each sound asked for so far, whether or not it could be played.
    const QList<SoundPlayer::Sound>& Asked() const { return asked_; }
    const SoundPlayer& Player() const { return player_; }

private:
    void play(SoundPlayer::Sound sound);

    SoundPlayer player_;
    QList<SoundPlayer::Sound> asked_;
};

} // namespace quadrell
