#pragma once

#include <QLibrary>
#include <QString>
#include <array>
#include <functional>

namespace quadrell {

// The game's short sounds, played through the desktop's event-sound service (libcanberra,
// with the desktop's own "event sounds" switch obeyed). While the option is off nothing is
// loaded: the library is opened, and the sounds cached by the service, at the first sound
// asked for with the option on.
class SoundPlayer {
public:
    enum class Sound { CardPlaced, MoveRefused, GameWon };
    using Wanted = std::function<bool()>;

    // `wanted` is asked at each sound (the option, and the desktop's switch); `folder`
    // holds the sound files; `library` is the sound service's client library.
    explicit SoundPlayer(Wanted wanted, QString folder = Folder(),
        const QString& library = QStringLiteral("canberra"));
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // False when no sound was played: not wanted, or no service to play it.
    bool Play(Sound sound);
    // How often a sound has been asked for, whether or not it could be played.
    int Asked(Sound sound) const { return asked_[static_cast<std::size_t>(sound)]; }
    bool Loaded() const { return context_ != nullptr; }

    static QString FileName(Sound sound);
    // Beside the programs' folder, as installed: <prefix>/share/quadrell2000/sounds.
    static QString Folder();
    // The desktop's "event sounds" switch (GNOME's, where it has one); on elsewhere.
    static bool DesktopAllows();

private:
    bool load();

    Wanted wanted_;
    QString folder_;
    QLibrary library_;
    void* context_ = nullptr;
    int (*play_)(void*, unsigned, ...) = nullptr;
    int (*destroy_)(void*) = nullptr;
    bool failed_ = false; // the library or the service is missing: not tried again
    std::array<int, 3> asked_ {};
};

} // namespace quadrell
