#!/usr/bin/env bash
# How soon the real Orca speaks a move, an undo and a move home: from the key reaching Orca to
# the first words of the sentence (for a chord, from its first key), by the timestamps of Orca's own log, against Orca speaking
# a plain focus change in a bare Qt list in the same run.
#   bench/orca-latency.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=$(realpath "${1:-build/release}")
export QUADRELL_BENCH_PROGRAM=$build/app/quadrell2000 QUADRELL_BENCH_LIST=$build/bench/quadrell-bare-list
export QUADRELL_BENCH_ROUNDS=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/a11y/session.sh"
# Cards move in one step, as in bench/announce.sh: what is timed is the sentence, not the
# pacing of the cards (a move home that sets off the whole game takes seconds to show).
mkdir -p "$XDG_CONFIG_HOME"
printf '[Options]\nCardSpeed=1\nUndoRedoSpeed=1\n' >"$XDG_CONFIG_HOME/quadrell 2000.ini"
export QUADRELL_BENCH_HOME=$home
/usr/bin/python3 "$here/orca_latency.py"
