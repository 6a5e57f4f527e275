#include "AppPaths.h"
#include "BoardWidget.h"
#include "FileAssociation.h"
#include "StartupProbe.h"
#include "frmMain.h"

#include <QApplication>
#include <QStandardPaths>

// quadrell2000 [GAME FILE]: the game, opening the file when one is named.
int main(int argc, char** argv) {
    quadrell::StartupProbe probe;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRELL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quadrell2000"));
    QStringList words = QApplication::arguments();
    words.removeFirst();
    const quadrell::AppPaths paths = quadrell::AppPaths::Standard();
    paths.Create();
    quadrell::frmMain window(paths, words.join(QLatin1Char(' ')), [] {
        quadrell::FileAssociation::RegisterFileTypes(QCoreApplication::applicationFilePath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    });
    if (!window.Load()) return 0;
    probe.Watch(&window.board());
    window.show();
    return QApplication::exec();
}
