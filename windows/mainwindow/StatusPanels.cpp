#include "StatusPanels.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace quadrell {

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setSpacing(2);
}

void StatusPanels::Add(QLabel* panel) {
    panel->setParent(this);
    panels_.append(panel);
    arrange();
}

// A panel's text changing, or a panel shown or hidden, asks for a new layout.
bool StatusPanels::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) arrange();
    return QWidget::event(event);
}

// QWidget's own show and resize handlers do nothing: nothing to pass on.
void StatusPanels::showEvent(QShowEvent*) { arrange(); }

void StatusPanels::resizeEvent(QResizeEvent*) { arrange(); }

void StatusPanels::arrange() {
    QList<QLabel*> shown;
    int widest = 0;
    for (QLabel* panel : panels_)
        if (!panel->isHidden()) {
            shown.append(panel);
            widest = std::max(widest, panel->sizeHint().width());
        }
    const auto fits = [&](int columns) {
        return columns * widest + (columns - 1) * grid_->spacing() <= width();
    };
    const int n = static_cast<int>(std::max<qsizetype>(shown.size(), 1));
    // Side by side until shown at the width the window gives: no second row at start-up.
    const int columns = !isVisible() || fits(n) ? n : fits((n + 1) / 2) ? (n + 1) / 2 : 1;
    if (columns == columns_ && shown == placed_) return;
    columns_ = columns;
    placed_ = shown;
    for (QLabel* panel : panels_)
        grid_->removeWidget(panel);
    for (int c = 0; c < grid_->columnCount(); ++c)
        grid_->setColumnStretch(c, 0);
    for (int i = 0; i < shown.size(); ++i)
        grid_->addWidget(shown[i], i / columns, i % columns);
    for (int c = 0; c < columns; ++c)
        grid_->setColumnStretch(c, 1);
}

} // namespace quadrell
