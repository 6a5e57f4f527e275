#!/usr/bin/env bash
# How soon a move is told to a screen reader: from the key to the announcement's event on the
# accessibility bus, against Qt's own focus change (Tab to the player box and back) timed the
# same way in the same run. Cards move in one step, so the move's last step is the key's own
# handling.   bench/announce.sh [BUILD_DIR] [MOVES]
set -euo pipefail
build=$(realpath "${1:-build/release}")
export QUADRELL_BENCH_PROGRAM=$build/app/quadrell2000 QUADRELL_BENCH_MOVES=${2:-40}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/a11y/session.sh"
mkdir -p "$XDG_CONFIG_HOME"
printf '[Options]\nCardSpeed=1\nUndoRedoSpeed=1\n' >"$XDG_CONFIG_HOME/quadrell 2000.ini"
export QUADRELL_BENCH_HOME=$home
/usr/bin/python3 "$here/announce_latency.py"
