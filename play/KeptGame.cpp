#include "KeptGame.h"

#include "Session.h"

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
    if (!store.GetBool(kSave, kRunning, false)) return;
    session_.save.SetUnfinished(true);
    session_.save.SetLastGameTime(store.GetInt32(kSave, kTime, 0));
    store.SetBool(kSave, kRunning, false);
}

void KeptGame::Update() {
    if (!playing()) {
        if (!written_.isEmpty()) Forget();
        return;
    }
    const QString now = signature();
    if (now == written_) return;
    if (!session_.trans.SaveToFile(Path())) return;
    session_.store.SetInt(kSave, kTime, session_.time.GetGameTime());
    session_.store.SetBool(kSave, kRunning, true);
    written_ = now;
}

void KeptGame::Forget() {
    session_.store.SetBool(kSave, kRunning, false);
    written_.clear();
}

} // namespace quadrell
