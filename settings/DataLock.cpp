#include "DataLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <csignal>

namespace quadrell {

DataLock::DataLock(const QString& dataFolder)
    : folder_(dataFolder)
    , lock_(QDir(dataFolder).filePath(QStringLiteral("quadrell.lock"))) {
    // A game may run for days: only a holder that is no longer running makes the lock stale.
    lock_.setStaleLockTime(0);
}

bool DataLock::TryLock() {
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError) return true;
    // A stale lock that could not be replaced (the disk is full) is held by no one either.
    // Qt reads no holder where the number is no process's (0 or less).
    qint64 pid = 0;
    QString host, app;
    return !lock_.getLockInfo(&pid, &host, &app) || ::kill(static_cast<pid_t>(pid), 0) != 0;
}

QString DataLock::InUseText() const {
    return DataLock::tr("Another copy of Quadrell 2000 is using\r\n%1\r\nClose it first; two "
                        "copies writing the same scores and games would lose some of them.")
        .arg(QDir::toNativeSeparators(folder_));
}

QString DataLock::InUseLine() const {
    // The folder ends its sentence on one line as it does on a line of its own.
    QStringList lines = InUseText().split(QStringLiteral("\r\n"));
    if (lines.size() > 2) lines[1] += QLatin1Char('.');
    return lines.join(QLatin1Char(' '));
}

} // namespace quadrell
