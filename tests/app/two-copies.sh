#!/usr/bin/env bash
# One running copy per user: a second launch hands its game file to the first and leaves,
# the first opens it; the headless driver is kept off the folder the window uses, until
# the window is killed (a killed copy leaves no lock behind).
#   two-copies.sh GAME_PROGRAM DRIVER
set -euo pipefail
app=$1
cli=$2
work=$(mktemp -d)
first=
cleanup() { [ -n "$first" ] && kill -9 "$first" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
export HOME=$work XDG_CACHE_HOME=$work/cache XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
data="$XDG_DATA_HOME/Quadrell 2000"
fail() { echo "FAILED: $*"; exit 1; }
# Waits for a condition, polling; the bound only keeps a broken program from hanging CI.
waitFor() { for _ in $(seq 1 300); do eval "$1" && return 0; sleep 0.1; done; fail "$2"; }

printf ' 7 \r\n 48  200  1  1 \r\n' > "$work/seven.qrl"
"$app" 2>/dev/null &
first=$!
waitFor '[ -f "$data/quadrell.lock" ] && [ -f "$XDG_CONFIG_HOME/quadrell 2000.ini" ]' "the first copy did not start"

(cd "$work" && "$app" seven.qrl 2>/dev/null) || fail "the second launch did not hand its file over"
kill -0 "$first" || fail "the first copy is gone"
waitFor 'head -c 4 "$data/Unfinished.qrl" 2>/dev/null | grep -q "^ 7 "' "the first copy did not open the handed file"
echo "handed over: the running copy plays game 7"

if echo state | "$cli" >"$work/cli.out" 2>"$work/cli.err"; then fail "the driver wrote beside a running copy"; fi
grep -q "Another copy of Quadrell 2000 is using" "$work/cli.err" || fail "no clear message: $(cat "$work/cli.err")"
echo "refused: $(head -c 60 "$work/cli.err")..."

kill -9 "$first"
wait "$first" 2>/dev/null || true
first=
printf 'new 5\n' | "$cli" >/dev/null || fail "a killed copy left the folder locked"
echo "1 passed, 0 failed: two copies"
