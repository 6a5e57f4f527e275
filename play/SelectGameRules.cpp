#include "SelectGameRules.h"

#include <QCoreApplication>
#include <cmath>

namespace quadrell {

std::optional<qint32> SelectGameRules::Validate(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || !(v > 0 && v < kUpper)) return std::nullopt;
    return static_cast<qint32>(std::nearbyint(v));
}

QString SelectGameRules::Label(qint32 limit) {
    return SelectGameRules::tr("Select a Game Number between 0 and %1").arg(limit);
}

} // namespace quadrell
