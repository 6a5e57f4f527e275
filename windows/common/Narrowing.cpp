#include "Narrowing.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace quadrell {

namespace {

// The text as a screen reader names the control: without its mnemonic marks.
QString spoken(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// Breaks a check box's or radio button's text into lines no wider than `width`, at spaces.
void breakLines(QAbstractButton* button, int width) {
    const QString text = button->text();
    if (button->accessibleName().isEmpty()) button->setAccessibleName(spoken(text));
    const int beside
        = button->minimumSizeHint().width() - button->fontMetrics().horizontalAdvance(spoken(text));
    const int room = std::max(width - beside, button->fontMetrics().averageCharWidth() * 12);
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && button->fontMetrics().horizontalAdvance(spoken(longer)) > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    button->setText(lines.join(QLatin1Char('\n')));
}

struct Widest {
    int width = 0;
    QWidget* widget = nullptr;
    QBoxLayout* row = nullptr;
};

bool breakable(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return !label->wordWrap() && !label->text().isEmpty();
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        return static_cast<QAbstractButton*>(w)->text().contains(QLatin1Char(' '));
    return false;
}

// A row of at least two controls side by side.
bool turnable(QBoxLayout* box) {
    if (box->direction() != QBoxLayout::LeftToRight) return false;
    int parts = 0;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemAt(i)->widget() || box->itemAt(i)->layout()) ++parts;
    return parts >= 2;
}

// The widest text that can break, and apart from it the widest row that can turn.
void findWidest(QWidget* top, Widest& text, Widest& row) {
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->isWindow()) continue;
        const int width = w->minimumSizeHint().width();
        if (breakable(w) && width > text.width) text = { width, w, nullptr };
    }
    for (QBoxLayout* box : top->findChildren<QBoxLayout*>()) {
        const int width = box->minimumSize().width();
        if (turnable(box) && width > row.width) row = { width, nullptr, box };
    }
}

// A row becomes a column; the stretches that spread it sideways would only open gaps.
void turn(QBoxLayout* row) {
    for (int i = row->count() - 1; i >= 0; --i)
        if (row->itemAt(i)->spacerItem()) delete row->takeAt(i);
    row->setDirection(QBoxLayout::TopToBottom);
}

} // namespace

void NarrowTo(QWidget* controls, int width) {
    // Each round makes one control narrower; a dialog has fewer controls than this.
    for (int round = 0; round < 64; ++round) {
        if (controls->layout()) controls->layout()->activate();
        const int excess = controls->minimumSizeHint().width() - width;
        if (excess <= 0) return;
        Widest text;
        Widest row;
        findWidest(controls, text, row);
        // A text too wide for the screen by itself breaks before any row turns.
        const bool textFirst = text.widget && text.width > width - excess / 2 - 1;
        if (row.row && !textFirst) {
            turn(row.row);
        } else if (auto* label = qobject_cast<QLabel*>(text.widget)) {
            label->setWordWrap(true);
        } else if (text.widget) {
            breakLines(static_cast<QAbstractButton*>(text.widget), text.width - excess);
        } else {
            return;
        }
        for (QWidget* w : controls->findChildren<QWidget*>())
            w->updateGeometry();
    }
}

} // namespace quadrell
