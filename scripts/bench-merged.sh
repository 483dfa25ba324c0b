#!/bin/bash
# Builds a Release configuration (build-release/) and times a whole state in
# one merged folder: COUNTIES generated counties (default 40) of about CHAINS
# lines each (default 20000), every polygon layer of the 2005 edition,
# converted one after another into one folder organised by theme and merged,
# then the same counties a folder per county. Prints each county's time in
# both jobs, the first and the last merged county, both whole jobs and their
# peak memory. Further arguments go to bench_merged (--edition E, --work DIR,
# --keep).
#
#   bash scripts/bench-merged.sh [COUNTIES [CHAINS [OPTIONS]]]
set -eu
cd "$(dirname "$0")/.."
counties=${1:-40}
chains=${2:-20000}
shift $(($# < 2 ? $# : 2))
bash scripts/build-release.sh bench_merged
build-release/tools/bench_merged/bench_merged --counties "$counties" --chains "$chains" "$@"
