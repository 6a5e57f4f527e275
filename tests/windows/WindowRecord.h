#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeView>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// What a player meets in a window, one control a line: its kind, its name, its texts, its
// state and the choices it offers; nothing that follows the font or the screen. Held against
// a record kept beside the tests, it catches a caption, a tip, a tick or a mode gone astray
// in any window, where a test of each would restate the window's code.
class WindowRecord {
public:
    static QStringList Of(QWidget* window) {
        QStringList out { u"== %1 \"%2\""_s.arg(kind(window), window->windowTitle()) };
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            for (QAction* menu : main->menuBar()->actions())
                actions(out, menu->text(), menu->menu()->actions());
        }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || w->objectName().startsWith(u"qt_"_s)
                || qobject_cast<QScrollBar*>(w) || qobject_cast<QHeaderView*>(w)
                || qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))
                continue;
            QStringList p;
            const bool told = describe(w, p);
            if (!frame(p, w) && !told && w->objectName().isEmpty()) continue;
            add(p, u"tip"_s, w->toolTip());
            add(p, u"named"_s, w->accessibleName());
            add(p, u"described"_s, w->accessibleDescription());
            if (!w->isVisibleTo(window)) p << u"hidden"_s;
            if (!laidOut(w)) p << u"loose"_s;
            if (!w->isEnabled()) p << u"disabled"_s;
            // A label's own margins (a group box's follow its title's font).
            if (const QMargins m = w->contentsMargins(); qobject_cast<QLabel*>(w) && !m.isNull())
                p << u"margins=%1,%2,%3,%4"_s.arg(m.left()).arg(m.top()).arg(m.right()).arg(
                    m.bottom());
            if (w->font().bold()) p << u"bold"_s;
            if (QFontInfo(w->font()).fixedPitch() && !QFontInfo(window->font()).fixedPitch())
                p << u"fixed"_s;
            if (const double size = w->font().pointSizeF() / window->font().pointSizeF(); size != 1)
                p << u"size=x%1"_s.arg(size, 0, 'f', 2);
            p << u"focus=%1"_s.arg(int(w->focusPolicy()));
            out << u"%1 %2 %3"_s.arg(kind(w), w->objectName(), p.join(u' '));
        }
        return out;
    }

    // The lines of `actual` that differ from the record in `path`, marked - and +; the whole
    // record is written there instead when QUADRELL_WRITE_RECORDS is set.
    static QStringList Against(const QString& path, const QStringList& actual) {
        QFile file(path);
        if (qEnvironmentVariableIsSet("QUADRELL_WRITE_RECORDS")) {
            if (file.open(QIODevice::WriteOnly)) file.write((actual.join(u'\n') + u'\n').toUtf8());
            return {};
        }
        if (!file.open(QIODevice::ReadOnly)) return { u"no record at "_s + path };
        const QStringList kept = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QStringList out;
        for (const QString& line : kept)
            if (!actual.contains(line)) out << u"- "_s + line;
        for (const QString& line : actual)
            if (!kept.contains(line)) out << u"+ "_s + line;
        if (out.isEmpty() && kept != actual) out << u"the same lines in another order"_s;
        return out;
    }

