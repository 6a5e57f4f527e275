#include "frmSelectGame.h"

#include "DialogParts.h"
#include "Notice.h"
#include "Prompter.h"
#include "SelectGameRules.h"
#include "cMenu.h"
#include "cOpt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

frmSelectGame::frmSelectGame(
    cMenu& menu, const cOpt& opt, Prompter& prompter, QWidget* owner, RatingTask::Rate rater)
    : QDialog(owner)
    , menu_(menu)
    , prompter_(prompter)
    , label_(new QLabel(this))
    , text_(new QLineEdit(this))
    , rating_(new QLabel(this))
    , notice_(new Notice(this))
    , ratingTask_(this, std::move(rater)) {
    setWindowTitle(tr("Select Game"));
    const qint32 limit = opt.GetRandomLimit();
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setText(SelectGameRules::Label(limit));
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setText(QString::number(cMenu::DrawGameNumber(limit)));
    text_->selectAll();
    rating_->setObjectName(QStringLiteral("lblDifficulty"));
    connect(text_, &QLineEdit::textChanged, this, &frmSelectGame::rate);
    rate(text_->text());
    label_->setBuddy(text_); // names the field and gives it its Alt+letter
    auto* select = NamedButton(this, "cmdSelect", tr("Select"));
    select->setDefault(true);
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    connect(select, &QPushButton::clicked, this, &frmSelectGame::Select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({ select, cancel });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(text_);
    layout->addWidget(rating_);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void frmSelectGame::rate(const QString& text) {
    const auto game = SelectGameRules::Validate(text);
    notice_->Say({});
    if (!game) {
        ratingTask_.Cancel();
        rating_->clear();
        return;
    }
    rating_->setText(tr("Difficulty: rating..."));
    // A number typed is rated while the player types on: its rating is said as it arrives
    // (the first one is read with the dialog, beside the field).
    const bool typed = isVisible();
    ratingTask_.Start(*game, [this, typed](const Difficulty::Rating& r) {
        rating_->setText(tr("Difficulty: %1").arg(RatingTask::Name(r.level)));
        if (typed) notice_->Say(rating_->text());
    });
}

void frmSelectGame::Select() {
    const auto game = SelectGameRules::Validate(text_->text());
    if (!game) {
        prompter_.Message(
            SelectGameRules::Refusal().toStdString(), MessageIcon::Information, kAppTitle);
        text_->setText(QStringLiteral("0"));
        text_->setFocus();
        text_->selectAll();
        return;
    }
    menu_.NewGame(*game, false);
    menu_.Game_Started(false);
    accept();
}

} // namespace quadrell
