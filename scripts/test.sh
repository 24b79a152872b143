#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the test
# suite, the core tests again under AddressSanitizer and UndefinedBehavior-
# Sanitizer, and each fuzz target for a short while.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing

FUZZ_SECONDS="${FUZZ_SECONDS:-20}"

echo "== build and test"
build "$ROOT/build/test"
(cd "$ROOT/build/test" && ctest --output-on-failure -j "$(nproc)")

echo "== core tests under ASan + UBSan"
build "$ROOT/build/asan" -DCORVELO_SANITIZE=ON -DCORVELO_GUI=OFF -DCORVELO_BENCH=OFF
(cd "$ROOT/build/asan" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$(nproc)" -L 'core|cli')

echo "== fuzz targets, ${FUZZ_SECONDS}s each"
CC=clang CXX=clang++ build "$ROOT/build/fuzz" -DCORVELO_FUZZ=ON -DCORVELO_GUI=OFF \
    -DCORVELO_TESTS=OFF -DCORVELO_BENCH=OFF
shopt -s nullglob
for target in "$ROOT"/build/fuzz/fuzz/*_fuzz; do
    echo "-- $(basename "$target")"
    corpus="$(mktemp -d)"
    "$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
echo "== all tests passed"
