#!/bin/bash
# Builds the libFuzzer targets (tools/fuzz) with clang into build-fuzz/ and
# runs each of them for a number of seconds, all at once.
#
#   bash scripts/fuzz.sh [SECONDS [JOBS [TARGET...]]]
#
# SECONDS per target (default 300), JOBS parallel processes per target
# (default 2), TARGETs among records zip options county merged oldrecords
# oldcounty oldmerged (default all).
# Each target starts from the seeds fuzz_seeds writes (small generated
# counties) and keeps what it learns in build-fuzz/corpus/<target>; an input
# that crashes, hangs or draws a sanitizer report is left in
# build-fuzz/artifacts/<target>/ and the script fails. Logs:
# build-fuzz/logs/<target>/fuzz-N.log. Keep such an input as a regression input in
# tests/fuzz_inputs/<target>/ once the fault is mended. The inputs that
# together reach every distinct log line of a corpus are picked by
# build-fuzz/tools/fuzz/fuzz_keep TARGET FOLDER corpus/TARGET seeds/TARGET.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-300}
jobs=${2:-2}
shift $(( $# < 2 ? $# : 2 ))
targets=${*:-records zip options county merged oldrecords oldcounty oldmerged}

bash scripts/setup.sh
if ! command -v clang++ >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang >/dev/null
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLARD_FUZZ=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_seeds fuzz_keep $(for t in $targets; do echo fuzz_$t; done)

cd build-fuzz
rm -rf seeds logs
mkdir -p seeds logs
tools/fuzz/fuzz_seeds seeds
# Scratch folders on a memory file system when there is one: the county
# targets write some hundred small files per input.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
# A small quarantine and no fill of fresh blocks: the conversions allocate
# much, and the defaults make them several times slower.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32:max_malloc_fill_size=0}

declare -A timeout=([records]=10 [zip]=10 [options]=60 [county]=60 [merged]=60 [oldrecords]=10 [oldcounty]=60
  [oldmerged]=60)
# The seeds stay in the corpus even where they add no coverage (a whole
# valid file covers no more than an emptied one, but its mutations reach
# further), and inputs may be as long as the longest seed from the start.
flags="-keep_seed=1 -len_control=0 -close_fd_mask=3"
pids=()
for t in $targets; do
  rm -rf "logs/$t"
  mkdir -p "corpus/$t" "artifacts/$t" "logs/$t"
  # JOBS independent processes, each with its log logs/<target>/fuzz-N.log.
  (cd "logs/$t" && exec "../../tools/fuzz/fuzz_$t" -jobs="$jobs" -workers="$jobs" -max_total_time="$seconds" \
     -timeout="${timeout[$t]}" $flags -artifact_prefix="../../artifacts/$t/" "../../corpus/$t" "../../seeds/$t" \
     >/dev/null 2>&1) &
  pids+=($!)
done

failed=0
i=0
for t in $targets; do
  wait "${pids[$i]}" || true
  i=$((i + 1))
  runs=0
  for log in "logs/$t"/fuzz-*.log; do
    n=$(grep -Eo '^#[0-9]+' "$log" | tail -1 | tr -d '#')
    runs=$((runs + ${n:-0}))
  done
  if [ -n "$(ls "artifacts/$t")" ] || grep -qE '^==[0-9]+==|ERROR: libFuzzer|runtime error' logs/$t/fuzz-*.log; then
    status=FAILED
    failed=1
  else
    status=ok
  fi
  printf '%-10s %-6s %d runs in %d processes of %ss, corpus %s inputs\n' "$t" "$status" "$runs" "$jobs" "$seconds" \
    "$(ls "corpus/$t" | wc -l)"
  ls "artifacts/$t" | sed "s|^|           artifact: build-fuzz/artifacts/$t/|"
done
exit $failed
