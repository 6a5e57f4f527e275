#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace quadrell {

class SettingsStore;

// The two lists of recent games in section "Recent": finished games in slots 1..5,
// incomplete games in slots 6..10, the newest first.
class cRecent {
public:
    explicit cRecent(SettingsStore& store) : store_(store) { }

    // The main window rebuilds its two submenus when told.
    void SetMenuRebuilder(std::function<void()> rebuild) { rebuild_ = std::move(rebuild); }

    // A ".q2k" path goes to the finished list, a ".qrl" path to the incomplete one.
    void AddtoRecent(const QString& x);
    void AddtoRecent1(const QString& x);
    void AddtoRecent2(const QString& x);
    void CrearRecent();
    void UpdateRecent();
    void SetRecent(qint16 numb, const QString& recent);
    QString GetRecent(qint16 numb) const;
    // Non-empty slots among ind .. ind + 4.
    qint16 GetTotalNumb(qint16 ind) const;
    bool EnableFinish() const { return GetTotalNumb(1) >= 1; }
    bool EnableInComplete() const { return GetTotalNumb(6) >= 1; }

private:
    void insert(qint16 first, const QString& x);

    SettingsStore& store_;
    std::function<void()> rebuild_;
};

} // namespace quadrell
