#include "BoardBackground.h"

#include "BoardWidget.h"
#include "SafeFile.h"
#include "cOpt.h"

#include <QImageReader>

namespace quadrell {

QColor BoardBackground::FromStored(qint32 bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

QPixmap BoardBackground::Picture(const QString& path) {
    // No path, no file, or not a picture file's kind or size: no picture.
    if (!SafeFile::CheckRegular(path, SafeFile::kPictureCap).isEmpty()) return {};
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

void BoardBackground::Apply(BoardWidget& board, const cOpt& options) {
    board.SetBackground(FromStored(options.BackColor()),
        options.BackPicEnable() ? Picture(options.BackPicture()) : QPixmap());
    board.SetHighContrast(options.HighContrast() != 0);
}

void BoardBackground::Preview(BoardWidget& board, const QString& path) {
    board.SetBackground(board.Background(), Picture(path));
}

} // namespace quadrell
