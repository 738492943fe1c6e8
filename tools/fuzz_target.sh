#!/usr/bin/env bash
# Runs one fuzz target, its command line as given, passing its output
# through, and ends with one line of figures: the final edge coverage
# (cov), features (ft), executions, seconds, the second at which the
# coverage last grew and the input of a finding, if any. Exits as the
# target did.
#   tools/fuzz_target.sh TARGET [LIBFUZZER OPTIONS AND FOLDERS]
set -uo pipefail
start=${EPOCHREALTIME/[.,]/}
"$@" 2>&1 | {
  cov=0 ft=0 execs=0 seconds=0 grew=0 finding=none
  while IFS= read -r line; do
    printf '%s\n' "$line"
    if [[ $line =~ ^#([0-9]+).*\ cov:\ ([0-9]+)\ ft:\ ([0-9]+) ]]; then
      execs=${BASH_REMATCH[1]} ft=${BASH_REMATCH[3]}
      if ((BASH_REMATCH[2] > cov)); then
        cov=${BASH_REMATCH[2]}
        now=${EPOCHREALTIME/[.,]/}
        grew=$(((now - start) / 1000000))
      fi
    elif [[ $line =~ ^Done\ ([0-9]+)\ runs\ in\ ([0-9]+)\ second ]]; then
      execs=${BASH_REMATCH[1]} seconds=${BASH_REMATCH[2]}
    elif [[ $line =~ Test\ unit\ written\ to\ ([^ ]+) ]]; then
      finding=${BASH_REMATCH[1]}
    fi
  done
  echo "fuzz figures: cov $cov ft $ft execs $execs seconds $seconds last-new-cov $grew finding $finding"
}
