#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QAbstractButton;
class QAbstractItemView;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace quadrell {

// A push button with the control name the program's windows give it.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
// A label that names `chooser` as its buddy: Qt names a combo box by its current text, and a
// buddy label is what tells a screen reader what it chooses (its Alt+letter goes there too).
QLabel* LabelFor(QWidget* chooser, const QString& caption);
// A dialog's row of buttons, pushed to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);
// Keeps a filled list at least as wide as its longest entry, so no name is cut short in
// the longer languages.
void WideEnoughForItems(QAbstractItemView* view);
// Ctrl+Tab and Ctrl+Page Down go to the next page, Ctrl+Shift+Tab and Ctrl+Page Up to the one
// before, wherever the focus is in the dialog (a combo box or a list would keep them).
void PagesByKeys(QTabWidget* tabs);
// Tab enters a group of option buttons at the one that is checked; the arrows move within it.
void EnteredAtChecked(std::initializer_list<QAbstractButton*> options);
// A screen reader reads each row of the list with its tick in words (`on` or `off`) and hears
// the current row again when its tick is set or cleared. Call it once the list is filled.
void SayCheckMarks(QTreeWidget* list, const QString& on, const QString& off);

} // namespace quadrell
