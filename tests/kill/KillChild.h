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
//   noted G                           the game's record is noted, its line still to come
//   unsaved G                         the same, but the settings could not be written
//   recorded G                        the game is in the score file and the totals
class KillChild {
public:
    // What stands in the score file's way once the start has been reported: nothing, a pipe
    // in its place (the file itself kept beside it, put back by `Restore`), or a full disk
    // (no file may grow past the score file's size).
    enum class Fault { None, Pipe, Full };
    static Fault FaultNamed(const QString& name);
    static QString NameOf(Fault fault);

    // `killAt` is "kind:n": die at the n-th event of that kind (move, question, select,
    // finish, noted, written, done, closed: a watched game closed); empty to play `games` games and
    // leave.
    static int Run(
        const QString& home, quint32 seed, const QString& killAt, int games, Fault fault);
    // After a run with a pipe in place: the score file back where it was.
    static void Restore(const QString& home);
};

} // namespace quadrell::test
