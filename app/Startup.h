#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QApplication;
class QWidget;

namespace quadrell {

class DataLock;
class Prompter;
class SingleInstance;
class StartupProbe;
class frmMain;

// The program up to its event loop: the application named, styled and translated, its
// folders made, a game file handed to a copy already running, the data folder held, then
// the main window loaded and shown with the launches that came while it loaded.
class Startup final {
public:
    // How long a copy that holds the data folder is given to take the file: it may be
    // starting at this moment or be busy, and this outlasts connections that another
    // program holds open on its socket without a word.
    static constexpr int kBusyWaitMs = 7000;

    // `arguments` as the program was started with them, its own name first; `prompter`
    // says why a start ends before the window is made.
    Startup(QApplication& app, QStringList arguments, StartupProbe& probe, Prompter& prompter,
        int busyWaitMs = kBusyWaitMs);
    ~Startup();

    // The exit code when the program ends here; nothing once the window is up.
    std::optional<int> Open();
    // The window, once Open has made it.
    frmMain* Window() const { return window_.get(); }

private:
    void describe();
    void opened(const QString& file);
    // Said once, without stopping the game, when no launch can reach it.
    static void sayNoHandOver(QWidget& window);

    QApplication& app_;
    QStringList arguments_;
    StartupProbe& probe_;
    Prompter& prompter_;
    int busyWaitMs_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<DataLock> lock_;
    std::unique_ptr<frmMain> window_;
    // Launches while the window loads wait here and are opened once it is up.
    QStringList waiting_;
    bool loaded_ = false;
};

} // namespace quadrell
