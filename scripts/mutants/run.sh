#!/usr/bin/env bash
# Breaks the code on purpose, one small fault at a time, and counts how many
# of the faults in scripts/mutants/mutants.toml the tests catch.
#
#   scripts/mutants/run.sh                 every mutant; results in build/mutants/results.txt
#   scripts/mutants/run.sh --only ID...    only these mutants (no baseline run)
#   scripts/mutants/run.sh --list          the mutants, without running anything
#   scripts/mutants/run.sh --help          every option
#
# Slow (minutes to an hour): not part of ./test.sh. See run.py for the details.
set -euo pipefail
exec python3 "$(dirname "$0")/run.py" "$@"
