#include "frmSource.h"

#include "GameSource.h"
#include "Prompter.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

frmSource::frmSource(const QString& source, qint32 game, QString player, QString folder,
    Prompter& prompter, Clock clock, QWidget* owner)
    : QDialog(owner)
    , game_(game)
    , player_(std::move(player))
    , folder_(std::move(folder))
    , prompter_(prompter)
    , clock_(std::move(clock))
    , text_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Quadrell 2000 Source"));
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setAccessibleName(tr("Source"));
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(QString(source).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdOK"));
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    QPushButton* save = buttons->addButton(tr("Save"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("cmdSave"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &frmSource::Save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(640, 300);
}

void frmSource::Save() {
    const std::string path = prompter_.SaveFileName(folder_.toStdString(),
        GameSource::ProposedName(game_).toStdString(), tr("Text File (*.txt)").toStdString());
    if (path.empty()) return;
    const QString body = text_->toPlainText().replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const QString file = QString::fromStdString(path);
    if (!GameSource::Save(file, GameSource::FileText(player_, clock_(), game_, body)))
        prompter_.Message(tr("The source could not be saved to\r\n%1").arg(file).toStdString(),
            MessageIcon::Exclamation, kAppTitle);
}

} // namespace quadrell
