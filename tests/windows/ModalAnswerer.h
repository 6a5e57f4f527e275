#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quadrell::test {

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

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
            icons << box->icon();
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
