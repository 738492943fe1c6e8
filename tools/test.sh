#!/usr/bin/env bash
# Runs every test: installs what is missing, builds, runs the native unit
# tests under the sanitizers, each fuzz target for a bounded time, the
# Win32 and end-to-end tests under Wine on a virtual display (those of the
# texts and paths, label "text", again under a Western locale), and the
# release zips (written to BUILD_DIR/dist) unpacked and started.
#   tools/test.sh [BUILD_DIR]      ZT_FUZZ_SECONDS=N sets each fuzz run (default 10)
# ZT_TEST_EXCLUDE=REGEX leaves out the Wine tests it matches (for instance
# the TLS test, whose fixture trusts a test authority on the whole host).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build}")

bash "$ROOT/tools/setup.sh" || exit 1
bash "$ROOT/tools/build.sh" "$BUILD" || exit 1
cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZT_FUZZ=ON -DZT_FUZZ_SECONDS="${ZT_FUZZ_SECONDS:-10}" >/dev/null && cmake --build "$BUILD/fuzz" || exit 1

LOGS="$BUILD/test-logs"
mkdir -p "$LOGS"
passed=0
failed=0
count_log() {  # name: adds the ctest summary in its log to the counts
  local name=$1 summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$LOGS/$name.log" | tail -1)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    return
  fi
  local total bad
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}
run_ctest() {  # name dir [ctest args]
  local name=$1 dir=$2
  shift 2
  echo "== $name"
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$LOGS/$name.log"
  count_log "$name"
}
# The Wine tests of one build in its two shards at once, each on a virtual
# display, prefix and wineserver of its own; the second shard's log is
# shown when both are done.
run_wine_shards() {  # arch
  local arch=$1 win="$BUILD/win-$1"
  (if ZT_PREFIX_NAME=wineprefix-2 zt_wine_up "$win" "$arch" >/dev/null; then
     ctest --test-dir "$win" --output-on-failure -L shard2 ${ZT_TEST_EXCLUDE:+-E "$ZT_TEST_EXCLUDE"} \
       >"$LOGS/win-$arch-2.log" 2>&1
     zt_wine_down
   else
     echo "wine: the second shard's display or prefix did not come up" >"$LOGS/win-$arch-2.log"
   fi) &
  local second=$!
  if zt_wine_up "$win" "$arch"; then
    run_ctest "win-$arch-1" "$win" -L shard1 ${ZT_TEST_EXCLUDE:+-E "$ZT_TEST_EXCLUDE"}
    zt_wine_down
  else
    failed=$((failed + 1))
  fi
  wait "$second"
  echo "== win-$arch-2"
  cat "$LOGS/win-$arch-2.log"
  count_log "win-$arch-2"
}

run_ctest native "$BUILD/native" -j2
run_ctest fuzz "$BUILD/fuzz" -j2

# The tests of the program's texts and paths once more in a Western
# locale, where Wine's code page is 1252 rather than 932, after the two
# shards, on the first one's prefix.
run_western() {  # arch
  local arch=$1 lang=$LANG
  export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
  if zt_wine_up "$BUILD/win-$arch" "$arch"; then
    run_ctest "win-$arch-en_US" "$BUILD/win-$arch" -L text ${ZT_TEST_EXCLUDE:+-E "$ZT_TEST_EXCLUDE"}
    zt_wine_down
  else
    failed=$((failed + 1))
  fi
  export LANG=$lang LC_ALL=$lang
}

source "$ROOT/tools/wine-env.sh"
zt_wine_arches
if [ ${#ZT_WINE_ARCHES[@]} -gt 0 ]; then
  echo "wine: running the Win32 and end-to-end tests for ${ZT_WINE_ARCHES[*]}"
fi
for line in "${ZT_WINE_SKIPPED[@]}"; do echo "wine: not run for $line"; done
if [ ${#ZT_WINE_ARCHES[@]} -eq 0 ]; then
  echo "No Win32 test could run: neither Wine loader starts on this host."
  failed=$((failed + 1))
fi
for arch in "${ZT_WINE_ARCHES[@]}"; do
  run_wine_shards "$arch"
  run_western "$arch"
done

# The downloads, made as tools/release.sh makes them, and checked.
bash "$ROOT/tools/release.sh" "$BUILD" "$BUILD/dist" || echo "release: the zips could not be made"
cmake -S "$ROOT/tests/release" -B "$BUILD/release" -DZT_BUILD="$BUILD" -DZT_DIST="$BUILD/dist" >/dev/null
run_ctest release "$BUILD/release"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
