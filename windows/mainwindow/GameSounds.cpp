#include "GameSounds.h"

#include "BoardWidget.h"
#include "cOpt.h"

namespace quadrell {

GameSounds::GameSounds(const cOpt& options, BoardWidget& board, QObject* parent)
    : QObject(parent)
    , player_([&options] { return options.Sounds() == 1 && SoundPlayer::DesktopAllows(); }) {
    connect(
        &board, &BoardWidget::CardsPlaced, this, [this] { play(SoundPlayer::Sound::CardPlaced); });
    connect(&board, &BoardWidget::Refused, this, [this] { play(SoundPlayer::Sound::MoveRefused); });
}

void GameSounds::play(SoundPlayer::Sound sound) {
    ++asked_[static_cast<std::size_t>(sound)];
    player_.Play(sound);
}

} // namespace quadrell
