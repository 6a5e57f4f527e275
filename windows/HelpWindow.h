#pragma once

#include <QWidget>

namespace quadrell {

// The program's own help: how to play, the rules, every menu command.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);
};

} // namespace quadrell
