#pragma once

#include "Card.h"
#include "Engine.h"

#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>

namespace quadrell::test {

// "7S" -> card number; ranks A23456789TJQK, suits HCDS.
inline Card CardOf(const std::string& name) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "HCDS";
    const auto rank = ranks.find(name.at(0));
    const auto suit = suits.find(name.at(1));
    if (name.size() != 2 || rank == std::string::npos || suit == std::string::npos)
        throw std::invalid_argument("bad card name " + name);
    return static_cast<Card>(suit * 13 + rank);
}

// Lays out a position by hand: columns from their first card down, cells, foundation tops.
// Cards not named are simply absent; the rules never count them.
class BoardBuilder {
public:
    explicit BoardBuilder(Engine& engine) : engine_(engine) {
        engine_.NewBoard();
        engine_.state().gGameActive = true;
    }

    BoardBuilder& column(int c, const std::string& cards) {
        std::istringstream in(cards);
        std::string name;
        for (int row = 0; in >> name; ++row)
            engine_.state().gBoard.init(static_cast<Loc>(row * kColumns + c), CardOf(name));
        return *this;
    }
    // Columns from the first on, an empty string for an empty column.
    BoardBuilder& columns(std::initializer_list<std::string> cards) {
        int c = 0;
        for (const std::string& column_cards : cards)
            column(c++, column_cards);
        return *this;
    }
    BoardBuilder& cell(int i, const std::string& card) {
        engine_.state().gBoard.init(static_cast<Loc>(kFirstCell + i), CardOf(card));
        return *this;
    }
    // Cells from the first on, an empty string for an empty cell.
    BoardBuilder& cells(std::initializer_list<std::string> cards) {
        int i = 0;
        for (const std::string& card : cards) {
            if (!card.empty()) cell(i, card);
            ++i;
        }
        return *this;
    }
    // The foundation of the card's suit, topped by that card; the cards under it lie there too.
    BoardBuilder& foundation(const std::string& top) {
        const Card c = CardOf(top);
        for (Card under = static_cast<Card>(c - rankOf(c) + 1); under <= c; ++under)
            engine_.state().gBoard.init(foundationOf(c), under);
        return *this;
    }

    // Eight cards left, automatic play holding each back; the spades are stuck under the
    // King of Hearts until the Queen of Spades at 16 has gone.
    BoardBuilder& sureWinBehindOneMove() {
        foundation("QH").foundation("QD").foundation("TC").foundation("TS");
        column(0, "JS KH QS").column(1, "JC KD").column(2, "KC QC").column(3, "KS");
        engine_.state().gGameActive = true;
        return *this;
    }
    // Eight columns and four cells where nothing fits anywhere and nothing goes home.
    BoardBuilder& noMovesLeft() {
        columns({ "KH 8H", "KC 8C", "KD 8D", "KS 8S", "QH 6H", "QC 6C", "QD 6D", "QS 6S" });
        return cells({ "4H", "4C", "4D", "4S" });
    }

private:
    Engine& engine_;
};

} // namespace quadrell::test
