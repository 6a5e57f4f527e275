#include "StartupProbe.h"

#include "HelpWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace quadrell {

namespace {

// A field of /proc/self/status in kB: "VmRSS:" now, "VmHWM:" the peak.
long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The process's CPU time so far, every thread's, user and system.
long long cpuMicroseconds() {
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
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
        // Report once the paint in progress has finished; quit once what waited for the
        // first paint has run too.
        QTimer::singleShot(0, [this] {
            std::printf("startup-ms: %lld\ncpu-us: %lld\nrss-kb: %ld\npeak-kb: %ld\n"
                        "help-bytes: %lld\nlanguage: %s\n",
                static_cast<long long>(clock_.elapsed()), cpuMicroseconds(), statusKb("VmRSS:"),
                statusKb("VmHWM:"), static_cast<long long>(QFile(HelpWindow::Document()).size()),
                qPrintable(language_));
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        });
    }
    return false;
}

} // namespace quadrell
