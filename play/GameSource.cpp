#include "GameSource.h"

#include "cSave.h"

#include <QSaveFile>

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
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace quadrell
