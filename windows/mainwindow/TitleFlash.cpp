#include "TitleFlash.h"

#include <QApplication>
#include <QWidget>

namespace quadrell {

TitleFlash::TitleFlash(QWidget& window) : window_(window) {
    connect(&timer_, &QTimer::timeout, this, &TitleFlash::tick);
}

void TitleFlash::SetCaption(const QString& caption) {
    caption_ = caption;
    if (!timer_.isActive()) window_.setWindowTitle(caption);
}

void TitleFlash::Start(int intervalMs, int count) {
    count_ = count;
    ticks_ = 0;
    inverted_ = false;
    window_.setWindowTitle(caption_);
    timer_.setInterval(intervalMs);
    timer_.start();
}

void TitleFlash::tick() {
    inverted_ = !inverted_;
    window_.setWindowTitle(
        inverted_ ? QStringLiteral("\u25c6 %1 \u25c6").arg(caption_.toUpper()) : caption_);
    if (inverted_) QApplication::alert(&window_, timer_.interval());
    if (++ticks_ > count_) {
        timer_.stop(); // the next start turns from the caption again
        window_.setWindowTitle(caption_);
    }
}

} // namespace quadrell
