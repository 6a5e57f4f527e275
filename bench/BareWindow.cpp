// The anchor of the start-up benchmark: a bare Qt main window with a menu, a status bar and
// a 643x407 centre. Once its centre is first painted it says its CPU time and peak memory and
// quits, as the game does under QUADRELL_STARTUP_PROBE. What the game costs beyond it is the
// game's own.
#include "Rss.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

class Centre final : public QWidget {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [] {
                rusage usage {};
                getrusage(RUSAGE_SELF, &usage);
                const auto us = [](const timeval& t) { return t.tv_sec * 1000000LL + t.tv_usec; };
                std::printf("cpu-us: %lld\npeak-kb: %ld\n", us(usage.ru_utime) + us(usage.ru_stime),
                    std::lround(quadrell::Rss::Peak() * 1024));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QWidget::event(event);
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : { "&Game", "&Edit", "&View", "&Replay", "&Favorites", "G&o", "&Help" })
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* centre = new Centre;
    centre->setFixedSize(643, 407);
    window.setCentralWidget(centre);
    window.show();
    return app.exec();
}
