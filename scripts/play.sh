#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/app/quadrell2000 "$@"
