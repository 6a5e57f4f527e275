#include "SocketFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace quadrell {

bool SocketFolder::Private(const QString& path) {
    struct stat info { };
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0
        && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString SocketFolder::Find() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (Private(runtime)) return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
    const QString own = QDir(cache).filePath(QStringLiteral("quadrell2000"));
    const QByteArray name = QFile::encodeName(own);
    ::mkdir(name.constData(), 0700);
    struct stat info { };
    // A folder of ours made by an older copy with wider rights is narrowed, nothing else.
    if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid())
        ::chmod(name.constData(), 0700);
    return Private(own) ? own : QString();
}

} // namespace quadrell
