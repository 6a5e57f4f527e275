#pragma once

#include <QString>
#include <QtGlobal>

namespace quadrell {

class SettingsStore;

// The player table: slots 1..5 in sections "Player1".."Player5", the current player and
// the player change that waits for the end of a game.
class cPlayer {
public:
    static constexpr qint16 kSlots = 5;

    explicit cPlayer(SettingsStore& store) : store_(store) { }

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

private:
    SettingsStore& store_;
};

} // namespace quadrell
