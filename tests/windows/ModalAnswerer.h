#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// Answers every modal window that opens while it lives, and remembers their texts: message
// boxes get their default button (or `yes` for a Yes/No question), other dialogs `accept`.
class ModalAnswerer {
public:
    explicit ModalAnswerer(bool yes = true) : yes_(yes) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    QStringList texts;
    QList<QMessageBox::Icon> icons;
    std::function<void(QWidget*)> handler; // a dialog of our own, answered by the test
    std::function<void()> seen;            // told of each message box before it is answered

    // Types `name` (a bare name or a whole path) into a file dialog and accepts it once it is
    // what the dialog would answer: the dialog fills in its own proposal when its folder has
    // been read, which may come after the typing, so the check and the accept come together.
    // True when it has accepted.
    static bool TypeFileName(QFileDialog* files, const QString& name) {
        auto* edit = files->findChild<QLineEdit*>(u"fileNameEdit"_s);
        if (!edit || files->property("accepted").toBool()) return false;
        // A whole path: its folder first, then its name.
        const QFileInfo path(name);
        if (path.isAbsolute() && files->directory().absolutePath() != path.absolutePath()) {
            files->setDirectory(path.absolutePath());
            return false;
        }
        const QString typed = path.isAbsolute() ? path.fileName() : name;
        // What accepting would give: the name typed, or a file still selected in the list.
        if (files->selectedFiles().value(0) != files->directory().absoluteFilePath(typed)) {
            files->selectFile(typed);
            edit->setText(typed);
            return false;
        }
        files->setProperty("accepted", true);
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
        return true;
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
            icons << box->icon();
            if (seen) seen();
            QAbstractButton* button = box->button(yes_ ? QMessageBox::Yes : QMessageBox::No);
            if (!button) button = box->button(QMessageBox::Ok);
            button->click();
        } else if (handler) {
            handler(modal);
        }
    }

    bool yes_;
    QTimer timer_;
};

} // namespace quadrell::test
