#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <memory>

namespace quadrell {

class PictureCache;

// The game's clock: a time in bold monospaced digits, green on black. The digits are drawn
// once into a strip of cells and copied from it at every tick; the strip is kept between
// starts, so a start shows the clock without setting up a second font. The text stays the
// label's own, for screen readers.
class ClockFace final : public QLabel {
public:
    explicit ClockFace(std::shared_ptr<PictureCache> pictures, QWidget* parent = nullptr);

    void ShowSeconds(qint64 seconds);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The strip of cells, one for each of "0123456789:", at the clock's scale, as painted (a
    // test compares one drawn with one copied).
    const QPixmap& Strip() const;
    // The strip drawn for a screen of pixel ratio `dpr`, never scaled from another ratio.
    QPixmap DrawStrip(qreal dpr) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize cell() const; // one digit's cell, in device pixels

    std::shared_ptr<PictureCache> pictures_;
    QFont digits_;
    mutable QPixmap strip_;
};

} // namespace quadrell
