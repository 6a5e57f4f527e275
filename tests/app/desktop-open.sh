#!/usr/bin/env bash
# What the desktop does with a game file, tried as a player would, with gio:
#  - a copy run from its build folder registers the file types for the user, and a start
#    after one where the desktop's tools were missing repairs the registration;
#  - an install into a prefix brings the desktop's lists up to date itself (or says what to
#    run when the tools are missing), so gio opens a game file with nothing refreshed by hand;
#  - an installed copy writes nothing into the home, removes the entry an older version
#    left there under the installed name, and once the install is gone nothing of ours is
#    left to send a file to a program that is not there.
#   desktop-open.sh BUILD_DIR SOURCE_DIR BIN_DIR
set -euo pipefail
build=$1 source=$2 bindir=$3
command -v gio >/dev/null || { echo "gio is missing"; exit 1; }
work=$(mktemp -d)
# A game the test opened may still be writing its file types into the home: it goes first,
# and the folder once nothing writes there.
cleanup() {
    pkill -f "$work" 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        rm -rf "$work" 2>/dev/null && return 0
        sleep 0.3
    done
}
trap cleanup EXIT
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache QT_QPA_PLATFORM=offscreen QUADRELL_STARTUP_PROBE=1
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/system" "$work/no-tools"
chmod 700 "$XDG_RUNTIME_DIR"
data="$XDG_DATA_HOME/Quadrell 2000"
fail() { echo "FAILED: $*"; exit 1; }
printf ' 7 \r\n 48  200  1  1 \r\n' > "$work/seven.qrl"
passed=0

# The program named by the desktop for ".qrl", or nothing.
handler() { gio mime application/x-quadrell2000-incomplete 2>/dev/null | sed -n 's/^Default application for .*: //p'; }
# gio opens the file; the program it starts keeps the game it was given.
opens() {
    rm -f "$data/Unfinished.qrl"
    gio open "$work/seven.qrl" 2>"$work/gio.err" || return 1
    for _ in $(seq 1 100); do
        head -c 4 "$data/Unfinished.qrl" 2>/dev/null | grep -q "^ 7 " && return 0
        sleep 0.1
    done
    return 1
}

echo "== run from the build folder, the desktop's tools missing at the first start"
export XDG_DATA_DIRS=$work/system:/usr/share
PATH=$work/no-tools "$build/app/quadrell2000" >/dev/null
[ -z "$(handler)" ] || fail "registered without the tools: $(handler)"
"$build/app/quadrell2000" >/dev/null
[ "$(handler)" = quadrell2000-local.desktop ] || fail "the next start did not repair it: '$(handler)'"
opens || fail "gio open did not start the game: $(cat "$work/gio.err")"
passed=$((passed + 1))

echo "== installed into a prefix, without the desktop's tools: it says what to run"
mkdir -p "$work/cmake-only"
ln -s "$(command -v cmake)" "$work/cmake-only/cmake"
said=$(PATH=$work/cmake-only cmake --install "$build" --prefix "$work/bare")
grep -q "update-mime-database $work/bare/share/mime" <<<"$said" &&
    grep -q "update-desktop-database $work/bare/share/applications" <<<"$said" ||
    fail "no word of the desktop's tools: $said"
[ ! -e "$work/bare/share/mime/mime.cache" ] || fail "a cache was made without its tool"
rm -rf "$work/bare"
passed=$((passed + 1))

echo "== installed into a prefix: the install itself registers the file types"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_DATA_DIRS=$prefix/share:/usr/share
# What an older version wrote: the installed entry's name, pointing at the program.
sed "s|@EXEC@|$prefix/$bindir/quadrell2000|" "$source/resources/quadrell2000.desktop.in" \
    > "$XDG_DATA_HOME/applications/quadrell2000.desktop"
"$prefix/$bindir/quadrell2000" >/dev/null
left=$(find "$XDG_DATA_HOME" -name '*quadrell2000*' ! -path "$data/*" | sort)
[ -z "$left" ] || fail "an installed copy left files of ours in the home: $left"
[ "$(handler)" = quadrell2000.desktop ] || fail "not the installed entry: '$(handler)'"
opens || fail "gio open did not start the installed game: $(cat "$work/gio.err")"
passed=$((passed + 1))

echo "== removed again"
rm -rf "$prefix"
export XDG_DATA_DIRS=/usr/share
[ -z "$(handler)" ] || fail "the home still sends game files to '$(handler)'"
passed=$((passed + 1))
echo "$passed passed, 0 failed: the desktop and the game's files"
