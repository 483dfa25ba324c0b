#!/bin/bash
# Times whole counties and their line layers against GDAL's ogr2ogr writing
# the county's complete chains as a shapefile, on this machine, and prints
# the ratios of the wall and of the CPU times (targets: a whole county at
# most 0.65 of ogr2ogr's wall time, its line layers alone at most 0.25):
#   - the 2002-2006 library on the real county tgr25025 (when its archive is
#     in ../shared/data/real/);
#   - the 1994-2000 library on a generated release-101 (TIGER 2000) county of
#     about CHAINS complete chains (default 125000).
# Each county is converted twice: with every layer its library offers (every
# line class, every polygon layer with its tables, organised by county) and
# with the eight line classes alone (the first brings the road tables, as it
# does in every conversion). GDAL runs
#   ogr2ogr -f "ESRI Shapefile" OUT <county>.RT1 CompleteChain
# The three commands run in turn ROUNDS times (default 5) so that a change
# of the machine's speed touches each alike; each time printed is the median
# of its rounds, measured by GNU time (wall; CPU = user + system).
#
#   bash scripts/compare-gdal.sh [CHAINS [ROUNDS]]
set -eu
cd "$(dirname "$0")/.."
chains=${1:-125000}
rounds=${2:-5}
bash scripts/build-release.sh convert_county countygen
convert=build-release/tools/convert_county/convert_county
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# options LENGTH EDITION ORGANISATION_AT ONES_UP_TO [ZERO_POSITION ...]:
# an options string of LENGTH characters, '1' at positions 0 to ONES_UP_TO - 1
# except the ZERO_POSITIONs, the edition character at 53, '0' elsewhere (the
# organisation at ORGANISATION_AT is '0', a folder per county).
options() {
  awk -v n="$1" -v e="$2" -v org="$3" -v ones="$4" -v zeros="${*:5}" 'BEGIN {
    split(zeros, z, " "); for (i in z) zero[z[i]] = 1
    for (i = 0; i < n; i++) {
      c = (i < ones && !(i in zero)) ? "1" : "0"
      if (i == 53) c = e
      if (i == org) c = "0"
      printf "%s", c
    }
  }'
}

# timed LABEL COMMAND...: runs the command once into a fresh folder
# $work/out, appending "LABEL wall cpu" to $work/times.
timed() {
  local label=$1
  shift
  rm -rf "$work/out"
  mkdir "$work/out"
  /usr/bin/time -f "$label %e %U %S" -a -o "$work/times.raw" "$@" >/dev/null 2>&1 || {
    echo "failed: $*" >&2
    exit 1
  }
  tail -n 1 "$work/times.raw" | awk '{ printf "%s %.3f %.3f\n", $1, $2, $3 + $4 }' >>"$work/times"
}

# median LABEL FIELD: the median of a label's wall (2) or CPU (3) times.
median() {
  awk -v l="$1" -v f="$2" '$1 == l { print $f }' "$work/times" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR % 2) printf "%.3f", v[(NR + 1) / 2]; else printf "%.3f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# compare NAME TYPE1 WHOLE_OPTIONS LINE_OPTIONS
compare() {
  local name=$1 type1=$2 whole=$3 lines=$4
  : >"$work/times"
  : >"$work/times.raw"
  for _ in $(seq "$rounds"); do
    timed whole "$convert" "$type1" "$work/out" "$whole"
    timed lines "$convert" "$type1" "$work/out" "$lines"
    timed gdal ogr2ogr -f "ESRI Shapefile" "$work/out/gdal" "$type1" CompleteChain
  done
  local gw gc
  gw=$(median gdal 2)
  gc=$(median gdal 3)
  echo "$name, medians of $rounds rounds (wall s, CPU s):"
  echo "  ogr2ogr -f \"ESRI Shapefile\" OUT $(basename "$type1") CompleteChain: $gw wall, $gc CPU"
  local label text target w c
  for label in whole lines; do
    if [ "$label" = whole ]; then
      text="every layer"; target=0.65; options=$whole
    else
      text="line layers (8 classes)"; target=0.25; options=$lines
    fi
    w=$(median "$label" 2)
    c=$(median "$label" 3)
    echo "  $text: $w wall, $c CPU   ($convert $(basename "$type1") OUT $options)"
    awk -v w="$w" -v c="$c" -v gw="$gw" -v gc="$gc" -v t="$target" 'BEGIN {
      printf "    ratio to GDAL: wall %.2f, CPU %.2f (target: wall at most %s)\n", w / gw, c / gc, t }'
  done
  echo
}

# The real county, 2002-2006 library: 86 characters, edition 'c' at 53,
# every layer up to position 81 (the organisation at 79).
archive=../shared/data/real/tgr25025.zip
if [ -f "$archive" ]; then
  mkdir -p "$work/county"
  (cd "$work/county" && unzip -q "$(cd - >/dev/null && realpath "$archive")")
  compare "tgr25025 (vornak2)" "$work/county/TGR25025.RT1" \
    "$(options 86 c 79 80 13 16 19 22 25 28 31 34 37 40 61 78)" "$(options 86 c 79 8)"
else
  echo "the real county archive $archive is absent: its comparison is passed over"
fi

# A generated release-101 county, 1994-2000 library: 56 characters, edition
# '6' at 53, every layer up to position 49.
mkdir -p "$work/county101"
"${convert%/*/*}/countygen/countygen" --out "$work/county101" --edition 6 --chains "$chains" >"$work/gen.txt"
compare "generated release 101, $(awk '$1 == "rt1" { print $2 }' "$work/gen.txt") chains (vornak)" \
  "$work/county101/TGR25901.RT1" "$(options 56 6 50 50 43)" "$(options 56 6 50 8)"
