#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

namespace quadrell {

// One writer at a time on a data folder: the score file, the kept game and the saved games
// would be corrupted by two programs writing them at once. The lock goes with the process,
// so a killed program never leaves the folder locked.
class DataLock {
    Q_DECLARE_TR_FUNCTIONS(DataLock)

public:
    explicit DataLock(const QString& dataFolder);

    // False when another running program holds the folder. A folder where no lock file can
    // be made (a full disk, no write permission) is not held by anyone: true, and the
    // program goes on to report each write that fails.
    bool TryLock();
    QString Folder() const { return folder_; }
    // The message for a folder that is in use.
    QString InUseText() const;
    // The same on one line, for a terminal.
    QString InUseLine() const;

private:
    QString folder_;
    QLockFile lock_;
};

} // namespace quadrell
