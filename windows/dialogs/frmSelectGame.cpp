#include "frmSelectGame.h"

#include "DialogParts.h"
#include "SelectGameRules.h"
#include "Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

frmSelectGame::frmSelectGame(Session& session, QWidget* owner)
    : QDialog(owner)
    , session_(session)
    , label_(new QLabel(this))
    , text_(new QLineEdit(this)) {
    setWindowTitle(tr("Select Game"));
    const qint32 limit = session_.opt.GetRandomLimit();
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setText(SelectGameRules::Label(limit));
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setText(QString::number(cMenu::DrawGameNumber(limit)));
    text_->selectAll();
    auto* select = NamedButton(this, "cmdSelect", tr("Select"));
    select->setDefault(true);
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    connect(select, &QPushButton::clicked, this, &frmSelectGame::Select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({ select, cancel });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void frmSelectGame::Select() {
    const auto game = SelectGameRules::Validate(text_->text());
    if (!game) {
        session_.prompter.Message(
            SelectGameRules::Refusal().toStdString(), MessageIcon::Information, kAppTitle);
        text_->setText(QStringLiteral("0"));
        text_->setFocus();
        text_->selectAll();
        return;
    }
    session_.menu.NewGame(*game, false);
    session_.menu.Game_Started(false);
    accept();
}

} // namespace quadrell
