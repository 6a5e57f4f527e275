#include "QtPrompter.h"
#include "Startup.h"
#include "StartupProbe.h"

#include <QApplication>

// quadrell2000 [GAME FILE]: the game, opening the file when one is named. A copy already
// running for this user takes the file instead.
int main(int argc, char** argv) {
    // Started first: the start-up benchmark counts from here.
    quadrell::StartupProbe probe;
    QApplication app(argc, argv);
    quadrell::QtPrompter prompter(nullptr);
    quadrell::Startup start(app, QApplication::arguments(), probe, prompter);
    if (const std::optional<int> ended = start.Open()) return *ended;
    return QApplication::exec();
}
