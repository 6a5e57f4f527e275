#include "KeptGame.h"

#include "Session.h"

#include <QFile>

namespace quadrell {

namespace {
const QString kSave = QStringLiteral("Save");
const QString kRunning = QStringLiteral("KeptRunning");
const QString kTime = QStringLiteral("KeptGameTime");
} // namespace

QString KeptGame::Path() const {
    return session_.save.InInstallFolder(QStringLiteral("Unfinished.qrl"));
}

bool KeptGame::playing() const {
    const GameState& s = session_.engine.state();
    return s.gGameActive && !s.gFinishedView && session_.opt.EnableUnfinished() == 1;
}

bool KeptGame::anythingKept() const {
    return session_.save.Unfinished() || session_.store.GetBool(kSave, kRunning, false);
}

QString KeptGame::signature() const {
    const cTrans& t = session_.trans;
    const TransRecord last = t.Entry(t.GetTransID());
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(session_.engine.state().gGameNumber)
        .arg(t.GetTransID())
        .arg(t.TransCount())
        .arg(last.SrcLoc)
        .arg(last.Destloc);
}

void KeptGame::Recover() {
    SettingsStore& store = session_.store;
    if (store.GetBool(kSave, kRunning, false)) {
        SettingsStore::Batch batch(store);
        session_.save.SetUnfinished(true);
        session_.save.SetLastGameTime(store.GetInt32(kSave, kTime, 0));
        store.SetBool(kSave, kRunning, false);
    } else if (!session_.save.Unfinished()) {
        QFile::remove(Path()); // left by a game that has since been recorded
    }
}

bool KeptGame::write() {
    QString error;
    if (session_.trans.WriteFile(Path(), &error)) {
        failing_ = false;
        return true;
    }
    if (!failing_)
        session_.engine.prompter().Message(
            QStringLiteral("The game could not be saved to\r\n%1\r\n%2\r\nPlay goes on; it will "
                           "be kept again as soon as it can be.")
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
        if (session_.store.GetBool(kSave, kRunning, false)) Forget();
        if (!anythingKept()) QFile::remove(Path());
        return;
    }
    const QString now = signature();
    if (now == written_ || !write()) return;
    SettingsStore::Batch batch(session_.store);
    session_.store.SetInt(kSave, kTime, session_.time.GetGameTime());
    session_.store.SetBool(kSave, kRunning, true);
    written_ = now;
}

void KeptGame::KeepAtExit() {
    session_.engine.rules().ClearSelection();
    session_.trans.SaveToFile(Path());
    SettingsStore::Batch batch(session_.store);
    session_.save.SetLastGameTime(session_.time.GetGameTime());
    session_.save.SetUnfinished(true);
    session_.store.SetBool(kSave, kRunning, false);
    written_.clear();
}

void KeptGame::Forget() {
    SettingsStore::Batch batch(session_.store);
    session_.store.SetBool(kSave, kRunning, false);
    session_.save.SetUnfinished(false);
    session_.save.SetLastGameTime(0);
}

} // namespace quadrell
