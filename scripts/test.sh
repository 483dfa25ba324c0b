#!/bin/bash
# Installs, builds and runs every test twice: in the normal build (build/)
# and built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/, -DPELLARD_SANITIZE=ON; any report fails its test). ctest
# gives each test a process of its own, so the normal build's test binary
# also runs whole in one process, in an order shuffled by a seed it prints
# (run it again with that seed to see the same order). Fails when any run
# fails.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh

status=0
echo "== tests, normal build"
(cd build && ctest --output-on-failure -j"$(nproc)") || status=1

seed=$((RANDOM + 1))
echo "== every test in one process, shuffled: build/tests/unit_tests --gtest_shuffle --gtest_random_seed=$seed"
build/tests/unit_tests --gtest_shuffle --gtest_random_seed="$seed" --gtest_brief=1 || status=1

echo "== tests, AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLARD_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ctest --output-on-failure -j"$(nproc)") || status=1
exit $status
