#include "PictureCache.h"

#include "AfterFirstPaint.h"
#include "CardArt.h"
#include "ChartsView.h"
#include "ClockFace.h"
#include "FaultInjection.h"
#include "Icons.h"
#include "ReviewChart.h"
#include "ScopedLanguage.h"
#include "ScoreFile.h"
#include "SuitShapes.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>

namespace quadrell::test {

using namespace Qt::StringLiterals;

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
    QString path() const { return dir_.filePath(u"cache/pictures"_s); }

    void keepTwo() {
        PictureCache cache(path());
        cache.Keep(u"place"_s, drawn(QImage::Format_RGB32, Qt::blue, 2));
        cache.Keep(u"icon"_s, drawn(QImage::Format_ARGB32_Premultiplied, Qt::red, 1));
        QVERIFY(cache.Save());
    }

private slots:
    // Every picture the program draws for itself, by its look: 64 by 64 pixels laid on white,
    // read as an 8 by 8 grid of grey levels (0-255, hex). A shape moved, a line dropped, a
    // colour changed or an edge left unsmoothed moves a cell by far more than the two levels
    // two machines' smoothing may differ by. QUADRELL_PRINT_LOOKS=1 prints the looks of the
    // build at hand, as pictures.looks keeps them.
    void everyPictureDrawsAsItDid() {
        std::vector<std::pair<QString, QIcon>> icons;
        for (int g = 0; g <= int(Icons::Glyph::MoreDown); ++g)
            icons.emplace_back(u"glyph %1"_s.arg(g), Icons::Of(Icons::Glyph(g)));
        icons.emplace_back(u"program"_s, Icons::Program());
        icons.emplace_back(u"player"_s, Icons::Player());
        icons.emplace_back(u"move pointer"_s, QIcon(Icons::MovePointer().pixmap().scaled(64, 64)));
        // Each face, its corner's rank bold and its strip telling the suits apart; each empty
        // place with its suit on it; the logo.
        CardArt art;
        const auto scaled = [](const QPixmap& picture) {
            return QIcon(picture.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        };
        for (Card card = 0; card < kCardCount; ++card)
            icons.emplace_back(u"face %1"_s.arg(card), scaled(art.Face(card, 1.0, 1.0)));
        for (int suit = 0; suit <= 4; ++suit)
            icons.emplace_back(
                u"place %1"_s.arg(suit), scaled(art.Place(suit, QColor(0, 64, 128), 1.0, 1.0)));
        icons.emplace_back(u"logo"_s, scaled(art.Logo(1.0, 1.0)));
        // The review's chart: a line broken where a position is not won, the lost move marked
        // (here the deal itself).
        ReviewChart review;
        review.resize(360, 120);
        review.SetPoints({ std::nullopt, 4, std::nullopt, 3, 0 }, 0);
        review.SetChosen(1);
        icons.emplace_back(u"review chart"_s, scaled(review.grab()));
        // The score charts: two players' wins, one of them twice as long, and a loss; a single
        // win, whose time is a bar, not a block; a player without a win.
        std::vector<ScoreRec> games(3);
        for (std::size_t i = 0; i < games.size(); ++i) {
            games[i].Name = i == 0 ? u"Ann"_s : u"Bob"_s;
            games[i].Date = *ScoreDate::Parse("2026-12-08 10:00:00");
            games[i].Perc = i < 2 ? 100 : 40;
            games[i].Time = 200 * int(i + 1);
        }
        ChartsView charts;
        charts.resize(640, 380);
        for (const auto& [name, records] : { std::pair { "charts", games },
                 std::pair { "charts, one win", std::vector { games[0] } },
                 std::pair { "charts, no win", std::vector { games[2] } } }) {
            charts.SetCharts(
                ScoreCharts::Of(records, {}, ScoreCharts::Span::Week), ScoreCharts::Span::Week);
            icons.emplace_back(QLatin1String(name), scaled(charts.grab()));
        }
        QPalette dark; // and on a dark desktop: a dark ground, light words
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        charts.setPalette(dark);
        icons.emplace_back(u"charts, dark"_s, scaled(charts.grab()));
        // The clock's digit strip, and the clock green on black on a light desktop.
        QPalette light;
        light.setColor(QPalette::Window, Qt::white);
        light.setColor(QPalette::WindowText, Qt::black);
        QApplication::setPalette(light);
        ClockFace clock(nullptr);
        clock.ShowSeconds(3600 * 12 + 34 * 60 + 56);
        clock.resize(clock.sizeHint());
        icons.emplace_back(u"clock strip"_s, scaled(clock.DrawStrip(1.0)));
        icons.emplace_back(u"clock"_s, scaled(clock.grab()));
        QApplication::setPalette(QPalette());
        {
            const ScopedLanguage german(u"de_DE"_s); // Bube and Dame: B and D
            CardArt deutsch;
            for (Card card = 10; card < 12; ++card)
                icons.emplace_back(u"face %1 de"_s.arg(card), scaled(deutsch.Face(card, 1.0, 1.0)));
        }
        const auto look = [](const QIcon& icon) {
            QImage picture(64, 64, QImage::Format_ARGB32);
            picture.fill(Qt::white);
            QPainter p(&picture);
            p.drawPixmap(0, 0, icon.pixmap(64, 64));
            p.end();
            QString out;
            for (int cy = 0; cy < 8; ++cy)
                for (int cx = 0; cx < 8; ++cx) {
                    int sum = 0;
                    for (int y = cy * 8; y < cy * 8 + 8; ++y)
                        for (int x = cx * 8; x < cx * 8 + 8; ++x)
                            sum += qGray(picture.pixel(x, y));
                    out += u"%1"_s.arg(sum / 64, 2, 16, QLatin1Char('0'));
                }
            return out;
        };
        // The kept looks, a line each: the picture's name, a colon and its look.
        QFile file(QStringLiteral(QUADRELL_ICON_LOOKS));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QString> kept;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (const qsizetype colon = line.indexOf(':'); colon > 0)
                kept[QString::fromLatin1(line.left(colon))]
                    = QString::fromLatin1(line.mid(colon + 2));
        for (const auto& [name, icon] : icons) {
            const QString seen = look(icon);
            if (qEnvironmentVariableIsSet("QUADRELL_PRINT_LOOKS")) {
                std::printf("%s: %s\n", qPrintable(name), qPrintable(seen));
                continue;
            }
            int far = 0;
            for (int c = 0; c < 64; ++c)
                far += std::abs(seen.mid(c * 2, 2).toInt(nullptr, 16)
                           - kept[name].mid(c * 2, 2).toInt(nullptr, 16))
                    > 2;
            QVERIFY2(
                far == 0, qPrintable(u"%1: %2 cells differ\n%3"_s.arg(name).arg(far).arg(seen)));
        }
        QCOMPARE(kept.size(), icons.size());
    }

    // Work held back until a widget's first paint runs once, after it, and leaves nothing
    // behind watching the widget's later paints.
    void workAfterTheFirstPaintRunsOnceAndLeavesNothingBehind() {
        QWidget widget;
        const qsizetype before = widget.children().size();
        int runs = 0;
        AfterFirstPaint(&widget, [&runs] { ++runs; });
        widget.setWindowTitle(u"Not yet"_s); // an event, but no paint
        QCoreApplication::processEvents();
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
                        qPrintable(u"suit %1 at %2,%3"_s.arg(suit).arg(x).arg(y)));
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
                qPrintable(u"%1,%2"_s.arg(p.at.x()).arg(p.at.y())));
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
        QVERIFY(!next.Find(u"logo"_s));
    }

    // The file holds what the last start used; a start that used only what it held writes
    // nothing, and what is kept after the save waits for a start that needs it first.
    void theFileHoldsWhatTheLastStartUsed() {
        keepTwo();
        {
            PictureCache used(path());
            QVERIFY(used.Find(u"icon"_s));
            QVERIFY(used.Save());
        }
        PictureCache next(path());
        QVERIFY(next.Find(u"icon"_s));
        QVERIFY(!next.Find(u"place"_s));
        QVERIFY(QFile::remove(path()));
        QVERIFY(next.Save());
        QVERIFY(!QFileInfo::exists(path())); // nothing new: not written
        next.Keep(u"later"_s, drawn(QImage::Format_RGB32, Qt::green, 1));
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
        QVERIFY(!damaged.Find(u"place"_s));
        QVERIFY(!damaged.Find(u"icon"_s));
        damaged.Keep(u"icon"_s, drawn(QImage::Format_ARGB32_Premultiplied, Qt::red, 1));
        QVERIFY(damaged.Save());
        QVERIFY(PictureCache(path()).Find(u"icon"_s));
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
        QVERIFY(!cache.Find(u"icon"_s));
        cache.Keep(u"icon"_s, drawn(QImage::Format_ARGB32_Premultiplied, Qt::red, 1));
        QVERIFY(!cache.Save());
        const QFileInfo still(path());
        QVERIFY(pipe ? !still.isFile() && still.exists() && !still.isDir() : still.isDir());
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::PictureCacheTest)
#include "PictureCacheTest.moc"
