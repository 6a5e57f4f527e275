#include "cPlayer.h"

#include "ScoreRec.h"
#include "SettingsStore.h"
#include "cSave.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quadrell {

namespace {
QString section(qint16 slot) { return QStringLiteral("Player%1").arg(slot); }
const QString kTotals = QStringLiteral("Player6");
} // namespace

qint16 cPlayer::NewPlayerComboIndex() const { return save_.NewPlayerComboIndex(); }
void cPlayer::SetNewPlayerComboIndex(qint16 value) { save_.SetNewPlayerComboIndex(value); }
bool cPlayer::ChangePlayer() const { return save_.ChangePlayer(); }
void cPlayer::SetChangePlayer(bool value) { save_.SetChangePlayer(value); }
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

QString cPlayer::CurrentName() const {
    const qint16 slot = GetCurrentPlayerIndex();
    return slot == 0 ? QString() : GetName(slot);
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

qint16 cPlayer::GetCurrentPlayerIndex() const {
    int position = 0;
    for (qint16 slot = 1; slot <= kSlots; ++slot)
        if (!GetName(slot).isEmpty() && ++position == CurrentComboIndex()) return slot;
    return 0;
}

qint16 cPlayer::ComboPosition(qint16 slot) const {
    if (GetName(slot).isEmpty()) return 0;
    qint16 position = 0;
    for (qint16 s = 1; s <= slot; ++s)
        position += GetName(s).isEmpty() ? 0 : 1;
    return position;
}

void cPlayer::RemovePlayer(qint16 slot) {
    SettingsStore::Batch batch(store_);
    for (const char* key : { "Name", "FullName", "Date", "Total", "Won", "Lost", "Time", "Score" })
        store_.Remove(section(slot), QLatin1String(key));
    SaveTotal();
}

qint32 cPlayer::total(qint16 slot, const char* key) const {
    return store_.GetInt32(section(slot), QLatin1String(key), 0);
}

qint32 cPlayer::GetAvgScore(qint16 slot) const {
    return static_cast<qint32>(AverageOf(GetScore(slot), GetTotal(slot)));
}

qint16 cPlayer::GetPerc(qint16 slot) const { return PercentOf(GetWon(slot), GetTotal(slot)); }

bool cPlayer::SaveScore(
    qint16 slot, qint32 total, qint32 won, qint32 lost, qint32 time, qint32 score) {
    SettingsStore::Batch batch(store_);
    const std::pair<const char*, qint32> adds[] = { { "Total", total }, { "Won", won },
        { "Lost", lost }, { "Time", time }, { "Score", score } };
    qint64 sums[5];
    for (int i = 0; i < 5; ++i) {
        sums[i] = qint64(this->total(slot, adds[i].first)) + adds[i].second;
        if (sums[i] > std::numeric_limits<qint32>::max()
            || sums[i] < std::numeric_limits<qint32>::min())
            return false;
    }
    for (int i = 0; i < 5; ++i)
        store_.SetInt(section(slot), QLatin1String(adds[i].first), static_cast<qint32>(sums[i]));
    SaveTotal();
    return true;
}

void cPlayer::SaveTotal() {
    store_.SetText(kTotals, QStringLiteral("Name"), QStringLiteral("Total"));
    for (const char* key : { "Total", "Won", "Lost", "Time", "Score" }) {
        qint64 sum = 0;
        for (qint16 slot = 1; slot <= kSlots; ++slot)
            sum += total(slot, key);
        // Each slot stays in range, so only the sum over five could leave it; it stops at the edge.
        store_.SetInt(kTotals, QLatin1String(key),
            static_cast<qint32>(std::clamp<qint64>(
                sum, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max())));
    }
}

void cPlayer::ClearGlobal() {
    SettingsStore::Batch batch(store_);
    for (qint16 slot = 1; slot <= 6; ++slot)
        for (const char* key : { "Total", "Won", "Lost", "Time", "Score" })
            store_.SetInt(section(slot), QLatin1String(key), 0);
}

} // namespace quadrell
