#!/usr/bin/env bash
# Starts the program in an X display of its own with a window manager and a D-Bus session
# with the accessibility bus, then walks its board over AT-SPI: run.sh PROGRAM.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
# Qt speaks to the accessibility bus even with no screen reader running. A start that dies
# before its window shows (it happened once in a loaded CI run, outside this test's reach) is
# reported with what the program said, and tried once more.
start() {
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$home/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        xdotool search --name "Quadrell 2000" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "== the program stopped before its window showed; it said:"
    cat "$home/program.log"
    return 1
}
start || start
# The window manager may still be starting on a loaded machine, and refuses to activate until
# it is up; keys sent before then go nowhere.
activated=""
for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name "Quadrell 2000" | tail -1)
    [[ -n "$win" ]] && xdotool windowactivate --sync "$win" >/dev/null 2>&1 && activated=1 && break
    sleep 0.2
done
[[ -n "$activated" ]] || { echo "== the window was never activated; the program said:"; cat "$home/program.log"; exit 1; }
# Debian's own Python: the one that has pyatspi.
/usr/bin/python3 "$here/board_tree.py" || { echo "== the program said:"; cat "$home/program.log"; exit 1; }
