#include "DataLock.h"
#include "Driver.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <iostream>

// quadrell-cli [--home DIR]: plays the game from standard input without a window.
int main(int argc, char** argv) {
    quadrell::SafeFile::IgnoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
    const QStringList args = QCoreApplication::arguments();
    quadrell::AppPaths paths = quadrell::AppPaths::Standard();
    if (args.size() == 3 && args.at(1) == QLatin1String("--home")) {
        paths = quadrell::AppPaths::Inside(args.at(2));
    } else if (args.size() != 1) {
        std::cerr << "usage: quadrell-cli [--home DIR]\n";
        return 2;
    }
    if (QString why; !paths.Create(&why)) {
        std::cerr << "quadrell-cli: "
                  << why.replace(QStringLiteral("\r\n"), QStringLiteral(" / ")).toStdString()
                  << '\n';
        return 1;
    }
    // The window program or another driver on the same folder would corrupt what we write.
    quadrell::DataLock lock(paths.dataFolder);
    if (!lock.TryLock()) {
        std::cerr << "quadrell-cli: " << lock.InUseLine().toStdString() << '\n';
        return 1;
    }
    quadrell::Driver driver(paths, std::cout);
    return driver.Run(std::cin);
}
