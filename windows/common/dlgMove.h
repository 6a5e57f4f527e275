#pragma once

#include "Prompter.h"

#include <QDialog>

namespace quadrell {

// "Move to Empty Column..": one card, or as much of the run as the free space carries.
class dlgMove final : public QDialog {
    Q_OBJECT
public:
    explicit dlgMove(QWidget* owner);
    // Shows the dialog modally; closing it any other way counts as "Cancel".
    EmptyColumnChoice Ask();

private:
    EmptyColumnChoice choice_ = EmptyColumnChoice::Cancel;
};

} // namespace quadrell
