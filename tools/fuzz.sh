#!/usr/bin/env bash
# Runs every libFuzzer target (AddressSanitizer and UBSan) from its seed
# corpus alone for a bounded time each, two at a time, then prints each
# target's figures (tools/fuzz_figures.sh): what it covered, how often it
# ran, when its coverage last grew, and any finding.
#   tools/fuzz.sh [SECONDS_EACH] [BUILD_DIR]      (default 60 seconds, build)
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_EACH=${1:-60}
BUILD=$(realpath -m "${2:-$ROOT/build}")
bash "$ROOT/tools/setup.sh" || exit 1
# What earlier runs found is left out, so that the figures of every run
# start from the same place.
rm -rf "$BUILD/fuzz/fuzz-work"
cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZT_FUZZ=ON -DZT_FUZZ_SECONDS="$SECONDS_EACH" >/dev/null || exit 1
cmake --build "$BUILD/fuzz" || exit 1
ctest --test-dir "$BUILD/fuzz" -j2 --output-on-failure --timeout $((SECONDS_EACH * 3 + 60))
result=$?
bash "$ROOT/tools/fuzz_figures.sh" "$BUILD/fuzz/Testing/Temporary/LastTest.log"
exit $result
