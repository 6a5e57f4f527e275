#include "ClockFace.h"

#include "PictureCache.h"
#include "cScore.h"

#include <QEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QtMath>
#include <algorithm>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace quadrell {

namespace {

// The characters a time is written with, in the strip's order.
constexpr char16_t kDigits[] = u"0123456789:";
constexpr int kDigitCells = std::size(kDigits) - 1;
constexpr int kWidestTime = 9; // "00:00:00 ", as wide as the box is at least
constexpr int kPadding = 12;

QFont clockFont(const QFont& base) {
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setBold(true);
    // Its size set, not left to be resolved: a painter on the strip would take the program's.
    if (base.pointSizeF() > 0)
        mono.setPointSizeF(base.pointSizeF());
    else
        mono.setPixelSize(base.pixelSize());
    return mono.resolve(base);
}

// What the fonts on this machine are set up from: the font configuration of the system and of
// the user, and the fonts installed. A kept strip of digits is drawn again when any of it
// changes, so new hinting or a font update shows on the clock at the next start.
QString fontSetup() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    const QString places[] = { QStringLiteral("/etc/fonts"), QStringLiteral("/etc/fonts/conf.d"),
        QStringLiteral("/etc/fonts/fonts.conf"), QStringLiteral("/etc/fonts/local.conf"),
        QStringLiteral("/var/cache/fontconfig"), config + QStringLiteral("/fontconfig"),
        config + QStringLiteral("/fontconfig/fonts.conf"),
        config + QStringLiteral("/fontconfig/conf.d"), home + QStringLiteral("/.fonts.conf"),
        home + QStringLiteral("/.fonts"), data + QStringLiteral("/fonts"),
        cache + QStringLiteral("/fontconfig") };
    quint64 stamp = 0;
    for (const QString& place : places) {
        struct stat info { };
        if (::stat(QFile::encodeName(place).constData(), &info) != 0) continue;
        stamp = stamp * 1'000'003 + quint64(info.st_mtim.tv_sec) * 1'000'000'000
            + quint64(info.st_mtim.tv_nsec);
    }
    return QString::number(stamp, 16);
}

} // namespace

ClockFace::ClockFace(std::shared_ptr<PictureCache> pictures, QWidget* parent)
    : QLabel(parent)
    , pictures_(std::move(pictures))
    , digits_(clockFont(font())) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Green on black, as a clock of its time.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x10, 0x24, 0x1a));
    colours.setColor(QPalette::WindowText, QColor(0x7c, 0xf2, 0x9a));
    setPalette(colours);
    setAutoFillBackground(true);
    setContentsMargins(3, 1, 3, 1);
    ShowSeconds(0);
}

void ClockFace::ShowSeconds(qint64 seconds) {
    setText(cScore::ConvertTimeS(seconds) + QLatin1Char(' '));
}

const QPixmap& ClockFace::Strip() const {
    const qreal dpr = devicePixelRatioF();
    if (!strip_.isNull() && strip_.devicePixelRatio() == dpr) return strip_;
    const QString key = QStringLiteral("clock/%1/%2/%3/%4/%5/%6/%7/%8")
                            .arg(digits_.family())
                            .arg(digits_.pointSizeF())
                            .arg(digits_.weight())
                            .arg(logicalDpiY())
                            .arg(dpr)
                            .arg(palette().color(QPalette::Window).rgb(), 0, 16)
                            .arg(palette().color(QPalette::WindowText).rgb(), 0, 16)
                            .arg(fontSetup());
    strip_ = PictureCache::CopiedOrDrawn(pictures_.get(), key, [&] { return DrawStrip(dpr); });
    return strip_;
}

QPixmap ClockFace::DrawStrip(qreal dpr) const {
    const QFont font(digits_, this); // at this screen's resolution
    const QFontMetricsF metrics(font);
    const int width = qRound(metrics.horizontalAdvance(QLatin1Char('0')) * dpr);
    const int height = qCeil(metrics.height() * dpr);
    QImage strip(width * kDigitCells, height, QImage::Format_RGB32);
    strip.setDevicePixelRatio(dpr);
    strip.fill(palette().color(QPalette::Window));
    QPainter p(&strip);
    p.setFont(font);
    p.setPen(palette().color(QPalette::WindowText));
    qreal x = 0;
    for (const char16_t digit : std::u16string_view(kDigits)) {
        p.drawText(QRectF(x, 0, width / dpr, height / dpr), Qt::AlignCenter, QString(QChar(digit)));
        x += width / dpr;
    }
    p.end();
    return QPixmap::fromImage(std::move(strip));
}

QSize ClockFace::cell() const {
    const QPixmap& strip = Strip();
    return { strip.width() / kDigitCells, strip.height() };
}

QSize ClockFace::sizeHint() const {
    const QSize digit = cell();
    const qreal dpr = Strip().devicePixelRatio();
    const int shown = std::max<int>(kWidestTime, int(text().size()));
    const QMargins margins = contentsMargins();
    return { qCeil(shown * digit.width() / dpr) + kPadding,
        qCeil(digit.height() / dpr) + margins.top() + margins.bottom() };
}

QSize ClockFace::minimumSizeHint() const { return sizeHint(); }

void ClockFace::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QPixmap& strip = Strip();
    const QSize digit = cell();
    const qreal dpr = strip.devicePixelRatio();
    const QString shown = text();
    // Right-aligned, on whole device pixels, so every digit is copied as drawn, never
    // resampled.
    const QRect inside = contentsRect();
    int x = qRound((inside.right() + 1) * dpr) - int(shown.size()) * digit.width();
    const int y = qRound(inside.top() * dpr) + (qRound(inside.height() * dpr) - digit.height()) / 2;
    for (const QChar c : shown) {
        const auto at = std::char_traits<char16_t>::find(kDigits, kDigitCells, c.unicode());
        if (at) {
            const QRectF from((at - kDigits) * digit.width(), 0, digit.width(), digit.height());
            p.drawPixmap(
                QRectF(x / dpr, y / dpr, digit.width() / dpr, digit.height() / dpr), strip, from);
        }
        x += digit.width();
    }
}

void ClockFace::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) digits_ = clockFont(font());
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        strip_ = QPixmap();
    QLabel::changeEvent(event);
}

} // namespace quadrell
