#include "PictureCache.h"

#include "SafeFile.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <cstring>

namespace quadrell {

namespace {

constexpr int kLargestSide = 4096;

// The formats pictures are drawn in, kept as they are so a copy is what was drawn: opaque or
// with an alpha channel, four bytes a pixel and rows without padding.
bool storable(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

// The drawing code's own version (a hash of its sources, made by the build) and Qt's: either
// changed, every picture is drawn again.
QByteArray firstLine() {
    return QByteArrayLiteral("Quadrell 2000 pictures ") + QUADRELL_ART_VERSION + ' ' + qVersion()
        + '\n';
}

// A sum of every byte, eight at a time, the same in every run (Qt's own hash is seeded
// afresh in each), cheap enough for a start: it finds a file cut short or changed, not a
// forgery, which could only change the user's own pictures.
QByteArray sumOf(QByteArrayView bytes) {
    quint64 sum = 0x5175616472656c6cULL ^ quint64(bytes.size());
    const auto mix = [&sum](quint64 word) {
        sum = (sum ^ word) * 0x9e3779b97f4a7c15ULL;
        sum ^= sum >> 29;
    };
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        quint64 word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        mix(word);
    }
    quint64 tail = 0;
    std::memcpy(&tail, bytes.data() + at, std::size_t(bytes.size() - at));
    mix(tail);
    return QByteArray::number(sum, 16);
}

} // namespace

PictureCache::PictureCache(QString path) : path_(std::move(path)) {
    const FileRead file = SafeFile::Read(path_, kFileCap);
    if (file.ok && !read(file.bytes)) held_.clear();
}

bool PictureCache::read(const QByteArray& bytes) {
    // The pictures, then a line of their sum: a file cut short or changed anywhere is not used.
    const QByteArray head = firstLine();
    const qsizetype sumAt = bytes.lastIndexOf('\n', bytes.size() - 2);
    if (!bytes.startsWith(head) || !bytes.endsWith('\n') || sumAt < head.size()) return false;
    if (bytes.sliced(sumAt + 1).chopped(1) != sumOf(QByteArrayView(bytes).first(sumAt)))
        return false;
    QDataStream in(bytes); // shares the bytes read, copies none
    in.setVersion(QDataStream::Qt_6_0);
    in.skipRawData(int(head.size()));
    qint32 count = 0;
    in >> count;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString key;
        qint32 width = 0, height = 0, format = 0;
        double dpr = 0;
        in >> key >> width >> height >> format >> dpr;
        if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide
            || !storable(QImage::Format(format)) || dpr <= 0 || dpr > 16)
            return false;
        QImage image(width, height, QImage::Format(format));
        const qsizetype size = image.sizeInBytes();
        if (image.bytesPerLine() != qsizetype(width) * 4
            || in.readRawData(reinterpret_cast<char*>(image.bits()), int(size)) != size)
            return false;
        image.setDevicePixelRatio(dpr);
        held_.insert(key, image);
    }
    return in.status() == QDataStream::Ok && in.device()->pos() == sumAt;
}

std::optional<QImage> PictureCache::Find(const QString& key) {
    const auto found = held_.constFind(key);
    if (found == held_.cend()) return std::nullopt;
    if (!saved_) used_.insert(key);
    return *found;
}

QPixmap PictureCache::CopiedOrDrawn(
    PictureCache* pictures, const QString& key, const std::function<QPixmap()>& draw) {
    if (!pictures) return draw();
    if (std::optional<QImage> kept = pictures->Find(key))
        return QPixmap::fromImage(std::move(*kept), Qt::NoOpaqueDetection);
    QPixmap drawn = draw();
    pictures->Keep(key, drawn.toImage());
    return drawn;
}

void PictureCache::Keep(const QString& key, const QImage& image) {
    if (saved_) return;
    held_.insert(key,
        storable(image.format()) ? image
                                 : image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    used_.insert(key);
    changed_ = true;
}

bool PictureCache::Save() {
    const bool needed = changed_ || used_.size() != held_.size();
    saved_ = true;
    if (!needed) return true;
    QByteArray records;
    QDataStream out(&records, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << qint32(used_.size());
    for (const QString& key : std::as_const(used_)) {
        const QImage& image = held_[key];
        out << key << qint32(image.width()) << qint32(image.height()) << qint32(image.format())
            << double(image.devicePixelRatio());
        out.writeRawData(
            reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes()));
    }
    const QByteArray body = firstLine() + records;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return SafeFile::Write(path_, body + '\n' + sumOf(body) + '\n');
}

} // namespace quadrell
