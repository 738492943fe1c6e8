#!/usr/bin/env bash
# Unpacks a release zip into a folder named "ソフト表" (both of its
# double-byte characters end in 0x5C in code page 932) and runs
# unpacked_test on the clock there, on a display of its own.
#   start_unpacked.sh ZIP WIN_BUILD ARCH
# The test's own waits are all bounded, so a run that does not end is
# Wine itself stuck (seen once in many runs, x86_64): such a run is
# stopped after a minute and tried once more on a fresh wineserver.
set -uo pipefail
ZIP=$1 WIN=$2 ARCH=$3
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
if [ "${4:-}" = --attempt ]; then
  source "$ROOT/tools/wine-env.sh"
  zt_wine_up "$WIN" "$ARCH" || exit 1
  trap zt_wine_down EXIT
  zt_wine "$WIN/unpacked_tests.exe"
  exit
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/ソフト表"
python3 -m zipfile -e "$ZIP" "$folder" || exit 1
export ZT_UNPACKED_EXE="Z:${folder//\//\\}\\Zentick\\Zentick.exe"
for attempt in 1 2; do
  timeout -k 10 60 bash "$0" "$ZIP" "$WIN" "$ARCH" --attempt
  rc=$?
  [ $rc -eq 124 ] || [ $rc -eq 137 ] || exit $rc
  echo "unpacked: attempt $attempt did not end within a minute" >&2
  WINEPREFIX="$(realpath -m "$WIN")/wineprefix" wineserver -k 2>/dev/null
done
exit 1
