#include "RowFocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace quadrell {

bool RowFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    if (view && event->type() == QEvent::FocusIn && QAccessible::isActive()) {
        // After Qt has told of the list and has made a row current.
        QTimer::singleShot(0, view, [view = QPointer(view)] {
            if (!view || !view->hasFocus()) return;
            QAccessibleInterface* row = QAccessible::queryAccessibleInterface(view)->focusChild();
            if (!row) return;
            QAccessibleEvent focus(row, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quadrell
