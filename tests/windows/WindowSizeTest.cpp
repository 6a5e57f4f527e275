#include "AppPaths.h"
#include "BoardWidget.h"
#include "OpenWindow.h"
#include "frmMain.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// The main window's size and state from start to start, on the screen CTest gives the test
// (a small, a large and a very large one, and a large one at twice the scale).
class WindowSizeTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AppPaths paths_;
    int run_ = 0;

    std::unique_ptr<frmMain> open() { return OpenWindow(paths_); }
    static QRect freeArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void init() {
        paths_ = AppPaths::Inside(dir_.filePath(u"run%1"_s.arg(++run_)));
        paths_.Create();
    }

    // A fresh start takes the share of the screen the window took of the 800 by 600 screens
    // it was made for, in the middle of the free area.
    void theFirstWindowTakesItsShareOfTheScreen() {
        const struct {
            QSize screen, window;
        } rows[] { { { 800, 600 }, { 643, 437 } }, { { 1600, 1200 }, { 1286, 874 } },
            { { 3840, 2160 }, { 3086, 1573 } } };
        const auto row = std::find_if(std::begin(rows), std::end(rows),
            [](const auto& r) { return r.screen == freeArea().size(); });
        if (row == std::end(rows)) QSKIP("a screen this test has no figures for");
        auto w = open();
        QVERIFY(w);
        QCOMPARE(w->size(), row->window);
        const QPoint off = w->geometry().center() - freeArea().center();
        QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 32,
            qPrintable(u"%1,%2 off the middle"_s.arg(off.x()).arg(off.y())));
        // The board fills the window's width.
        QVERIFY(w->board().width() >= w->width() - 2);
    }

    // Closed maximised, it comes back maximised, start after start, holding the place and
    // size it had before it was maximised (where it goes when made normal again).
    void aMaximisedWindowComesBackMaximised() {
        QRect normal;
        {
            auto w = open();
            w->setGeometry(QRect(freeArea().topLeft() + QPoint(40, 60), freeArea().size() / 2));
            QTRY_COMPARE(w->size(), freeArea().size() / 2);
            normal = w->geometry();
            w->showMaximized();
            QTRY_VERIFY(w->isMaximized());
            QTRY_VERIFY(w->width() > normal.width()); // the platform has made it so
            w->close();
        }
        for (int start = 0; start < 2; ++start) {
            auto w = open();
            QTRY_VERIFY(w->isMaximized());
            w->close();
            // Kept in twips: where a window manager puts it back when it is made normal.
            const auto kept = w->session().save.WindowGeometry({ 0, 0, 0, 0 });
            QCOMPARE(QRectF(kept.left, kept.top, kept.width, kept.height),
                QRectF(QRect(normal.topLeft() * 15, normal.size() * 15)));
        }
    }

    // A kept size exactly the window's least comes back as it was; a pixel less is no size
    // the window can have, and the first size is taken instead.
    void aKeptSizeAtTheLeastIsKeptAndBelowItIsNot() {
        QSize least, first;
        {
            auto w = open();
            least = w->minimumSize();
            first = w->size();
        }
        QVERIFY(least.width() > 0 && least.height() > 0 && least != first);
        for (const auto& [kept, expected] :
            { std::pair { least, least }, std::pair { least - QSize(1, 1), first } }) {
            {
                auto w = open();
                w->session().save.SetWindowSize(
                    float(kept.width()) * 15, float(kept.height()) * 15);
                w->close();
            }
            auto w = open();
            QTRY_COMPARE(w->size(), expected);
        }
    }

    // A size kept on a larger screen (or at a smaller scale) is fitted to this one and stays
    // kept for the next start on the larger one.
    void aKeptSizeLargerThanTheScreenIsFittedNotForgotten() {
        const float wide = float(freeArea().width() + 500) * 15;
        const float tall = float(freeArea().height() + 400) * 15;
        {
            auto w = open();
            w->session().save.SetWindowSize(wide, tall);
            w->close();
        }
        auto w = open();
        QTRY_VERIFY(w->isVisible());
        QVERIFY2(freeArea().contains(w->frameGeometry()),
            qPrintable(u"%1,%2 %3x%4"_s.arg(w->frameGeometry().x())
                           .arg(w->frameGeometry().y())
                           .arg(w->frameGeometry().width())
                           .arg(w->frameGeometry().height())));
        QVERIFY(w->width() > freeArea().width() * 9 / 10);
        w->close(); // a size waiting to be kept would be written now
        const auto kept = w->session().save.WindowGeometry({ 0, 0, 0, 0 });
        QCOMPARE(kept.width, wide);
        QCOMPARE(kept.height, tall);
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::WindowSizeTest)
#include "WindowSizeTest.moc"
