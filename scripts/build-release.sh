#!/bin/bash
# Installs what building needs and builds TARGET... in the Release
# configuration of build-release/, quietly: the benchmarks' build.
#
#   bash scripts/build-release.sh TARGET...
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target "$@" >/dev/null
