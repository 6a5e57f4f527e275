#pragma once

#include <QObject>

namespace quadrell {

// What every window gets without asking, watched once for the whole program: each dialog,
// as it is shown, its own Alt+letters (Qt's file and colour pickers keep theirs) and a place
// whole on its screen; each list, as it gets the focus, its current row told to a screen
// reader (Qt tells only of the list, so the reader says "tree" and not the row the keys act
// on, and does not hear of a tick set on that row either); pages shown one at a time, a
// plain pane to a screen reader.
class DialogCare final : public QObject {
public:
    explicit DialogCare(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quadrell
