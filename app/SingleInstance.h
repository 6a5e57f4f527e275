#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace quadrell {

// One running copy per user and data folder: a later launch hands its game file (or
// nothing) to the running window and leaves.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);

    // Gives `file` to a running copy; true when one took it. Tries for up to `attempts`
    // rounds, for a copy that is starting at this very moment.
    bool HandOver(const QString& file, int attempts = 1);
    // Takes hand-overs from later launches; each one reaches `opened` on this thread.
    bool Listen(std::function<void(const QString& file)> opened);

private:
    void accept();

    QString name_;
    QLocalServer server_;
    std::function<void(const QString&)> opened_;
};

} // namespace quadrell
