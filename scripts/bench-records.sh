#!/bin/bash
# Builds a Release configuration (build-release/) and times reading, parsing
# and sorting the record files of a large generated county with each
# library's readers: tools/bench_records on a release-101 (TIGER 2000)
# county (the 1994-2000 library, v1) and on a 2006-edition county (the
# 2002-2006 library, v2), both of about CHAINS complete chains (default
# 500000), records shuffled (seed 1). Each runs RUNS times (default 3); every
# run's own table is printed, then the best rate of each record type side by
# side (records per second), with the rate over all types and over the types
# both read, the least time of the second sort of type 1 by TLID, and each
# library's largest peak memory against the size of its county's record
# files. Further arguments go to bench_records (--lone-cr: record files
# with lone CR line ends).
#
#   bash scripts/bench-records.sh [CHAINS [RUNS [--lone-cr]]]
set -eu
cd "$(dirname "$0")/.."
chains=${1:-500000}
runs=${2:-3}
shift $(($# < 2 ? $# : 2))
bash scripts/build-release.sh bench_records
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for side in old:6 new:d; do
  name=${side%:*} edition=${side#*:}
  for k in $(seq "$runs"); do
    echo "== build-release/tools/bench_records/bench_records --chains $chains --edition $edition --seed 1 $*   (run $k of $runs)"
    build-release/tools/bench_records/bench_records --chains "$chains" --edition "$edition" --seed 1 "$@" | tee "$work/$name$k.txt"
    echo
  done
done

echo "best of $runs runs each:"
awk '
  FNR == 1 { v = FILENAME ~ /\/old[0-9]+\.txt$/ ? 1 : 2 }
  # Type rows: "1  records  seconds  records/s".
  NF == 4 && $2 ~ /^[0-9]+$/ {
    t = $1
    if (!((v, t) in rate)) { count[v, t] = $2; if (!(t in seen)) { seen[t] = 1; order[++n] = t } }
    if ($4 + 0 > rate[v, t] + 0) rate[v, t] = $4
  }
  /sorted again by TLID/ { s = $(NF - 1); if (!(v in sortT) || s + 0 < sortT[v] + 0) sortT[v] = s }
  /^all types:/ { r = $(NF - 1); sub(/^\(/, "", r); allN[v] = $3; if (r + 0 > allR[v] + 0) allR[v] = r }
  /^peak RSS/ { if ($3 + 0 > peak[v] + 0) peak[v] = $3 }
  /^peak RSS.*record files/ { for (i = 1; i <= NF; i++) if ($i == "files") mb[v] = $(i + 1) }
  function cell(v, t, a) { return ((v, t) in a) ? a[v, t] : "-" }
  END {
    printf "%-6s %12s %14s %12s %14s %12s\n", "type", "v1 records", "v1 records/s", "v2 records", "v2 records/s", "v1/v2 speed"
    for (i = 1; i <= n; i++) {
      t = order[i]
      ratio = ((1, t) in rate) && ((2, t) in rate) ? sprintf("%.2f", rate[1, t] / rate[2, t]) : "-"
      printf "%-6s %12s %14s %12s %14s %12s\n", t, cell(1, t, count), cell(1, t, rate), cell(2, t, count), cell(2, t, rate), ratio
    }
    ratio = allR[2] > 0 ? sprintf("%.2f", allR[1] / allR[2]) : "-"
    printf "%-6s %12s %14s %12s %14s %12s\n", "all", allN[1], allR[1], allN[2], allR[2], ratio
    # The types both read, each at its best rate: records over the sum of times.
    for (i = 1; i <= n; i++) {
      t = order[i]
      if (!((1, t) in rate) || !((2, t) in rate)) continue
      for (v = 1; v <= 2; v++) { sameN[v] += count[v, t]; sameT[v] += count[v, t] / rate[v, t] }
    }
    if (sameT[1] > 0 && sameT[2] > 0)
      printf "%-6s %12d %14.0f %12d %14.0f %12.2f   (the types both read)\n", "same", sameN[1], sameN[1] / sameT[1],
             sameN[2], sameN[2] / sameT[2], (sameN[1] / sameT[1]) / (sameN[2] / sameT[2])
    printf "type 1 sorted again by TLID: v1 %s s, v2 %s s\n", sortT[1], sortT[2]
    for (v = 1; v <= 2; v++)
      printf "v%d: peak RSS %.1f MB, record files %.1f MB, ratio %.2f\n", v, peak[v] * 1.048576, mb[v], (peak[v] * 1.048576) / mb[v]
    print "(MB: 10^6 bytes; the tools print their peak RSS in MiB, converted here)"
  }' $(for k in $(seq "$runs"); do echo "$work/old$k.txt"; done) $(for k in $(seq "$runs"); do echo "$work/new$k.txt"; done)
