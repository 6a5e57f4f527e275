#!/usr/bin/env bash
# The long kill run: whole games played in the window program (offscreen), killed without
# warning again and again, half the time at a chosen moment of the play (a move, a question,
# the Select Game or finished-game dialog, each step of recording a score) and half the
# time at a random moment of the clock; every third run with the score file blocked (a pipe
# in its place, or a full disk); after each kill the next start is checked, for every
# record noted under a fault too.
#   bench/kill.sh [BUILD_DIR] [KILLS] [SEED]
set -euo pipefail
build=${1:-build/ci}
kills=${2:-240}
seed=${3:-2026}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Each child is the harness itself: run a copy, so that a build during the run cannot
# swap the program under it.
cp "$build/tests/kill/quadrell-kill" "$work/quadrell-kill"
QT_QPA_PLATFORM=offscreen "$work/quadrell-kill" run "$work/home" "$seed" "$kills" --timed --faults 2>/dev/null
