#!/usr/bin/env bash
# Unpacks a release zip into a folder named "ソフト表" (both of its
# double-byte characters end in 0x5C in code page 932) and runs
# unpacked_test on the clock there, on a display of its own.
#   start_unpacked.sh ZIP WIN_BUILD ARCH
set -euo pipefail
ZIP=$1 WIN=$2 ARCH=$3
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
source "$ROOT/tools/wine-env.sh"
trap 'rm -rf "$work"' EXIT
folder="$work/ソフト表"
python3 -m zipfile -e "$ZIP" "$folder"
zt_wine_up "$WIN" "$ARCH"
trap 'zt_wine_down; rm -rf "$work"' EXIT
export ZT_UNPACKED_EXE="Z:${folder//\//\\}\\Zentick\\Zentick.exe"
zt_wine "$WIN/unpacked_tests.exe"
