#include "QtPrompter.h"

#include "dlgMove.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <memory>

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
    Log(QString::fromStdString(message));
    QMessageBox box(iconOf(icon), text(title), text(message), QMessageBox::Ok, owner_);
    box.exec();
}

void QtPrompter::Log(const QString& message) {
    std::fprintf(stderr, "quadrell2000: %s\n",
        QString(message)
            .replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
            .toLocal8Bit()
            .constData());
}

bool QtPrompter::Question(const std::string& question, const std::string& title, MessageIcon icon) {
    QMessageBox box(
        iconOf(icon), text(title), text(question), QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Prompter::Answer QtPrompter::QuestionOr(const std::string& question, const std::string& title,
    MessageIcon icon, const std::string& other, const std::string& second) {
    QMessageBox box(
        iconOf(icon), text(title), text(question), QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    QPushButton* third = box.addButton(text(other), QMessageBox::ActionRole);
    third->setObjectName(QStringLiteral("cmdOther"));
    QPushButton* fourth = nullptr;
    if (!second.empty()) {
        fourth = box.addButton(text(second), QMessageBox::ActionRole);
        fourth->setObjectName(QStringLiteral("cmdSecondOther"));
    }
    const int chosen = box.exec();
    if (box.clickedButton() == third) return Answer::Other;
    if (fourth && box.clickedButton() == fourth) return Answer::SecondOther;
    return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::string QtPrompter::Translated(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
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
            || Question(QtPrompter::tr("%1 already exists.\r\nDo you want to replace it?")
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

void QtPrompter::RunWithProgress(
    const std::string& label, const std::function<void(const Progress&)>& work) {
    std::atomic<bool> cancelled { false };
    std::atomic<int> permille { 0 };
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        work(Progress(
            [&](std::int64_t done, std::int64_t total) {
                permille = total > 0 ? static_cast<int>(done * 1000 / total) : 1000;
                return !cancelled;
            },
            &cancelled));
    }));
    // A short task ends before any window could be read: none is shown, and meanwhile clicks
    // and keys wait, so nothing the task reads can change under it.
    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    QTimer::singleShot(kProgressDelayMs, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    if (!worker->isFinished()) {
        QProgressDialog dialog(text(label), QtPrompter::tr("Cancel"), 0, 1000, owner_);
        dialog.setObjectName(QStringLiteral("dlgProgress"));
        dialog.setWindowTitle(QString::fromStdString(kAppTitle));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setMinimumDuration(0);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        QObject::connect(&dialog, &QProgressDialog::canceled, [&] { cancelled = true; });
        QObject::connect(worker.get(), &QThread::finished, &dialog, [&dialog] { dialog.done(0); });
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { dialog.setValue(permille); });
        tick.start(50);
        dialog.setValue(permille);
        if (!worker->isFinished()) dialog.exec();
    }
    worker->wait();
}

} // namespace quadrell
