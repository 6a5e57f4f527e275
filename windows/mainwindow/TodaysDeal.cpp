#include "TodaysDeal.h"

#include "DailyDeal.h"
#include "cMenu.h"

#include <QLocale>
#include <QStatusBar>

namespace quadrell {

TodaysDeal::TodaysDeal(cMenu& menu, QStatusBar& status, QObject* parent)
    : QObject(parent)
    , menu_(menu)
    , status_(status) { }

qint32 TodaysDeal::NumberFor(const QDate& date) {
    return DailyDeal::For(date.year(), unsigned(date.month()), unsigned(date.day()));
}

void TodaysDeal::Play(const QDate& date) {
    const qint32 number = NumberFor(date);
    if (!menu_.PlayNumbered(number)) return;
    const QString day = QLocale().toString(date, QLocale::LongFormat);
    const QString line = tr("Today's deal, %1: Game No. %2").arg(day).arg(number);
    status_.showMessage(line, kShownMs);
    rating_.Start(number, [this, line, day, number](const Difficulty::Rating& rating) {
        if (status_.currentMessage() != line) return; // the player has moved on
        status_.showMessage(tr("Today's deal, %1: Game No. %2, %3")
                                .arg(day)
                                .arg(number)
                                .arg(RatingTask::Name(rating.level)),
            kShownMs);
    });
}

} // namespace quadrell
