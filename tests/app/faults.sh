#!/usr/bin/env bash
# The real programs attacked from outside, as someone would break them: a file-size limit, a
# full and a read-only disk, a pipe or a device where the settings or the score file should
# be, a file name that is not UTF-8, and the hand-over socket squatted by another user or
# flooded by the same one. Nothing may hang, die, be written through a link, or be lost, and
# the score file's lines and the players' totals must agree after each.
#   faults.sh GAME_PROGRAM DRIVER
set -euo pipefail
app=$(realpath "$1")
cli=$(realpath "$2")
if [[ -z "${QUADRELL_FAULTS_INNER:-}" ]]; then
    export QUADRELL_FAULTS_INNER=1
    exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi
work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill -9 "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    if mountpoint -q "$work/mnt" 2>/dev/null; then umount "$work/mnt"; fi
    rm -rf "$work"
}
trap cleanup EXIT
set +m
# The window manager's own settings and session in the test's folder, not the real home.
mkdir -p "$work/wm"
HOME=$work/wm XDG_CONFIG_HOME=$work/wm/config XDG_CACHE_HOME=$work/wm/cache \
    XDG_DATA_HOME=$work/wm/data openbox >/dev/null 2>&1 &
pids+=($!)
passed=0
# Links point at a null device of the test's own where one can be made: a broken program
# running as root would otherwise replace the system's /dev/null with a file.
device=/dev/null
mknod "$work/null-device" c 1 3 2>/dev/null && chmod 666 "$work/null-device" && device=$work/null-device
fail() { echo "FAILED: $*"; exit 1; }
ok() { passed=$((passed + 1)); echo "ok: $*"; }

