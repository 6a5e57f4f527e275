#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace quadrell {

namespace {

// The few calls of libcanberra's this needs, opened only when a sound is first wanted, so
// that a player who never turns sounds on never has the library loaded.
using Create = int (*)(void**);
using ChangeProps = int (*)(void*, ...);

} // namespace

SoundPlayer::SoundPlayer(Wanted wanted, QString folder, const QString& library)
    : wanted_(std::move(wanted))
    , folder_(std::move(folder))
    , library_(library, 0) { }

SoundPlayer::~SoundPlayer() {
    if (context_) destroy_(context_);
}

QString SoundPlayer::FileName(Sound sound) {
    switch (sound) {
    case Sound::CardPlaced:
        return QStringLiteral("card-placed.wav");
    case Sound::MoveRefused:
        return QStringLiteral("move-refused.wav");
    case Sound::GameWon:
        return QStringLiteral("game-won.wav");
    }
    return {};
}

QString SoundPlayer::Folder() {
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quadrell2000/sounds"));
}

namespace {

// GNOME's "event sounds" switch, found through GIO once and then read at each sound (the
// settings object follows the desktop's changes).
class DesktopSwitch {
public:
    DesktopSwitch() {
        using Source = void* (*)();
        using Lookup = void* (*)(void*, const char*, int);
        using New = void* (*)(const char*);
        using Unref = void (*)(void*);
        QLibrary gio(QStringLiteral("gio-2.0"), 0);
        const auto source
            = reinterpret_cast<Source>(gio.resolve("g_settings_schema_source_get_default"));
        const auto lookup
            = reinterpret_cast<Lookup>(gio.resolve("g_settings_schema_source_lookup"));
        const auto make = reinterpret_cast<New>(gio.resolve("g_settings_new"));
        const auto unrefSchema = reinterpret_cast<Unref>(gio.resolve("g_settings_schema_unref"));
        get_ = reinterpret_cast<decltype(get_)>(gio.resolve("g_settings_get_boolean"));
        if (!source || !lookup || !make || !unrefSchema || !get_ || !source()) return;
        void* schema = lookup(source(), "org.gnome.desktop.sound", 1);
        if (!schema) return; // a desktop without the switch
        unrefSchema(schema);
        settings_ = make("org.gnome.desktop.sound");
    }
    bool On() const { return !settings_ || get_(settings_, "event-sounds") != 0; }

private:
    void* settings_ = nullptr; // kept for the program's life, as GIO's own are
    int (*get_)(void*, const char*) = nullptr;
};

} // namespace

bool SoundPlayer::DesktopAllows() {
    static const DesktopSwitch desktop;
    return desktop.On();
}

bool SoundPlayer::load() {
    if (context_) return true;
    if (failed_) return false;
    const auto create = reinterpret_cast<Create>(library_.resolve("ca_context_create"));
    const auto change = reinterpret_cast<ChangeProps>(library_.resolve("ca_context_change_props"));
    play_ = reinterpret_cast<decltype(play_)>(library_.resolve("ca_context_play"));
    destroy_ = reinterpret_cast<decltype(destroy_)>(library_.resolve("ca_context_destroy"));
    if (!create || !change || !play_ || !destroy_ || create(&context_) != 0) {
        context_ = nullptr;
        failed_ = true;
        return false;
    }
    change(context_, "application.name", "Quadrell 2000", "application.id", "quadrell2000",
        "application.icon_name", "quadrell2000", nullptr);
    return true;
}

bool SoundPlayer::Play(Sound sound) {
    ++asked_[static_cast<std::size_t>(sound)];
    if (!wanted_() || !load()) return false;
    const QString path = QDir(folder_).filePath(FileName(sound));
    if (!QFileInfo::exists(path)) return false;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray id
        = "quadrell2000-" + FileName(sound).section(QLatin1Char('.'), 0, 0).toLatin1();
    // Kept by the service after the first time: a card placed sounds at once.
    return play_(context_, 0, "media.filename", file.constData(), "event.id", id.constData(),
               "canberra.cache-control", "permanent", nullptr)
        == 0;
}

} // namespace quadrell
