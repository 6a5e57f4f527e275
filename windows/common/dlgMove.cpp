#include "dlgMove.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

dlgMove::dlgMove(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Move to Empty Column.."));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Move the selected card alone, or the whole run above it?"), this));
    auto* buttons = new QHBoxLayout;
    auto add = [this, buttons](const QString& caption, const char* name, EmptyColumnChoice choice) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            accept();
        });
        return button;
    };
    add(tr("Move Single Card"), "cmdSingle", EmptyColumnChoice::Single)->setDefault(true);
    add(tr("Move Column"), "cmdColumn", EmptyColumnChoice::Column);
    add(tr("Cancel"), "cmdCancel", EmptyColumnChoice::Cancel);
    layout->addLayout(buttons);
}

EmptyColumnChoice dlgMove::Ask() {
    choice_ = EmptyColumnChoice::Cancel;
    exec();
    return choice_;
}

} // namespace quadrell
