#include "SelectGameRules.h"

#include <QCoreApplication>
#include <cmath>

namespace quadrell {

std::optional<qint32> SelectGameRules::Validate(const QString& text) {
    // Text that is no number reads as 0, and NaN fails every comparison: both are refused.
    const double v = text.trimmed().toDouble();
    if (!(v > 0 && v < kUpper)) return std::nullopt;
    return static_cast<qint32>(std::nearbyint(v));
}

QString SelectGameRules::Label(qint32 limit) {
    return SelectGameRules::tr("Select a Game Number between 0 and %1").arg(limit);
}

} // namespace quadrell
