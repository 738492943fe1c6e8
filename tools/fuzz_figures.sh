#!/usr/bin/env bash
# Each fuzz target's final figures from a ctest log of the fuzz build:
#   tools/fuzz_figures.sh LOG
set -euo pipefail
awk '
  / Test: / { name = $NF }
  /DONE +cov:/ {
    execs = substr($1, 2)
    for (i = 1; i < NF; i++) {
      if ($i == "cov:") cov = $(i + 1)
      if ($i == "ft:") ft = $(i + 1)
    }
  }
  /^Done [0-9]+ runs in [0-9]+ second/ { seconds = $5 }
  /^Test time =/ || /^"[^"]*" end time/ {
    if (name != "" && execs != "") printf "%-22s cov %6s  ft %7s  execs %11s  seconds %s\n", name, cov, ft, execs, seconds
    name = execs = cov = ft = seconds = ""
  }
' "$1"
