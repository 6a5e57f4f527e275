#include "dlgAbout.h"

#include "CardArt.h"
#include "Icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

QString dlgAbout::VersionLine() {
    return tr("Version : %1.%2.%3")
        .arg(QUADRELL_VERSION_MAJOR)
        .arg(QUADRELL_VERSION_MINOR)
        .arg(QUADRELL_VERSION_PATCH);
}

dlgAbout::dlgAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("About Quadrell 2000"));
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* inside = new QHBoxLayout(frame);
    auto* logo = new QLabel(frame);
    logo->setPixmap(Icons::Program().pixmap(QSize(64, 64), devicePixelRatioF()));
    inside->addWidget(logo, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    auto* name = new QLabel(tr("Quadrell 2000"), frame);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(VersionLine(), frame);
    version->setObjectName(QStringLiteral("lblVersion"));
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(
        new QLabel(tr("A solitaire of eight columns, four cells and four foundations."), frame));
    inside->addLayout(text, 1); // the room to spare goes to the words, beside the logo
    // The one button takes the focus, and with it Return.
    auto* ok = new QPushButton(tr("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace quadrell
