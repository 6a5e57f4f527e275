#include "QtPrompter.h"

#include "dlgMove.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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
    const QString start
        = QString::fromStdString(folder) + QLatin1Char('/') + QString::fromStdString(proposed);
    return QFileDialog::getSaveFileName(owner_, QString(), start, QString::fromStdString(filter))
        .toStdString();
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