private:
    // In its parent's layout, where the parent has one: a control left out of it lies over
    // the others at the corner.
    static bool laidOut(QWidget* w) {
        QWidget* parent = w->parentWidget();
        return !parent || !parent->layout() || holds(parent->layout(), w);
    }
    static bool holds(QLayout* layout, QWidget* w) {
        if (layout->indexOf(w) >= 0) return true;
        for (int i = 0; i < layout->count(); ++i)
            if (QLayout* inner = layout->itemAt(i)->layout(); inner && holds(inner, w)) return true;
        return false;
    }
    static QString kind(const QObject* o) {
        return QString::fromLatin1(o->metaObject()->className()).section(u"::"_s, -1);
    }
    static void add(QStringList& p, const QString& key, const QString& value) {
        if (!value.isEmpty()) p << u"%1=\"%2\""_s.arg(key, QString(value).replace(u'\n', u"\\n"_s));
    }
    // The `n` texts `text` gives, one string.
    template <typename Text> static QString joined(int n, Text text) {
        QStringList all;
        for (int i = 0; i < n; ++i)
            all << text(i);
        return all.join(u'|');
    }
    // A frame the window gives a control (a sunken clock, a boxed preview) beyond its kind's.
    static bool frame(QStringList& p, const QWidget* w) {
        const auto* f = qobject_cast<const QFrame*>(w);
        if (!f) return false;
        const int own = qobject_cast<const QAbstractScrollArea*>(w)
            ? QFrame::StyledPanel | QFrame::Sunken
            : QFrame::NoFrame;
        const int style = f->frameShape() == QFrame::NoFrame ? 0 : f->frameStyle();
        if (style != own) p << u"frame=%1"_s.arg(style);
        return style != own;
    }
    static void flag(QStringList& p, bool on, const QString& word) {
        if (on) p << word;
    }
    static void actions(QStringList& out, const QString& menu, const QList<QAction*>& list) {
        out << u"menu \"%1\""_s.arg(menu);
        for (QAction* a : list) {
            if (a->isSeparator()) {
                out << (a->isVisible() ? u"  ---"_s : u"  --- hidden"_s);
                continue;
            }
            QStringList p;
            add(p, u""_s, a->text());
            add(p, u"keys"_s, a->shortcut().toString());
            add(p, u"status"_s, a->statusTip());
            flag(p, a->isCheckable(), a->isChecked() ? u"ticked"_s : u"tickable"_s);
            flag(p, !a->isEnabled(), u"disabled"_s);
            flag(p, !a->isVisible(), u"hidden"_s);
            out << u"  "_s + a->objectName() + u' ' + p.join(u' ');
            if (a->menu()) actions(out, a->text(), a->menu()->actions());
        }
    }
    // The texts and states of the kinds a player works; false for any other kind.
    static bool describe(QWidget* w, QStringList& p) {
        if (auto* l = qobject_cast<QLabel*>(w)) {
            add(p, u""_s, l->text());
            flag(p, l->wordWrap(), u"wrapped"_s);
            if (l->buddy()) p << u"for="_s + l->buddy()->objectName();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            add(p, u""_s, b->text());
            flag(p, b->isCheckable(), b->isChecked() ? u"ticked"_s : u"tickable"_s);
            if (auto* push = qobject_cast<QPushButton*>(w))
                flag(p, push->isDefault(), u"default"_s);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            add(p, u"items"_s, joined(c->count(), [c](int i) { return c->itemText(i); }));
            p << u"at=%1"_s.arg(c->currentIndex());
            flag(p, c->isEditable(), u"editable"_s);
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            add(p, u""_s, e->text());
            p << u"max=%1"_s.arg(e->maxLength());
            flag(p, e->isReadOnly(), u"read-only"_s);
            flag(p, !e->text().isEmpty() && e->selectedText() == e->text(), u"selected"_s);
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
            p << u"lines=%1"_s.arg(t->blockCount());
            flag(p, t->isReadOnly(), u"read-only"_s);
            flag(p, t->lineWrapMode() == QPlainTextEdit::NoWrap, u"unwrapped"_s);
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            p << u"choose=%1 edit=%2"_s.arg(int(v->selectionMode())).arg(int(v->editTriggers()));
            if (auto* tree = qobject_cast<QTreeView*>(w)) {
                flag(p, tree->isHeaderHidden(), u"headless"_s);
                flag(p, tree->rootIsDecorated(), u"branches"_s);
                flag(p, tree->isSortingEnabled(), u"sorting"_s);
            }
            if (QAbstractItemModel* m = v->model()) {
                add(p, u"columns"_s, joined(m->columnCount(), [m](int i) {
                    return m->headerData(i, Qt::Horizontal).toString();
                }));
                p << u"rows=%1"_s.arg(m->rowCount());
                int pictures = 0; // the top rows' first cells that show an icon
                for (int row = 0; row < m->rowCount(); ++row)
                    pictures += !m->index(row, 0).data(Qt::DecorationRole).isNull();
                if (pictures > 0) p << u"pictures=%1"_s.arg(pictures);
            }
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            add(p, u""_s, g->title());
        } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
            p << u"%1..%2 at %3 by %4/%5"_s.arg(s->minimum())
                     .arg(s->maximum())
                     .arg(s->value())
                     .arg(s->singleStep())
                     .arg(s->pageStep());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            add(p, u"tabs"_s, joined(tabs->count(), [tabs](int i) { return tabs->tabText(i); }));
            p << u"at=%1"_s.arg(tabs->currentIndex());
        } else {
            return false;
        }
        return true;
    }
};

} // namespace quadrell::test
