#!/usr/bin/env bash
# Makes the README's pictures: the running clock with a sample skin and the
# date line (docs/clock.png), the same with its right-click menu open
# (docs/menu.png), and the clock larger and translucent over a wallpaper
# drawn here (docs/translucent.png), and then smooth hands at 96, 144 and
# 192 DPI (docs/smooth-DPI.png). The clock runs on a virtual display
# from a folder of its own, so no settings of another run show; a
# compositing manager blends its layered window as Windows would.
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
DESKTOP_KEY='HKCU\Control Panel\Desktop'
cleanup() {
  # The prefix is the build's own, which the tests use too.
  zt_wine reg delete "$DESKTOP_KEY" /v LogPixels /f >/dev/null 2>&1 || true
  zt_wine_down
  rm -rf "$RUN"
}
trap cleanup EXIT
mkdir -p "$RUN/Zentick/data"
cp "$WIN/Zentick.exe" "$RUN/Zentick/"
cp "$WIN/data/ZENTICK.rgn" "$WIN/data/$SKIN" "$RUN/Zentick/data/"
# The skin stays as chosen (a first start would pick one at random) and
# the information line shows the date.
# The settings as a user of an older version left them, in code page 932:
# the clock keeps its own copy in UTF-16, so this is written anew, never
# added to.
settings() {  # [LINES]
  printf '[IMAGE]\r\nFILE=%s\r\nLAST_NUM=0\r\n[OBJECT]\r\nDIGINFO=1\r\n%b' "$SKIN" "${1:-}" \
    >"$RUN/Zentick/data/Zentick.ini"
}
settings

zt_wine_up "$WIN" "$ARCH"
zt_wine "$RUN/Zentick/Zentick.exe" &
running=$!
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

# Closed from its menu, then started again at 150 % and 70 % opacity over
# evening hills with the sun behind the clock's edge, its menu open at
# 表示の設定 → 大きさ.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
sleep 1
xdotool key c
wait "$running" || true
settings '[WINDOW]\r\nSIZE=150\r\nOPACITY=70\r\nPOSX=110\r\nPOSY=250\r\n'
# The virtual display's size.
convert -size 1024x768 gradient:'#12355b-#f2a65a' \
  -fill '#ffe29a' -draw 'circle 380,260 380,335' \
  -fill '#2e6b4f' -draw 'polygon 0,560 180,470 360,540 560,430 760,520 1024,440 1024,768 0,768' \
  -fill '#1f4d38' -draw 'polygon 0,650 240,580 480,660 720,590 1024,670 1024,768 0,768' \
  "$RUN/wallpaper.png"
xcompmgr >/dev/null 2>&1 &
compositor=$!
display -geometry +0+0 -borderwidth 0 "$RUN/wallpaper.png" &
wallpaper=$!
sleep 2
zt_wine "$RUN/Zentick/Zentick.exe" &
running=$!
clock=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZENTICK$' | head -1)
sleep 3
eval "$(xdotool getwindowgeometry --shell "$clock")"
xdotool mousemove $((X + WIDTH * 9 / 10)) $((Y + HEIGHT / 2)) click 3
sleep 1
xdotool key v
sleep 1
xdotool key s
sleep 1
import -window root "$RUN/shot.png"
# Cut to what differs from the wallpaper, the clock and the menus, with a margin.
box=$(convert "$RUN/shot.png" "$RUN/wallpaper.png" -compose difference -composite \
  -colorspace gray -threshold 3% -format '%@' info:)  # WxH+X+Y
read -r w h x y <<<"${box//[x+]/ }"
convert "$RUN/shot.png" -crop $((w + 80))x$((h + 80))+$((x - 40))+$((y - 40)) +repage \
  "$ROOT/docs/translucent.png"
xdotool key Escape Escape Escape
kill "$wallpaper" "$compositor"

# Closed, and started with the first picture's settings at each system DPI
# (Wine reads it at a program's start).
close_clock() {
  eval "$(xdotool getwindowgeometry --shell "$clock")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
  sleep 1
  xdotool key c
  wait "$running" || true
}
close_clock
settings
for dpi in 96 144 192; do
  zt_wine reg add "$DESKTOP_KEY" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  zt_wine "$RUN/Zentick/Zentick.exe" &
  running=$!
  clock=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZENTICK$' | head -1)
  sleep 3
  shoot "$RUN/smooth.png"
  # 256 colours hold every blend of the hands' edges in a third of the bytes.
  convert "$RUN/smooth.png" +dither -colors 256 "PNG8:$ROOT/docs/smooth-$dpi.png"
  close_clock
done
echo "screenshots: $ROOT/docs/clock.png, menu.png, translucent.png and smooth-*.png ($ARCH)"
