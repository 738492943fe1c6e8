#!/usr/bin/env bash
# Makes the README's pictures: the running clock with a sample skin and the
# date line (docs/clock.png), and the same with its right-click menu open
# (docs/menu.png). The clock runs on a virtual display from a folder of its
# own, so no settings of another run show.
#   tools/screenshots.sh [BUILD_DIR]     (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build}")
SKIN=porcelain.qkb

bash "$ROOT/tools/setup.sh"
source "$ROOT/tools/wine-env.sh"
zt_wine_arches
if [ ${#ZT_WINE_ARCHES[@]} -eq 0 ]; then
  echo "screenshots: neither of Wine's loaders runs on this host." >&2
  exit 1
fi
ARCH=${ZT_WINE_ARCHES[0]}
bash "$ROOT/tools/build.sh" "$BUILD" "$ARCH"
WIN="$BUILD/win-$ARCH"

RUN=$(mktemp -d)
cleanup() {
  zt_wine_down
  rm -rf "$RUN"
}
trap cleanup EXIT
mkdir -p "$RUN/Zentick/data"
cp "$WIN/Zentick.exe" "$RUN/Zentick/"
cp "$WIN/data/ZENTICK.rgn" "$WIN/data/$SKIN" "$RUN/Zentick/data/"
# The skin stays as chosen (a first start would pick one at random) and
# the information line shows the date.
printf '[IMAGE]\r\nFILE=%s\r\nLAST_NUM=0\r\n[OBJECT]\r\nDIGINFO=1\r\n' "$SKIN" \
  >"$RUN/Zentick/data/Zentick.ini"

zt_wine_up "$WIN" "$ARCH"
zt_wine "$RUN/Zentick/Zentick.exe" &
clock=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZENTICK$' | head -1)
sleep 3
# Cut to what is drawn, with a margin, and the desktop in a calm colour.
shoot() {  # file
  import -window root "$RUN/shot.png"
  convert "$RUN/shot.png" -trim +repage -bordercolor black -border 16 \
    -fill '#3a6ea5' -draw 'color 0,0 floodfill' "$1"
}
shoot "$ROOT/docs/clock.png"

# The menu opens at the pointer; its mnemonic opens the information line's
# submenu, which shows the date chosen.
eval "$(xdotool getwindowgeometry --shell "$clock")"  # X, Y, WIDTH, HEIGHT
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
sleep 1
xdotool key i
sleep 1
shoot "$ROOT/docs/menu.png"
xdotool key Escape Escape
echo "screenshots: $ROOT/docs/clock.png and $ROOT/docs/menu.png ($ARCH)"
