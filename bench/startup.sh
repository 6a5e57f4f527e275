#!/usr/bin/env bash
# Start-up to the first painted main window, and memory then: median of several starts
# under Xvfb, with an empty store and with a kept game of 500 entries to resume.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-11}
program=$(realpath "$build/app/quadrell2000")
work=$(mktemp -d)
chmod 700 "$work"
trap 'rm -rf "$work"' EXIT

# A kept game of game 0: its exposed 9H goes to a cell, then from cell to cell, 500 entries
# that the game-file check accepts.
keptGame() {
    local dir=$1
    mkdir -p "$dir/config" "$dir/data/Quadrell 2000"
    { printf ' 0 \r\n 48  200  1  1 \r\n'; for i in $(seq 2 500); do
        if (( i % 2 )); then printf ' 201  200  1  %d \r\n' "$i"; else printf ' 200  201  1  %d \r\n' "$i"; fi; done
    } > "$dir/data/Quadrell 2000/Unfinished.qrl"
    printf '[save]\nunfinished=True\nlastgametime=12\n' > "$dir/config/quadrell 2000.ini"
}

measure() { # label, setup function
    local label=$1 setup=$2 times=() rss=() walls=()
    for i in $(seq 1 "$runs"); do
        local home="$work/$label-$i"
        mkdir -p "$home"
        $setup "$home"
        local out start
        start=$(date +%s%N)
        out=$(XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$work" \
            QUADRELL_STARTUP_PROBE=1 timeout 30 "$program")
        walls+=("$(( ($(date +%s%N) - start) / 1000000 ))")
        times+=("$(sed -n 's/^startup-ms: //p' <<<"$out")")
        rss+=("$(sed -n 's/^rss-kb: //p' <<<"$out")")
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
    printf '%-26s first paint %4s ms after main(), %4s ms launch to exit; %3s MB resident (median of %s)\n' \
        "$label" "$(median "${times[@]}")" "$(median "${walls[@]}")" "$(( $(median "${rss[@]}") / 1024 ))" "$runs"
}

emptyStore() { :; }
export -f keptGame emptyStore
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
measure "empty store" emptyStore
measure "kept game of 500 entries" keptGame
