#pragma once

#include <QString>

namespace quadrell::test {

// One run of the window program as a player would use it: plays whole games through the
// menus and dialogs, and kills itself without warning at a chosen moment. It reports on
// standard output, one fact per line:
//   start resumed G T | start none    the game resumed at start-up, at history entry T
//   games G1 G2 ...                   every game number in the score file
//   dup N / totals ok|mismatch ...    what the score file and the totals say
//   kept G T                          a move is complete and kept
//   recorded G                        the game is in the score file and the totals
class KillChild {
public:
    // `killAt` is "kind:n": die at the n-th event of that kind (move, question, select,
    // finish, noted, written, done); empty to play `games` games and leave.
    static int Run(const QString& home, quint32 seed, const QString& killAt, int games);
};

} // namespace quadrell::test
