#!/usr/bin/env bash
# Installs what is needed, builds, and starts the clock under Wine on the
# default data folder beside the program (build/win-ARCH/data), the i686
# build where this host can run it, else the x86_64 one. On the current X
# display it runs until closed; with no display it runs on a virtual one
# and saves a screenshot (build/screenshot.png) a few seconds after start.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build"

bash "$ROOT/tools/setup.sh"
# The user's own locale: the clock's Japanese reads right in any.
ZT_WINE_LANG=${LC_ALL:-${LANG:-C.UTF-8}}
source "$ROOT/tools/wine-env.sh"
zt_wine_arches
for line in "${ZT_WINE_SKIPPED[@]}"; do echo "wine: cannot start $line"; done
if [ ${#ZT_WINE_ARCHES[@]} -eq 0 ]; then
  echo "The clock cannot start: neither of Wine's loaders runs on this host."
  exit 1
fi
ARCH=${ZT_WINE_ARCHES[0]}
bash "$ROOT/tools/build.sh" "$BUILD" "$ARCH"
WIN="$BUILD/win-$ARCH"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  zt_wine_up "$WIN" "$ARCH" keep-display
  echo "Zentick ($ARCH) runs on $DISPLAY; close it from its right-click menu."
  zt_wine "$WIN/Zentick.exe"
  wineserver -k
  exit 0
fi

zt_wine_up "$WIN" "$ARCH"
trap zt_wine_down EXIT
zt_wine "$WIN/Zentick.exe" &
sleep 4
import -window root "$BUILD/screenshot.png"
echo "Zentick ($ARCH) ran on the virtual display $DISPLAY; screenshot: $BUILD/screenshot.png"
