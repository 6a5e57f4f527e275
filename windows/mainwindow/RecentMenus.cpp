#include "RecentMenus.h"

#include "CommandTable.h"
#include "cRecent.h"

#include <QCoreApplication>
#include <QMenu>

namespace quadrell {

RecentMenus::RecentMenus(
    QMenu& game, QAction* before, const cRecent& recent, std::function<void(qint16)> open)
    : QObject(&game)
    , recent_(recent) {
    const char* names[2][3]
        = { { QT_TRANSLATE_NOOP("Command", "Recent &Finished"), "mnuComp", "Recent1" },
              { QT_TRANSLATE_NOOP("Command", "Recent &InComplete"), "mnuIncomp", "Recent2" } };
    for (int list = 0; list < 2; ++list) {
        auto* menu = new QMenu(Command::tr(names[list][0]), &game);
        game.insertMenu(before, menu);
        menus_[list] = menu->menuAction();
        menus_[list]->setObjectName(QLatin1String(names[list][1]));
        for (int i = 0; i < 5; ++i) {
            QAction* item = menu->addAction(QString()); // its path and whether shown: Update
            item->setObjectName(QLatin1String(names[list][2]));
            const auto slot = static_cast<qint16>(list * 5 + i + 1);
            connect(item, &QAction::triggered, this, [open, slot] { open(slot); });
            items_[list][i] = item;
        }
        none_[list] = menu->addAction(Command::tr("None"));
        none_[list]->setObjectName(QStringLiteral("Recent%1Sep").arg(list + 1));
        none_[list]->setEnabled(false);
    }
}

void RecentMenus::Update() {
    for (int list = 0; list < 2; ++list) {
        bool any = false;
        for (int i = 0; i < 5; ++i) {
            const QString path = recent_.GetRecent(static_cast<qint16>(list * 5 + i + 1));
            items_[list][i]->setVisible(!path.isEmpty());
            QString shown = path;
            items_[list][i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                shown.replace(QLatin1Char('&'), QLatin1String("&&"))));
            any = any || !path.isEmpty();
        }
        none_[list]->setVisible(!any);
    }
}

void RecentMenus::UpdateEnabled() {
    menus_[0]->setEnabled(recent_.EnableFinish());
    menus_[1]->setEnabled(recent_.EnableInComplete());
}

} // namespace quadrell
