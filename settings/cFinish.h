#pragma once

#include <QtGlobal>

namespace quadrell {

class SettingsStore;

// The finished-game dialog's remembered choices, section "Finish".
class cFinish {
public:
    explicit cFinish(SettingsStore& store) : store_(store) { }

    qint16 FavEnable() const { return get("FavEnable", 0); }
    void SetFavEnable(qint16 value) { set("FavEnable", value); }
    qint16 SaveEnable() const { return get("SaveEnable", 0); }
    void SetSaveEnable(qint16 value) { set("SaveEnable", value); }
    qint16 LastFavIndex() const { return get("LastFavIndex", 1); }
    void SetLastFavIndex(qint16 value) { set("LastFavIndex", value); }
    qint16 LastSelectIndex() const { return get("LastSelectIndex", 1); }
    void SetLastSelectIndex(qint16 value) { set("LastSelectIndex", value); }

private:
    qint16 get(const char* key, qint16 fallback) const;
    void set(const char* key, qint16 value);

    SettingsStore& store_;
};

} // namespace quadrell
