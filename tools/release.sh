#!/usr/bin/env bash
# Builds both architectures and writes the downloads: one zip per
# architecture, Zentick-VERSION-ARCH.zip, holding Zentick\ with the program,
# its default data folder and the Japanese readme.txt, and SHA256SUMS
# beside them. The same tree gives the same bytes.
#   tools/release.sh [BUILD_DIR] [DIST_DIR]     (default: build, dist)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build}")
DIST=$(realpath -m "${2:-$ROOT/dist}")
VERSION=$(tr -d ' \r\n' <"$ROOT/VERSION")
ARCHES=(i686 x86_64)

bash "$ROOT/tools/setup.sh"
bash "$ROOT/tools/build.sh" "$BUILD" "${ARCHES[@]}"

STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
# The readme is kept as UTF-8 with LF; users' viewers want code page 932
# with CRLF.
README="$ROOT/docs/readme.ja.txt"
if grep -q $'\r' "$README"; then
  echo "release: $README must have LF line ends only" >&2
  exit 1
fi
if ! iconv -f UTF-8 -t CP932 "$README" >"$STAGE/readme.lf"; then
  echo "release: $README does not convert to code page 932" >&2
  exit 1
fi
sed 's/$/\r/' "$STAGE/readme.lf" >"$STAGE/readme.txt"

mkdir -p "$DIST"
zips=()
for arch in "${ARCHES[@]}"; do
  win="$BUILD/win-$arch"
  top="$STAGE/$arch/Zentick"
  mkdir -p "$top/data"
  cp "$win/Zentick.exe" "$STAGE/readme.txt" "$top/"
  # Only what the build made: no settings, accounts or events of a test run.
  cp "$win/data/ZENTICK.rgn" "$win/data/"*.qkb "$top/data/"
  zip="Zentick-$VERSION-$arch.zip"
  python3 "$ROOT/tools/release_zip.py" "$STAGE/$arch" "$DIST/$zip"
  zips+=("$zip")
done
(cd "$DIST" && sha256sum "${zips[@]}" >SHA256SUMS.part && mv SHA256SUMS.part SHA256SUMS)
echo "release: $DIST/{$(IFS=,; echo "${zips[*]}"),SHA256SUMS}"
