#include "Startup.h"

#include "AfterFirstPaint.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "BoardWidget.h"
#include "DataLock.h"
#include "FileAssociation.h"
#include "Prompter.h"
#include "QtPrompter.h"
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

namespace quadrell {

Startup::Startup(QApplication& app, QStringList arguments, StartupProbe& probe, Prompter& prompter,
    int busyWaitMs)
    : app_(app)
    , arguments_(std::move(arguments))
    , probe_(probe)
    , prompter_(prompter)
    , busyWaitMs_(busyWaitMs) { }

// The window goes first, while the folder is still held for what it writes as it closes.
Startup::~Startup() = default;

void Startup::describe() {
    // Whatever style the desktop or -style chose, by name: the proxy owns its own copy.
    QApplication::setStyle(new AppStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QStringLiteral("Quadrell 2000"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRELL_VERSION));
    probe_.Language(Translations::Install(app_, QLocale::system()));
}

std::optional<int> Startup::Open() {
    // A file that grows past the user's limit fails its write, which is reported, instead of
    // ending the program with the game unsaved.
    SafeFile::IgnoreFileSizeSignal();
    describe();
    const QString named = arguments_.mid(1).join(QLatin1Char(' '));
    const AppPaths paths = AppPaths::Standard();
    const auto stop = [this](const QString& why) {
        prompter_.Message(why.toStdString(), MessageIcon::Stop, kAppTitle);
        return 1;
    };
    // Said first and alone: every later failure to keep a file would only follow from it.
    if (QString why; !paths.Create(&why)) return stop(why);

    // The running copy has another working folder: it gets the path made whole.
    const QString handed
        = named.trimmed().isEmpty() ? QString() : QDir::current().absoluteFilePath(named.trimmed());
    instance_ = std::make_unique<SingleInstance>(paths.dataFolder, SocketFolder::Find());
    if (instance_->HandOver(handed)) return 0;
    lock_ = std::make_unique<DataLock>(paths.dataFolder);
    if (!lock_->TryLock()) {
        if (instance_->HandOver(handed, busyWaitMs_)) return 0;
        // The file is never opened here too: two copies would write the same scores.
        return stop(handed.isEmpty() ? lock_->InUseText() : SingleInstance::NotTakenText(handed));
    }

    // Checked at every start: a registration made while a tool was missing, or for a
    // program since moved or installed, is put right.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    system.removeAll(home);
    // Before the window is made: Wayland takes the name with it.
    QApplication::setDesktopFileName(FileAssociation::EntryName(system));
    // Checked once the window is first painted (below): the first run need not do it again.
    window_ = std::make_unique<frmMain>(paths, named);
    const bool listening = instance_->Listen([this](const QString& file) { opened(file); });
    if (!window_->Load()) return 0;
    AfterFirstPaint(&window_->board(), [home, system] {
        FileAssociation::Check(QCoreApplication::applicationFilePath(), home, system);
    });
    // Handed over last, so run first: the probe takes its figures before the other work that
    // waits for the first paint, and quits after it.
    probe_.Watch(&window_->board());
    window_->show();
    if (!listening) sayNoHandOver(*window_);
    loaded_ = true;
    for (const QString& file : std::as_const(waiting_))
        window_->OpenHandedFile(file);
    return std::nullopt;
}

void Startup::opened(const QString& file) {
    if (loaded_) {
        window_->OpenHandedFile(file);
    } else {
        waiting_ << file;
    }
}

// The game plays as ever, only a file opened from the desktop cannot reach it and starts a
// copy that finds the folder in use.
void Startup::sayNoHandOver(QWidget& window) {
    const QString text = SingleInstance::tr(
        "No private folder for the hand-over socket could be made (XDG_RUNTIME_DIR is not "
        "set and the cache folder cannot be used).\r\nThe game plays as usual, but game "
        "files opened from the desktop cannot be handed to it while it runs.");
    QtPrompter::Log(text);
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Quadrell 2000"), text, QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace quadrell
