#pragma once

#include <QWidget>

namespace quadrell {

// The program's own help: how to play, the rules, every menu command. It opens inside
// the screen next to its owner and closes with Escape.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // The help document in the language the program speaks, as a resource path.
    static QString Document();

    // Shows the window whole within `available` (the screen's free area), over its owner.
    void ShowWithin(const QRect& available);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void place(const QRect& available);
};

} // namespace quadrell
