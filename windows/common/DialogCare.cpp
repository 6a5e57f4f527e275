#include "DialogCare.h"

#include "Mnemonics.h"
#include "ScreenFit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QColorDialog>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace quadrell {

namespace {

// A screen reader names a message box by its title and its button; its text, the message
// itself, is read as the box's description.
void describe(QMessageBox* box) {
    QStringList sentences;
    for (QString line : box->text().split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        if (!line.back().isPunct()) line += QLatin1Char('.'); // a pause between the lines
        sentences << line;
    }
    box->setAccessibleDescription(sentences.join(QLatin1Char(' ')));
}

void prepare(QDialog* dialog) {
    if (qobject_cast<QFileDialog*>(dialog) || qobject_cast<QColorDialog*>(dialog)) return;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) describe(box);
    GiveMnemonics(dialog);
    // The focus mark shows from the start, not only after the first Tab: a keyboard player
    // must see where the keys go.
    dialog->setAttribute(Qt::WA_KeyboardFocusChange);
    if (dialog->isWindow()) FitOnScreen(dialog);
}

// After Qt has told of the list and has made a row current.
void tellRowLater(QAbstractItemView* list) {
    QTimer::singleShot(0, list, [view = QPointer(list)] {
        if (!view || !view->hasFocus()) return;
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(view)->focusChild();
        if (!row) return;
        QAccessibleEvent focus(row, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    });
}

} // namespace

// Every event of the program passes here: the type is looked at before anything else.
bool DialogCare::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched)) prepare(dialog);
    } else if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
        if (auto* list = qobject_cast<QAbstractItemView*>(watched)) tellRowLater(list);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quadrell
