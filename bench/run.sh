#!/usr/bin/env bash
# Zentick measured, for each Windows build this host can run, under one
# virtual display and one wineserver each: idle cost beside Wine's
# clock.exe and xclock, microseconds per redraw for every design and
# information mode, the wallpaper preview per style, start-up time to the
# first painted face, and the program's size and working set.
#   bench/run.sh [--against COMMIT] [SECONDS_EACH] [BUILD_DIR]   (60 s, build)
# --against COMMIT builds that commit too, in BUILD_DIR/bench-SHA, measures
# it in the same run under the same display and wineserver, and prints the
# two side by side. Idle figures are the median of IDLE_RUNS runs (3).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
AGAINST=""
if [ "${1:-}" = --against ]; then
  AGAINST=$(git -C "$ROOT" rev-parse --short "$2^{commit}")
  shift 2
fi
SECONDS_EACH=${1:-60}
BUILD=$(realpath -m "${2:-$ROOT/build}")
IDLE_RUNS=${IDLE_RUNS:-3}
bash "$ROOT/tools/setup.sh"
source "$ROOT/tools/wine-env.sh"
zt_wine_arches
trap zt_wine_down EXIT
# Only what is measured, for the architectures that run here; the
# start-up floor (bench/floor.cpp) from this tree only.
BENCH_TARGETS="Zentick zt_probe redraw_bench zt_preview_bench"
[ ${#ZT_WINE_ARCHES[@]} -eq 0 ] ||
  ZT_BUILD_TARGETS="$BENCH_TARGETS zt_floor" bash "$ROOT/tools/build.sh" "$BUILD" "${ZT_WINE_ARCHES[@]}" >/dev/null

# The other commit's tree, with the 64-bit mends where it predates them
# (bench/x86_64-mends.patch), and only what the benchmark runs.
OTHER="$BUILD/bench-$AGAINST"
build_other() {  # ARCH...
  if [ ! -d "$OTHER/src" ]; then
    mkdir -p "$OTHER/src"
    git -C "$ROOT" archive "$AGAINST" | tar -x -C "$OTHER/src"
    local mends="$ROOT/bench/x86_64-mends.patch"
    if patch -d "$OTHER/src" -p1 -s -f --dry-run <"$mends" >/dev/null; then
      patch -d "$OTHER/src" -p1 -s <"$mends"
    fi
  fi
  cmake -S "$OTHER/src" -B "$OTHER/native" -G Ninja -DZT_SANITIZE=OFF >/dev/null
  cmake --build "$OTHER/native" --target zt_assets zt_region zt_skin zt_skin_faces >/dev/null
  local arch
  for arch in "$@"; do
    cmake -S "$OTHER/src" -B "$OTHER/win-$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw.cmake" -DZT_ARCH="$arch" \
      -DZT_HOST_TOOLS="$OTHER/native" >/dev/null
    # shellcheck disable=SC2086
    cmake --build "$OTHER/win-$arch" --target $BENCH_TARGETS >/dev/null
  done
}

HZ=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
in_prefix() {  # is process $1 one of this prefix's Wine processes?
  { tr '\0' '\n' <"/proc/$1/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"
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
median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
ratio() { [ "$(echo "$2 > 0" | bc)" = 1 ] && echo "scale=2; $1 / $2" | bc || echo -; }

# The wineserver's own time over SECONDS_EACH with only Wine's background
# programs (services, the desktop) running: not caused by the program
# measured, so taken off its wineserver time.
SERVER_ALONE=""
server_alone() {
  local server s0
  server=$(server_pid)
  s0=$(ticks "$server")
  sleep "$SECONDS_EACH"
  SERVER_ALONE+=" $(($(ticks "$server") - s0))"
}

# idle NAME PATTERN COMMAND...: appends to IDLE[NAME] the CPU seconds of the
# process plus those it caused the wineserver (while a Wine program runs
# alone) over SECONDS_EACH, and keeps its resident set.
declare -A IDLE ALL RSS FIG
idle() {
  local name=$1 pattern=$2
  shift 2
  "$@" >/dev/null 2>&1 &
  local launcher=$!
  sleep 5
  local pid server=""
  pid=$(find_pid "$pattern" "$([ "$1" = zt_wine ] || echo native)")
  [ "$1" = zt_wine ] && server=$(server_pid)
  local p0 s0=0 p1 s1=0 alone=0
  p0=$(ticks "$pid")
  [ -n "$server" ] && s0=$(ticks "$server")
  sleep "$SECONDS_EACH"
  p1=$(ticks "$pid")
  if [ -n "$server" ]; then
    s1=$(ticks "$server")
    alone=$(median <<<"$SERVER_ALONE")
  fi
  local caused=$((s1 - s0 - alone))
  [ "$caused" -gt 0 ] || caused=0
  IDLE[$name]+=" $(echo "scale=3; ($p1 - $p0 + $caused) / $HZ" | bc)"
  ALL[$name]+=" $(echo "scale=3; ($p1 - $p0 + $s1 - $s0) / $HZ" | bc)"
  RSS[$name]=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid" "$launcher" 2>/dev/null || true
  wait "$launcher" 2>/dev/null || true
  sleep 1
}

# figures SIDE WIN RUN: the in-process benchmarks of one build into
# FIG[SIDE|row]; ROWS keeps the order the rows first came in.
ROWS=()
figure() {  # SIDE ROW VALUE
  [ -n "${FIG["today|$2"]+x}${FIG["other|$2"]+x}" ] || ROWS+=("$2")
  FIG["$1|$2"]=$3
}
figures() {
  local side=$1 win=$2 run=$3 line
  while IFS= read -r line; do
    [[ $line =~ ^(.*[^\ ])\ +([0-9.]+)\ (us|ms\ per\ preview)$ ]] || continue
    figure "$side" "${BASH_REMATCH[1]} (${BASH_REMATCH[3]%% *})" "${BASH_REMATCH[2]}"
  done < <(zt_wine "$win/redraw_bench.exe" "$run" | tr -d '\r'
           zt_wine "$win/zt_preview_bench.exe" | tr -d '\r')
  figure "$side" "start-up to first painted face, median of 5 (ms)" \
    "$(zt_wine "$win/zt_probe.exe" "$run\\Zentick.exe" 5 | tr -d '\r')"
  [ "$side" = other ] || figure "$side" "start-up floor, a window painted once, median of 5 (ms)" \
    "$(zt_wine "$win/zt_probe.exe" "$win/zt_floor.exe" 5 | tr -d '\r')"
  figure "$side" "Zentick.exe size (bytes)" "$(stat -c %s "$win/Zentick.exe")"
}

copy_program() {  # WIN: a folder of its own with the program and its data
  local run
  run=$(mktemp -d)
  cp "$1/Zentick.exe" "$run/" && cp -r "$1/data" "$run/"
  echo "$run"
}

bench_arch() {  # ARCH: everything measured on one build (and the other)
  local arch=$1 WIN="$BUILD/win-$1" OWIN="$OTHER/win-$1"
  zt_wine_up "$WIN" "$arch"
  IDLE=() ALL=() RSS=() FIG=() ROWS=()
  local run orun wrun worun r
  run=$(copy_program "$WIN")
  wrun="$(zt_wine winepath -w "$run" 2>/dev/null | tr -d '\r')"
  if [ -n "$AGAINST" ]; then
    orun=$(copy_program "$OWIN")
    worun="$(zt_wine winepath -w "$orun" 2>/dev/null | tr -d '\r')"
  fi
  SERVER_ALONE=""
  for r in $(seq "$IDLE_RUNS"); do
    server_alone
    idle today 'Zentick.exe' zt_wine "$wrun\\Zentick.exe"
    [ -z "$AGAINST" ] || idle other 'Zentick.exe' zt_wine "$worun\\Zentick.exe"
    idle wineclock 'clock.exe' zt_wine clock.exe
  done
  idle xclock 'xclock -update' xclock -update 1
  figures today "$WIN" "$wrun"
  [ -z "$AGAINST" ] || figures other "$OWIN" "$worun"
  rm -rf "$run" ${orun:+"$orun"}
  zt_wine_down

  local clock side
  clock=$(median <<<"${IDLE[wineclock]}")
  for side in today other; do
    [ -n "${IDLE[$side]:-}" ] || continue
    local mine
    mine=$(median <<<"${IDLE[$side]}")
    figure "$side" "idle, processor s over ${SECONDS_EACH} s incl. wineserver" "$mine"
    figure "$side" "idle, share of Wine's clock.exe" "$(ratio "$mine" "$clock")"
    figure "$side" "idle, share of clock.exe, all wineserver time" \
      "$(ratio "$(median <<<"${ALL[$side]}")" "$(median <<<"${ALL[wineclock]}")")"
    figure "$side" "idle, share of xclock" "$(ratio "$mine" "$(median <<<"${IDLE[xclock]}")")"
    figure "$side" "working set after $((SECONDS_EACH + 5)) s (KiB)" "${RSS[$side]}"
  done

  printf '\n=== %s, idle medians of %s runs of %s s\n' "$arch" "$IDLE_RUNS" "$SECONDS_EACH"
  printf 'clock.exe: %s s   xclock -update 1: %s s   (processor s; Wine programs with the\n' \
    "$clock" "$(median <<<"${IDLE[xclock]}")"
  printf 'wineserver time they cause: its time less the %s s it takes with none running)\n' \
    "$(echo "scale=3; $(median <<<"$SERVER_ALONE") / $HZ" | bc)"
  local head="this tree"
  if [ -n "$AGAINST" ]; then
    printf '%-58s %12s %12s\n' "" "$AGAINST" "$head"
  else
    printf '%-58s %12s\n' "" "$head"
  fi
  local row
  for row in "${ROWS[@]}"; do
    if [ -n "$AGAINST" ]; then
      printf '%-58s %12s %12s\n' "$row" "${FIG["other|$row"]:--}" "${FIG["today|$row"]:--}"
    else
      printf '%-58s %12s\n' "$row" "${FIG["today|$row"]:--}"
    fi
  done
}

for line in "${ZT_WINE_SKIPPED[@]}"; do echo "not measured for $line"; done
[ -z "$AGAINST" ] || build_other "${ZT_WINE_ARCHES[@]}"
for arch in i686 x86_64; do
  exe="$BUILD/win-$arch/Zentick.exe"
  if [ -f "$exe" ]; then
    printf 'Zentick.exe (%s) size: %s bytes (target at most 204800)\n' "$arch" "$(stat -c %s "$exe")"
  fi
done
printf 'load average at start: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
for arch in "${ZT_WINE_ARCHES[@]}"; do bench_arch "$arch"; done
printf '\nload average at end: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
