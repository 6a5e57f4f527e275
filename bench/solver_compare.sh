#!/bin/sh
# The rating bench of this build against the same bench built from an earlier commit, run
# in turn in one session so that both see the same machine; prints each run's CPU figures
# and the ratios of the medians.
#   bench/solver_compare.sh BUILD_DIR EARLIER_COMMIT [RUNS=3] [GAMES=10000]
set -eu
build=$1
earlier=$2
runs=${3:-3}
games=${4:-10000}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'git -C "$here" worktree remove --force "$work/src" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
git -C "$here" worktree add --detach "$work/src" "$earlier" >/dev/null 2>&1
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUADRELL_TESTS=OFF >/dev/null
cmake --build "$work/build" --target quadrell-rating-bench >/dev/null
now="$build/bench/quadrell-rating-bench"
before="$work/build/bench/quadrell-rating-bench"
figures() { # median p90 p99 max of the first "CPU per deal" line
    "$1" "$games" 0 | sed -n 's/^CPU per deal: median \([0-9.]*\) ms, p90 \([0-9.]*\) ms, p99 \([0-9.]*\) ms, max \([0-9.]*\) ms$/\1 \2 \3 \4/p' | head -1
}
echo "run  before: median p90 p99 max (ms)    now: median p90 p99 max (ms)    before/now"
i=1
while [ "$i" -le "$runs" ]; do
    b=$(figures "$before")
    n=$(figures "$now")
    echo "$i    $b    $n" | awk '{ printf "%s    %s %s %s %s    %s %s %s %s    %.1fx %.1fx %.1fx %.1fx\n", $1, $2, $3, $4, $5, $6, $7, $8, $9, $2/$6, $3/$7, $4/$8, $5/$9 }'
    i=$((i + 1))
done
