#include "Resources.h"

#include <QFile>

namespace quadrell {

QByteArray ResourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace quadrell
