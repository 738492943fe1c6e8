#!/usr/bin/env bash
# A clock folder whose data\ is a read-only bind mount of a writable
# staging folder: the test fills the staging folder and the clock sees it
# read-only. Root's writes under Wine ignore the read-only attribute; a
# read-only mount stops them.
#   readonly.sh setup|cleanup BUILD_DIR
set -euo pipefail
BUILD=$(realpath -m "$2")
ROOT="$BUILD/readonly"
DATA="$ROOT/clock/data"

cleanup() {
  if mountpoint -q "$DATA"; then umount "$DATA"; fi
  rm -rf "$ROOT"
}

case "$1" in
  setup)
    cleanup
    mkdir -p "$ROOT/stage" "$DATA"
    cp "$BUILD/Zentick.exe" "$ROOT/clock/"
    cp -r "$BUILD/data/." "$ROOT/stage/"
    mount --bind "$ROOT/stage" "$DATA"
    mount -o remount,ro,bind "$DATA"
    if touch "$DATA/.probe" 2>/dev/null; then
      echo "readonly.sh: $DATA is still writable" >&2
      exit 1
    fi
    echo "read-only data folder ready: $DATA"
    ;;
  cleanup) cleanup ;;
  *) echo "usage: readonly.sh setup|cleanup BUILD_DIR" >&2; exit 2 ;;
esac
