#include "Notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quadrell {

namespace {

class NoticeAccessible final : public QAccessibleWidget {
public:
    explicit NoticeAccessible(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) { }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Notice*>(widget())->Line() : QString();
    }
};

QAccessibleInterface* makeNotice(const QString& className, QObject* object) {
    if (className != QLatin1String("quadrell::Notice")) return nullptr;
    return new NoticeAccessible(static_cast<Notice*>(object));
}

} // namespace

Notice::Notice(QWidget* parent) : QWidget(parent) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(makeNotice);
        return true;
    }();
    setFixedSize(0, 0);
    hide();
}

void Notice::Say(const QString& line) {
    line_ = line;
    // Appearing is what is said: gone and back for each line.
    hide();
    if (!line.isEmpty()) show();
}

} // namespace quadrell
