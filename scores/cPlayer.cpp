#include "cPlayer.h"

#include "SettingsStore.h"

namespace quadrell {

namespace {
QString section(qint16 slot) { return QStringLiteral("Player%1").arg(slot); }
const QString kSave = QStringLiteral("Save");
const QString kTotals = QStringLiteral("Player6");
} // namespace

qint16 cPlayer::NewPlayerComboIndex() const {
    return store_.GetInt16(kSave, QStringLiteral("NewPlayerComboIndex"), 1);
}
void cPlayer::SetNewPlayerComboIndex(qint16 value) {
    store_.SetInt(kSave, QStringLiteral("NewPlayerComboIndex"), value);
}
bool cPlayer::ChangePlayer() const {
    return store_.GetBool(kSave, QStringLiteral("ChangePlayer"), false);
}
void cPlayer::SetChangePlayer(bool value) {
    store_.SetBool(kSave, QStringLiteral("ChangePlayer"), value);
}
qint16 cPlayer::CurrentComboIndex() const {
    return store_.GetInt16(kTotals, QStringLiteral("CurrentComboIndex"), 1);
}
void cPlayer::SetCurrentComboIndex(qint16 value) {
    store_.SetInt(kTotals, QStringLiteral("CurrentComboIndex"), value);
}

void cPlayer::AddPlayer(
    const QString& name, qint16 slot, const QString& fullName, const QString& date) {
    store_.SetText(section(slot), QStringLiteral("Name"), name);
    store_.SetText(section(slot), QStringLiteral("FullName"), fullName);
    store_.SetText(section(slot), QStringLiteral("Date"), date);
}

QString cPlayer::GetName(qint16 slot) const {
    return store_.GetText(section(slot), QStringLiteral("Name"), QString());
}
QString cPlayer::GetFullName(qint16 slot) const {
    return store_.GetText(section(slot), QStringLiteral("FullName"), QString());
}
QString cPlayer::GetDate(qint16 slot) const {
    return store_.GetText(section(slot), QStringLiteral("Date"), QString());
}

bool cPlayer::PlayerExists(const QString& name) const { return GetNum(name) != 0; }

qint16 cPlayer::GetNum(const QString& name) const {
    for (qint16 slot = 1; slot <= kSlots; ++slot)
        if (GetName(slot) == name) return slot;
    return 0;
}

qint16 cPlayer::TotalPlayers() const {
    qint16 n = 0;
    for (qint16 slot = 1; slot <= kSlots; ++slot)
        n += GetName(slot).isEmpty() ? 0 : 1;
    return n;
}

} // namespace quadrell
