#pragma once

#include <QDialog>

namespace quadrell {

// "About Quadrell 2000": the logo, the product name and the version line.
class dlgAbout final : public QDialog {
    Q_OBJECT
public:
    explicit dlgAbout(QWidget* owner);
    static QString VersionLine();
};

} // namespace quadrell
