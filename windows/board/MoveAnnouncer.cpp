#include "MoveAnnouncer.h"

#include "CardNames.h"

#include <QStringList>
#include <algorithm>

namespace quadrell {

void MoveAnnouncer::Moved(Card card, Loc destination) { moved_.emplace_back(card, destination); }

std::vector<Card> MoveAnnouncer::Cards() const {
    std::vector<Card> cards;
    for (const auto& [card, to] : lastPlaces())
        cards.push_back(card);
    return cards;
}

std::vector<std::pair<Card, Loc>> MoveAnnouncer::lastPlaces() const {
    // Each card once, where it ended, in the order the cards first moved.
    std::vector<std::pair<Card, Loc>> last;
    for (const auto& [card, to] : moved_) {
        auto it = std::find_if(
            last.begin(), last.end(), [card = card](const auto& m) { return m.first == card; });
        if (it == last.end()) {
            last.emplace_back(card, to);
        } else {
            it->second = to;
        }
    }
    return last;
}

QString MoveAnnouncer::Take() {
    const std::vector<std::pair<Card, Loc>> last = lastPlaces();
    moved_.clear();
    QStringList said;
    for (std::size_t i = 0; i < last.size() && i < kSaid; ++i)
        said << CardNames::OfMove(last[i].first, last[i].second);
    QString line = said.join(QStringLiteral("; "));
    const auto more = static_cast<int>(last.size() - std::min(last.size(), kSaid));
    if (more == 1) line += tr("; and 1 more card");
    if (more > 1) line += tr("; and %n more cards", nullptr, more);
    return line;
}

} // namespace quadrell
