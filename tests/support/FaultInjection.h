#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quadrell::test {

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

} // namespace quadrell::test
