#include "AfterFirstPaint.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "BoardWidget.h"
#include "DataLock.h"
#include "FileAssociation.h"
#include "SafeFile.h"
#include "SingleInstance.h"
#include "SocketFolder.h"
#include "StartupProbe.h"
#include "Translations.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

namespace {

// Said once, without stopping the game: it plays as ever, only a file opened from the
// desktop cannot reach it and starts a copy that finds the folder in use.
void sayNoHandOver(QWidget& window) {
    const QString text = quadrell::SingleInstance::tr(
        "No private folder for the hand-over socket could be made (XDG_RUNTIME_DIR is not "
        "set and the cache folder cannot be used).\r\nThe game plays as usual, but game "
        "files opened from the desktop cannot be handed to it while it runs.");
    // Logged as every message is.
    std::fprintf(stderr, "quadrell2000: %s\n",
        QString(text)
            .replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
            .toLocal8Bit()
            .constData());
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Quadrell 2000"), text, QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// Said before the window is made, the program then ends; logged as every message is.
void stop(const QString& text) {
    std::fprintf(stderr, "quadrell2000: %s\n",
        QString(text)
            .replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
            .toLocal8Bit()
            .constData());
    QMessageBox::critical(nullptr, QStringLiteral("Quadrell 2000"), text);
}

} // namespace

// quadrell2000 [GAME FILE]: the game, opening the file when one is named. A copy already
// running for this user takes the file instead.
int main(int argc, char** argv) {
    quadrell::SafeFile::IgnoreFileSizeSignal();
    quadrell::StartupProbe probe;
    QApplication app(argc, argv);
    // Whatever style the desktop or -style chose, by name: the proxy owns its own copy.
    QApplication::setStyle(new quadrell::AppStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRELL_VERSION));
    probe.Language(quadrell::Translations::Install(app, QLocale::system()));
    QStringList words = QApplication::arguments();
    words.removeFirst();
    const QString named = words.join(QLatin1Char(' '));
    const quadrell::AppPaths paths = quadrell::AppPaths::Standard();
    // Said first and alone: every later failure to keep a file would only follow from it.
    if (QString why; !paths.Create(&why)) {
        stop(why);
        return 1;
    }

    // The running copy has another working folder: it gets the path made whole.
    const QString handed
        = named.trimmed().isEmpty() ? QString() : QDir::current().absoluteFilePath(named.trimmed());
    quadrell::SingleInstance instance(paths.dataFolder, quadrell::SocketFolder::Find());
    if (instance.HandOver(handed)) return 0;
    quadrell::DataLock lock(paths.dataFolder);
    if (!lock.TryLock()) {
        // Another copy is starting at this moment, or is busy: long enough to outlast
        // connections that another program holds open on its socket without a word.
        if (instance.HandOver(handed, 7000)) return 0;
        // The file is never opened here too: two copies would write the same scores.
        stop(handed.isEmpty() ? lock.InUseText() : quadrell::SingleInstance::NotTakenText(handed));
        return 1;
    }

    // Checked at every start: a registration made while a tool was missing, or for a
    // program since moved or installed, is put right.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    system.removeAll(home);
    // Before the window is made: Wayland takes the name with it.
    QApplication::setDesktopFileName(quadrell::FileAssociation::EntryName(system));
    // Checked once the window is first painted (below): the first run need not do it again.
    quadrell::frmMain window(paths, named, {});
    // Launches while the window loads wait in the queue and are opened once it is up.
    QStringList waiting;
    bool loaded = false;
    const bool listening = instance.Listen([&](const QString& file) {
        if (loaded) {
            window.OpenHandedFile(file);
        } else {
            waiting << file;
        }
    });
    if (!window.Load()) return 0;
    quadrell::AfterFirstPaint(&window.board(), [&] {
        quadrell::FileAssociation::Check(QCoreApplication::applicationFilePath(), home, system);
    });
    // Handed over last, so run first: the probe takes its figures before the other work that
    // waits for the first paint, and quits after it.
    probe.Watch(&window.board());
    window.show();
    if (!listening) sayNoHandOver(window);
    loaded = true;
    for (const QString& file : std::as_const(waiting))
        window.OpenHandedFile(file);
    return QApplication::exec();
}
