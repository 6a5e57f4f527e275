#include "HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace quadrell {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quadrell 2000 Help"));
    auto* browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(620, 560);
}

} // namespace quadrell
