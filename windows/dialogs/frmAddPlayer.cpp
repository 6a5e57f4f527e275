#include "frmAddPlayer.h"

#include "DialogParts.h"
#include "Prompter.h"
#include "cSave.h"
#include "cUser.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

frmAddPlayer::frmAddPlayer(cUser& users, Prompter& prompter, Clock clock, QWidget* owner)
    : QDialog(owner)
    , users_(users)
    , prompter_(prompter)
    , clock_(std::move(clock))
    , txtPlayer_(new QLineEdit(this))
    , txtFullName_(new QLineEdit(this)) {
    setWindowTitle(tr("Add a Player"));
    txtPlayer_->setObjectName(QStringLiteral("txtPlayer"));
    txtFullName_->setObjectName(QStringLiteral("txtFullName"));
    txtPlayer_->setText(users_.ProposedName());
    txtPlayer_->selectAll();
    auto* form = new QFormLayout;
    form->addRow(tr("Player Name :"), txtPlayer_);
    form->addRow(tr("Full Name :"), txtFullName_);
    auto* add = NamedButton(this, "cmdAdd", tr("Add"));
    add->setDefault(true);
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    connect(add, &QPushButton::clicked, this, &frmAddPlayer::Add);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({ add, cancel });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void frmAddPlayer::Add() {
    const QString refusal = cUser::CheckName(txtPlayer_->text());
    if (!refusal.isEmpty()) {
        prompter_.Message(refusal.toStdString(), MessageIcon::Exclamation, kAppTitle);
        return;
    }
    users_.AddUser(txtPlayer_->text(), txtFullName_->text(), cSave::DateText(clock_()));
    accept();
}

} // namespace quadrell
