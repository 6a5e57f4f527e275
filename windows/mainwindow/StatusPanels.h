#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;

namespace quadrell {

// The status bar's panels, side by side in equal widths while their texts fit; with a large
// font or a narrow window they go into two rows, or one under another, rather than be cut.
class StatusPanels final : public QWidget {
public:
    explicit StatusPanels(QWidget* parent = nullptr);
    void Add(QLabel* panel);
    int Columns() const { return columns_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void arrange();

    QGridLayout* grid_;
    QList<QLabel*> panels_;
    QList<QLabel*> placed_; // the panels shown, as last placed
    int columns_ = 0;
};

} // namespace quadrell
