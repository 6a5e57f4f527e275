#include "cFinish.h"

#include "SettingsStore.h"

namespace quadrell {

qint16 cFinish::get(const char* key, qint16 fallback) const {
    return store_.GetInt16(QStringLiteral("Finish"), QLatin1String(key), fallback);
}

void cFinish::set(const char* key, qint16 value) {
    store_.SetInt(QStringLiteral("Finish"), QLatin1String(key), value);
}

} // namespace quadrell
