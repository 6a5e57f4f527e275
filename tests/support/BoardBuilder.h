#pragma once

#include "Card.h"
#include "Engine.h"

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
    BoardBuilder& cell(int i, const std::string& card) {
        engine_.state().gBoard.init(static_cast<Loc>(kFirstCell + i), CardOf(card));
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
        column(0, "KH 8H").column(1, "KC 8C").column(2, "KD 8D").column(3, "KS 8S");
        column(4, "QH 6H").column(5, "QC 6C").column(6, "QD 6D").column(7, "QS 6S");
        return cell(0, "4H").cell(1, "4C").cell(2, "4D").cell(3, "4S");
    }

private:
    Engine& engine_;
};

} // namespace quadrell::test
