#include "Lifecycle.h"

#include "GameFile.h"
#include "SafeFile.h"
#include "Session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace quadrell {

namespace {

void makeFolder(const QString& path) { QDir().mkpath(path); }

// Only where there is nothing: an existing score file is never emptied.
void createIfMissing(const QString& path) {
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) return;
    SafeFile::Write(path, QByteArray());
}

} // namespace

Lifecycle::Lifecycle(Session& session, Registrar registerFileTypes)
    : session_(session)
    , registerFileTypes_(std::move(registerFileTypes)) { }

bool Lifecycle::FirstRunNeeded() const {
    return session_.save.FreshStartAsked() || session_.store.IsEmpty(kApp);
}

void Lifecycle::Start() {
    // Asked first: recovery may write to an empty store.
    const bool firstRun = FirstRunNeeded();
    Recover();
    if (firstRun) FirstRunReset();
    CheckFolders();
}

void Lifecycle::FirstRunReset() {
    cSave& save = session_.save;
    SettingsStore::Batch batch(session_.store);
    // The kept game outlives the reset, as the files it names do.
    const std::optional<bool> unfinished = save.UnfinishedStated();
    const qint32 keptTime = save.LastGameTime();
    session_.store.DeleteAll(kApp);
    if (unfinished == true) {
        save.SetUnfinished(true);
        save.SetLastGameTime(keptTime);
    }
    if (registerFileTypes_) registerFileTypes_();
    save.SetInStallFolder(save.InstallFolder());
    save.SetFavFolder(save.InInstallFolder(QStringLiteral("favorites")));
    save.SetScoreFile(save.InInstallFolder(QStringLiteral("Quadrell2000.sre")));
    makeFolder(save.FavFolder() + QStringLiteral("/Easy Games"));
    save.SetIncompleteDir(save.InInstallFolder(QStringLiteral("Incomplete")));
    save.SetFinishedDir(save.InInstallFolder(QStringLiteral("Finished")));
    makeFolder(save.IncompleteDir());
    makeFolder(save.FinishedDir());
    createIfMissing(save.ScoreFile());
    session_.users.AddUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"),
        cSave::DateText(QDateTime::currentDateTime()));
}

void Lifecycle::CheckFolders() {
    cSave& save = session_.save;
    // An empty or relative name is repaired as a folder that is gone is.
    if (!cSave::UsableFolder(save.FavFolder())) {
        save.SetFavFolder(save.InInstallFolder(QStringLiteral("favorites")));
        makeFolder(save.FavFolder() + QStringLiteral("/Easy Games"));
    }
    if (!cSave::UsableFolder(save.IncompleteDir())) save.SetIncompleteDir(save.InstallFolder());
    if (!cSave::UsableFolder(save.FinishedDir())) save.SetFinishedDir(save.InstallFolder());
    if (session_.players.TotalPlayers() < 1)
        session_.users.AddUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"),
            cSave::DateText(QDateTime::currentDateTime()));
    createIfMissing(save.ScoreFile());
}

void Lifecycle::Recover() {
    session_.score.RecoverPending();
    session_.kept.Recover();
}

bool Lifecycle::openOrEmpty(const QString& path) {
    if (session_.menu.OpenFromFile(path, true)) return true;
    session_.menu.NoGame();
    return false;
}

bool Lifecycle::Open_Game(const QString& commandLine) {
    const QString kept = session_.kept.Path();
    const bool resume = session_.save.Unfinished() && QFileInfo::exists(kept);
    const QString named = commandLine.trimmed();
    std::optional<GameFileRead> read;
    if (!named.isEmpty()) {
        read = GameFile::Read(named);
        if (!read->game) {
            session_.menu.ReportUnusable(named, *read);
            read.reset(); // the kept game, if any, goes on as if nothing had been named
        }
    }
    if (!read) {
        if (resume) {
            openOrEmpty(kept);
        } else {
            session_.menu.NoGame();
        }
        return true;
    }
    if (resume) {
        if (!session_.prompter.Question(
                Lifecycle::tr("Are you sure you want to exit the previously\r\n"
                              "unfinished game and start this game ?")
                    .toStdString(),
                kAppTitle, MessageIcon::Question))
            return false;
        if (session_.menu.OpenFromFile(kept, true)) session_.menu.GameLost();
    }
    session_.menu.Restore(named, *read->game);
    return true;
}

void Lifecycle::Unload() {
    const GameState& s = session_.state();
    const bool playing = s.gGameActive && !s.gFinishedView;
    if (session_.opt.EnableUnfinished() == 1 && playing) {
        session_.kept.KeepAtExit();
        return;
    }
    if (playing) session_.menu.GameLost();
    session_.kept.Forget();
}

void Lifecycle::Exit() { session_.kept.Forget(); }

} // namespace quadrell
