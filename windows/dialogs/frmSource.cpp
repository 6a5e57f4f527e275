#include "frmSource.h"

#include "GameSource.h"
#include "Session.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrell {

frmSource::frmSource(Session& session, Prompter& prompter, QWidget* owner)
    : QDialog(owner)
    , session_(session)
    , prompter_(prompter)
    , text_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Quadrell 2000 Source"));
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(
        session_.trans.CreateSource().replace(QLatin1String("\r\n"), QLatin1String("\n")));
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
    const qint32 game = session_.state().gGameNumber;
    const std::string path = prompter_.SaveFileName(session_.save.GetLastDir().toStdString(),
        GameSource::ProposedName(game).toStdString(), tr("Text File (*.txt)").toStdString());
    if (path.empty()) return;
    const QStringList names = session_.users.ComboNames();
    const int current = session_.players.CurrentComboIndex();
    const QString player
        = current >= 1 && current <= names.size() ? names.at(current - 1) : QString();
    const QString body = text_->toPlainText().replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const QString file = QString::fromStdString(path);
    if (!GameSource::Save(
            file, GameSource::FileText(player, QDateTime::currentDateTime(), game, body)))
        prompter_.Message(tr("The source could not be saved to\r\n%1").arg(file).toStdString(),
            MessageIcon::Exclamation, kAppTitle);
}

} // namespace quadrell
