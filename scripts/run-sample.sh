#!/bin/bash
# Installs and builds everything.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
echo "built: build/frontend/pellard, build/conv2/libvornak2.so, build/conv1/libvornak.so"
