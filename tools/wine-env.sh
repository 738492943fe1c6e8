# Sourced by the scripts that run Wine: a prefix of the build's own for
# each architecture, and one virtual display and wineserver for the run.
# The tests' own texts are code page 932, and Wine gives a program the
# code page of its locale, so Wine runs in a Japanese locale unless
# ZT_WINE_LANG names another (tools/start.sh keeps the user's; the
# program itself reads right in any).
#   zt_wine_arches                     which builds this host can run
#   zt_wine_up BUILD_DIR ARCH [keep-display]   zt_wine ARGS...   zt_wine_down
# The prefix is BUILD_DIR/wineprefix, or BUILD_DIR/$ZT_PREFIX_NAME.
export LANG=${ZT_WINE_LANG:-ja_JP.UTF-8} LC_ALL=${ZT_WINE_LANG:-ja_JP.UTF-8} WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

zt_wine_loader() {  # ARCH
  if [ "$1" = x86_64 ]; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi
}

# Sets ZT_WINE_ARCHES to the architectures whose Wine loader really runs
# here (each loader is started once), preferring i686, and
# ZT_WINE_SKIPPED to one line per architecture that cannot run, saying why.
zt_wine_arches() {
  ZT_WINE_ARCHES=()
  ZT_WINE_SKIPPED=()
  local arch loader out
  for arch in i686 x86_64; do
    loader=$(zt_wine_loader "$arch")
    if [ ! -e "$loader" ]; then
      ZT_WINE_SKIPPED+=("$arch: Wine's loader $loader is not installed")
    elif out=$(export LC_ALL=C; "$loader" --version 2>&1); then
      ZT_WINE_ARCHES+=("$arch")
    elif grep -qi 'exec format error' <<<"$out"; then
      local bits=64
      [ "$arch" = i686 ] && bits=32
      ZT_WINE_SKIPPED+=("$arch: this host's kernel runs no $bits-bit Linux programs, so Wine's $bits-bit loader cannot start")
    else
      ZT_WINE_SKIPPED+=("$arch: Wine's loader $loader does not start: $(head -1 <<<"$out")")
    fi
  done
}

zt_wine() { "$WINELOADER" "$@"; }

zt_wine_up() {
  local build arch
  build=$(realpath -m "$1")
  arch=$2
  export WINEPREFIX="$build/${ZT_PREFIX_NAME:-wineprefix}" WINELOADER
  WINELOADER=$(zt_wine_loader "$arch")
  if [ "$arch" = x86_64 ]; then export WINEARCH=win64; else export WINEARCH=win32; fi
  if [ -z "${3:-}" ] || [ -z "${DISPLAY:-}" ]; then
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
    echo "wine: making a $WINEARCH prefix in $WINEPREFIX"
    zt_wine wineboot -i >/dev/null 2>&1 || true
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
  zt_wine reg add "$fonts" /v "ＭＳ Ｐゴシック" /d IPAPGothic /f >/dev/null 2>&1 </dev/null
  zt_wine reg add "$fonts" /v "ＭＳ ゴシック" /d IPAGothic /f >/dev/null 2>&1 </dev/null
  zt_wine reg add "$fonts" /v "MS UI Gothic" /d IPAPGothic /f >/dev/null 2>&1 </dev/null
  local key='HKCU\Software\Wine\X11 Driver'
  if [ -n "${ZT_XVFB_PID:-}" ]; then
    zt_wine reg add "$key" /v Managed /d N /f >/dev/null 2>&1 </dev/null
  else
    zt_wine reg delete "$key" /v Managed /f >/dev/null 2>&1 </dev/null || true
  fi
}

zt_wine_down() {
  wineserver -k 2>/dev/null || true
  if [ -n "${ZT_XVFB_PID:-}" ]; then kill "$ZT_XVFB_PID" 2>/dev/null || true; fi
  ZT_XVFB_PID=""
}
