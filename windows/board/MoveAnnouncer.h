#pragma once

#include "Card.h"

#include <QCoreApplication>
#include <QString>
#include <utility>
#include <vector>

namespace quadrell {

// Gathers the cards moved in one turn (a move, its chain of steps, the automatic moves after
// it) and says them in one line, as a screen reader should hear them: each card once, where
// it ended, the first few by name.
class MoveAnnouncer {
    Q_DECLARE_TR_FUNCTIONS(MoveAnnouncer)

public:
    static constexpr std::size_t kSaid = 4;

    void Moved(Card card, Loc destination);
    // The line for the cards gathered since the last call ("" for none), and a fresh start.
    QString Take();
    // The cards gathered so far, each once.
    std::vector<Card> Cards() const;

private:
    std::vector<std::pair<Card, Loc>> lastPlaces() const;

    std::vector<std::pair<Card, Loc>> moved_;
};

} // namespace quadrell
