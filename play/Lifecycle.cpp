#include "Lifecycle.h"

#include "KeptGame.h"
#include "Session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace quadrell {

namespace {

void makeFolder(const QString& path) { QDir().mkpath(path); }

void createEmptyFile(const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.commit();
}

} // namespace

Lifecycle::Lifecycle(Session& session, KeptGame& kept, Registrar registerFileTypes)
    : session_(session)
    , kept_(kept)
    , registerFileTypes_(std::move(registerFileTypes)) { }

bool Lifecycle::FirstRunNeeded() const {
    const QString fresh = session_.store.GetText(
        QStringLiteral("Install"), QStringLiteral("Fresh"), QStringLiteral("0"));
    return SettingsStore::ToInt32(fresh).value_or(0) == 1 || session_.store.IsEmpty(kApp);
}

void Lifecycle::FirstRunReset() {
    cSave& save = session_.save;
    session_.store.DeleteAll(kApp);
    if (registerFileTypes_) registerFileTypes_();
    save.SetInStallFolder(save.InstallFolder());
    save.SetFavFolder(save.InInstallFolder(QStringLiteral("favorites")));
    save.SetScoreFile(save.InInstallFolder(QStringLiteral("Quadrell2000.sre")));
    makeFolder(save.FavFolder() + QStringLiteral("/Easy Games"));
    save.SetIncompleteDir(save.InInstallFolder(QStringLiteral("Incomplete")));
    save.SetFinishedDir(save.InInstallFolder(QStringLiteral("Finished")));
    makeFolder(save.IncompleteDir());
    makeFolder(save.FinishedDir());
    createEmptyFile(save.ScoreFile());
    session_.users.AddUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"),
        cSave::DateText(QDateTime::currentDateTime()));
}

void Lifecycle::CheckFolders() {
    cSave& save = session_.save;
    if (!QDir(save.FavFolder()).exists()) {
        save.SetFavFolder(save.InInstallFolder(QStringLiteral("favorites")));
        makeFolder(save.FavFolder() + QStringLiteral("/Easy Games"));
    }
    if (!QDir(save.IncompleteDir()).exists()) save.SetIncompleteDir(save.InstallFolder());
    if (!QDir(save.FinishedDir()).exists()) save.SetFinishedDir(save.InstallFolder());
    if (session_.players.TotalPlayers() < 1)
        session_.users.AddUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"),
            cSave::DateText(QDateTime::currentDateTime()));
    if (!QFile::exists(save.ScoreFile())) createEmptyFile(save.ScoreFile());
}

bool Lifecycle::openOrEmpty(const QString& path) {
    if (session_.trans.OpenFromFile(path)) return true;
    session_.menu.NoGame();
    return false;
}

bool Lifecycle::Open_Game(const QString& commandLine) {
    kept_.Recover();
    const QString named = commandLine.trimmed();
    const bool resume = session_.save.Unfinished() && QFile::exists(kept_.Path());
    if (named.isEmpty()) {
        if (resume) {
            openOrEmpty(kept_.Path());
        } else {
            session_.menu.NoGame();
        }
        return true;
    }
    if (!resume) {
        openOrEmpty(named);
        return true;
    }
    if (!session_.engine.prompter().Question(
            "Are you sure you want to exit the previously\r\nunfinished game and start this game ?",
            kAppTitle))
        return false;
    if (session_.trans.OpenFromFile(kept_.Path())) session_.menu.GameLost();
    openOrEmpty(named);
    return true;
}

void Lifecycle::Unload() {
    const GameState& s = session_.engine.state();
    const bool playing = s.gGameActive && !s.gFinishedView;
    cSave& save = session_.save;
    if (session_.opt.EnableUnfinished() == 1 && playing) {
        session_.engine.rules().ClearSelection();
        session_.trans.SaveToFile(kept_.Path());
        save.SetLastGameTime(session_.time.GetGameTime());
        save.SetUnfinished(true);
    } else {
        if (playing) session_.menu.GameLost();
        save.SetUnfinished(false);
        save.SetLastGameTime(0);
    }
    kept_.Forget();
}

void Lifecycle::Exit() { kept_.Forget(); }

} // namespace quadrell
