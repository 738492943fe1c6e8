#!/usr/bin/env bash
# Builds the host side (platform-free code, its tests, the asset
# generators) and then Zentick.exe with its data folder and Wine tests,
# once for each Windows architecture: BUILD_DIR/win-i686, BUILD_DIR/win-x86_64.
#   tools/build.sh [BUILD_DIR] [ARCH...]     (default: build, both)
# ZT_BUILD_TARGETS names other targets of the Windows builds than the
# program and its tests.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build}")
shift $(($# > 0 ? 1 : 0))
ARCHES=("$@")
[ ${#ARCHES[@]} -gt 0 ] || ARCHES=(i686 x86_64)

cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD/native"
for arch in "${ARCHES[@]}"; do
  cmake -S "$ROOT" -B "$BUILD/win-$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw.cmake" -DZT_ARCH="$arch" \
    -DZT_HOST_TOOLS="$BUILD/native" >/dev/null
  # shellcheck disable=SC2086
  cmake --build "$BUILD/win-$arch" --target ${ZT_BUILD_TARGETS:-Zentick win_tests e2e_tests unpacked_tests}
done
