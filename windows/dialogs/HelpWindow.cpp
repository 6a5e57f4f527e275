#include "HelpWindow.h"

#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quadrell {

QString HelpWindow::Document() {
    //: The help document in this language, among the program's resources.
    return QStringLiteral(":/help/") + tr("index.html");
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quadrell 2000 Help"));
    auto* browser = new QTextBrowser(this);
    // A caret, so a screen reader reads it line by line and word by word.
    browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    browser->setAccessibleName(windowTitle());
    browser->setSource(QUrl(QStringLiteral("qrc") + Document()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(720, 600); // room for the pictures beside the text margins
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::ShowWithin(const QRect& available) {
    // Placed once to be shown, and again once the frame the desktop adds is known.
    place(available);
    show();
    place(available);
    raise();
    activateWindow();
}

void HelpWindow::place(const QRect& available) {
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(size().boundedTo(available.size() - frame));
    QRect placed(QPoint(), size() + frame);
    placed.moveCenter(
        parentWidget() ? parentWidget()->frameGeometry().center() : available.center());
    placed.moveLeft(
        qBound(available.left(), placed.left(), available.right() - placed.width() + 1));
    placed.moveTop(qBound(available.top(), placed.top(), available.bottom() - placed.height() + 1));
    move(placed.topLeft());
}

} // namespace quadrell
