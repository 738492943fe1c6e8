#!/usr/bin/env bash
# Runs every libFuzzer target (AddressSanitizer and UBSan) from its seed
# corpus for a bounded time each, then prints each target's final edge
# coverage (cov), features (ft), executions and seconds.
#   tools/fuzz.sh [SECONDS_EACH] [BUILD_DIR]      (default 60 seconds, build)
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_EACH=${1:-60}
BUILD=$(realpath -m "${2:-$ROOT/build}")
bash "$ROOT/tools/setup.sh" || exit 1
cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZT_FUZZ=ON -DZT_FUZZ_SECONDS="$SECONDS_EACH" >/dev/null || exit 1
cmake --build "$BUILD/fuzz" || exit 1
ctest --test-dir "$BUILD/fuzz" --output-on-failure --timeout $((SECONDS_EACH * 3 + 60))
result=$?
bash "$ROOT/tools/fuzz_figures.sh" "$BUILD/fuzz/Testing/Temporary/LastTest.log"
exit $result
