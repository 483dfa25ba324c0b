#!/bin/bash
# Times line layers against GDAL's ogr2ogr writing the same complete chains
# as a shapefile, on this machine, best of three runs each, and prints the
# ratio (target: at most 0.25):
#   - the 2002-2006 library on the real county tgr25025 (when its archive is
#     in ../shared/data/real/);
#   - the 1994-2000 library on a generated release-101 (TIGER 2000) county of
#     about CHAINS complete chains (default 125000).
# Both convert all eight line classes (the first brings the road tables, as
# it does in every conversion) and nothing else; GDAL runs
#   ogr2ogr -f "ESRI Shapefile" OUT <county>.RT1 CompleteChain
#
#   bash scripts/compare-gdal.sh [CHAINS]
set -eu
cd "$(dirname "$0")/.."
chains=${1:-125000}
bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target convert_county countygen >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best() {  # best wall time in seconds of three runs of a command
  local best=""
  for _ in 1 2 3; do
    "$@" prepare
    local start end
    start=$(date +%s.%N)
    "$@" run
    end=$(date +%s.%N)
    best=$(awk -v b="$best" -v s="$start" -v e="$end" 'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
  echo "$best"
}
# The county being compared: its type 1 file and the options of its library.
type1=""
options=""
ours() {
  case $1 in
    prepare) rm -rf "$work/ours" && mkdir "$work/ours" ;;
    run) build-release/tools/convert_county/convert_county "$type1" "$work/ours" "$options" ;;
  esac
}
gdal() {
  case $1 in
    prepare) rm -rf "$work/gdal" ;;
    run) ogr2ogr -f "ESRI Shapefile" "$work/gdal" "$type1" CompleteChain 2>/dev/null ;;
  esac
}
compare() {  # NAME: times both on $type1 and prints the lines
  local t_ours t_gdal
  t_ours=$(best ours)
  t_gdal=$(best gdal)
  echo "$1, line layers (8 classes): ${t_ours} s   (build-release/tools/convert_county/convert_county $type1 OUT $options)"
  echo "$1, ogr2ogr -f \"ESRI Shapefile\" OUT $(basename "$type1") CompleteChain: ${t_gdal} s"
  awk -v o="$t_ours" -v g="$t_gdal" 'BEGIN { printf "ratio ours / GDAL: %.2f (target at most 0.25)\n\n", o / g }'
}

# The real county, 2002-2006 library: 86 characters, edition 'c' at 53.
archive=../shared/data/real/tgr25025.zip
if [ -f "$archive" ]; then
  mkdir -p "$work/county"
  (cd "$work/county" && unzip -q "$(cd - >/dev/null && realpath "$archive")")
  type1="$work/county/TGR25025.RT1"
  options=$(printf '11111111%045d' 0)c$(printf '%025d' 0)0$(printf '%06d' 0)
  compare "tgr25025 (vornak2)"
else
  echo "the real county archive $archive is absent: its comparison is passed over"
fi

# A generated release-101 county, 1994-2000 library: 56 characters, the
# eight line classes, no polygon layer, edition '6' at 53.
mkdir -p "$work/county101"
build-release/tools/countygen/countygen --out "$work/county101" --edition 6 --chains "$chains" >"$work/gen.txt"
type1="$work/county101/TGR25901.RT1"
options=$(printf '11111111%045d' 0)600
compare "generated release 101, $(awk '$1 == "rt1" { print $2 }' "$work/gen.txt") chains (vornak)"
