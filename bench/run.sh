#!/usr/bin/env bash
# Builds the program and the face benchmark, then runs the benchmark under
# Wine on a virtual display: microseconds per redraw for every design and
# information mode, and the real clock's processor time over a minute, read
# from /proc for its Wine process.
#   bench/run.sh [BUILD_DIR] [--no-minute]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build}")
shift || true

WIN="$BUILD/win"
OUT="$BUILD/bench"
mkdir -p "$OUT/run/data"
bash "$ROOT/tools/build.sh" "$BUILD" >"$OUT/build.log" 2>&1 ||
  { echo "build failed, see $OUT/build.log" >&2; exit 1; }
# Link against the program's own libraries and resources, as Zentick.exe is.
LIBS=$(awk '/^build Zentick.exe:/{f=1} f&&/LINK_LIBRARIES/{sub(/.*LINK_LIBRARIES = /,""); print; exit}' \
  "$WIN/build.ninja")
(cd "$WIN" && i686-w64-mingw32-g++-posix -std=c++17 -O2 -fexec-charset=CP932 -DSTRICT -DNOMINMAX \
  -I"$ROOT" "$ROOT/bench/redraw_bench.cpp" CMakeFiles/zt_res.dir/res/zentick.rc.res $LIBS \
  -static -static-libgcc -static-libstdc++ -o "$OUT/redraw_bench.exe")
cp "$WIN/Zentick.exe" "$OUT/run/"
cp "$WIN/data/ZENTICK.rgn" "$OUT/run/data/"
rm -f "$OUT/run/data/Zentick.ini"

set +e  # a wineserver already running for the prefix is fine
source "$ROOT/tools/wine-env.sh"
zt_wine_up "$WIN"
trap zt_wine_down EXIT
wine "$OUT/redraw_bench.exe" "Z:${OUT//\//\\}\\run"
[ "${1:-}" = "--no-minute" ] && exit 0

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
wine "$OUT/run/Zentick.exe" >/dev/null 2>&1 &
clock=$!
sleep 5  # start-up is not part of the steady cost
before=$(ticks $clock)
sleep 60
after=$(ticks $clock)
kill $clock
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" \
  'BEGIN { printf "Zentick.exe processor time over one minute: %.2f s (%.2f%% of one processor)\n", t / hz, t / hz / 60 * 100 }'
