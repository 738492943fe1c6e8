# Sourced by the scripts that run Wine: a 32-bit prefix of the build's
# own, code page 932, and one virtual display and wineserver for the run.
#   zt_wine_up BUILD_DIR [keep-display]   zt_wine_down
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

zt_wine_up() {
  export WINEPREFIX="$(realpath -m "$1")/wineprefix"
  if [ -z "${2:-}" ] || [ -z "${DISPLAY:-}" ]; then
    # A display of our own, on a free number the server picks itself.
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    ZT_XVFB_PID=$!
    local n=""
    for _ in $(seq 100); do
      n=$(tr -dc 0-9 <"$numberFile")
      [ -n "$n" ] && break
      sleep 0.1
    done
    rm -f "$numberFile"
    [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$n"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: making a prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  wineserver -p
  # Wine's own background processes start with the first program; start
  # them here with their output elsewhere, so no test's output pipe is
  # held open by them. Windows on a display with no window manager are
  # left unmanaged: Wine then does not wait two seconds for a manager to
  # withdraw each window that closes.
  # The Japanese faces the dialogs and the information line ask for are
  # not in Wine: map them to the IPA fonts.
  local fonts='HKCU\Software\Wine\Fonts\Replacements'
  wine reg add "$fonts" /v "ＭＳ Ｐゴシック" /d IPAPGothic /f >/dev/null 2>&1 </dev/null
  wine reg add "$fonts" /v "ＭＳ ゴシック" /d IPAGothic /f >/dev/null 2>&1 </dev/null
  wine reg add "$fonts" /v "MS UI Gothic" /d IPAPGothic /f >/dev/null 2>&1 </dev/null
  local key='HKCU\Software\Wine\X11 Driver'
  if [ -n "${ZT_XVFB_PID:-}" ]; then
    wine reg add "$key" /v Managed /d N /f >/dev/null 2>&1 </dev/null
  else
    wine reg delete "$key" /v Managed /f >/dev/null 2>&1 </dev/null || true
  fi
}

zt_wine_down() {
  wineserver -k 2>/dev/null || true
  if [ -n "${ZT_XVFB_PID:-}" ]; then kill "$ZT_XVFB_PID" 2>/dev/null || true; fi
}
