#include "BoardWidget.h"
#include "GameSounds.h"
#include "ModalAnswerer.h"
#include "SoundPlayer.h"
#include "Stacking.h"
#include "frmMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace quadrell::test {

using namespace Qt::StringLiterals;

using Sound = SoundPlayer::Sound;

// Whether the process has the library loaded.
bool mapped(const char* library) {
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

class SoundTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // The desktop's settings in memory, the developer's own left alone.
    void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }

    // Off, nothing is loaded: neither the library nor a sound.
    void offLoadsNothing() {
        SoundPlayer player([] { return false; }, QStringLiteral(QUADRELL_SOUNDS_DIR));
        for (const Sound sound : { Sound::CardPlaced, Sound::MoveRefused, Sound::GameWon })
            QVERIFY(!player.Play(sound));
        QVERIFY(!player.Loaded());
        QVERIFY(!mapped("libcanberra"));
    }

    // The game's own sounds, made at build time: each short for what it marks, and loud
    // enough to be heard.
    void eachSoundIsShortAndHeard() {
        const std::tuple<Sound, double> rows[] { { Sound::CardPlaced, 0.15 },
            { Sound::MoveRefused, 0.5 }, { Sound::GameWon, 1.5 } };
        for (const auto& [sound, longest] : rows) {
            QFile file(QStringLiteral(QUADRELL_SOUNDS_DIR "/") + SoundPlayer::FileName(sound));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray wav = file.readAll();
            QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE");
            const auto rate = qFromLittleEndian<quint32>(wav.constData() + 24);
            const auto bytes = qFromLittleEndian<quint32>(wav.constData() + 40);
            const double seconds = bytes / 2.0 / rate;
            QVERIFY2(seconds > 0.02 && seconds <= longest, qPrintable(file.fileName()));
            int peak = 0;
            for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
                peak
                    = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
            QVERIFY2(peak > 8000, qPrintable(file.fileName()));
        }
    }

    // On, each sound goes to the desktop's sound service. Run with a sound server by
    // tests/app/sound.sh, which records what reaches its sink.
    void onEachSoundPlays() {
        if (qEnvironmentVariableIsEmpty("QUADRELL_SOUND_SINK"))
            QSKIP("no sound server of the test's own");
        SoundPlayer player([] { return true; }, QStringLiteral(QUADRELL_SOUNDS_DIR));
        for (const Sound sound : { Sound::CardPlaced, Sound::MoveRefused, Sound::GameWon }) {
            QVERIFY(player.Play(sound));
            QTest::qWait(1200); // each heard whole before the next
        }
        QVERIFY(player.Loaded() && mapped("libcanberra"));
    }

    // The window asks for a sound when a turn's cards are placed, when a move is refused and
    // when a game is won; with the option off (as it starts) it loads nothing.
    void theGameSoundsAtItsMoments() {
        const AppPaths paths = AppPaths::Inside(dir_.filePath(u"home"_s));
        paths.Create();
        frmMain window(paths, QString());
        window.SetQuitAction([] {});
        QVERIFY(window.Load());
        Session& s = window.session();
        s.opt.SetReduceMotion(1);
        s.menu.NewGame(7, false);
        s.menu.Game_Started(false);
        auto* sounds = window.findChild<GameSounds*>();
        QVERIFY(sounds);
        // A refused click: the first two exposed cards that do not fit, one onto the other.
        const cGame& board = s.engine.state().gBoard;
        Loc from = kNoLoc, onto = kNoLoc;
        for (Loc a = 0; a < kColumns && from == kNoLoc; ++a)
            for (Loc b = 0; b < kColumns && from == kNoLoc; ++b)
                if (a != b
                    && RunOnto(
                           board, board.GetBottomCardLocation(a), board.GetBottomCardLocation(b))
                            .cards
                        == 0)
                    std::tie(from, onto)
                        = std::pair(board.GetBottomCardLocation(a), board.GetBottomCardLocation(b));
        QVERIFY(from != kNoLoc);
        s.opt.SetShowMessages(0);
        s.engine.rules().CardClicked(from);
        s.engine.rules().CardClicked(onto);
        QCoreApplication::processEvents();
        const auto asked = [&] {
            const SoundPlayer& player = sounds->Player();
            return QList<int> { player.Asked(Sound::CardPlaced), player.Asked(Sound::MoveRefused),
                player.Asked(Sound::GameWon) };
        };
        QCOMPARE(asked(), (QList<int> { 0, 1, 0 }));
        s.engine.rules().ClearSelection();
        s.engine.rules().CardDoubleClicked(from); // to a cell, and what it sets off: one sound
        QCoreApplication::processEvents();
        QCOMPARE(asked(), (QList<int> { 1, 1, 0 }));
        ModalAnswerer answers;
        answers.handler = [](QWidget* dialog) { dialog->close(); }; // the finished-game dialog
        s.win.Raise();
        QTRY_COMPARE(asked(), (QList<int> { 1, 1, 1 }));
        QVERIFY(!sounds->Player().Loaded() && !mapped("libcanberra"));
    }

    // What the game asks of the sound service, through a recording stand-in for its library
    // (tests/app/sound.sh plays through the real one): the context made once at the first
    // sound and named, each sound by its file and event id, kept by the service; a file not
    // there plays nothing; the context goes with the player. A service that cannot be had is
    // tried once. (Last: from here on a library of libcanberra's name is loaded.)
    void eachSoundIsAskedOfTheServiceByItsFile() {
        QLibrary fake(u"" FAKE_CANBERRA ""_s, 0);
        const auto calls = reinterpret_cast<const char* (*)()>(fake.resolve("fake_canberra_calls"));
        const auto refuse = reinterpret_cast<void (*)(int)>(fake.resolve("fake_canberra_refuse"));
        QVERIFY2(calls && refuse, qPrintable(fake.errorString()));
        const QString folder = u"" QUADRELL_SOUNDS_DIR ""_s;
        {
            SoundPlayer player([] { return true; }, folder, u"" FAKE_CANBERRA ""_s);
            QVERIFY(!player.Loaded());
            for (const Sound sound : { Sound::CardPlaced, Sound::MoveRefused, Sound::GameWon })
                QVERIFY(player.Play(sound));
            QVERIFY(player.Loaded());
            QCOMPARE(QString::fromUtf8(calls()),
                u"create\n"
                "props application.name=Quadrell 2000 application.id=quadrell2000 "
                "application.icon_name=quadrell2000\n"
                "play 0 media.filename=%1/card-placed.wav event.id=quadrell2000-card-placed "
                "canberra.cache-control=permanent\n"
                "play 0 media.filename=%1/move-refused.wav event.id=quadrell2000-move-refused "
                "canberra.cache-control=permanent\n"
                "play 0 media.filename=%1/game-won.wav event.id=quadrell2000-game-won "
                "canberra.cache-control=permanent\n"_s.arg(folder));
            SoundPlayer elsewhere([] { return true; }, dir_.path(), u"" FAKE_CANBERRA ""_s);
            QVERIFY(!elsewhere.Play(Sound::GameWon)); // no such file there
            QCOMPARE(QString::fromUtf8(calls()),
                u"create\nprops application.name=Quadrell 2000 "
                "application.id=quadrell2000 application.icon_name=quadrell2000\n"_s);
        }
        QCOMPARE(QString::fromUtf8(calls()), u"destroy\ndestroy\n"_s);
        refuse(1);
        SoundPlayer unheard([] { return true; }, folder, u"" FAKE_CANBERRA ""_s);
        QVERIFY(!unheard.Play(Sound::CardPlaced));
        QVERIFY(!unheard.Play(Sound::CardPlaced));
        QVERIFY(!unheard.Loaded());
        QCOMPARE(QString::fromUtf8(calls()), u"create\n"_s); // not asked again
        refuse(0);
    }

    // The desktop's own "event sounds" switch is obeyed as it changes; a desktop without it
    // allows sounds.
    void theDesktopsSwitchIsObeyed() {
        QLibrary gio(u"gio-2.0"_s, 0);
        using New = void* (*)(const char*);
        using Set = int (*)(void*, const char*, int);
        const auto make = reinterpret_cast<New>(gio.resolve("g_settings_new"));
        const auto set = reinterpret_cast<Set>(gio.resolve("g_settings_set_boolean"));
        using Source = void* (*)();
        using Lookup = void* (*)(void*, const char*, int);
        const auto source
            = reinterpret_cast<Source>(gio.resolve("g_settings_schema_source_get_default"));
        const auto lookup
            = reinterpret_cast<Lookup>(gio.resolve("g_settings_schema_source_lookup"));
        QVERIFY(make && set && source && lookup);
        QVERIFY2(lookup(source(), "org.gnome.desktop.sound", 1),
            "the desktop's schemas (gsettings-desktop-schemas) are missing");
        void* sound = make("org.gnome.desktop.sound"); // in memory: see initTestCase
        for (const bool on : { false, true, false, true }) {
            set(sound, "event-sounds", on ? 1 : 0);
            QCOMPARE(SoundPlayer::DesktopAllows(), on);
        }
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::SoundTest)
#include "SoundTest.moc"
