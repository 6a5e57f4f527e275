#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace quadrell {

// One running copy per user and data folder: a later launch hands its game file (or
// nothing) to the running window and leaves. The socket lives in a folder of the user's
// own and both ends check that the other is this user, so no one else can take the name,
// stop the game from starting or learn which files it opens. Plain Unix sockets: a network
// library and the eight it loads would cost every start more than all of this.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    // A path of the longest the connection is allowed to send; longer lines are dropped.
    static constexpr qint64 kLineCap = 16 * 1024;
    // Connections served at once; more are closed as they come.
    static constexpr int kOpenCap = 16;
    // A connection that has not sent its line by then is closed.
    static constexpr int kLineTimeoutMs = 5000;

    // `socketFolder` from SocketFolder::Find; empty when there is none.
    SingleInstance(
        const QString& dataFolder, const QString& socketFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Gives `file` to a running copy; true when one took it. Tries again for `waitMs`, for
    // a copy that is starting at this very moment or whose socket is crowded.
    bool HandOver(const QString& file, int waitMs = 0);
    // Takes hand-overs from later launches; each one reaches `opened` on this thread, and a
    // launch that has not sent its line within `lineTimeoutMs` is closed. False when no
    // socket could be made: files opened from the desktop then start copies that find the
    // data folder in use.
    bool Listen(
        std::function<void(const QString& file)> opened, int lineTimeoutMs = kLineTimeoutMs);
    QString SocketPath() const { return path_; }
    // Said when a copy runs but did not take `file` (busy, stopped, its socket flooded).
    static QString NotTakenText(const QString& file);

private:
    class Connection;
    void accept();
    bool handOverOnce(const QByteArray& line) const;

    QString path_;
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> incoming_;
    std::function<void(const QString&)> opened_;
    int lineTimeoutMs_ = kLineTimeoutMs;
};

} // namespace quadrell
