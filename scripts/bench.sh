#!/bin/bash
# Builds a Release configuration and converts generated 2006-edition counties
# of about 60,000, 125,000, 250,000 and 500,000 complete chains (or the sizes
# given) with every line class, road table and polygon layer, printing the
# time of each stage, the peak memory and the growth between sizes.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target bench_county >/dev/null
build-release/tools/bench_county/bench_county "$@"
