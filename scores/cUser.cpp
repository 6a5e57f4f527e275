#include "cUser.h"

#include "Prompter.h"
#include "cPlayer.h"

namespace quadrell {

void cUser::AddUser(const QString& name, const QString& fullName, const QString& date) {
    if (players_.PlayerExists(name)) {
        prompter_.Message("Player exists!", MessageIcon::Exclamation, kAppTitle);
        return;
    }
    if (name.isEmpty()) return;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot) {
        if (players_.GetName(slot).isEmpty()) {
            players_.AddPlayer(name, slot, fullName, date);
            return;
        }
    }
    prompter_.Message("Maximum 5 Players only", MessageIcon::Exclamation, kAppTitle);
}

QStringList cUser::ComboNames() const {
    QStringList names;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot) {
        const QString name = players_.GetName(slot);
        if (!name.isEmpty()) names << name;
    }
    return names;
}

} // namespace quadrell
