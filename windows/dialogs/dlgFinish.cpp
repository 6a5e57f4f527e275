#include "dlgFinish.h"

#include "DialogParts.h"
#include "Icons.h"
#include "Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

dlgFinish::dlgFinish(
    FinishFlow& flow, Prompter& prompter, QWidget* owner, std::function<void()> review)
    : QDialog(owner)
    , flow_(flow)
    , prompter_(prompter)
    , imcGame_(new QComboBox(this))
    , chkSave_(new QCheckBox(tr("Save this Game"), this))
    , txtSave_(new QLineEdit(this))
    , cmdBrowse_(new QPushButton(tr("Browse"), this))
    , chkFav_(new QCheckBox(tr("Add To Favorites"), this))
    , imc1_(new QComboBox(this))
    , txtFav_(new QLineEdit(this)) {
    setWindowTitle(tr("Congrats You Win !"));
    imcGame_->setObjectName(QStringLiteral("imcGame"));
    for (const QString& caption : FinishFlow::Captions())
        imcGame_->addItem(Icons::Of(Icons::Glyph::NewGame), caption);
    for (const QString& folder : flow_.FavouriteFolders())
        imc1_->addItem(Icons::Of(Icons::Glyph::ClosedFolder),
            tr("Favorites -> ") + QFileInfo(folder).fileName(), folder);
    const FinishFlow::Choices proposed = flow_.Proposed();
    txtSave_->setText(proposed.savePath);
    txtFav_->setText(proposed.favName);
    chkFav_->setChecked(proposed.favourite);
    chkSave_->setChecked(proposed.save);
    imcGame_->setCurrentIndex(std::clamp(proposed.nextIndex, 1, 4) - 1);
    if (imc1_->count() > 0)
        imc1_->setCurrentIndex(std::clamp(proposed.favIndex, 1, imc1_->count()) - 1);

    txtSave_->setAccessibleName(tr("Save as"));
    cmdBrowse_->setAccessibleName(tr("Browse for where to save"));
    imc1_->setAccessibleName(tr("Favorites folder"));
    txtFav_->setAccessibleName(tr("Favorite name"));
    imcGame_->setAccessibleName(tr("Next game"));
    auto* select = new QGroupBox(tr("Select"), this);
    auto* selectRow = new QVBoxLayout(select);
    selectRow->addWidget(LabelFor(imcGame_, tr("Next game:")));
    selectRow->addWidget(imcGame_);
    auto* options = new QGroupBox(tr("Options"), this);
    auto* grid = new QGridLayout(options);
    grid->addWidget(chkSave_, 0, 0, 1, 2);
    grid->addWidget(txtSave_, 1, 0);
    grid->addWidget(cmdBrowse_, 1, 1);
    grid->addWidget(chkFav_, 2, 0, 1, 2);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(LabelFor(imc1_, tr("Favorites folder:")));
    folderRow->addWidget(imc1_, 1);
    grid->addLayout(folderRow, 3, 0, 1, 2);
    grid->addWidget(txtFav_, 4, 0, 1, 2);
    auto* ok = NamedButton(this, "OKButton", tr("OK"));
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "CancelButton", tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, &dlgFinish::Ok);
    connect(cancel, &QPushButton::clicked, this, &dlgFinish::Cancel);
    connect(cmdBrowse_, &QPushButton::clicked, this, &dlgFinish::Browse);
    connect(chkSave_, &QCheckBox::clicked, this, &dlgFinish::applyEnableRule);
    connect(chkFav_, &QCheckBox::clicked, this, &dlgFinish::applyEnableRule);
    connect(imc1_, &QComboBox::activated, this, [this] {
        txtFav_->selectAll();
        txtFav_->setFocus();
    });
    connect(imcGame_, &QComboBox::activated, ok, qOverload<>(&QWidget::setFocus));
    auto* buttons = ButtonRow({ ok, cancel });
    if (review) {
        // The won game looked over move by move before it is put away.
        auto* reviewButton = NamedButton(this, "cmdReview", tr("Re&view Game..."));
        connect(reviewButton, &QPushButton::clicked, this, std::move(review));
        buttons->insertWidget(0, reviewButton);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figuresBox());
    layout->addWidget(select);
    layout->addWidget(options);
    layout->addLayout(buttons);
    applyEnableRule();
    resize(380, sizeHint().height());
}

QGroupBox* dlgFinish::figuresBox() {
    auto* box = new QGroupBox(tr("This Game"), this);
    box->setObjectName(QStringLiteral("fraFigures"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    QStringList said;
    for (const FinishFlow::Figure& f : flow_.Figures()) {
        auto* name = new QLabel(f.name + QLatin1Char(':'), box);
        auto* value = new QLabel(f.value, box);
        auto* against = new QLabel(f.against, box);
        QFont strong = value->font();
        strong.setBold(true);
        value->setFont(strong);
        if (f.newBest) against->setFont(strong);
        // One line for a screen reader: "Moves 84, New best".
        value->setAccessibleName(QStringLiteral("%1 %2, %3").arg(f.name, f.value, f.against));
        value->setObjectName(QStringLiteral("lblFigure%1").arg(row + 1));
        said << value->accessibleName();
        grid->addWidget(name, row, 0);
        grid->addWidget(value, row, 1, Qt::AlignRight);
        grid->addWidget(against, row, 2);
        ++row;
    }
    // Read out as the dialog opens, before its first control.
    setAccessibleDescription(said.join(QStringLiteral(". ")) + QLatin1Char('.'));
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(12);
    return box;
}

void dlgFinish::applyEnableRule() {
    txtSave_->setEnabled(chkSave_->isChecked());
    cmdBrowse_->setEnabled(chkSave_->isChecked());
    imc1_->setEnabled(chkFav_->isChecked());
    txtFav_->setEnabled(chkFav_->isChecked());
}

void dlgFinish::Browse() {
    const std::string folder = prompter_.BrowseForFolder(
        tr("Select A Directory").toStdString(), flow_.BrowseStart().toStdString());
    if (folder.empty()) return; // cancelled: the path box keeps its text
    txtSave_->setText(flow_.PathIn(QString::fromStdString(folder)));
}

void dlgFinish::Ok() {
    FinishFlow::Choices c;
    c.save = chkSave_->isChecked();
    c.savePath = txtSave_->text();
    c.favourite = chkFav_->isChecked();
    c.favFolder = imc1_->currentData().toString();
    c.favName = txtFav_->text();
    c.favIndex = imc1_->currentIndex() + 1;
    c.nextIndex = imcGame_->currentIndex() + 1;
    const QString refusal = flow_.Refusal(c);
    if (!refusal.isEmpty()) {
        prompter_.Message(refusal.toStdString(), MessageIcon::Exclamation, kAppTitle);
        return; // the dialog stays, nothing recorded yet
    }
    done_ = true;
    hide();
    flow_.Accept(c);
    accept();
}

void dlgFinish::Cancel() {
    done_ = true;
    flow_.Cancel();
    QDialog::reject();
}

void dlgFinish::reject() {
    if (!done_) Cancel(); // the close box and Escape record the win too, once
}

} // namespace quadrell
