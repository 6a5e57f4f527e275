#include "cUser.h"

#include "Prompter.h"
#include "cPlayer.h"

#include <QCoreApplication>

namespace quadrell {

void cUser::AddUser(const QString& name, const QString& fullName, const QString& date) {
    if (players_.PlayerExists(name)) {
        prompter_.Message(
            cUser::tr("Player exists!").toStdString(), MessageIcon::Exclamation, kAppTitle);
        return;
    }
    if (name.isEmpty() || !CheckName(name).isEmpty()) return;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot) {
        if (players_.GetName(slot).isEmpty()) {
            players_.AddPlayer(name, slot, fullName, date);
            return;
        }
    }
    prompter_.Message(
        cUser::tr("Maximum 5 Players only").toStdString(), MessageIcon::Exclamation, kAppTitle);
}

bool cUser::RemoveUser(const QString& key) {
    if (players_.TotalPlayers() < 2) {
        prompter_.Message(cUser::tr("Minimum one player is Required !").toStdString(),
            MessageIcon::Exclamation, kAppTitle);
        return false;
    }
    static const QStringList keys { QStringLiteral("x1"), QStringLiteral("x2"),
        QStringLiteral("x3"), QStringLiteral("x4"), QStringLiteral("x5") };
    const auto slot = static_cast<qint16>(keys.indexOf(key) + 1);
    if (slot < 1) return false;
    // A change waiting for the end of the game follows its player to the new box
    // position, or is dropped with the player it named.
    const qint16 pending = players_.ChangePlayer() ? players_.NewPlayerComboIndex() : 0;
    const qint16 removedAt = players_.ComboPosition(slot);
    players_.RemovePlayer(slot);
    players_.SetCurrentComboIndex(1);
    if (pending > 0) {
        if (pending == removedAt) {
            players_.SetChangePlayer(false);
        } else if (pending > removedAt) {
            players_.SetNewPlayerComboIndex(static_cast<qint16>(pending - 1));
        }
    }
    return true;
}

QString cUser::ProposedName() const {
    for (int i = 1; i <= 4; ++i) {
        const QString name = QStringLiteral("Player%1").arg(i);
        if (!players_.PlayerExists(name)) return name;
    }
    return QString();
}

QString cUser::CheckName(const QString& name) {
    if (name.trimmed().isEmpty()) return cUser::tr("PlayerName is Required");
    // A line end or other control character would tear the score file's lines.
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return cUser::tr("A player name cannot hold control characters.");
    // Characters as a player sees them: "Zoë" or a name in another script is not longer
    // for being stored in more units.
    if (name.toUcs4().size() > 8) return cUser::tr("Maximum 8 Characters only");
    // A quote would break the score file's quoted names.
    if (name.contains(QLatin1Char('"'))) return cUser::tr("A player name cannot hold a quote.");
    return QString();
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
