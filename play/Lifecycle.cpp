#include "Lifecycle.h"

#include "GameFile.h"
#include "GameState.h"
#include "KeptGame.h"
#include "Prompter.h"
#include "SafeFile.h"
#include "SettingsStore.h"
#include "cMenu.h"
#include "cOpt.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"
#include "cUser.h"

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

Lifecycle::Lifecycle(Parts parts, Registrar registerFileTypes)
    : p_(parts)
    , registerFileTypes_(std::move(registerFileTypes)) { }

bool Lifecycle::FirstRunNeeded() const {
    return p_.save.FreshStartAsked() || p_.store.IsEmpty(kApp);
}

void Lifecycle::Start() {
    // Asked first: recovery may write to an empty store.
    const bool firstRun = FirstRunNeeded();
    Recover();
    if (firstRun) FirstRunReset();
    CheckFolders();
    // The session's clock starts here, and so does the first game's.
    const QDateTime now = p_.clock();
    SettingsStore::Batch together(p_.store);
    p_.save.SetSessionStart(now);
    p_.save.SetGameStartTime(now);
}

void Lifecycle::FirstRunReset() {
    cSave& save = p_.save;
    SettingsStore::Batch batch(p_.store);
    // The kept game outlives the reset, as the files it names do.
    const std::optional<bool> unfinished = save.UnfinishedStated();
    const qint32 keptTime = save.LastGameTime();
    p_.store.DeleteAll(kApp);
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
    p_.users.AddUser(
        QStringLiteral("Guest"), QStringLiteral("Guest Player"), cSave::DateText(p_.clock()));
}

void Lifecycle::CheckFolders() {
    cSave& save = p_.save;
    // An empty or relative name is repaired as a folder that is gone is.
    if (!cSave::UsableFolder(save.FavFolder())) {
        save.SetFavFolder(save.InInstallFolder(QStringLiteral("favorites")));
        makeFolder(save.FavFolder() + QStringLiteral("/Easy Games"));
    }
    if (!cSave::UsableFolder(save.IncompleteDir())) save.SetIncompleteDir(save.InstallFolder());
    if (!cSave::UsableFolder(save.FinishedDir())) save.SetFinishedDir(save.InstallFolder());
    if (p_.players.TotalPlayers() < 1)
        p_.users.AddUser(
            QStringLiteral("Guest"), QStringLiteral("Guest Player"), cSave::DateText(p_.clock()));
    createIfMissing(save.ScoreFile());
}

void Lifecycle::Recover() {
    p_.score.RecoverPending();
    p_.kept.Recover();
}

bool Lifecycle::openOrEmpty(const QString& path) {
    if (p_.menu.OpenFromFile(path, true)) return true;
    p_.menu.NoGame();
    return false;
}

bool Lifecycle::Open_Game(const QString& commandLine) {
    const QString kept = p_.kept.Path();
    const bool resume = p_.save.Unfinished() && QFileInfo::exists(kept);
    const QString named = commandLine.trimmed();
    std::optional<GameFileRead> read;
    if (!named.isEmpty()) {
        read = GameFile::Read(named);
        if (!read->game) {
            p_.menu.ReportUnusable(named, *read);
            read.reset(); // the kept game, if any, goes on as if nothing had been named
        }
    }
    if (!read) {
        if (resume) {
            openOrEmpty(kept);
        } else {
            p_.menu.NoGame();
        }
        return true;
    }
    if (resume) {
        if (!p_.prompter.Question(Lifecycle::tr("Are you sure you want to exit the previously\r\n"
                                                "unfinished game and start this game ?")
                                      .toStdString(),
                kAppTitle, MessageIcon::Question))
            return false;
        if (p_.menu.OpenFromFile(kept, true)) p_.menu.GameLost();
    }
    p_.menu.Restore(named, *read->game);
    return true;
}

void Lifecycle::Unload() {
    const GameState& s = p_.state;
    const bool playing = s.gGameActive && !s.gFinishedView;
    if (p_.opt.EnableUnfinished() == 1 && playing) {
        p_.kept.KeepAtExit();
        return;
    }
    if (playing) p_.menu.GameLost();
    p_.kept.Forget();
}

void Lifecycle::Exit() { p_.kept.Forget(); }

} // namespace quadrell
