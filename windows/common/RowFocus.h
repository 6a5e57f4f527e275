#pragma once

#include <QObject>

namespace quadrell {

// Tells a screen reader which row of a list has the focus when the list gets it: Qt tells it
// only of the list, so the reader says "tree" and not the row the keys will act on, and does
// not hear of a tick set on that row either.
class RowFocus final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quadrell
