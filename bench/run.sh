#!/usr/bin/env bash
# Zentick measured, for each Windows build this host can run, under one
# virtual display and one wineserver each: idle cost beside Wine's
# clock.exe and xclock, microseconds per redraw for every design and
# information mode, the wallpaper preview per style, start-up time to the
# first painted face, and the program's size and working set.
#   bench/run.sh [SECONDS_EACH] [BUILD_DIR]     (default 60 s, build)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_EACH=${1:-60}
BUILD=$(realpath -m "${2:-$ROOT/build}")
bash "$ROOT/tools/setup.sh"
bash "$ROOT/tools/build.sh" "$BUILD" >/dev/null
source "$ROOT/tools/wine-env.sh"
zt_wine_arches
trap zt_wine_down EXIT

HZ=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
in_prefix() {  # is process $1 one of this prefix's Wine processes?
  tr '\0' '\n' <"/proc/$1/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"
}
server_pid() {  # the wineserver started for this prefix
  for p in $(pgrep wineserver); do in_prefix "$p" && { echo "$p"; return; }; done
}
find_pid() {  # the newest process matching $1 (of this prefix, for Wine programs)
  local native=$2
  for p in $(pgrep -f "$1" | sort -rn); do
    if [ "$native" = native ] || in_prefix "$p"; then echo "$p"; return; fi
  done
}

# measure NAME PATTERN COMMAND...: CPU seconds of the process (and of the
# wineserver while a Wine program runs alone) over SECONDS_EACH, and its
# resident set.
declare -A CPU SERVER RSS
measure() {
  local name=$1 pattern=$2
  shift 2
  "$@" >/dev/null 2>&1 &
  local launcher=$!
  sleep 5
  local pid server
  pid=$(find_pid "$pattern" "$([ "$1" = zt_wine ] || echo native)")
  server=""
  [ "$1" = zt_wine ] && server=$(server_pid)
  local p0 s0 p1 s1
  p0=$(ticks "$pid"); s0=$( [ -n "$server" ] && ticks "$server" || echo 0 )
  sleep "$SECONDS_EACH"
  p1=$(ticks "$pid"); s1=$( [ -n "$server" ] && ticks "$server" || echo 0 )
  CPU[$name]=$(echo "scale=3; ($p1 - $p0) / $HZ" | bc)
  SERVER[$name]=$(echo "scale=3; ($s1 - $s0) / $HZ" | bc)
  RSS[$name]=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid" "$launcher" 2>/dev/null || true
  wait "$launcher" 2>/dev/null || true
  sleep 1
}

bench_arch() {  # ARCH: everything measured on one build
  local arch=$1 WIN="$BUILD/win-$1"
  cmake --build "$WIN" --target zt_probe redraw_bench zt_preview_bench >/dev/null
  zt_wine_up "$WIN" "$arch"
  local RUN WINE_RUN
  RUN=$(mktemp -d)
  cp "$WIN/Zentick.exe" "$RUN/" && cp -r "$WIN/data" "$RUN/"
  WINE_RUN="$(zt_wine winepath -w "$RUN" 2>/dev/null | tr -d '\r')"
  measure zentick 'Zentick.exe' zt_wine "$WINE_RUN\\Zentick.exe"
  measure wineclock 'clock.exe' zt_wine clock.exe
  [ -n "${CPU[xclock]:-}" ] || measure xclock 'xclock -update' xclock -update 1
  local REDRAW PREVIEW STARTUP
  REDRAW=$(zt_wine "$WIN/redraw_bench.exe" "$WINE_RUN" | tr -d '\r')
  PREVIEW=$(zt_wine "$WIN/zt_preview_bench.exe" | tr -d '\r')
  STARTUP=$(zt_wine "$WIN/zt_probe.exe" "$WINE_RUN\\Zentick.exe" 5 | tr -d '\r')
  rm -rf "$RUN"
  zt_wine_down
  printf '\n=== %s\nIdle cost over %s s (second hand shown)\n' "$arch" "$SECONDS_EACH"
  printf '%-12s %10s %12s %10s %10s\n' program "cpu s" "wineserver s" "total s" "rss KiB"
  for n in zentick wineclock xclock; do
    printf '%-12s %10s %12s %10s %10s\n' "$n" "${CPU[$n]}" "${SERVER[$n]}" "$(total $n)" "${RSS[$n]}"
  done
  printf 'zentick / wine clock.exe: %s    zentick / xclock: %s\n' "$(ratio zentick wineclock)" "$(ratio zentick xclock)"
  printf '\nOne redraw, in-process (microseconds per RedrawClock)\n%s\n' "$REDRAW"
  printf '\nWallpaper preview\n%s\n' "$PREVIEW"
  printf '\nStart-up to first painted face: %s ms (median of 5)\n' "$STARTUP"
  printf 'Zentick.exe working set after %s s: %s KiB\n' "$((SECONDS_EACH + 5))" "${RSS[zentick]}"
}

total() { echo "scale=3; ${CPU[$1]} + ${SERVER[$1]}" | bc; }
ratio() { local b; b=$(total "$2"); [ "$(echo "$b > 0" | bc)" = 1 ] && echo "scale=2; $(total "$1") / $b" | bc || echo "-"; }

for arch in i686 x86_64; do
  printf 'Zentick.exe (%s) size: %s bytes (target under 409600)\n' "$arch" "$(stat -c %s "$BUILD/win-$arch/Zentick.exe")"
done
for line in "${ZT_WINE_SKIPPED[@]}"; do echo "not measured for $line"; done
for arch in "${ZT_WINE_ARCHES[@]}"; do bench_arch "$arch"; done
