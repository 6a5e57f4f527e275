#pragma once

#include "RatingTask.h"

#include <QDate>
#include <QObject>

class QStatusBar;

namespace quadrell {

class cMenu;

// Game › Today's Deal: the date's own deal (the same for every player), dealt as a new game,
// and said in the status bar with how hard it is once it has been rated.
class TodaysDeal final : public QObject {
    Q_OBJECT
public:
    static constexpr int kShownMs = 20000;

    TodaysDeal(cMenu& menu, QStatusBar& status, QObject* parent);

    static qint32 NumberFor(const QDate& date);
    // Asks first, as any new game, when a game is being played.
    void Play(const QDate& date);

private:
    cMenu& menu_;
    QStatusBar& status_;
    RatingTask rating_ { this };
};

} // namespace quadrell
