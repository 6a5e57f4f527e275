#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace quadrell {

namespace {

QString notRegular(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return SafeFile::tr("It is a folder, not a file.");
    if (S_ISFIFO(info.st_mode)) return SafeFile::tr("It is a pipe, not a file.");
    return SafeFile::tr("It is a device or a special file, not a file.");
}

QString systemError(int error = errno) { return QString::fromLocal8Bit(std::strerror(error)); }

QString tooLarge() { return SafeFile::tr("It is too large for this kind of file."); }

// Why what a stat describes is no regular file within `cap`, or nothing when it is one.
QString notRegularWithin(const struct stat& info, qint64 cap) {
    if (!S_ISREG(info.st_mode)) return notRegular(info);
    return info.st_size > cap ? tooLarge() : QString();
}

// The same for an open file, whose stat is left in `info`.
QString notRegularWithin(int fd, qint64 cap, struct stat& info) {
    return ::fstat(fd, &info) != 0 ? systemError() : notRegularWithin(info, cap);
}

} // namespace

void SafeFile::IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

QString SafeFile::CheckReplaceable(const QString& path, qint64 cap) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (::lstat(name.constData(), &info) != 0) return QString();
    if (S_ISLNK(info.st_mode) && ::stat(name.constData(), &info) != 0)
        return SafeFile::tr("It is a link to nothing.");
    return notRegularWithin(info, cap);
}

QString SafeFile::CheckRegular(const QString& path, qint64 cap) {
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? SafeFile::tr("The file does not exist.") : systemError();
    return notRegularWithin(info, cap);
}

FileRead SafeFile::Read(const QString& path, qint64 cap) {
    QByteArray bytes;
    FileRead result = ReadParts(path, cap, [&bytes](QByteArrayView part) { bytes += part; });
    if (result.ok) result.bytes = std::move(bytes);
    return result;
}

FileRead SafeFile::ReadParts(
    const QString& path, qint64 cap, const std::function<void(QByteArrayView)>& take) {
    FileRead result;
    // Non-blocking, so a FIFO put in the file's place between a check and the open cannot hang.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.missing = errno == ENOENT;
        result.error = result.missing ? SafeFile::tr("The file does not exist.") : systemError();
        return result;
    }
    struct stat info { };
    result.error = notRegularWithin(fd, cap, info);
    if (result.error.isEmpty()) {
        // A file that shrinks or grows while read gives what it held, up to its size then.
        // No larger than the file, and not zeroed first: what is read at every start should
        // not touch more memory than it holds.
        const auto size = static_cast<std::size_t>(std::clamp<qint64>(info.st_size, 1, 1 << 20));
        const auto buffer = std::make_unique_for_overwrite<char[]>(size);
        qint64 left = info.st_size;
        result.ok = true;
        while (left > 0) {
            const ssize_t n
                = TEMP_FAILURE_RETRY(::read(fd, buffer.get(), std::min<size_t>(size, left)));
            if (n < 0) {
                result.ok = false;
                result.error = systemError();
            }
            if (n <= 0) break;
            take(QByteArrayView(buffer.get(), n));
            left -= n;
        }
    }
    ::close(fd);
    return result;
}

QString SafeFile::OpenInPlace(QFile& file, const QString& path, qint64 cap) {
    const int fd = ::open(
        QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return systemError();
    struct stat info { };
    QString why = notRegularWithin(fd, cap, info);
    if (why.isEmpty()) {
        if (file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) return QString();
        why = file.errorString();
    }
    ::close(fd);
    return why;
}

bool SafeFile::Write(const QString& path, const QByteArray& bytes, QString* error) {
    bool given = false;
    return WriteParts(
               path,
               [&](QByteArray& part) {
                   part = given ? QByteArray() : bytes;
                   given = true;
                   return true;
               },
               error)
        == Written::Whole;
}

SafeFile::Written SafeFile::WriteParts(const QString& path,
    const std::function<bool(QByteArray&)>& next, QString* error,
    const std::function<bool(QIODevice&)>& last) {
    if (const QString why = CheckReplaceable(path, std::numeric_limits<qint64>::max());
        !why.isEmpty()) {
        if (error) *error = why;
        return Written::Failed;
    }
    // Not committed, the file discards its temporary as it goes: a stop or a failure leaves the
    // old file as it was and nothing beside it.
    QSaveFile file(path);
    // Unbuffered, so a write fails where the system refuses it. Qt gives a write cut short
    // (a disk that fills, a file-size limit) no reason, so the system's is kept here.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    int refused = 0;
    qint64 size = 0;
    QByteArray part;
    while (ok) {
        part.clear();
        if (!next(part)) return Written::Stopped;
        if (part.isEmpty()) break;
        errno = 0;
        ok = file.write(part) == part.size();
        if (!ok) refused = errno;
        size += part.size();
    }
    // The final flush is checked here: a commit after a failed flush would replace the old
    // file with a truncated one.
    ok = ok && (!last || last(file));
    ok = ok && file.flush() && file.error() == QFileDevice::NoError && file.commit();
    if (ok && QFileInfo(path).size() == size) return Written::Whole;
    if (error) {
        // The system's reason where it gave one, Qt's where only Qt knows it; a failure with
        // neither (the last touch refused) is said plainly, never as "Unknown error".
        const bool qtKnows = file.error() != QFileDevice::NoError;
        *error = !ok && refused && !qtKnows ? systemError(refused)
            : !ok && qtKnows                ? file.errorString()
                                            : SafeFile::tr("The file was not written in full.");
    }
    return Written::Failed;
}

bool SafeFile::RemoveTree(const QString& path, const QString& root) {
    const QString inside = QDir::cleanPath(QFileInfo(root).absoluteFilePath()) + QLatin1Char('/');
    const QFileInfo folder(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (!folder.absoluteFilePath().startsWith(inside)) return false;
    if (folder.isSymLink()) return QFile::remove(folder.absoluteFilePath());
    // Qt removes links found inside as links and does not walk into them.
    return QDir(folder.absoluteFilePath()).removeRecursively();
}

} // namespace quadrell
