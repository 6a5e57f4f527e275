#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace quadrell {

AppPaths AppPaths::Standard() {
    AppPaths paths;
    paths.configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    paths.dataFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                           .filePath(QStringLiteral("Quadrell 2000"));
    paths.cacheFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                            .filePath(QStringLiteral("Quadrell 2000"));
    return paths;
}

AppPaths AppPaths::Inside(const QString& home) {
    const QDir dir(home);
    return AppPaths { dir.filePath(QStringLiteral("config")), dir.filePath(QStringLiteral("data")),
        dir.filePath(QStringLiteral("cache")) };
}

bool AppPaths::Create(QString* why) const {
    for (const QString& folder : { configFolder, dataFolder }) {
        // An existing folder is no error. A file in its place, or a link to nothing, is said
        // as such: the system's own "File exists" reads as if the folder were there.
        const QFileInfo before(folder);
        const bool linkToNothing = before.isSymLink() && !before.exists();
        const bool fileInPlace = before.exists() && !before.isDir();
        std::error_code error; // neither a file nor a dangling link is ever made a folder
        std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
        if (!error) continue;
        if (!why) return false;
        const QString reason = linkToNothing
            ? QCoreApplication::translate("AppPaths", "A link to nothing stands in its place.")
            : fileInPlace ? QCoreApplication::translate("AppPaths", "A file stands in its place.")
                          : QString::fromLocal8Bit(error.message().c_str());
        *why = QCoreApplication::translate("AppPaths",
            "Quadrell 2000 cannot start: the folder\r\n%1\r\ncould not be made. %2\r\n"
            "Without it no game and no score could be kept.")
                   .arg(folder, reason);
        return false;
    }
    return true;
}

} // namespace quadrell
