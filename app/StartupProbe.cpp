#include "StartupProbe.h"

#include "HelpWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace quadrell {

namespace {

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

StartupProbe::StartupProbe() : enabled_(qEnvironmentVariableIsSet("QUADRELL_STARTUP_PROBE")) {
    clock_.start();
}

void StartupProbe::Watch(QWidget* board) {
    if (enabled_) board->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Report once the paint in progress has finished.
        QTimer::singleShot(0, [this] {
            std::printf("startup-ms: %lld\nrss-kb: %ld\nhelp-bytes: %lld\nlanguage: %s\n",
                static_cast<long long>(clock_.elapsed()), residentKb(),
                static_cast<long long>(QFile(HelpWindow::Document()).size()),
                qPrintable(language_));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return false;
}

} // namespace quadrell
