#include "AppPaths.h"

#include <QDir>
#include <QStandardPaths>

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

bool AppPaths::Create() const { return QDir().mkpath(configFolder) && QDir().mkpath(dataFolder); }

} // namespace quadrell
