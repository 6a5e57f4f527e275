#include "AppPaths.h"
#include "BoardWidget.h"
#include "DataLock.h"
#include "FileAssociation.h"
#include "SingleInstance.h"
#include "StartupProbe.h"
#include "Translations.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

// quadrell2000 [GAME FILE]: the game, opening the file when one is named. A copy already
// running for this user takes the file instead.
int main(int argc, char** argv) {
    quadrell::StartupProbe probe;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRELL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quadrell2000"));
    probe.Language(quadrell::Translations::Install(app, QLocale::system()));
    QStringList words = QApplication::arguments();
    words.removeFirst();
    const QString named = words.join(QLatin1Char(' '));
    const quadrell::AppPaths paths = quadrell::AppPaths::Standard();
    paths.Create();

    // The running copy has another working folder: it gets the path made whole.
    const QString handed
        = named.trimmed().isEmpty() ? QString() : QDir::current().absoluteFilePath(named.trimmed());
    quadrell::SingleInstance instance(paths.dataFolder);
    if (instance.HandOver(handed)) return 0;
    quadrell::DataLock lock(paths.dataFolder);
    if (!lock.TryLock()) {
        // Another copy is starting at this moment, or holds the folder without answering.
        if (instance.HandOver(handed, 30)) return 0;
        QMessageBox::critical(nullptr, QStringLiteral("Quadrell 2000"), lock.InUseText());
        return 1;
    }

    quadrell::FileAssociation::RefreshIfMoved(QCoreApplication::applicationFilePath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    quadrell::frmMain window(paths, named, [] {
        quadrell::FileAssociation::RegisterFileTypes(QCoreApplication::applicationFilePath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    });
    // Launches while the window loads wait in the queue and are opened once it is up.
    QStringList waiting;
    bool loaded = false;
    instance.Listen([&](const QString& file) {
        if (loaded) {
            window.OpenHandedFile(file);
        } else {
            waiting << file;
        }
    });
    if (!window.Load()) return 0;
    probe.Watch(&window.board());
    window.show();
    loaded = true;
    for (const QString& file : std::as_const(waiting))
        window.OpenHandedFile(file);
    return QApplication::exec();
}
