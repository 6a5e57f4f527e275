#include "cScore.h"

namespace quadrell {

QString cScore::ConvertTimeS(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 hours = (seconds / 3600) % 60;
    const qint64 minutes = (seconds / 60) % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace quadrell
