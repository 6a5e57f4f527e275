#pragma once

#include <QByteArray>
#include <QFile>

namespace quadrell {

// Memory of this process as the kernel counts it, in MB: what a benchmark adds is the peak
// after its work less the resident size before it.
class Rss {
public:
    // Starts a new peak at today's resident size (Linux: 5 in clear_refs resets VmHWM).
    static double ResetPeak() {
        QFile refs(QStringLiteral("/proc/self/clear_refs"));
        if (refs.open(QIODevice::WriteOnly)) refs.write("5");
        return field("VmRSS:");
    }
    static double Peak() { return field("VmHWM:"); }

private:
    static double field(const char* name) {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) return 0;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(name))
                return line.mid(qstrlen(name)).trimmed().split(' ')[0].toDouble() / 1024.0;
        return 0;
    }
};

} // namespace quadrell
