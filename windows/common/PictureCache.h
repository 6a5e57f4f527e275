#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

namespace quadrell {

// The pictures of the first paint that the game draws itself (the toolbar's icons, the
// board's empty places and its logo), kept between starts in the user's cache folder, so a
// start copies them instead of drawing them again. A picture is known by a key naming what it
// was drawn from (its size, colours, scale); the file holds those the last start used, under
// the version of the drawing code and of Qt, and is trusted only whole: any other is ignored
// and written again.
class PictureCache final {
public:
    static constexpr qint64 kFileCap = 16 * 1024 * 1024;

    explicit PictureCache(QString path);
    std::optional<QImage> Find(const QString& key);
    void Keep(const QString& key, const QImage& image);
    // The picture under `key` copied from `pictures`, or drawn and kept there; drawn alone
    // when there is no cache. The copy keeps the format it was drawn in.
    static QPixmap CopiedOrDrawn(
        PictureCache* pictures, const QString& key, const std::function<QPixmap()>& draw);
    // Writes the file whole when this start used a picture it did not hold, then stops
    // keeping: what the first picture needs is all that is worth a file. False when the
    // file could not be written (the pictures are drawn again next time).
    bool Save();

private:
    bool read(const QByteArray& bytes);

    QString path_;
    QHash<QString, QImage> held_;
    QSet<QString> used_;
    bool changed_ = false;
    bool saved_ = false;
};

} // namespace quadrell
