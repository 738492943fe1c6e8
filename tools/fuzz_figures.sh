#!/usr/bin/env bash
# Each fuzz target's figures from a ctest log of the fuzz build, one line
# a target: the final edge coverage (cov), features (ft), executions, the
# seconds run, the second at which the coverage last grew, whether it had
# stopped growing for the last third of the run, and any finding.
#   tools/fuzz_figures.sh LOG
set -euo pipefail
awk '
  / Test: / { name = $NF }
  /^fuzz figures: / {
    for (i = 3; i < NF; i += 2) f[$i] = $(i + 1)
    plateau = 3 * f["last-new-cov"] <= 2 * f["seconds"] ? "held" : "NOT HELD"
    printf "%-22s cov %5s  ft %6s  execs %10s  seconds %4s  last new cov %4s s  plateau %-8s  finding %s\n",
      name, f["cov"], f["ft"], f["execs"], f["seconds"], f["last-new-cov"], plateau, f["finding"]
  }
' "$1" | sort
