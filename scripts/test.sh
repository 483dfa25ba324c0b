#!/bin/bash
# Installs, builds and runs every test twice: in the normal build (build/)
# and built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/, -DPELLARD_SANITIZE=ON; any report fails its test). Fails
# when either run fails.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh

status=0
echo "== tests, normal build"
(cd build && ctest --output-on-failure -j"$(nproc)") || status=1

echo "== tests, AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLARD_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ctest --output-on-failure -j"$(nproc)") || status=1
exit $status
