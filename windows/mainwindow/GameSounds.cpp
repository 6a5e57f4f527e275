#include "GameSounds.h"

#include "BoardWidget.h"
#include "cOpt.h"

namespace quadrell {

GameSounds::GameSounds(const cOpt& options, BoardWidget& board, QObject* parent)
    : QObject(parent)
    , player_([&options] { return options.Sounds() == 1 && SoundPlayer::DesktopAllows(); }) {
    connect(&board, &BoardWidget::CardsPlaced, this,
        [this] { player_.Play(SoundPlayer::Sound::CardPlaced); });
    connect(&board, &BoardWidget::Refused, this,
        [this] { player_.Play(SoundPlayer::Sound::MoveRefused); });
}

} // namespace quadrell
