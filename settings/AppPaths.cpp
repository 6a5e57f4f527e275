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
        std::error_code error;
        std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
        // An existing folder is no error, a file in its place is.
        if (!error && QFileInfo(folder).isDir()) continue;
        if (why)
            *why = QCoreApplication::translate("AppPaths",
                "Quadrell 2000 cannot start: the folder\r\n%1\r\ncould not be made. %2\r\n"
                "Without it no game and no score could be kept.")
                       .arg(folder,
                           error ? QString::fromLocal8Bit(error.message().c_str())
                                 : QCoreApplication::translate(
                                     "AppPaths", "A file stands in its place."));
        return false;
    }
    return true;
}

} // namespace quadrell
