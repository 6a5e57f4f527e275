#include "DialogCare.h"

#include "Mnemonics.h"
#include "ScreenFit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QColorDialog>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace quadrell {

namespace {

// A screen reader says a message box's title, then its message, read from the label that
// shows it. The message's lines are one text: a line break inside a sentence is a space, one
// between sentences a full stop, so it is read as written, and said once.
void describe(QMessageBox* box) {
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    QStringList lines;
    for (const QString& line : box->text().split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    QString said;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        said += lines[i];
        if (i + 1 == lines.size()) break;
        const bool newSentence = lines[i + 1].front().isUpper() && !lines[i].back().isPunct();
        said += newSentence ? QStringLiteral(". ") : QStringLiteral(" ");
    }
    label->setAccessibleName(said);
}

void prepare(QDialog* dialog) {
    if (qobject_cast<QFileDialog*>(dialog) || qobject_cast<QColorDialog*>(dialog)) return;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) describe(box);
    GiveMnemonics(dialog);
    // The focus mark shows from the start, not only after the first Tab: a keyboard player
    // must see where the keys go.
    dialog->setAttribute(Qt::WA_KeyboardFocusChange);
    // A tab bar too narrow for its tabs shows arrows; the arrow keys already move between
    // the tabs, so the arrows take no Tab stop of their own.
    for (auto* tabs : dialog->findChildren<QTabBar*>())
        for (auto* arrow : tabs->findChildren<QToolButton*>())
            arrow->setFocusPolicy(Qt::NoFocus);
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

// Pages shown one at a time (a tabbed window's, the chart and its table): a plain pane, which
// a screen reader passes over, where Qt's own "layered pane" is said on the way into a page.
QAccessibleInterface* makePages(const QString& className, QObject* object) {
    if (className != QLatin1String("QStackedWidget")) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
}

} // namespace

DialogCare::DialogCare(QObject* parent) : QObject(parent) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(makePages);
        return true;
    }();
}

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
