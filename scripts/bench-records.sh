#!/bin/bash
# Builds a Release configuration (build-release/) and times reading, parsing
# and sorting the record files of a large generated county with each
# library's readers:
#   - tools/bench_records_v1 (the 1994-2000 library) on a release-101 (TIGER
#     2000) county written by countygen;
#   - tools/bench_records (the 2002-2006 library) on a 2006-edition county it
#     writes itself;
# both of about CHAINS complete chains (default 500000), records shuffled
# (seed 1). Prints each tool's own table, then records per second per record
# type side by side and each process's peak memory against the size of its
# county's record files.
#
#   bash scripts/bench-records.sh [CHAINS]
set -eu
cd "$(dirname "$0")/.."
chains=${1:-500000}
bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target bench_records bench_records_v1 countygen >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/county101"
build-release/tools/countygen/countygen --out "$work/county101" --edition 6 --chains "$chains" --seed 1 >/dev/null
old_bytes=$(cat "$work"/county101/TGR25901.* | wc -c)
echo "== build-release/tools/bench_records_v1 $work/county101 TGR25901 --edition 101"
build-release/tools/bench_records_v1/bench_records_v1 "$work/county101" TGR25901 --edition 101 | tee "$work/old.txt"
rm -rf "$work/county101"
echo
echo "== build-release/tools/bench_records --chains $chains --edition d --seed 1"
build-release/tools/bench_records/bench_records --chains "$chains" --edition d --seed 1 | tee "$work/new.txt"
echo

awk -v oldBytes="$old_bytes" '
  FNR == 1 { file++ }
  # Type rows: "1  records  seconds  records/s" (old), "rt1 ..." (new).
  NF == 4 && $2 ~ /^[0-9]+$/ {
    t = tolower($1); sub(/^rt/, "", t)
    if (file == 1) { oldN[t] = $2; oldR[t] = $4; seen[t] = 1; order[++n] = t }
    else { newN[t] = $2; newR[t] = $4; if (!(t in seen)) { seen[t] = 1; order[++n] = t } }
  }
  /sorted again by TLID/ { sortT[file] = $(NF - 1) }
  /^all types:/ { allN[file] = $3; allR[file] = $(NF - 1); sub(/^\(/, "", allR[file]) }
  /^peak RSS/ { peak[file] = $3 }
  /record files/ && file == 2 { for (i = 1; i <= NF; i++) if ($i == "files") newMb = $(i + 1) }
  END {
    printf "%-6s %12s %14s %12s %14s %12s\n", "type", "v1 records", "v1 records/s", "v2 records", "v2 records/s", "v1/v2 speed"
    for (i = 1; i <= n; i++) {
      t = order[i]
      ratio = (t in oldR) && (t in newR) && newR[t] > 0 ? sprintf("%.2f", oldR[t] / newR[t]) : "-"
      printf "%-6s %12s %14s %12s %14s %12s\n", t, (t in oldN) ? oldN[t] : "-", (t in oldR) ? oldR[t] : "-",
             (t in newN) ? newN[t] : "-", (t in newR) ? newR[t] : "-", ratio
    }
    printf "%-6s %12s %14s %12s %14s %12s\n", "all", allN[1], allR[1], allN[2], allR[2],
           allR[2] > 0 ? sprintf("%.2f", allR[1] / allR[2]) : "-"
    printf "type 1 sorted again by TLID: v1 %s s, v2 %s s\n", sortT[1], sortT[2]
    oldMb = oldBytes / 1e6
    printf "v1: peak RSS %.1f MB, record files %.1f MB, ratio %.2f\n", peak[1] * 1.048576, oldMb, peak[1] * 1.048576 / oldMb
    printf "v2: peak RSS %.1f MB, record files %.1f MB, ratio %.2f\n", peak[2] * 1.048576, newMb, peak[2] * 1.048576 / newMb
    print "(MB: 10^6 bytes; peak RSS as the tools print it in MiB, converted)"
  }' "$work/old.txt" "$work/new.txt"
