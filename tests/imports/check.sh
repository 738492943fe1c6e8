#!/usr/bin/env bash
# Fails when an executable imports a function that Windows 98 or NT 4.0
# lacks, or a DLL other than the system's own.
#   check.sh EXE...
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
newer=$(grep -v '^#' "$HERE/newer_functions.txt" | grep .)
system_dlls='^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|ole32|winmm|wsock32|rasapi32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
  if [ ! -f "$exe" ]; then
    echo "$exe: not built"
    status=1
    continue
  fi
  table=$(x86_64-w64-mingw32-objdump -p "$exe") || { status=1; continue; }
  dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$table" | tr 'A-Z' 'a-z')
  functions=$(awk '/DLL Name:/ {on=1; next} on && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print $NF}' <<<"$table")
  for dll in $dlls; do
    grep -Eq "$system_dlls" <<<"$dll" || { echo "$exe imports $dll"; status=1; }
  done
  for f in $newer; do
    grep -qx "$f" <<<"$functions" && { echo "$exe imports $f"; status=1; }
  done
  echo "$exe: $(wc -l <<<"$functions") functions from $(wc -w <<<"$dlls") system DLLs"
done
exit $status
