#include "cRecent.h"

#include "SettingsStore.h"

namespace quadrell {

namespace {
const QString kRecent = QStringLiteral("Recent");
}

void cRecent::SetRecent(qint16 numb, const QString& recent) {
    store_.SetText(kRecent, QStringLiteral("Recent%1").arg(numb), recent);
}

QString cRecent::GetRecent(qint16 numb) const {
    return store_.GetText(kRecent, QStringLiteral("Recent%1").arg(numb), QString());
}

qint16 cRecent::GetTotalNumb(qint16 ind) const {
    qint16 n = 0;
    for (qint16 i = ind; i < ind + 5; ++i)
        n += GetRecent(i).isEmpty() ? 0 : 1;
    return n;
}

void cRecent::insert(qint16 first, const QString& x) {
    if (x.isEmpty()) return;
    for (qint16 i = first; i < first + 5; ++i)
        if (GetRecent(i) == x) return; // a listed path keeps its place
    SettingsStore::Batch batch(store_);
    for (qint16 i = first + 4; i > first; --i)
        SetRecent(i, GetRecent(static_cast<qint16>(i - 1)));
    SetRecent(first, x);
}

void cRecent::AddtoRecent1(const QString& x) { insert(1, x); }
void cRecent::AddtoRecent2(const QString& x) { insert(6, x); }

void cRecent::AddtoRecent(const QString& x) {
    const QString ending = x.right(3).toUpper();
    if (ending == QLatin1String("Q2K")) AddtoRecent1(x);
    if (ending == QLatin1String("QRL")) AddtoRecent2(x);
    UpdateRecent();
}

void cRecent::CrearRecent() {
    SettingsStore::Batch batch(store_);
    for (qint16 i = 1; i <= 10; ++i)
        SetRecent(i, QString());
    UpdateRecent();
}

void cRecent::UpdateRecent() {
    if (rebuild_) rebuild_();
}

} // namespace quadrell
