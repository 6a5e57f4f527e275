#include "ScreenFit.h"

#include "Narrowing.h"

#include <QBoxLayout>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace quadrell {

namespace {

// The room a dialog has inside the screen's free area, its window frame taken off (the
// frame of its main window, when the dialog has none yet).
QSize roomFor(const QDialog* dialog) {
    const QWidget* framed = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
    const QSize frame = framed->frameGeometry().size() - framed->geometry().size();
    return dialog->screen()->availableGeometry().size() - frame;
}

// The dialog's controls go into a scroll area; the last row of its layout, its buttons,
// stays outside it. False when the dialog is not laid out in a column.
bool scrollControls(QDialog* dialog) {
    auto* column = qobject_cast<QBoxLayout*>(dialog->layout());
    if (!column || column->count() == 0) return false;
    QLayoutItem* last = column->itemAt(column->count() - 1);
    QLayout* buttons = last->layout();
    if (buttons) column->takeAt(column->count() - 1);
    auto* controls = new QWidget;
    controls->setLayout(column); // takes the layout, and its widgets with it
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollFit"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(controls);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll, 1);
    if (buttons) {
        auto* row = new QWidget;
        row->setLayout(buttons);
        outer->addWidget(row);
    }
    return true;
}

} // namespace

void FitOnScreen(QDialog* dialog) {
    if (!dialog->screen()) return;
    const QSize room = roomFor(dialog);
    QSize wanted = dialog->size().expandedTo(dialog->minimumSizeHint());
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) return;
    if (!dialog->findChild<QScrollArea*>(QStringLiteral("scrollFit")) && !scrollControls(dialog))
        return;
    // The controls scroll down, never sideways: they get the width beside a scroll bar.
    auto* scroll = dialog->findChild<QScrollArea*>(QStringLiteral("scrollFit"));
    QWidget* controls = scroll->widget();
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    NarrowTo(controls, room.width() - bar);
    // A row of buttons too wide for the screen stands as a column.
    QLayout* outer = dialog->layout();
    if (outer->count() > 1) NarrowTo(outer->itemAt(1)->widget(), room.width());
    // As wide as the controls need beside the bar and as tall as they are at that width
    // (wrapped text grows down), the buttons below them: as far as the screen allows.
    const int width = std::max(
        std::min(wanted.width(), room.width()), controls->minimumSizeHint().width() + bar);
    const int tall = controls->hasHeightForWidth() ? controls->heightForWidth(width - bar)
                                                   : controls->sizeHint().height();
    const int below = outer->count() > 1
        ? outer->itemAt(1)->sizeHint().height() + std::max(outer->spacing(), 0)
        : 0;
    wanted = QSize(width, std::max(wanted.height(), tall + below));
    dialog->setMinimumSize(0, 0);
    dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    dialog->resize(wanted.boundedTo(room));
    const QRect free = dialog->screen()->availableGeometry();
    dialog->move(free.topLeft() + QPoint((room.width() - dialog->width()) / 2, 0));
}

} // namespace quadrell
