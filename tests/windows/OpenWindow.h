#pragma once

#include "frmMain.h"

#include <QDateTime>
#include <memory>

namespace quadrell::test {

// The moment every window test runs at: nothing a test checks follows the machine's clock.
inline QDateTime TestNow() { return QDateTime(QDate(2026, 12, 10), QTime(12, 0)); }

// The main window on `paths`, loaded and shown as a start leaves it; null when the start
// ends at the unfinished game's question.
inline std::unique_ptr<frmMain> OpenWindow(const AppPaths& paths, const QString& commandLine = {},
    Lifecycle::Registrar registrar = {}, Clock clock = TestNow) {
    auto window
        = std::make_unique<frmMain>(paths, commandLine, std::move(registrar), std::move(clock));
    if (!window->Load()) return nullptr;
    window->show();
    return window;
}

} // namespace quadrell::test
