#!/bin/bash
# Builds a Release configuration (build-release/) and times whole-county
# conversions of generated counties of about 60,000, 125,000, 250,000 and
# 500,000 complete chains (or the sizes given) with both libraries:
#   - the 1994-2000 library (vornak::Display) on release 101 (TIGER 2000)
#     counties, every line class and polygon options 8 to 49;
#   - the 2002-2006 library (vornak2::DisplayV2) on 2006-edition counties,
#     every line class, road table and polygon layer, once with the type B
#     file (whose corrections layer is then a second all-polygons layer) and
#     once without it, as real counties of 2005 on come.
# Per run it prints each stage's time by the wall clock and by the CPU clock
# (named from the progress dialog's texts), the total, the peak memory of the
# converting process against the size of the record files, and the growth of
# every stage between sizes ('!' marks a growth above 4.6 times from about a
# quarter of the largest size); then a summary of the runs side by side.
#
#   bash scripts/bench.sh [OPTIONS] [CHAINS ...]
#
# Options (passed to build-release/tools/bench_county/bench_county):
#   --library old|new|both       which library's runs (default both)
#   --type-b with|without|both   the 2006 counties with the type B file,
#                                without it, or both (default both)
#   --work DIR                   where counties and output go (default
#                                /tmp/bench_county; each size is removed
#                                after its run)
#   --keep                       keep each size's county and output
#   --repeat N                   convert each size N times and keep each
#                                stage's least wall and least CPU time (the
#                                least disturbed by other work; default 1)
# Example: bash scripts/bench.sh --library old 125000 500000
#
# Each size converts in a child process of its own; wall times swing when
# other work shares the cores, the CPU times much less. The records
# benchmark is scripts/bench-records.sh, the GDAL comparison
# scripts/compare-gdal.sh.
set -eu
cd "$(dirname "$0")/.."
bash scripts/build-release.sh bench_county
build-release/tools/bench_county/bench_county "$@"
