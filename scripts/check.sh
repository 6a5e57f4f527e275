#!/usr/bin/env bash
# Installs what is missing, builds everything warning-free and runs every test: the unit
# tests and driver scripts in the optimised build the package is made from and in a debug
# build with bounds-checked containers under AddressSanitizer and UBSan (one debug build
# for both: two took four minutes more; both compile their sources sixteen to a unit, which
# halves the building), a bounded fuzzing run of the game-file reader,
# the Debian package (checked by lintian, unpacked and started), and the formatting check. Each suite runs with an empty
# home that must stay empty, and must leave the checkout as it found it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

# Runs a build's tests with an empty home, which must stay empty, and a checkout that must
# stay as it was.
suite() {
    local preset=$1 home stamp written changed
    home=$(mktemp -d) stamp=$(mktemp)
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME HOME="$home" \
        ctest --preset "$preset" -j "$jobs"
    written=$(find "$home" -mindepth 1 | head -n 20)
    changed=$(find . \( -path ./build -o -path ./.git \) -prune -o -newer "$stamp" -print | head -n 20)
    rm -rf "$home" "$stamp"
    [[ -z "$written" ]] || { echo "the tests wrote into the home:"; echo "$written"; exit 1; }
    [[ -z "$changed" ]] || { echo "the tests changed the checkout:"; echo "$changed"; exit 1; }
}

build_and_test() {
    echo "== build and test: $2"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
    suite "$1"
}
build_and_test package "optimised, as the package is built, -Werror"
build_and_test ci "debug, bounds-checked containers, AddressSanitizer and UBSan, -Werror"

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
