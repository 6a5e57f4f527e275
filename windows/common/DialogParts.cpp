#include "DialogParts.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>

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

void PagesByKeys(QTabWidget* tabs) {
    auto add = [tabs](const QKeySequence& keys, int step) {
        auto* shortcut = new QShortcut(keys, tabs->window());
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, step] {
            const int n = tabs->count();
            if (n > 0) tabs->setCurrentIndex((tabs->currentIndex() + step + n) % n);
        });
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    add(QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void WideEnoughForItems(QAbstractItemView* view) {
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth()
        + view->verticalScrollBar()->sizeHint().width());
}

} // namespace quadrell
