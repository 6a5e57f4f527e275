#include "DialogParts.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>

namespace quadrell {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

void WideEnoughForItems(QAbstractItemView* view) {
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth()
        + view->verticalScrollBar()->sizeHint().width());
}

} // namespace quadrell
