#!/usr/bin/env bash
# Installs what is missing, builds everything warning-free and runs every test: the unit
# tests and driver scripts, the same again under AddressSanitizer and UBSan, a bounded
# fuzzing run of the game-file reader, the Debian package (built, checked by lintian,
# unpacked and started), and the formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test (debug, -Werror)"
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

echo "== the same under AddressSanitizer and UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== fuzzing the game-file reader for ${FUZZ_SECONDS:=30} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target gamefile-fuzz -j "$jobs"
corpus=$(mktemp -d)
build/fuzz/tests/fuzz/gamefile-fuzz -max_total_time="$FUZZ_SECONDS" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$corpus/" "$corpus" tests/fuzz/corpus 2>&1 | tail -n 3
rm -rf "$corpus"

echo "== the Debian package"
scripts/check-package.sh

echo "== formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== all checks passed"
