#!/usr/bin/env bash
# Builds the host side (platform-free code, its tests, the asset
# generators) and then Zentick.exe with its data folder and Wine tests.
#   tools/build.sh [BUILD_DIR]     (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build}")

cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD/native"
cmake -S "$ROOT" -B "$BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
  -DZT_HOST_TOOLS="$BUILD/native" >/dev/null
cmake --build "$BUILD/win" --target Zentick win_tests e2e_tests
