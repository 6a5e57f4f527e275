#!/usr/bin/env bash
# The game as a native Wayland client, under a headless Weston (Debian 12's desktop is GNOME
# on Wayland): it starts without X11, its window carries its title and the name of its desktop
# entry, the first window takes its share of the screen, a second launch hands its file to it,
# and a size kept from an earlier start comes back. What the game tells the compositor is read
# from Weston's own protocol log, as the desktop sees it. Skipped (77) with the reason when
# Weston or Qt's Wayland plugin is not installed or no compositor can start.
#   wayland.sh GAME_PROGRAM
set -euo pipefail
app=$1
skip() { echo "SKIPPED: $*"; exit 77; }
command -v weston >/dev/null || skip "weston is not installed (Debian: weston)"
command -v weston-debug >/dev/null || skip "weston-debug is not installed"
plugin=$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland-generic.so' 2>/dev/null | head -n 1)
[ -n "$plugin" ] || skip "Qt's Wayland plugin is not installed (Debian: qt6-wayland)"
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/run HOME=$work/home
export XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY # nothing may reach for X11
export WAYLAND_DISPLAY=wayland-quadrell QT_QPA_PLATFORM=wayland
data="$XDG_DATA_HOME/Quadrell 2000"
settings="$XDG_CONFIG_HOME/quadrell 2000.ini"
fail() {
    echo "FAILED: $*"
    echo "-- what the game told the compositor:"
    grep -aoE 'set_(title|app_id|window_geometry)\([^)]*\)' "$work/proto.log" | tail -n 8 || true
    exit 1
}
# Polls for a condition; the bound only keeps a broken program from hanging CI.
waitFor() { for _ in $(seq 1 300); do eval "$1" && return 0; sleep 0.1; done; fail "$2"; }

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1600 --height=1200 \
    --idle-time=0 --debug >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || skip "weston could not start: $(tail -n 3 "$work/weston.log")"
weston-debug proto >"$work/proto.log" 2>&1 &
pids+=($!)
sleep 0.5 # the log is bound before the game connects
said() { grep -ac -- "$1" "$work/proto.log" 2>/dev/null || true; }
# The last window geometry the game set: "W H".
geometry() { grep -aoE 'set_window_geometry\([0-9]+, [0-9]+, [0-9]+, [0-9]+\)' "$work/proto.log" |
    tail -n 1 | sed -E 's/.*\([0-9]+, [0-9]+, ([0-9]+), ([0-9]+)\)/\1 \2/'; }
# The window's inside against an expected size: the frame Qt draws on Weston is a few pixels
# at the sides and a title bar above.
insideIs() {
    read -r w h <<<"$(geometry)"
    [ -n "${w:-}" ] && ((w - $1 >= 0 && w - $1 <= 16 && h - $2 >= 0 && h - $2 <= 48))
}
passed=0

echo "== a first start, natively"
"$app" 2>"$work/first.err" &
first=$!
pids+=("$first")
waitFor '[ "$(said "set_app_id(\"quadrell2000-local\")")" -ge 1 ]' "no window with its desktop entry's name"
waitFor '[ "$(said "set_title(\"Quadrell 2000")" -ge 1 ]' "no window title"
# 1600 by 1200: the share of the screen 643 by 437 took of 800 by 600.
waitFor 'insideIs 1286 874' "the first window is not 1286x874 inside: $(geometry)"
grep -qi "xcb\|x11" "$work/first.err" && fail "the game reached for X11: $(cat "$work/first.err")"
passed=$((passed + 1))

echo "== a second launch hands its file over"
printf ' 7 \r\n 48  200  1  1 \r\n' >"$work/seven.qrl"
(cd "$work" && timeout 30 "$app" seven.qrl 2>/dev/null) || fail "the second launch did not hand its file over"
kill -0 "$first" || fail "the first copy is gone"
waitFor 'head -c 4 "$data/Unfinished.qrl" 2>/dev/null | grep -q "^ 7 "' "the first copy did not open the handed file"
waitFor '[ "$(said "set_title(\"QuadRell 2000 - Game No. 7")" -ge 1 ]' "the title does not name game 7"
passed=$((passed + 1))
kill -9 "$first"
wait "$first" 2>/dev/null || true

echo "== a size kept from an earlier start comes back"
# As a player's resize leaves it: the inside's size, in twips.
sed -i -e '/^Width=/d' -e '/^Height=/d' "$settings"
if grep -q '^\[Save\]' "$settings"; then
    sed -i -e 's/^\[Save\]$/[Save]\nWidth=15000\nHeight=10500/' "$settings"
else
    printf '\n[Save]\nWidth=15000\nHeight=10500\n' >>"$settings"
fi
: >"$work/proto.log"
"$app" 2>/dev/null &
pids+=($!)
waitFor 'insideIs 1000 700' "the kept 1000x700 did not come back: $(geometry)"
grep -q '^Left=' "$settings" && fail "a place was written where Wayland cannot tell it"
passed=$((passed + 1))
echo "$passed passed, 0 failed: natively on Wayland"
