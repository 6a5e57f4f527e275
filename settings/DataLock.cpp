#include "DataLock.h"

#include <QDir>

namespace quadrell {

DataLock::DataLock(const QString& dataFolder)
    : folder_(dataFolder)
    , lock_(QDir(dataFolder).filePath(QStringLiteral("quadrell.lock"))) {
    // A game may run for days: only a holder that is no longer running makes the lock stale.
    lock_.setStaleLockTime(0);
}

bool DataLock::TryLock() { return lock_.tryLock(0); }

QString DataLock::InUseText() const {
    return QStringLiteral("Another copy of Quadrell 2000 is using\r\n%1\r\nClose it first; two "
                          "copies writing the same scores and games would lose some of them.")
        .arg(QDir::toNativeSeparators(folder_));
}

} // namespace quadrell
