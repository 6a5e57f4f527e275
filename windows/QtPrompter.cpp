#include "QtPrompter.h"

#include "dlgMove.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace quadrell {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString text(const std::string& s) {
    return QString::fromStdString(s).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

void QtPrompter::Message(const std::string& message, MessageIcon icon, const std::string& title) {
    QMessageBox box(iconOf(icon), text(title), text(message), QMessageBox::Ok, owner_);
    box.exec();
}

bool QtPrompter::Question(const std::string& question, const std::string& title, MessageIcon icon) {
    QMessageBox box(
        iconOf(icon), text(title), text(question), QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

EmptyColumnChoice QtPrompter::AskEmptyColumn() {
    dlgMove dialog(owner_);
    return dialog.Ask();
}

std::string QtPrompter::SaveFileName(
    const std::string& folder, const std::string& proposed, const std::string& filter) {
    const QString filters = QString::fromStdString(filter);
    // "Quadrell 2000 InComplete Game (*.qrl)": the name always ends in ".qrl", whatever
    // dots it has ("v1.2 best"), and the question about replacing sees that whole name.
    const QRegularExpressionMatch found
        = QRegularExpression(QStringLiteral("\\(\\*(\\.[A-Za-z0-9]+)\\)")).match(filters);
    const QString suffix = found.hasMatch() ? found.captured(1) : QString();
    QString start
        = QString::fromStdString(folder) + QLatin1Char('/') + QString::fromStdString(proposed);
    for (;;) {
        QFileDialog dialog(owner_, QString(), start, filters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        QString path = dialog.selectedFiles().constFirst();
        if (!suffix.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
        if (!QFileInfo::exists(path)
            || Question(QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                            .arg(QDir::toNativeSeparators(path))
                            .toStdString(),
                kAppTitle, MessageIcon::Exclamation))
            return path.toStdString();
        start = path; // No: the dialog again, for another name
    }
}

std::string QtPrompter::BrowseForFolder(const std::string& title, const std::string& start) {
    return QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title),
        QString::fromStdString(start), QFileDialog::ShowDirsOnly)
        .toStdString();
}

std::string QtPrompter::OpenFileName(const std::string& folder, const std::string& filter) {
    return QFileDialog::getOpenFileName(
        owner_, QString(), QString::fromStdString(folder), QString::fromStdString(filter))
        .toStdString();
}

std::string QtPrompter::InputBox(const std::string& prompt, const std::string& title, bool& ok) {
    return QInputDialog::getText(
        owner_, text(title), text(prompt), QLineEdit::Normal, QString(), &ok)
        .toStdString();
}

unsigned QtPrompter::ChooseColour(unsigned initial) {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(initial), owner_);
    return chosen.isValid() ? chosen.rgb() & 0xffffffu : initial;
}

} // namespace quadrell