# A home of its own for each case.
home() {
    h=$work/$1
    mkdir -p "$h/run" "$h/cache"
    chmod 700 "$h/run"
    export HOME=$h XDG_CONFIG_HOME=$h/config XDG_DATA_HOME=$h/data XDG_CACHE_HOME=$h/cache
    export XDG_RUNTIME_DIR=$h/run
    data="$XDG_DATA_HOME/Quadrell 2000"
    ini="$XDG_CONFIG_HOME/quadrell 2000.ini"
    mkdir -p "$XDG_CONFIG_HOME" "$data"
}
driver() { "$cli" 2>&1; }
# The window to its first paint (under a file-size limit of $limit kB when that is set), answering each message it shows with Return; `said` is
# how many it showed. A start that neither paints nor asks within 30 s hangs.
window() {
    local err=$HOME/window.err out=$HOME/window.out
    (
        [ -z "${limit:-}" ] || ulimit -f "$limit"
        QUADRELL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb exec "$app" "$@"
    ) >"$out" 2>"$err" &
    local pid=$! pressed=-10
    for i in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        said=$(grep -c '^quadrell2000: ' "$err" || true)
        # A message said and the window not painted yet: Return, and again each second, since
        # a key sent before the box has the focus (a busy machine) is lost.
        if [ "$said" -gt 0 ] && ! grep -q '^startup-ms:' "$out" && [ $((i - pressed)) -ge 10 ]; then
            sleep 0.3
            xdotool key Return 2>/dev/null || true
            pressed=$i
        fi
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid"
        fail "the window hangs: $(cat "$err")"
    fi
    wait "$pid" && rc=0 || rc=$?
    said=$(grep -c '^quadrell2000: ' "$err" || true)
    [ "$rc" -eq 0 ] || fail "the window died ($rc): $(cat "$err")"
    grep -q '^startup-ms:' "$out" || fail "the window never painted: $(cat "$err")"
}
# A copy of the game running offscreen, in $first, once its hand-over socket is there.
running() {
    QT_QPA_PLATFORM=offscreen "$app" >/dev/null 2>&1 &
    first=$!
    pids+=($first)
    for _ in $(seq 100); do ls "$XDG_RUNTIME_DIR"/*.sock >/dev/null 2>&1 && break; sleep 0.1; done
}
# The score file's lines and the players' totals agree (less $2 lines put there by hand).
agree() {
    local lines games extra=${2:-0}
    # The driver's start finishes what waits, and is counted after that.
    games=$(echo players | driver | awk '/^player:/ { n += $4 } END { print n + 0 }')
    lines=$(grep -c $'\r$' "$data/Quadrell2000.sre" 2>/dev/null || true)
    lines=$((lines - extra))
    [ "$lines" -eq "$games" ] || fail "$1: $lines lines in the score file, $games games in the totals"
}
# Three games dealt, two given up: two records.
twoGames='new 5
dblclick 48
new 6
dblclick 48
new 7'

echo "== a file-size limit: the driver and the window live through it, the score waits"
home limit
echo "new 1" | driver >/dev/null # first run
# A score file 40 bytes short of the limit: the next line cannot be written.
line='"Guest",1,1,1,"2026-01-01 00:00:00",0,0'
for _ in $(seq 124); do printf '%s\r\n' "$line"; done >"$data/Quadrell2000.sre"
out=$( (ulimit -f 5 && printf '%s\n' "$twoGames" | driver) ) || fail "the driver died under a file-size limit ($?)"
[ "$(echo "$out" | grep -c 'could not be written')" -eq 1 ] || fail "not said once: $out"
limit=5 window
[ "$said" -eq 1 ] || fail "the window said $said things under the limit: $(cat "$HOME/window.err")"
window
[ "$said" -eq 0 ] || fail "the finished record was still said: $(cat "$HOME/window.err")"
[ "$(grep -c $'\r$' "$data/Quadrell2000.sre")" -eq 126 ] || fail "the waiting lines are not all there"
agree "after the limit" 124
ok "file-size limit"

echo "== a pipe, a device and a folder as the score file"
for kind in pipe device folder; do
    home "score-$kind"
    echo "new 1" | driver >/dev/null
    rm "$data/Quadrell2000.sre"
    case $kind in
    pipe) mkfifo "$data/Quadrell2000.sre" ;;
    device) ln -s "$device" "$data/Quadrell2000.sre" ;;
    folder) mkdir "$data/Quadrell2000.sre" ;;
    esac
    out=$(printf '%s\n' "$twoGames" | timeout 20 "$cli" 2>&1) || fail "$kind: the driver failed ($?)"
    [ "$(echo "$out" | grep -c 'could not be written')" -eq 1 ] || fail "$kind: not said once: $out"
    games=$(echo players | driver | awk '/^player:/ { n += $4 } END { print n + 0 }')
    [ "$games" -eq 0 ] || fail "$kind: the totals count $games games that were never written"
    rm -rf "$data/Quadrell2000.sre"
    echo state | driver >/dev/null
    agree "$kind"
    [ "$(grep -c $'\r$' "$data/Quadrell2000.sre")" -eq 2 ] || fail "$kind: records lost"
done
[ -c "$device" ] || fail "$device is no longer a device"
ok "pipe, device and folder as the score file"

echo "== a pipe, a link to a pipe and a link to a device as the settings file"
for kind in pipe link-pipe link-device; do
    home "settings-$kind"
    case $kind in
    pipe) mkfifo "$ini" ;;
    link-pipe) mkfifo "$HOME/pipe" && ln -s "$HOME/pipe" "$ini" ;;
    link-device) ln -s "$device" "$ini" ;;
    esac
    window
    [ "$said" -eq 1 ] || fail "$kind: the window said $said things: $(cat "$HOME/window.err")"
    [ -f "$ini" ] && [ ! -L "$ini" ] || fail "$kind: no regular settings file after the start"
    [ -e "$ini.set-aside" ] || [ -L "$ini.set-aside" ] || fail "$kind: nothing set aside"
    out=$(echo state | timeout 20 "$cli" 2>&1) || fail "$kind: the driver failed afterwards"
done
[ -c "$device" ] || fail "$device is no longer a device"
ok "settings file that is no file"

echo "== a full and a read-only disk under the data folder"
if mkdir -p "$work/mnt" && mount -t tmpfs -o size=256k tmpfs "$work/mnt" 2>/dev/null; then
    home disk
    export XDG_DATA_HOME=$work/mnt
    data="$XDG_DATA_HOME/Quadrell 2000"
    echo "new 1" | driver >/dev/null
    head -c 400000 /dev/zero >"$work/mnt/filler" 2>/dev/null || true
    out=$(printf '%s\n' "$twoGames" | driver) || fail "full: the driver failed"
    [ "$(echo "$out" | grep -c 'could not be written')" -eq 1 ] || fail "full: not said once: $out"
    agree "full"
    rm "$work/mnt/filler"
    mount -o remount,ro "$work/mnt"
    out=$(echo state | driver) || fail "read-only: the driver failed"
    echo "$out" | grep -q 'could not be written' || fail "read-only: the waiting score was not said"
    agree "read-only"
    mount -o remount,rw "$work/mnt"
    echo state | driver >/dev/null
    agree "writable again"
    [ "$(grep -c $'\r$' "$data/Quadrell2000.sre")" -eq 2 ] || fail "disk: records lost"
    umount "$work/mnt"
    ok "full and read-only disk"
else
    echo "skipped: no tmpfs can be mounted here (not root, or no mount rights)"
fi

echo "== a file name that is not UTF-8, and the driver's lock message"
home names
printf ' 7 \r\n 48  200  1  1 \r\n' >"$work/caf"$'\xe9'".qrl"
out=$(printf 'open %s\n' "$work/caf"$'\xe9'".qrl" | driver)
echo "$out" | grep -q "not written in UTF-8" || fail "the name is not said to be the fault: $out"
echo "$out" | grep -q "Doesn't Exists" && fail "said not to exist: $out"
QT_QPA_PLATFORM=offscreen "$app" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -f "$data/quadrell.lock" ] && break; sleep 0.1; done
out=$(echo state | "$cli" 2>&1) && fail "the driver ran beside the window"
echo "$out" | grep -q "Quadrell 2000\. Close it first" || fail "no full stop before Close: $out"
kill -9 "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true
ok "names and the lock message"

echo "== a game saved where a link to a device, a pipe or a link to nothing stands"
home save-over
for kind in device pipe nothing; do
    target=$HOME/saved-$kind.qrl
    case $kind in
    device) ln -s "$device" "$target" ;;
    pipe) mkfifo "$target" ;;
    nothing) ln -s "$HOME/gone/game.qrl" "$target" ;;
    esac
    out=$(printf 'new 5\nsave %s\n' "$target" | timeout 20 "$cli" 2>&1) || fail "$kind: the driver failed"
    echo "$out" | grep -q "could not be saved" || fail "$kind: not said: $out"
done
[ -c "$device" ] || fail "$device is no longer a device"
[ -p "$HOME/saved-pipe.qrl" ] || fail "the pipe was replaced"
[ ! -e "$HOME/gone" ] || fail "a file was made where the link to nothing points"
ok "no save over a device, a pipe or a link to nothing"

echo "== no private folder for the socket: the window starts and says so once"
home nosocket
unset XDG_RUNTIME_DIR
rm -rf "$XDG_CACHE_HOME" && touch "$XDG_CACHE_HOME" # a file where the cache folder should be
window
grep -q 'hand-over socket' "$HOME/window.err" || fail "not said: $(cat "$HOME/window.err")"
ok "no socket folder"

echo "== a file named on the command line that is not UTF-8"
home latin1
window "$work/caf"$'\xe9'".qrl"
[ "$said" -eq 1 ] && grep -q 'UTF-8' "$HOME/window.err" || fail "not said once: $(cat "$HOME/window.err")"
ok "a name not in UTF-8 on the command line"

echo "== the hand-over socket flooded by the same user"
home flood
running
sock=$(ls "$XDG_RUNTIME_DIR"/*.sock)
/usr/bin/python3 - "$sock" <<'PY' || fail "the flood could not be sent"
import socket, sys
# One line that never ends: dropped at its cap, not held.
endless = socket.socket(socket.AF_UNIX)
endless.connect(sys.argv[1])
endless.settimeout(5)
sent = 0
try:
    while sent < 64 << 20:
        sent += endless.send(b"x" * 65536)
except OSError:
    pass
endless.close()
# More idle connections than a process may hold files.
held = []
for _ in range(1100):
    s = socket.socket(socket.AF_UNIX)
    try:
        s.connect(sys.argv[1])
        held.append(s)
    except OSError:
        break
print("flood: %d bytes without a line end, then %d idle connections" % (sent, len(held)))
PY
rss=$(awk '/VmRSS/ { print $2 }' "/proc/$first/status")
[ "$rss" -lt 300000 ] || fail "the endless line grew the window to $rss kB"
kill -0 "$first" || fail "the flood stopped the window"
sleep 6 # idle connections time out
printf ' 7 \r\n 48  200  1  1 \r\n' >"$work/seven.qrl"
QT_QPA_PLATFORM=offscreen timeout 30 "$app" "$work/seven.qrl" >/dev/null 2>&1 || fail "no hand-over after the flood"
for _ in $(seq 100); do head -c 4 "$data/Unfinished.qrl" 2>/dev/null | grep -q '^ 7 ' && break; sleep 0.1; done
head -c 4 "$data/Unfinished.qrl" | grep -q '^ 7 ' || fail "the handed file was not opened"
[ -S "$sock" ] || fail "the socket is gone"
kill -9 "$first"; wait "$first" 2>/dev/null || true
ok "socket flood"

echo "== a running copy that does not answer: a launch with a file says so and opens nothing"
home stopped
running
kill -STOP "$first"
printf ' 9 \r\n 48  200  1  1 \r\n' >"$work/nine.qrl"
(QT_QPA_PLATFORM=xcb exec "$app" "$work/nine.qrl") >/dev/null 2>"$HOME/second.err" &
second=$!
pids+=($second)
for _ in $(seq 200); do grep -q '^quadrell2000: ' "$HOME/second.err" && break; sleep 0.1; done
sleep 0.3
xdotool key Return 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second launch did not end: $(cat "$HOME/second.err")"
wait "$second" && fail "the second launch claimed success" || true
grep -q 'did not take the game file.*nine.qrl' "$HOME/second.err" || fail "not said: $(cat "$HOME/second.err")"
grep -q 'Close it first' "$HOME/second.err" && fail "told to close a copy: $(cat "$HOME/second.err")"
[ ! -e "$data/Unfinished.qrl" ] || ! head -c 4 "$data/Unfinished.qrl" | grep -q '^ 9 ' || fail "the file was opened anyway"
kill -CONT "$first"
kill -9 "$first"; wait "$first" 2>/dev/null || true
ok "a running copy that does not take the file"

echo "== a home that cannot be written: the first word is why"
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
    locked=$work/locked-home
    mkdir -p "$locked" && chmod 555 "$locked"
    (cd / && runuser -u nobody -- env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_RUNTIME_DIR \
        -u XDG_CACHE_HOME HOME="$locked" QT_QPA_PLATFORM=offscreen timeout 10 "$app") \
        >/dev/null 2>"$work/locked.err" || true
    first=$(grep -m1 '^quadrell2000: ' "$work/locked.err" || true)
    echo "$first" | grep -q "cannot start: the folder / $locked/.config / could not be made. Permission denied" \
        || fail "the first message is not the cause: $(cat "$work/locked.err")"
    grep -q 'settings could not be saved' "$work/locked.err" && fail "a settings message followed"
    out=$( (cd / && runuser -u nobody -- env HOME="$locked" XDG_CONFIG_HOME= XDG_DATA_HOME= "$cli" </dev/null 2>&1) ) && fail "the driver started"
    echo "$out" | grep -q "Permission denied" || fail "the driver did not say why: $out"
    ok "a home that cannot be written"
else
    echo "skipped: a second user needs root"
fi

echo "== the hand-over socket squatted by another user"
if [ "$(id -u)" -eq 0 ] && command -v useradd >/dev/null; then
    squatter=quadrell-squat-$$
    useradd -M -d /nonexistent -s /usr/sbin/nologin "$squatter"
    trap 'pkill -9 -u "$squatter" 2>/dev/null || true; userdel -f "$squatter" 2>/dev/null || true; cleanup' EXIT
    # The other user listens at PATH, writes what it is sent to LOG and answers "ok".
    squat() {
        runuser -u "$squatter" -- /usr/bin/python3 - "$1" "$2" >/dev/null 2>&1 <<'PY' &
import os, socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
os.chmod(sys.argv[1], 0o777)
s.listen(50)
while True:
    c, _ = s.accept()
    with open(sys.argv[2], "ab") as log:
        log.write(c.recv(4096))
    c.sendall(b"ok\n")
    c.close()
PY
        pids+=($!)
    }
    home squat
    unset XDG_RUNTIME_DIR
    # Where the socket used to be, for this user and data folder, and Qt's runtime folder.
    hash=$(printf '%s' "$data" | sha1sum | cut -c1-16)
    old=/tmp/quadrell2000-$(id -u)-$hash
    rm -f "$old"
    log=$work/squat.log
    touch "$log" && chmod 666 "$log"
    squat "$old" "$log"
    for _ in $(seq 50); do [ -S "$old" ] && break; sleep 0.1; done
    window "$work/seven.qrl"
    head -c 4 "$data/Unfinished.qrl" | grep -q '^ 7 ' || fail "the game did not open its file"
    [ ! -s "$log" ] || fail "another user learnt a path: $(cat "$log")"
    pkill -9 -u "$squatter" 2>/dev/null || true
    rm -f "$old"
    ok "squatted socket"

    # The socket's own name taken by the other user (the private folder opened for a moment,
    # as a careless admin might): a launch never hands its path to a socket of another user.
    home squat-own
    mkdir -p "$XDG_CACHE_HOME"
    hash=$(printf '%s' "$data" | sha1sum | cut -c1-16)
    own=$XDG_RUNTIME_DIR/quadrell2000-$hash.sock
    : >"$log"
    chmod 777 "$XDG_RUNTIME_DIR" "$HOME"
    squat "$own" "$log"
    for _ in $(seq 50); do [ -S "$own" ] && break; sleep 0.1; done
    [ -S "$own" ] || fail "the other user could not take the socket's name"
    chmod 700 "$XDG_RUNTIME_DIR" "$HOME"
    window "$work/seven.qrl"
    [ ! -s "$log" ] || fail "a launch handed its path to another user: $(cat "$log")"
    head -c 4 "$data/Unfinished.qrl" | grep -q '^ 7 ' || fail "the game did not open its file itself"
    pkill -9 -u "$squatter" 2>/dev/null || true

    # The other way round: another user reaches the running game's socket (its folder and
    # the socket opened to all) and hands it a file: the game takes nothing from it.
    home squat-reach
    running
    sock=$(ls "$XDG_RUNTIME_DIR"/*.sock)
    chmod 711 "$XDG_RUNTIME_DIR" "$HOME" && chmod 777 "$sock"
    printf ' 9 \r\n 48  200  1  1 \r\n' >"$work/nine.qrl"
    chmod 644 "$work/nine.qrl"
    answer=$(runuser -u "$squatter" -- /usr/bin/python3 - "$sock" "$work/nine.qrl" 2>&1 <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.settimeout(5)
s.connect(sys.argv[1])
try:
    s.sendall(sys.argv[2].encode() + b"\n")
    print(s.recv(16))
except OSError as e:
    print("refused", e)
PY
    ) || true
    echo "$answer" | grep -q "^b'ok" && fail "the game answered another user: $answer"
    sleep 1
    [ ! -e "$data/Unfinished.qrl" ] || ! head -c 4 "$data/Unfinished.qrl" | grep -q '^ 9 ' \
        || fail "the game opened a file another user handed it"
    kill -9 "$first"; wait "$first" 2>/dev/null || true
    pkill -9 -u "$squatter" 2>/dev/null || true
    ok "no hand-over to or from another user"
else
    echo "skipped: a second user needs root to be made"
fi
echo "$passed passed, 0 failed: faults from outside"
