#include "KeptGame.h"

#include "Engine.h"
#include "SettingsStore.h"
#include "cOpt.h"
#include "cSave.h"
#include "cTime.h"
#include "cTrans.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace quadrell {

QString KeptGame::Path() const { return save_.KeptGamePath(); }

bool KeptGame::playing() const {
    const GameState& s = engine_.state();
    return s.gGameActive && !s.gFinishedView && options_.EnableUnfinished() == 1;
}

bool KeptGame::anythingKept() const { return save_.Unfinished() || save_.KeptRunning(); }

QString KeptGame::signature() const {
    const cTrans& t = trans_;
    const TransRecord last = t.Entry(t.GetTransID());
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(engine_.state().gGameNumber)
        .arg(t.GetTransID())
        .arg(t.TransCount())
        .arg(last.SrcLoc)
        .arg(last.Destloc);
}

void KeptGame::Recover() {
    SettingsStore& store = store_;
    if (save_.KeptRunning()) {
        SettingsStore::Batch batch(store);
        save_.SetUnfinished(true);
        save_.SetLastGameTime(save_.KeptGameTime());
        save_.SetKeptRunning(false);
    } else if (save_.UnfinishedStated() == false) {
        QFile::remove(Path()); // left by a game that has since been recorded or given up
    } else if (!save_.UnfinishedStated() && QFileInfo::exists(Path())) {
        save_.SetUnfinished(true); // the settings were lost: the game is resumed, not guessed away
    }
}

bool KeptGame::write() {
    QString error;
    if (trans_.WriteFile(Path(), &error)) {
        failing_ = false;
        return true;
    }
    if (!failing_)
        prompter_.Message(
            KeptGame::tr(
                "The game could not be saved to\r\n%1\r\n%2\r\nPlay goes on; it will be kept "
                "again as soon as it can be.")
                .arg(Path(), error)
                .toStdString(),
            MessageIcon::Exclamation, kAppTitle);
    failing_ = true;
    return false;
}

void KeptGame::Update() {
    if (!playing()) {
        if (written_.isEmpty()) return;
        written_.clear();
        if (save_.KeptRunning()) Forget();
        // Only once the settings that forget the game are on the disk: until then a kill
        // brings it back from this file.
        if (!anythingKept() && !store_.WriteFailing()) QFile::remove(Path());
        return;
    }
    const QString now = signature();
    if (now == written_ || !write()) return;
    SettingsStore::Batch batch(store_);
    save_.SetKeptGameTime(time_.GetGameTime());
    save_.SetKeptRunning(true);
    written_ = now;
}

void KeptGame::KeepAtExit() {
    engine_.rules().ClearSelection();
    trans_.SaveToFile(Path());
    SettingsStore::Batch batch(store_);
    save_.SetLastGameTime(time_.GetGameTime());
    save_.SetUnfinished(true);
    save_.SetKeptRunning(false);
    written_.clear();
}

void KeptGame::Forget() {
    SettingsStore::Batch batch(store_);
    save_.SetKeptRunning(false);
    save_.SetUnfinished(false);
    save_.SetLastGameTime(0);
}

} // namespace quadrell
