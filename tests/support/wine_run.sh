#!/usr/bin/env bash
# Runs one Wine test program: wine_run.sh LOADER PROGRAM [ARGS...].
# A run that ends, or is stopped after 55 s, without a word from
# GoogleTest never reached the program: Wine's loader gave up or hung at
# start (seen on busy hosts, x86_64). That is no verdict on the test, so it
# is said and the run made once more. Two attempts fit ctest's 120 s.
loader=$1
shift
out=$(mktemp "${TMPDIR:-/tmp}/zt-run.XXXXXX") || exit 1
trap 'rm -f "$out"' EXIT
for attempt in 1 2; do
  timeout -k 5 55 "$loader" "$@" >"$out" 2>&1
  rc=$?
  cat "$out"
  if grep -q '^\[==========\]' "$out"; then exit $rc; fi
  [ $rc -eq 0 ] && exit 0
  echo "wine_run: attempt $attempt ended (exit $rc) before the test program started"
done
exit $rc
