#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

namespace quadrell {

// The saved source file: a short header, then the text of the source window.
class GameSource {
    Q_DECLARE_TR_FUNCTIONS(GameSource)

public:
    static QString FileText(
        const QString& player, const QDateTime& when, qint32 gameNumber, const QString& body);
    // The name the save dialog proposes: the game number followed by " Source".
    static QString ProposedName(qint32 gameNumber) {
        return GameSource::tr("%1 Source").arg(gameNumber);
    }
    // Written whole, lines ended by CR LF; false when it could not be written.
    static bool Save(const QString& path, const QString& text);
};

} // namespace quadrell
