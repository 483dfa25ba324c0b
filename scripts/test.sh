#!/bin/bash
# Installs, builds and runs every test.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
