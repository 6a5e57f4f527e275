#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
cmake --preset release >/dev/null
# Only the game: the tests and benchmarks are built by the test command.
cmake --build --preset release --target quadrell2000
exec build/release/app/quadrell2000 "$@"
