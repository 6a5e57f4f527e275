#include "Mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <functional>

namespace quadrell {

namespace {

// One labelled control: how to read and write its caption.
struct Caption {
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

// The page a control sits on (a page of a tabbed window), or the window itself.
QWidget* pageOf(QWidget* w, QWidget* window) {
    for (QWidget* a = w->parentWidget(); a && a != window; a = a->parentWidget())
        if (qobject_cast<QStackedWidget*>(a->parentWidget())) return a;
    return window;
}

// The labelled controls of `window`, by the page they sit on.
QHash<QWidget*, QList<Caption>> captionsOf(QWidget* window) {
    QHash<QWidget*, QList<Caption>> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue;
        QList<Caption>& page = out[pageOf(w, window)];
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // Only a label that names a field can take the field's letter; a bare label
            // would show the & itself.
            if (label->buddy() && label->textFormat() != Qt::RichText)
                page.append({ [label] { return label->text(); },
                    [label](const QString& t) { label->setText(t); } });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!qobject_cast<QToolButton*>(w) && !button->text().isEmpty())
                page.append({ [button] { return button->text(); },
                    [button](const QString& t) { button->setText(t); } });
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->isCheckable())
                page.append({ [group] { return group->title(); },
                    [group](const QString& t) { group->setTitle(t); } });
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                page.append({ [tabs, i] { return tabs->tabText(i); },
                    [tabs, i](const QString& t) { tabs->setTabText(i, t); } });
        }
    }
    return out;
}

QString withoutMnemonic(QString caption) {
    caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1String("&&"));
}

// Where the mark goes in a caption without one: a free word initial first, then any free
// letter or digit; -1 when every one is taken.
qsizetype freePlace(const QString& caption, const QSet<QChar>& used) {
    auto free = [&](qsizetype i) {
        const QChar c = caption.at(i);
        return c.isLetterOrNumber() && !used.contains(c.toLower());
    };
    for (qsizetype i = 0; i < caption.size(); ++i)
        if ((i == 0 || !caption.at(i - 1).isLetterOrNumber()) && free(i)) return i;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (free(i)) return i;
    return -1;
}

} // namespace

QChar MnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (caption.at(i + 1) != QLatin1Char('&')) return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

namespace {

// Marks the captions of one page, `used` holding the letters its window already gives.
void mark(const QList<Caption>& captions, QSet<QChar>& used) {
    QList<const Caption*> unmarked;
    for (const Caption& caption : captions) {
        const QString text = caption.get();
        const QChar letter = MnemonicOf(text);
        if (!letter.isNull() && !used.contains(letter)) {
            used.insert(letter);
            continue;
        }
        if (!letter.isNull()) caption.set(withoutMnemonic(text));
        unmarked.append(&caption);
    }
    for (const Caption* caption : unmarked) {
        QString text = caption->get();
        const qsizetype at = freePlace(text, used);
        if (at < 0) continue;
        used.insert(text.at(at).toLower());
        caption->set(text.insert(at, QLatin1Char('&')));
    }
}

// Marks `page` and then the pages within it: a hidden page's letters do nothing, so two
// pages may share a letter, but none may take one of the window around it.
void markPage(QWidget* page, QWidget* window, const QHash<QWidget*, QList<Caption>>& captions,
    QSet<QChar> used) {
    mark(captions.value(page), used);
    for (auto it = captions.keyBegin(); it != captions.keyEnd(); ++it)
        if (*it != window && pageOf(*it, window) == page) markPage(*it, window, captions, used);
}

} // namespace

void GiveMnemonics(QWidget* window) { markPage(window, window, captionsOf(window), {}); }

} // namespace quadrell
