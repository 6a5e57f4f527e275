#!/usr/bin/env bash
# Every record exact, tried from outside with the real programs as a player or an unlucky
# user would: a watched game closed, a score file restored while a score waits on a full
# disk, a clock set back, a file-size limit smaller than the settings file. After each, the
# score file's lines and the players' totals agree and the board would show every game.
#   records.sh DRIVER
set -euo pipefail
cli=$1
work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
    if mountpoint -q "$work/mnt" 2>/dev/null; then umount "$work/mnt"; fi
    rm -rf "$work"
}
trap cleanup EXIT
passed=0
skipped=0
fail() { echo "FAILED: $*"; exit 1; }
ok() { passed=$((passed + 1)); echo "ok: $*"; }

home() {
    h=$work/$1
    mkdir -p "$h/run"
    chmod 700 "$h/run"
    export HOME=$h XDG_CONFIG_HOME=$h/config XDG_DATA_HOME=$h/data XDG_RUNTIME_DIR=$h/run
    data="$XDG_DATA_HOME/Quadrell 2000"
    ini="$XDG_CONFIG_HOME/quadrell 2000.ini"
    score="$data/Quadrell2000.sre"
}
driver() { "$cli" 2>&1; }
lines() { grep -c $'\r$' "$score" 2>/dev/null || true; }
# Games in the totals, and records the board shows (dated after their player).
totals() { echo players | driver | awk '/^player:/ { n += $4 } END { print n + 0 }'; }
shown() { echo records | driver | awk '/^records:/ { print $2 }'; }
agree() {
    local games shownNow
    games=$(totals)
    [ "$(lines)" -eq "$games" ] || fail "$1: $(lines) lines in the score file, $games in the totals"
    shownNow=$(shown)
    [ "$shownNow" -eq "$games" ] || fail "$1: the board shows $shownNow games of $games"
}

echo "== a watched game closed records nothing, however it came to be watched"
home watch
printf ' 7 \r\n 48  200  1  1 \r\n' >"$work/seven.q2k"
out=$(printf 'new 1000\nsolution\nclose\nstate\n' | driver)
echo "$out" | grep -q '^active: 0 0' || fail "Close Game did not empty the board: $out"
[ "$(lines)" -eq 1 ] || fail "Show Solution then Close Game: $(lines) records, not 1"
printf 'open %s\nclose\nopen %s\nopen %s\nclose\n' "$work/seven.q2k" "$work/seven.q2k" "$work/seven.q2k" | driver >/dev/null
[ "$(lines)" -eq 1 ] || fail "a watched file left: $(lines) records, not 1"
agree "watched"
ok "watched games"

echo "== a score file restored while a score waits on a full disk"
if mkdir -p "$work/mnt" && mount -t tmpfs -o size=64k tmpfs "$work/mnt" 2>/dev/null; then
    home restore
    export XDG_DATA_HOME=$work/mnt
    data="$XDG_DATA_HOME/Quadrell 2000"
    score="$data/Quadrell2000.sre"
    echo "new 1" | driver >/dev/null
    line='"Guest",30,1,9,"2026-12-01 11:00:00",10,3'
    # 4,094 bytes: the next line starts a page that the full disk does not have.
    { printf '"Guest",30,1000000000,9,"2026-12-01 11:00:00",10,3\r\n'; for _ in $(seq 94); do printf '%s\r\n' "$line"; done; } >"$score"
    [ "$(stat -c %s "$score")" -eq 4094 ] || fail "the score file is not 4,094 bytes"
    head -c 100000 /dev/zero >"$work/mnt/filler" 2>/dev/null || true
    out=$(printf 'new 7\nplay 500\n' | driver)
    echo "$out" | grep -q 'could not be written' || fail "the full disk was not said: $out"
    echo "$out" | grep -q 'Unknown error' && fail "no reason given: $out"
    [ "$(stat -c %s "$score")" -eq 4094 ] || fail "a failed write changed the file"
    [ "$(tail -c 2 "$score" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "a torn fragment was left"
    rm "$work/mnt/filler"
    # A backup of 200 lines put back in the file's place.
    for _ in $(seq 200); do printf '%s\r\n' "$line"; done >"$score.restored"
    mv "$score.restored" "$score"
    echo state | driver >/dev/null
    [ "$(lines)" -eq 201 ] || fail "the restored file was cut: $(lines) lines"
    tail -n 1 "$score" | grep -q '^"Guest",[0-9]*,7,' || fail "the waiting game is not last: $(tail -n 1 "$score")"
    [ "$(grep -c '^"Guest",30,1,9' "$score")" -eq 200 ] || fail "a restored line was lost"
    umount "$work/mnt"
    ok "a restored score file"
else
    skipped=$((skipped + 1))
    echo "skipped: no tmpfs can be mounted here (not root, or no mount rights)"
fi

echo "== a clock set back an hour in a new player's first hour"
if command -v faketime >/dev/null; then
    home clock
    printf 'new 5\nplay 500\n' | driver >/dev/null # the player made now, a game won
    printf 'new 6\nplay 500\nnew 8\nnew 9\n' | faketime -f '-1h' "$cli" >/dev/null 2>&1
    [ "$(lines)" -eq 3 ] || fail "the games under the clock set back were not recorded"
    created=$(sed -n 's/^date=//Ip' "$ini" | head -n 1 | tr -d '"')
    while IFS= read -r record; do
        date=$(echo "$record" | cut -d'"' -f4)
        [[ "$date" > "$created" ]] || fail "a game dated $date, not after its player ($created)"
    done <"$score"
    agree "clock set back"
    ok "a clock set back"
else
    skipped=$((skipped + 1))
    echo "skipped: faketime is not installed"
fi

echo "== the driver under a file-size limit smaller than the settings file"
home limit
echo "new 1" | driver >/dev/null
{
    echo "[Padding]"
    for i in $(seq 60); do echo "key$i=$(printf 'x%.0s' $(seq 40))"; done
} >>"$ini"
[ "$(stat -c %s "$ini")" -gt 2048 ] || fail "the settings file is not over the limit"
games=$(for i in $(seq 10 42); do printf 'new %s\nplay 500\n' "$i"; done)
out=$( (ulimit -f 2 && echo "$games" | driver) ) || fail "the driver died under the limit"
[ "$(echo "$out" | grep -c '^won')" -eq 33 ] || fail "not 33 games won: $out"
echo "$out" | grep -q 'Unknown error' && fail "a write failed without its reason: $out"
echo state | driver >/dev/null # the next start, without the limit
[ "$(lines)" -eq 33 ] || fail "$(lines) of 33 won games recorded"
[ "$(echo players | driver | awk '/^player:/ { print $5 }')" -eq 33 ] || fail "the totals miss won games"
agree "file-size limit"
ok "a file-size limit under the settings file"

echo "$passed passed, 0 failed, $skipped skipped: records from outside"
