#include "DialogParts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <memory>

namespace quadrell {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel* LabelFor(QWidget* chooser, const QString& caption) {
    auto* label = new QLabel(caption, chooser->parentWidget());
    label->setBuddy(chooser);
    return label;
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

void EnteredAtChecked(std::initializer_list<QAbstractButton*> options) {
    const QList<QAbstractButton*> group(options);
    auto follow = [group] {
        for (QAbstractButton* option : group)
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QAbstractButton* option : group)
        QObject::connect(option, &QAbstractButton::toggled, option, follow);
    follow();
}

namespace {

// The row's name with its tick in words, for a screen reader, in every column; the list's own
// signals are held back, since only what is read changes.
void nameByTick(QTreeWidget* list, QTreeWidgetItem* item, const QString& on, const QString& off) {
    const QSignalBlocker quiet(list);
    const QString name = QStringLiteral("%1, %2").arg(
        item->text(0).remove(QLatin1Char('&')), item->checkState(0) == Qt::Checked ? on : off);
    for (int column = 0; column < 3; ++column)
        item->setData(column, Qt::AccessibleTextRole, name);
}

} // namespace

void SayCheckMarks(QTreeWidget* list, const QString& on, const QString& off) {
    // A reader speaks only a focus that moves to another object, and a row has one object
    // per column; so the row gets two hidden columns and a changed tick sends the focus to
    // one and then the other. Their headers are blank, so the reader names none.
    list->setColumnCount(3);
    for (int column = 1; column < 3; ++column) {
        list->setColumnHidden(column, true);
        list->headerItem()->setText(column, QString());
    }
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        nameByTick(list, list->topLevelItem(i), on, off);
    auto column = std::make_shared<int>(1);
    QObject::connect(list, &QTreeWidget::itemChanged, list, [=](QTreeWidgetItem* item) {
        nameByTick(list, item, on, off);
        if (!QAccessible::isActive() || item != list->currentItem()) return;
        *column = 3 - *column;
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
        QAccessibleInterface* cell
            = view->tableInterface()->cellAt(list->indexOfTopLevelItem(item), *column);
        if (!cell) return;
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    });
}

void WideEnoughForItems(QAbstractItemView* view) {
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth()
        + view->verticalScrollBar()->sizeHint().width());
}

} // namespace quadrell
