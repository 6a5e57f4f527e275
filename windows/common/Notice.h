#pragma once

#include <QString>
#include <QWidget>

namespace quadrell {

// A line a screen reader says without moving the focus: news that follows what the player
// types, such as a rating that arrives while the number is still being typed. Shown as a
// notification, which Orca reads as it appears; it takes no room and draws nothing.
class Notice final : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget* parent);

    void Say(const QString& line);
    const QString& Line() const { return line_; }

private:
    QString line_;
};

} // namespace quadrell
