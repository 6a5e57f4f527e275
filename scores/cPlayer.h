#pragma once

#include <QString>
#include <QtGlobal>

namespace quadrell {

class SettingsStore;
class cSave;

// The player table: slots 1..5 in sections "Player1".."Player5", the current player and
// the player change that waits for the end of a game.
class cPlayer {
public:
    static constexpr qint16 kSlots = 5;

    cPlayer(SettingsStore& store, cSave& save) : store_(store), save_(save) { }

    qint16 NewPlayerComboIndex() const;
    void SetNewPlayerComboIndex(qint16 value);
    bool ChangePlayer() const;
    void SetChangePlayer(bool value);
    qint16 CurrentComboIndex() const;
    void SetCurrentComboIndex(qint16 value);

    // Writes the name, full name and date of a slot; no checks.
    void AddPlayer(const QString& name, qint16 slot, const QString& fullName, const QString& date);
    QString GetName(qint16 slot) const;
    QString GetFullName(qint16 slot) const;
    QString GetDate(qint16 slot) const;
    bool PlayerExists(const QString& name) const;
    // The first slot holding exactly this name, 0 when none does.
    qint16 GetNum(const QString& name) const;
    qint16 TotalPlayers() const;
    // The slot of the player at box position CurrentComboIndex (the box lists the
    // non-empty slots in order); 0 when there is none.
    qint16 GetCurrentPlayerIndex() const;
    // The name games are recorded under now; empty when the box lists nobody.
    QString CurrentName() const;
    // The box position (1-based) of a non-empty slot; 0 for an empty one.
    qint16 ComboPosition(qint16 slot) const;
    void RemovePlayer(qint16 slot);

    // Totals of a slot (6 is the totals slot).
    qint32 GetTotal(qint16 slot) const { return total(slot, "Total"); }
    qint32 GetWon(qint16 slot) const { return total(slot, "Won"); }
    qint32 GetLost(qint16 slot) const { return total(slot, "Lost"); }
    qint32 GetTime(qint16 slot) const { return total(slot, "Time"); }
    qint32 GetScore(qint16 slot) const { return total(slot, "Score"); }
    qint32 GetAvgScore(qint16 slot) const;
    qint16 GetPerc(qint16 slot) const;
    // Adds one ended game to the slot and rewrites the totals slot. A sum that would leave
    // the 32-bit range changes nothing and answers false.
    bool SaveScore(qint16 slot, qint32 total, qint32 won, qint32 lost, qint32 time, qint32 score);
    void SaveTotal();
    void ClearGlobal();

private:
    qint32 total(qint16 slot, const char* key) const;

    SettingsStore& store_;
    cSave& save_;
};

} // namespace quadrell
