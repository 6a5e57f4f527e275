#include "GameSource.h"

#include "SafeFile.h"
#include "cSave.h"

namespace quadrell {

QString GameSource::FileText(
    const QString& player, const QDateTime& when, qint32 gameNumber, const QString& body) {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Quadrell 2000 Source File") + crlf
        + QStringLiteral("*************************") + crlf + QStringLiteral(" ") + crlf
        + QStringLiteral("Created by   : ") + player + crlf + QStringLiteral("Created Date : ")
        + cSave::DateText(when) + crlf + QStringLiteral("Game No      : ")
        + QString::number(gameNumber) + crlf + QStringLiteral(" ") + crlf + body + crlf;
}

bool GameSource::Save(const QString& path, const QString& text) {
    return SafeFile::Write(path, text.toUtf8());
}

} // namespace quadrell
