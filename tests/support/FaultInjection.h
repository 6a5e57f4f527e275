#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// A disk that fills up: while it lives, no file of this process may grow past `bytes`, and
// a write beyond that fails (EFBIG), as it does in the programs, which ignore SIGXFSZ from
// their start the same way. Works for root too, where a read-only folder would not stop a
// write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        SafeFile::IgnoreFileSizeSignal();
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_ {};
};

inline QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeContent(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A pipe that notes whether anyone opened it to read while it lived, for a test whose program
// should never open it at all (a check on a non-blocking open would be noted too). A reader
// would wait for a writer for ever: this one is let through at once (it reads an empty
// pipe), so a program that wrongly reads the pipe fails its test at once instead of hanging.
class WatchedFifo {
public:
    explicit WatchedFifo(const QString& path) : name_(QFile::encodeName(path)) {
        made_ = ::mkfifo(name_.constData(), 0600) == 0;
        watch_ = std::thread([this] {
            while (!done_) {
                // Opening to write without waiting succeeds only while someone reads.
                const int fd = ::open(name_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    opened_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~WatchedFifo() {
        done_ = true;
        watch_.join();
    }
    WatchedFifo(const WatchedFifo&) = delete;
    WatchedFifo& operator=(const WatchedFifo&) = delete;
    bool Made() const { return made_; }
    bool OpenedToRead() const { return opened_; }

private:
    QByteArray name_;
    bool made_ = false;
    std::atomic<bool> done_ { false };
    std::atomic<bool> opened_ { false };
    std::thread watch_;
};

// A character device to point links at: as root a null device of the test's own in `folder`
// (a program that wrongly wrote through the link would replace the system's /dev/null),
// otherwise /dev/null, which no one else may replace.
inline QString deviceNode(const QString& folder) {
    const QString node = folder + u"/null-device"_s;
    const QByteArray name = QFile::encodeName(node);
    struct stat info { };
    if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
        || (::lstat(name.constData(), &info) == 0 && S_ISCHR(info.st_mode)))
        return node;
    return u"/dev/null"_s;
}

} // namespace quadrell::test
