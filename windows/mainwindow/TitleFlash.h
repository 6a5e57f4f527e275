#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace quadrell {

// The window's title, and its flash when one move or none is left: the title turns to
// capitals between diamonds and back, and the desktop is asked for attention.
class TitleFlash final : public QObject {
public:
    explicit TitleFlash(QWidget& window);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    void Start(int intervalMs, int count);
    bool Active() const { return timer_.isActive(); }

private:
    void tick();

    QWidget& window_;
    QString caption_;
    QTimer timer_;
    int count_ = 0;
    int ticks_ = 0;
    bool inverted_ = false;
};

} // namespace quadrell
