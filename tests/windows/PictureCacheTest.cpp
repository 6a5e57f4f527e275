#include "PictureCache.h"

#include "AfterFirstPaint.h"
#include "CardArt.h"
#include "FaultInjection.h"
#include "Icons.h"
#include "SuitShapes.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>

namespace quadrell::test {

namespace {

QImage drawn(QImage::Format format, QColor colour, double dpr) {
    QImage image(QSize(9, 7) * dpr, format);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.drawEllipse(QRectF(1, 1, 7 * dpr, 5 * dpr));
    p.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace

// The pictures kept between starts: found again exactly as drawn, and a file that is not
// whole, not of this drawing code or not a file at all is never used.
class PictureCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(QStringLiteral("cache/pictures")); }

    void keepTwo() {
        PictureCache cache(path());
        cache.Keep(QStringLiteral("place"), drawn(QImage::Format_RGB32, Qt::blue, 2));
        cache.Keep(QStringLiteral("icon"), drawn(QImage::Format_ARGB32_Premultiplied, Qt::red, 1));
        QVERIFY(cache.Save());
    }

private slots:
    // Work held back until a widget's first paint runs once, after it, and leaves nothing
    // behind watching the widget's later paints.
    void workAfterTheFirstPaintRunsOnceAndLeavesNothingBehind() {
        QWidget widget;
        const qsizetype before = widget.children().size();
        int runs = 0;
        AfterFirstPaint(&widget, [&runs] { ++runs; });
        QCOMPARE(runs, 0);
        widget.resize(40, 30);
        widget.show();
        QTRY_COMPARE(runs, 1);
        for (int i = 0; i < 3; ++i) {
            widget.repaint();
            QCoreApplication::processEvents();
        }
        QCOMPARE(runs, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(widget.children().size(), before);
    }
    void init() { QDir(dir_.path()).removeRecursively(); }

    // Each suit is the same on both sides of its middle, and fills a good share of its box:
    // a curve lost on one side shows as a difference between the two.
    void eachSuitIsItsOwnMirrorImage() {
        for (int suit = 1; suit <= 4; ++suit) {
            const QPainterPath shape = SuitPath(suit, QRectF(0, 0, 100, 100));
            int inside = 0, points = 0;
            for (double y = 1; y < 100; y += 2)
                for (double x = 1; x < 50; x += 2) {
                    ++points;
                    inside += shape.contains(QPointF(x, y)) ? 1 : 0;
                    QVERIFY2(shape.contains(QPointF(x, y)) == shape.contains(QPointF(100 - x, y)),
                        qPrintable(QStringLiteral("suit %1 at %2,%3").arg(suit).arg(x).arg(y)));
                }
            QVERIFY2(inside * 4 > points, qPrintable(QString::number(suit)));
        }
    }

    // The club is three lobes and a stem filled as one: each lobe covered, the middle where
    // they overlap too, the corners not.
    void theClubIsFilledWhereItsLobesOverlap() {
        const QPainterPath club = SuitPath(2, QRectF(0, 0, 100, 100));
        const struct {
            QPointF at;
            bool inside;
        } points[] { { { 50, 10 }, true }, { { 10, 58 }, true }, { { 75, 58 }, true },
            { { 90, 58 }, true }, { { 50, 40 }, true }, { { 50, 56 }, true }, { { 50, 95 }, true },
            { { 5, 5 }, false }, { { 95, 5 }, false }, { { 5, 95 }, false } };
        for (const auto& p : points)
            QVERIFY2(club.contains(p.at) == p.inside,
                qPrintable(QStringLiteral("%1,%2").arg(p.at.x()).arg(p.at.y())));
    }

    // Each picture is drawn for the screen's pixel ratio: the same card, place or logo on a
    // screen of another ratio is a picture of its own, never one scaled from another ratio.
    void theCardArtOfEachPixelRatioIsItsOwn() {
        CardArt art;
        for (const double scale : { 1.0, 1.5 }) {
            const std::function<QPixmap(double)> pictures[] {
                [&](double dpr) { return art.Face(17, scale, dpr); },
                [&](double dpr) { return art.Place(2, QColor(0, 96, 0), scale, dpr); },
                [&](double dpr) { return art.Logo(scale, dpr); },
            };
            for (const auto& picture : pictures) {
                const QPixmap one = picture(1.0);
                for (const double dpr : { 1.25, 2.0, 1.0 }) {
                    const QPixmap other = picture(dpr);
                    QCOMPARE(other.devicePixelRatio(), dpr);
                    QVERIFY(std::abs(other.width() - one.width() * dpr) <= 1.0);
                }
            }
        }
    }

    void aPictureIsFoundAtTheNextStartAsItWasDrawn() {
        keepTwo();
        PictureCache next(path());
        for (const auto& [key, format, colour, dpr] :
            { std::tuple { "place", QImage::Format_RGB32, QColor(Qt::blue), 2.0 },
                std::tuple {
                    "icon", QImage::Format_ARGB32_Premultiplied, QColor(Qt::red), 1.0 } }) {
            const std::optional<QImage> found = next.Find(QLatin1String(key));
            QVERIFY2(found, key);
            QCOMPARE(found->format(), format);
            QCOMPARE(found->devicePixelRatio(), dpr);
            QCOMPARE(*found, drawn(format, colour, dpr));
        }
        QVERIFY(!next.Find(QStringLiteral("logo")));
    }

    // The file holds what the last start used; a start that used only what it held writes
    // nothing, and what is kept after the save waits for a start that needs it first.
    void theFileHoldsWhatTheLastStartUsed() {
        keepTwo();
        {
            PictureCache used(path());
            QVERIFY(used.Find(QStringLiteral("icon")));
            QVERIFY(used.Save());
        }
        PictureCache next(path());
        QVERIFY(next.Find(QStringLiteral("icon")));
        QVERIFY(!next.Find(QStringLiteral("place")));
        QVERIFY(QFile::remove(path()));
        QVERIFY(next.Save());
        QVERIFY(!QFileInfo::exists(path())); // nothing new: not written
        next.Keep(QStringLiteral("later"), drawn(QImage::Format_RGB32, Qt::green, 1));
        QVERIFY(next.Save());
        QVERIFY(!QFileInfo::exists(path()));
    }

    void aDamagedOrForeignFileIsNotUsedAndIsWrittenAgain_data() {
        QTest::addColumn<int>("cut");         // bytes cut off the end
        QTest::addColumn<int>("flipAt");      // a byte changed, counted from the end; -1 none
        QTest::addColumn<QByteArray>("head"); // the first line replaced by this, if any
        QTest::newRow("cut short") << 1 << -1 << QByteArray();
        QTest::newRow("half gone") << 600 << -1 << QByteArray();
        QTest::newRow("a pixel changed") << 0 << 300 << QByteArray();
        QTest::newRow("its sum changed") << 0 << 3 << QByteArray();
        QTest::newRow("other drawing code")
            << 0 << -1 << QByteArray("Quadrell 2000 pictures 0000000000000000 6.4.2\n");
        QTest::newRow("another program's") << 0 << -1 << QByteArray("P6\n9 7\n255\n");
        QTest::newRow("empty") << -2 << -1 << QByteArray();
    }
    void aDamagedOrForeignFileIsNotUsedAndIsWrittenAgain() {
        QFETCH(int, cut);
        QFETCH(int, flipAt);
        QFETCH(QByteArray, head);
        keepTwo();
        QByteArray bytes = contentOf(path());
        if (cut == -2) bytes.clear();
        if (cut > 0) bytes.chop(cut);
        if (flipAt >= 0)
            bytes[bytes.size() - 1 - flipAt] = char(bytes[bytes.size() - 1 - flipAt] ^ 0x20);
        if (!head.isEmpty()) bytes.replace(0, bytes.indexOf('\n') + 1, head);
        QVERIFY(writeContent(path(), bytes));
        PictureCache damaged(path());
        QVERIFY(!damaged.Find(QStringLiteral("place")));
        QVERIFY(!damaged.Find(QStringLiteral("icon")));
        damaged.Keep(
            QStringLiteral("icon"), drawn(QImage::Format_ARGB32_Premultiplied, Qt::red, 1));
        QVERIFY(damaged.Save());
        QVERIFY(PictureCache(path()).Find(QStringLiteral("icon")));
    }

    // An icon copied from the cache is the one drawn, in each of its modes, sizes and scales.
    void anIconFromTheCacheIsTheOneDrawn() {
        const auto shown = [](const QIcon& icon, int size, QIcon::Mode mode, double scale) {
            return icon.pixmap(QSize(size, size), scale, mode).toImage();
        };
        const auto each = [&](const QIcon& icon) {
            QList<QImage> all;
            for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled, QIcon::Active })
                for (const int size : { 16, 24 })
                    for (const double scale : { 1.0, 2.0 })
                        all.append(shown(icon, size, mode, scale));
            return all;
        };
        const QList<QImage> drawn = each(Icons::Of(Icons::Glyph::Undo));
        {
            auto cache = std::make_shared<PictureCache>(path());
            QCOMPARE(each(Icons::Of(Icons::Glyph::Undo, cache)), drawn);
            QVERIFY(cache->Save());
        }
        auto cache = std::make_shared<PictureCache>(path());
        QCOMPARE(each(Icons::Of(Icons::Glyph::Undo, cache)), drawn);
        QVERIFY(drawn[0] != shown(Icons::Of(Icons::Glyph::Redo, cache), 16, QIcon::Normal, 1));
    }

    // A pipe or a folder where the file should be: the start neither waits nor writes there.
    void aPipeOrAFolderInItsPlaceIsLeftAlone_data() {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("pipe") << true;
        QTest::newRow("folder") << false;
    }
    void aPipeOrAFolderInItsPlaceIsLeftAlone() {
        QFETCH(bool, pipe);
        QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
        QVERIFY(pipe ? makeFifo(path()) : QDir().mkpath(path()));
        PictureCache cache(path());
        QVERIFY(!cache.Find(QStringLiteral("icon")));
        cache.Keep(QStringLiteral("icon"), drawn(QImage::Format_ARGB32_Premultiplied, Qt::red, 1));
        QVERIFY(!cache.Save());
        const QFileInfo still(path());
        QVERIFY(pipe ? !still.isFile() && still.exists() && !still.isDir() : still.isDir());
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::PictureCacheTest)
#include "PictureCacheTest.moc"
