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
// The looks of the pictures as drawn when they were last changed on purpose.
const char* const kLooks[] = {
    "febbb0b0b1ebc0ffdccfe3aca98897b9d7d7afffffa99adbd7d778f3bcb7d7d7d7d788eb6579d7d7d7d7b0ffd7ecd7"
    "d7efa083ffffffd6d8ffffe3acb0b0aaf9",
    "f5b1b0b0b1f5ffffb1fafffffab1ffffb0fff7f7fbabffffb0ff9581575787feb0ffb343d9fe77ccb0fffe68d9fe74"
    "ccbbcfd7af475646c2fedcd7d7dbf2e66a",
    "fff8ad8787adf8fffb918aaeae8a8dfbc399cfffffcf98c3a1bdd7ceced7aba1acb0d54242d5acacf2ced7d0d0d7ce"
    "f2ffdccfffffcfdcfffffebbb0b0bbfeff",
    "ffffffffffffffffefe6e6faffffffffb6b6b5b1cacacadabbc3c3c3c3c3c3bbbbc3c3c3c3c3c3bbbbc3c3c3c3c3c3"
    "bbb6b6b6b6b6b6b6b6efe6e6e6e6e6e6ef",
    "f5aba7aaaaa7abf5ac58d7ffffd758aca859d7ffffd759a8a85f575959575fa8a8587878787858a8a858e4e4e4e458"
    "a8ac57e4e4e4e457acf5a9a8a8a8a8a9f5",
    "ffffffffffffffffffffffffffffffffffffe6d2c7f4ffffffbe649da679e8fff67b80ffffd295fffff4affffffd72"
    "ffffffffffffffccffffffffffffffffff",
    "fffffffffffffffffffffffffffffffffffff5cad4e7ffffffe980aba26cc2ffff9bd4ffff8782f6ff79fdffffb3f4"
    "ffffcfffffffffffffffffffffffffffff",
    "fffffffffffffffffffec1aaa0dafffffa9864c4cd80d4fffa9887ffffe488fffff3818379b572fff67b6debf498ac"
    "ffffbf8bfffff17dffffffe8ffffff85ff",
    "ffffffffffffffffffffdca5afc4feffffd686d0c76c9dfaff8ee5ffff8d9dfaff79b8808a88f4ffffb09ef5ec7482"
    "f6ff84f2ffff91c2ffff8bffffffe9ffff",
    "fffffffffffffffffffffffff6efffe7ffffffeb7dd7d46cffffda6f629a6462ffffda6f629a6462ffffffeb7dd7d5"
    "6cfffffffff6efffe7ffffffffffffffff",
    "ffffffffffffffffe8fff0f7ffffffff73d7d984ecffffff6a6c9f6a76dcffff6a6c9f6a76dcffff73d7d984ecffff"
    "ffe8fff0f7ffffffffffffffffffffffff",
    "ffffffffffffffffffca87878787caffff876060606087ffff876060606087ffff876060606087ffff876060606087"
    "ffffca87878787caffffffffffffffffff",
    "ffffffa9b5b5b4cfffffffb5f4f4f4baffef7ea2f4f4f4bad06e706ac4f4f4babbe78f8aa7b5b4cfbbff8fd9bbffff"
    "ffbbffcff3bbffffffd0b9bbbbacffffff",
    "fffffffcfffffffffffffd99fdfffffffffdd09bd0fdffffc48c99a5998cc4ffffc79ea59ec76affffdb9e9490a76a"
    "b4ffc1bdf5b4936ab4fffefffffffe6aff",
    "fffffffffff8c8ffefe6e6fae39c9cb3b6b6b5b1ca968fc4bbb17e7e7e67a6afbbbaa0a0a0a0babbbbbaa0a0a0a0ba"
    "bbb6a471717171a4b6efe6e6e6e6e6e6ef",
    "ffffffffffffffffefe6e6faffffffffb6b6b5b1cacacadabbc3c3c38fc3c3bbbbc3b7878b87b7bbbbc3c3978c97c3"
    "bbb6b6b698a898b6b6efe6e6e6e6e6e6ef",
    "fffbffb6b6fffbfffb96b79090b796fcffb775797975b7ffb69079efef7990b6b69079efef7990b6ffb775797975b7"
    "fffb96b79090b796fcfffcffb6b6fffcff",
    "ffffffffffffffffffffff8c8bf9ffffffffff5b5ddde1fbfce1e65b5d7e8bd7e156615b5d889ad7e15b655b5d889a"
    "d7e15b655b5d889ad7ed8a958c8ba29fe7",
    "fffdbf8f8fbffdfffd8b6ec6c56d8bfdbf5fbca1a2c55fbf8f6262629fc5628f8f626292e270628fbf5f629292625f"
    "bffd8b5f9c9c5f8bfdfffdbf8f8fbffdff",
    "ffffffffffffffffefe6e6faffffffffb6b6b5b1cacacadabbc3c3c3c3c3c3bbbbc3c3c3c3c3c3bbbbc3c3c3c3c3c3"
    "bbb6b6b6b6b6b6b6b6efe6e6e6e6e6e6ef",
    "ffffffffffffffffeee3e3faffffffffaaa1a0a4c2c2c2d6ae9c989898989897ada9d1d1d1d1d1afa1c1d1d1d1d1d1"
    "b1a5bebebebebebb9febdfdfdfdfdfdfee",
    "ffb3b0b0aec8ffffffb0fef8f8c7c8ffffb0c56b6bc5aeffffb0e56767e5b0ffffb0ffdbdbffb0ffffa0bbbbbbbba0"
    "ffff9aa5a5a5a59affffae9a9a9a9aaeff",
    "ffb3b0b0aec8ffffffb0fef8f8c7c8ffffb0c56b6bc5aeffffb0e56767e5b0ffffb0ffdbdbffb0ffff918989898991"
    "ffff866262626286ffffa886868686a8ff",
    "ffffffffffffffffffd3f4f8d0ffffffffc06aee6abcffffffffbc69ee69c0ffffffbc69ee69c0ffffc06aee6abcff"
    "ffffd3f4f8d0ffffffffffffffffffffff",
    "ffffffffffffffffffd3c0ffffc0d3fffff46abcbc6af4fffff8ee6969eef8ffffd06aeeee6ad0ffffffbc6969bcff"
    "ffffffffc0c0ffffffffffffffffffffff",
    "c0585050505058c058427e78797c465863a0e2bca8fee56355bfa49abd4bee5550906ca7f8af9650504b6f448bcd4b"
    "505847454747454758c0585050505058c0",
    "fffffff9f9ffffffffffd96969d9ffffffffa46262a4ffffffffd96969d9fffffffffff9f9fffffffff9b79090b7f9"
    "ffff926262626292ffffb2b0b0b0b0b2ff",
    "e9feffffffffffff6899feffffffffff6508a5edeeffffffa690cae5e4d8ffffffe9a49abbbbdeffffffd3dfd88a97"
    "dbffffddd3d0bdc3f9fffffffffff8f5ff",
    "cbd4aef1f1f1f1e8bbc8fbfcfcfcfcede7f5fcfcfcfcfcededfcc96565c9fcededfcf48b8bf4fcededfcfcfcfcfcf5"
    "e7edfcfcfcfcfbc7bbe8f1f1f1f1aed3cd",
    "d9d9aef1f1f1f1e8bac8fbbabafcfcede7f5fcfafafcfcededfcfcfcfcfcfcededfcfcfcfcfcfcededfcfcfafafcf5"
    "e7edfcfcbabafbc8bae8f1f1f1f1aed9d9",
    "dbd3aef1f1f1f1e8bcc9fbbabafcfcede7f5fcfafafcfcededfcfcd1d1fcfcededfcfce3e3fcfcededfcfcfafafcf5"
    "e7edfcfcbabafbc9bce8f1f1f1f1aed3db",
    "d2d0aef1f1f1f1e8c5bf8bf4f48bf1ede7f5f8fcfcf8fcededfcfcfcfcfcfcededfcfcfcfcfcfcededfcf8fcfcf8f5"
    "e7edf18bf4f48bc0c5e8f1f1f1f1aed0d2",
    "d3d7aef1f1f1f1e8bcbf8bf4f48bf1ede7f5f8fcfcf8fcededfcfcd1d1fcfcededfcfce3e3fcfcededfcf8fcfcf8f5"
    "e7edf18bf4f48bbfbce8f1f1f1f1aed7d3",
    "ccd7aef1f1f1f1e8bebf8bf4f48bf1ede7f5f8fcfcf8fcededf2b7f5f5b7f2ededfaccfbfbccfaededfcf8fcfcf8f5"
    "e7edf18bf4f48bbfbee8f1f1f1f1aed7cc",
    "dad5aef1f1f1f1e8bfc68bf4f48bf1ede7f5f8c3c3f8fcededf2b7eaeab7f2ededfaccfbfbccfaededfcf8fcfcf8f5"
    "e7edf18bf4f48bc6bfe8f1f1f1f1aed5da",
    "cdd3aef1f1f1f1e8bdbf8bf4f48bf1ede7f5f8c3c3f8fcededf2b7eaeab7f2ededfaccf0f0ccfaededfcf8c3c3f8f5"
    "e7edf18bf4f48bbfbde8f1f1f1f1aed3cd",
    "d2d2aef1f1f1f1e8bdc08bf4f48bf1ede7f3defafadef9ededf4a1cccca1f4ededf4a1dddda1f4ededf9defafadef3"
    "e7edf18bf4f48bc0bde8f1f1f1f1aed1d2",
    "cbbeaef1f1f1f1e8b5b88bf4f48bf1ede7f3deb6b7def9ededf4a1f6f6a1f4ededf4a1f6f6a1f4ededf9deb6b6def3"
    "e7edf18bf4f48bb7b5e8f1f1f1f1aebecb",
    "dbd7a3e0e0e0e6e8b6bcf7bcbcc7dfede7def0bdbaf0e4ededdcdccfd4e5e2edede2e5d4cfdcdcedede4f0babdf0de"
    "e7eddfc7bcbdf7bab8e8e6e0e0e0a3d4dd",
    "c9c8a3e0e0e0e6e8bbb5f8aeaef8e4ede7def6aeaef6e4ededdcdcc5b7e5e2edede2e5b7c6dcdcedede4f6aeaef6de"
    "e7ede4f8aeaef8b4bce8e6e0e0e0a3c8c9",
    "c3cfa3e0e0e0e6e8bdbcedcfcfede4ede7def4b7ccf4e4ededdcdcbac5e4e2edede2e4c5badcdcedede4f4ccb7f4de"
    "e7ede4edcfcfedbdbde8e6e0e0e0a3cdc5",
};

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
    // read as an 8 by 8 grid of grey levels (0-255, hex). A shape moved, a line dropped or a
    // colour changed moves a cell by far more than the two levels two machines' smoothing
    // may differ by. QUADRELL_PRINT_LOOKS=1 prints the looks of the build at hand.
    void everyIconDrawsAsItDid() {
        std::vector<std::pair<QString, QIcon>> icons;
        for (int g = 0; g <= int(Icons::Glyph::MoreDown); ++g)
            icons.emplace_back(u"glyph %1"_s.arg(g), Icons::Of(Icons::Glyph(g)));
        icons.emplace_back(u"program"_s, Icons::Program());
        icons.emplace_back(u"player"_s, Icons::Player());
        icons.emplace_back(u"move pointer"_s, QIcon(Icons::MovePointer().pixmap().scaled(64, 64)));
        CardArt art; // a suit's faces, each rank's pips and court drawn its own way
        for (Card card = 0; card < 13; ++card)
            icons.emplace_back(u"face %1"_s.arg(card),
                QIcon(art.Face(card, 1.0, 1.0)
                          .scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
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
        if (qEnvironmentVariableIsSet("QUADRELL_PRINT_LOOKS"))
            for (const auto& [name, icon] : icons)
                std::printf("%s\n", qPrintable(look(icon)));
        QCOMPARE(icons.size(), std::size(kLooks));
        for (std::size_t i = 0; i < icons.size(); ++i) {
            const QString seen = look(icons[i].second);
            const QString kept = QLatin1String(kLooks[i]);
            int far = 0;
            for (int c = 0; c < 64; ++c)
                far += std::abs(seen.mid(c * 2, 2).toInt(nullptr, 16)
                           - kept.mid(c * 2, 2).toInt(nullptr, 16))
                    > 2;
            QVERIFY2(far == 0,
                qPrintable(u"%1: %2 cells differ\n%3"_s.arg(icons[i].first).arg(far).arg(seen)));
        }
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

    // Every picture is drawn smoothed: the round edges of a face and of the logo have pixels
    // part covered, and an empty place's outline shades into the board, never a jagged step
    // between bare and covered, or between board and line.
    void eachPictureIsSmoothedAtItsEdges() {
        CardArt art;
        const auto partCovered = [](const QPixmap& pm) {
            const QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32);
            int part = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    part += qAlpha(image.pixel(x, y)) % 255 != 0 ? 1 : 0;
            return part;
        };
        const auto shades = [](const QPixmap& pm) {
            const QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32);
            QSet<QRgb> seen;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    seen.insert(image.pixel(x, y));
            return int(seen.size());
        };
        QVERIFY(partCovered(art.Face(17, 1.0, 1.0)) >= 8);
        QVERIFY(partCovered(art.Logo(1.0, 1.0)) >= 8);
        QVERIFY(shades(art.Place(0, QColor(0, 96, 0), 1.0, 1.0)) >= 6);
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
