#pragma once

#include "Solver.h"
#include "TransRecord.h"
#include "cGame.h"
#include "cTrans.h"

#include <atomic>
#include <vector>

namespace quadrell {

// A game reviewed move by move: for the deal and for each position where one of the
// player's moves ends, whether it can still be won and how long the solver's line from it
// is; and the marks a player scans for, the move that lost the game and the costly moves.
// The positions are built once, in one pass over the history; each is solved on its own, so
// rows can be solved in any order, off the window's thread, and a review stopped halfway
// keeps the rows it has.
class GameReview {
public:
    struct Row {
        int entries = 0; // the history entries in place at this position
        Solver::Verdict verdict = Solver::Verdict::Unknown;
        int lineMoves = -1; // the solver's line from here; -1 when it is not won
        SolverMove first;   // that line's first move, when there is one
    };

    // A move is costly when the line after it is at least this many moves longer than the
    // line before it, less the move itself. The solver's lines are not the shortest, so even
    // after one of its own moves the next line is sometimes longer: over the first 40 moves
    // of the lines of games 1-300, 15 or more longer after 0.7 % of them, about one move in
    // a long game (docs/engineering.md).
    static constexpr int kCostlyMargin = 15;

    // A card a move took somewhere, the move's automatic moves included.
    struct Step {
        Card card = kNoCard;
        Loc to = kNoLoc;
        friend bool operator==(const Step&, const Step&) = default;
    };

    // `start` is the deal; `played` the history from it to the position reviewed.
    GameReview(const cGame& start, const std::vector<TransRecord>& played);

    // The history a review looks at: a game watched (opened to be watched, given up, won)
    // in full, however far it has been stepped through; a game in play up to where it is.
    static std::vector<TransRecord> Reviewed(const cTrans& trans, bool watching);

    // The positions reviewed: the deal, then one where each move ends.
    int Positions() const { return static_cast<int>(positions_.size()); }
    int EntriesAt(int position) const { return at(position).entries; }
    // The steps of the move that ends at `position`, in order (none for the deal).
    const std::vector<Step>& MoveTo(int position) const { return at(position).steps; }
    // One position solved as Solve Game would solve it there, under the deal budget.
    Row Solve(int position, const std::atomic<bool>* cancel = nullptr) const;

    // The position right after the move that lost the game (winnable before, proved lost
    // after), or -1 when there is none among the rows given. Rows not yet solved (Unknown)
    // end the search, so the mark never names a move a later answer could take back.
    static int LostAt(const std::vector<Row>& rows);
    // Whether the move between two neighbouring won rows cost the player many moves.
    static bool Costly(const Row& before, const Row& after);
    // How many moves longer the line after a move is than the one before it, less the move.
    static int Cost(const Row& before, const Row& after);

private:
    struct Position {
        int entries = 0;
        cGame board;
        std::vector<Step> steps;
    };
    const Position& at(int position) const {
        return positions_.at(static_cast<std::size_t>(position));
    }

    std::vector<Position> positions_;
};

} // namespace quadrell
