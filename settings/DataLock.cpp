#include "DataLock.h"

#include <QCoreApplication>
#include <QDir>
#include <csignal>

namespace quadrell {

DataLock::DataLock(const QString& dataFolder)
    : folder_(dataFolder)
    , lock_(QDir(dataFolder).filePath(QStringLiteral("quadrell.lock"))) {
    // A game may run for days: only a holder that is no longer running makes the lock stale.
    lock_.setStaleLockTime(0);
}

bool DataLock::TryLock() {
    if (lock_.tryLock(0)) return true;
    // Held only by a program that runs. A stale lock that could not be replaced (the disk is
    // full), or no lock where none can be made (a read-only folder), is held by no one. Qt
    // reads no holder where the number is no process's (0 or less).
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
    const QString folder = QDir::toNativeSeparators(folder_);
    QString line = InUseText();
    line.replace(QStringLiteral("\r\n%1\r\n").arg(folder), QStringLiteral(" %1. ").arg(folder));
    return line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

} // namespace quadrell
