#include "ClockFace.h"

#include "PictureCache.h"

#include <QTemporaryDir>
#include <QtTest>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// The clock: its digits copied from a kept strip are those it draws, and whatever the time,
// it shows all of it and says it as text. (How it looks is the pictures' record's.)
class ClockFaceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(u"pictures"_s); }

private slots:
    void theDigitsOfTheNextStartAreThoseDrawn() {
        const auto start = [this] { // a clock at 12:34:56: its strip, its picture, its cache
            auto pictures = std::make_shared<PictureCache>(path());
            ClockFace clock(pictures);
            clock.ShowSeconds(3600 * 12 + 34 * 60 + 56);
            clock.resize(clock.sizeHint());
            const auto shown = std::pair { clock.Strip().toImage(), clock.grab().toImage() };
            const bool saved = pictures->Save();
            QFile file(path());
            return std::tuple { shown, saved && file.open(QIODevice::ReadOnly), file.readAll() };
        };
        const auto [drawn, saved, written] = start();
        QVERIFY(saved && !written.isEmpty());
        // Copied, not drawn again: the same pictures, and the file is left as it was.
        QCOMPARE(start(), std::tuple(drawn, true, written));
    }

    // The digits are drawn for each screen's pixel ratio, at the same size in points.
    void theDigitsAreDrawnForEachPixelRatio() {
        ClockFace clock(nullptr);
        const QPixmap one = clock.DrawStrip(1.0);
        for (const double dpr : { 1.25, 2.0 }) {
            const QPixmap other = clock.DrawStrip(dpr);
            QCOMPARE(other.devicePixelRatio(), dpr);
            QVERIFY(std::abs(other.width() - one.width() * dpr) <= 11); // a pixel a cell
        }
    }

    // A larger font makes larger digits at once, and the box grows with them; back to the
    // first font, back to the first size.
    void theDigitsFollowTheFont() {
        ClockFace clock(nullptr);
        const QSize first = clock.sizeHint();
        QFont big = clock.font();
        big.setPointSizeF(big.pointSizeF() * 2);
        clock.setFont(big);
        QVERIFY(clock.sizeHint().width() > first.width() * 3 / 2);
        QVERIFY(clock.sizeHint().height() > first.height() * 3 / 2);
        // Drawn in that font: the digits stand over half their cell's height.
        const QImage strip = clock.Strip().toImage();
        int inked = 0;
        for (int y = 0; y < strip.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < strip.width() && !ink; ++x)
                ink = strip.pixel(x, y) != strip.pixel(0, 0);
            inked += ink;
        }
        QVERIFY2(
            inked > strip.height() / 2, qPrintable(u"%1 of %2"_s.arg(inked).arg(strip.height())));
        clock.setFont(QFont());
        QCOMPARE(clock.sizeHint(), first);
    }

    // Rows: the time, its text, and whether the box must grow past its usual width.
    void everyTimeIsShownWhole() {
        ClockFace clock(nullptr);
        const int usual = clock.sizeHint().width();
        QImage last;
        for (const auto& [seconds, text, wider] :
            { std::tuple { 0LL, "0:00:00 ", false }, std::tuple { 59LL, "0:00:59 ", false },
                std::tuple { 3600LL * 10, "10:00:00 ", false },
                std::tuple { 3600LL * 100 + 1, "100:00:01 ", true },
                std::tuple { 3600LL * 12345, "12345:00:00 ", true } }) {
            clock.ShowSeconds(seconds);
            QCOMPARE(clock.text(), QLatin1String(text));
            QCOMPARE(clock.sizeHint().width() > usual, wider);
            clock.resize(clock.sizeHint());
            const QImage image = clock.grab().toImage();
            QVERIFY(image != last);
            last = image;
            // The first digit is painted, right-aligned: the leftmost column with ink inside
            // the box lies in the text's first cell.
            const QRect inside = clock.contentsRect();
            const QRgb background = image.pixel(inside.right(), inside.center().y());
            const auto inked = [&](int x) {
                for (int y = inside.top(); y <= inside.bottom(); ++y)
                    if (image.pixel(x, y) != background) return true;
                return false;
            };
            int leftmost = inside.left();
            while (leftmost <= inside.right() && !inked(leftmost))
                ++leftmost;
            const int cell = clock.Strip().width() / 11;
            const int start = inside.right() + 1 - int(qstrlen(text)) * cell;
            QVERIFY2(leftmost >= start && leftmost < start + cell, text);
        }
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::ClockFaceTest)
#include "ClockFaceTest.moc"
